#include "shell/StatusPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace talur {

namespace {
constexpr int kPadding = 6;
}

StatusPanel::StatusPanel(int index, QWidget* parent) : QWidget(parent), m_index(index) {
    setObjectName(QStringLiteral("stbMAIN_Panel%1").arg(index));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StatusPanel::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

void StatusPanel::setBevel(Bevel bevel) {
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    update();
}

void StatusPanel::setAutoSize(AutoSize autoSize) {
    m_autoSize = autoSize;
    setSizePolicy(autoSize == AutoSize::Spring ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                  QSizePolicy::Fixed);
    updateGeometry();
}

void StatusPanel::setMinWidth(int pixels) {
    m_minWidth = pixels;
    updateGeometry();
}

QSize StatusPanel::sizeHint() const {
    const QFontMetrics metrics(font());
    // Rendered text can be a pixel or two wider than its advance; the bevel takes one more.
    const int textWidth =
        m_autoSize == AutoSize::Spring
            ? 0
            : std::max(metrics.horizontalAdvance(m_text), metrics.boundingRect(m_text).width()) + 3;
    return {std::max(m_minWidth, textWidth + 2 * kPadding), metrics.height() + 6};
}

QSize StatusPanel::minimumSizeHint() const {
    return m_autoSize == AutoSize::Spring ? QSize(m_minWidth, sizeHint().height()) : sizeHint();
}

void StatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (m_bevel != Bevel::None) {
        const QPalette& pal = palette();
        const bool raised = m_bevel == Bevel::Raised;
        painter.setPen(raised ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(raised ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const int shift = m_bevel == Bevel::Inset && m_pressed ? 1 : 0;
    painter.drawText(box.adjusted(kPadding + shift, shift, -kPadding + shift, shift),
                     Qt::AlignVCenter | Qt::AlignLeft | Qt::TextDontClip, m_text);
}

void StatusPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    emit pressed(m_index);
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked(m_index);
}

} // namespace talur
