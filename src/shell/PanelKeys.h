#pragma once
// Key forwarding for child windows that see keys before their controls: a matching key clicks a
// command panel of the main window instead of reaching the focused control.
#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <functional>

class QWidget;

namespace talur {

struct PanelKey {
    QKeyCombination key;
    int panel;
};

class PanelKeys : public QObject {
    Q_OBJECT
public:
    // Watches window and all its present and future descendants; lives as long as window.
    PanelKeys(QWidget* window, QList<PanelKey> keys, std::function<void(int)> click);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QObject* object);
    int panelFor(QKeyCombination key) const;

    QList<PanelKey> m_keys;
    std::function<void(int)> m_click;
};

} // namespace talur
