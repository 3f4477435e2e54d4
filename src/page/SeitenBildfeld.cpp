#include "page/SeitenBildfeld.h"

#include <QEvent>

namespace talur {

SeitenBildfeld::SeitenBildfeld(QWidget* parent) : PictureBox(parent) { aufloesungMessen(); }

void SeitenBildfeld::aufloesungMessen() { m_pixelProMm = logicalDpiX() / 25.4; }

bool SeitenBildfeld::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ScreenChangeInternal:
    case QEvent::ParentChange:
    case QEvent::Show: aufloesungMessen(); break;
    default: break;
    }
    return PictureBox::event(event);
}

} // namespace talur
