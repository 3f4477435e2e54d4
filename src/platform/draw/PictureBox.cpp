#include "platform/draw/PictureBox.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <cmath>

namespace talur {

namespace {

QImage blankImage(QSize size, double dpi, ColorRef back) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    const int dpm = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(toQColor(back));
    return image;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    measureResolution();
    m_image = blankImage(size(), pixelsPerMm() * 25.4, backColor());
}

PictureBox::~PictureBox() { flush(); }

void PictureBox::measureResolution() { m_pixelsPerMm = logicalDpiX() / 25.4; }

bool PictureBox::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::ScreenChangeInternal:
    case QEvent::ParentChange:
    case QEvent::Show: measureResolution(); break;
    default: break;
    }
    return QWidget::event(event);
}

QScrollBar* PictureBox::verticalBar() {
    if (!m_verticalBar) {
        m_verticalBar = new QScrollBar(Qt::Vertical, this);
        const int w = static_cast<int>(std::lround(5 * pixelsPerMm()));
        m_verticalBar->setGeometry(width() - w, 0, w, height());
        m_verticalBar->hide();
    }
    return m_verticalBar;
}

QPaintDevice* PictureBox::device() const {
    const_cast<PictureBox*>(this)->fitImage();
    return const_cast<QImage*>(&m_image);
}

void PictureBox::fitImage() {
    if (m_image.size() == size().expandedTo(QSize(1, 1)))
        return;
    flush();
    QImage grown = blankImage(size(), pixelsPerMm() * 25.4, backColor());
    {
        QPainter p(&grown);
        p.drawImage(0, 0, m_image);
    }
    m_image = grown;
}

const QImage& PictureBox::image() {
    fitImage();
    flush();
    return m_image;
}

void PictureBox::paintEvent(QPaintEvent* event) {
    fitImage();
    flush();
    QPainter p(this);
    p.drawImage(event->rect(), m_image, event->rect());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    fitImage();
    QWidget::resizeEvent(event);
}

} // namespace talur
