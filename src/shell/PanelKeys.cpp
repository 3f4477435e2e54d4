#include "shell/PanelKeys.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWidget>

namespace talur {

PanelKeys::PanelKeys(QWidget* window, QList<PanelKey> keys, std::function<void(int)> click)
    : QObject(window), m_keys(std::move(keys)), m_click(std::move(click)) {
    watch(window);
}

void PanelKeys::watch(QObject* object) {
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

int PanelKeys::panelFor(QKeyCombination key) const {
    for (const PanelKey& entry : m_keys)
        if (entry.key == key)
            return entry.panel;
    return 0;
}

bool PanelKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            watch(child);
        break;
    }
    case QEvent::ShortcutOverride: {
        // Claims the key so that it arrives as a key press here rather than as a control's shortcut.
        auto* key = static_cast<QKeyEvent*>(event);
        if (panelFor(key->keyCombination())) {
            key->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (const int panel = panelFor(key->keyCombination())) {
            m_click(panel);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace talur
