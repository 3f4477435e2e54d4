#include "shell/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace talur {

namespace {

enum class Kind { Menu, Item, Separator };

struct ItemDef {
    Kind kind;
    const char* name;
    const char* parent; // nullptr: menu bar
    const char* german;
    const char* english; // nullptr: keeps the German caption
    bool enabled;
};

// In menu order.
const ItemDef kItems[] = {
    {Kind::Menu, "mnuDATEI", nullptr, "&Datei", "&File", true},
    {Kind::Item, "mnuNEU", "mnuDATEI", "&Neu", "&New", true},
    {Kind::Item, "mnuOEFFNEN", "mnuDATEI", "&Öffnen", "&Open", true},
    {Kind::Item, "mnuAUSWAHL", "mnuDATEI", "&Auswahl", "&Select", true},
    {Kind::Separator, nullptr, "mnuDATEI", nullptr, nullptr, true},
    {Kind::Item, "mnuEXPIMP", "mnuDATEI", "&Export-Import", nullptr, true},
    {Kind::Item, "mnuEXPINF", "mnuDATEI", "Export-&Inf.system", nullptr, false},
    {Kind::Item, "mnuLOESCHEN", "mnuDATEI", "&Löschen", "&Delete", true},
    {Kind::Item, "mnuSCHLIESSEN", "mnuDATEI", "&Schließen", "&Done", true},
    {Kind::Separator, nullptr, "mnuDATEI", nullptr, nullptr, true},
    {Kind::Item, "mnuSPEICHERN", "mnuDATEI", "&Speichern", "&Save", true},
    {Kind::Item, "mnuBEENDEN", "mnuDATEI", "&Beenden", "&Quit", true},
    {Kind::Menu, "mnuAUSWERTEN", nullptr, "&Auswerten", "&Evaluate", true},
    {Kind::Item, "mnuEINGABEGRAFIK", "mnuAUSWERTEN", "&Eingabegrafik", "&Graphics of Input Data", false},
    {Kind::Item, "mnuBERECHNEN", "mnuAUSWERTEN", "&Berechnen", "&Calculate", true},
    {Kind::Item, "mnuMBERECHNEN", "mnuAUSWERTEN", "&MBerechnen", "Calculate &Multiple", false},
    {Kind::Item, "mnuFBERECHNEN", "mnuAUSWERTEN", "&FBerechnen", "Calculate &Next", false},
    {Kind::Item, "mnuNEUBERECHNEN", "mnuAUSWERTEN", "&Neuberechnen", "Calculate &First", true},
    {Kind::Menu, "mnuEXTRAS", nullptr, "E&xtras", "Tools", true},
    {Kind::Item, "mnuVVORGABEN", "mnuEXTRAS", "&Vorgaben", "Preset Data", false},
    {Kind::Item, "mnuVEVORGABEN", "mnuEXTRAS", "&Elektronikvorgaben", "Preset Electronic Data", false},
    {Kind::Separator, nullptr, "mnuEXTRAS", nullptr, nullptr, true},
    {Kind::Menu, "mnuWERKZEUGE", "mnuEXTRAS", "&Werkzeuge", "Grafic Tools", false},
    {Kind::Item, "mnuTEXT", "mnuWERKZEUGE", "&Text", "Text", true},
    {Kind::Item, "mnuPOLYGON", "mnuWERKZEUGE", "&Polygon", "Polygon", true},
    {Kind::Item, "mnuKREIS", "mnuWERKZEUGE", "&Kreisbogen", "Circle", true},
    {Kind::Item, "mnuKOMPRIMIEREN", "mnuEXTRAS", "&Komprimieren", "Compact Database", true},
    {Kind::Menu, "mnuFRAGEZEICHEN", nullptr, "&?", nullptr, true},
    {Kind::Item, "mnuHILFE", "mnuFRAGEZEICHEN", "&Hilfe", "Help", true},
    {Kind::Item, "mnuREADME", "mnuFRAGEZEICHEN", "&ReadMe", nullptr, true},
    {Kind::Item, "mnuHINWEISE", "mnuFRAGEZEICHEN", "Hin&weise", nullptr, true},
    {Kind::Separator, nullptr, "mnuFRAGEZEICHEN", nullptr, nullptr, true},
    {Kind::Item, "mnuINFO", "mnuFRAGEZEICHEN", "&Info", nullptr, true},
};

} // namespace

MainMenu::MainMenu(QMenuBar* bar, QObject* parent) : QObject(parent) {
    build(bar);
}

void MainMenu::build(QMenuBar* bar) {
    for (const ItemDef& def : kItems) {
        QMenu* parentMenu = def.parent ? m_menus.value(QString::fromLatin1(def.parent)) : nullptr;
        if (def.kind == Kind::Separator) {
            parentMenu->addSeparator();
            continue;
        }
        const QString name = QString::fromLatin1(def.name);
        const QString caption = QString::fromUtf8(def.german);
        QAction* action = nullptr;
        if (def.kind == Kind::Menu) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(name);
            m_menus.insert(name, menu);
            action = menu->menuAction();
            connect(menu, &QMenu::aboutToShow, this, [this, name] {
                if (auto handler = m_aboutToShow.value(name))
                    handler();
            });
        } else {
            action = parentMenu->addAction(caption);
            connect(action, &QAction::triggered, this, [this, name] {
                if (auto handler = m_handlers.value(name))
                    handler();
            });
        }
        action->setObjectName(name);
        action->setEnabled(def.enabled);
        m_actions.insert(name, action);
    }
}

QAction* MainMenu::action(const QString& name) const {
    return m_actions.value(name);
}

QMenu* MainMenu::menu(const QString& name) const {
    return m_menus.value(name);
}

QStringList MainMenu::names() const {
    QStringList result;
    for (const ItemDef& def : kItems)
        if (def.name)
            result << QString::fromLatin1(def.name);
    return result;
}

void MainMenu::applyLanguage(int sprache) {
    for (const ItemDef& def : kItems) {
        if (!def.name)
            continue;
        const char* caption = sprache == 1 && def.english ? def.english : def.german;
        m_actions.value(QString::fromLatin1(def.name))->setText(QString::fromUtf8(caption));
    }
}

void MainMenu::setEnabled(const QString& name, bool enabled) {
    if (QAction* a = action(name))
        a->setEnabled(enabled);
}

bool MainMenu::isEnabled(const QString& name) const {
    const QAction* a = action(name);
    return a && a->isEnabled();
}

void MainMenu::setHandler(const QString& name, std::function<void()> handler) {
    m_handlers.insert(name, std::move(handler));
}

void MainMenu::setAboutToShow(const QString& name, std::function<void()> handler) {
    m_aboutToShow.insert(name, std::move(handler));
}

} // namespace talur
