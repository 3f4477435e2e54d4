#pragma once
// The main window's menu bar: every item named like the menu item it stands for (objectName), with its
// German and English caption and its initial enabled state. Handlers are attached by name.
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace talur {

class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMenuBar* bar, QObject* parent = nullptr);

    // The item's action (menus too: their menu action); nullptr for an unknown name.
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QStringList names() const;

    // German (3) or English (1) captions; items without an English caption keep the German one.
    void applyLanguage(int sprache);
    void setEnabled(const QString& name, bool enabled);
    bool isEnabled(const QString& name) const;
    // Runs when the item is chosen; items without a handler do nothing.
    void setHandler(const QString& name, std::function<void()> handler);
    // Runs when a menu is about to be shown (the evaluation menu enables its items there).
    void setAboutToShow(const QString& name, std::function<void()> handler);

private:
    void build(QMenuBar* bar);

    QHash<QString, QAction*> m_actions;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, std::function<void()>> m_handlers;
    QHash<QString, std::function<void()>> m_aboutToShow;
};

} // namespace talur
