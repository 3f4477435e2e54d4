#include "platform/draw/PainterTarget.h"

#include "platform/draw/TextMapping.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

namespace talur {

namespace {

constexpr double kTwipsPerMm = 56.7;

Qt::PenStyle penStyle(int drawStyle) {
    switch (drawStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

Qt::BrushStyle brushStyle(int fillStyle) {
    switch (fillStyle) {
    case 0: return Qt::SolidPattern;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::BDiagPattern;
    case 5: return Qt::FDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::NoBrush;
    }
}

} // namespace

PainterTarget::PainterTarget() = default;
PainterTarget::~PainterTarget() = default;

double PainterTarget::scaleWidth() const { return m_millimetres ? deviceWidthMm() : m_scaleWidth; }
double PainterTarget::scaleHeight() const { return m_millimetres ? deviceHeightMm() : m_scaleHeight; }

void PainterTarget::setScale(double left, double top, double width, double height) {
    m_millimetres = false;
    m_scaleLeft = left;
    m_scaleTop = top;
    m_scaleWidth = width;
    m_scaleHeight = height;
}

void PainterTarget::setScaleMillimetres() {
    m_millimetres = true;
    m_scaleLeft = 0;
    m_scaleTop = 0;
}

int PainterTarget::pixelWidth() const { return static_cast<int>(std::lround(deviceWidthMm() * pixelsPerMm())); }
int PainterTarget::pixelHeight() const { return static_cast<int>(std::lround(deviceHeightMm() * pixelsPerMm())); }
double PainterTarget::twipsWidth() const { return deviceWidthMm() * kTwipsPerMm; }
double PainterTarget::twipsHeight() const { return deviceHeightMm() * kTwipsPerMm; }

double PainterTarget::unitsToPixelsX() const {
    const double w = scaleWidth();
    return w != 0 ? deviceWidthMm() * pixelsPerMm() / w : pixelsPerMm();
}

double PainterTarget::unitsToPixelsY() const {
    const double h = scaleHeight();
    return h != 0 ? deviceHeightMm() * pixelsPerMm() / h : pixelsPerMm();
}

QPointF PainterTarget::toDevice(double x, double y) const {
    return {(x - m_scaleLeft) * unitsToPixelsX(), (y - m_scaleTop) * unitsToPixelsY()};
}

QPainter* PainterTarget::painter() {
    QPaintDevice* dev = device();
    if (!dev)
        return nullptr;
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    if (!m_painter->isActive()) {
        if (!m_painter->begin(dev))
            return nullptr;
        m_painter->setRenderHint(QPainter::Antialiasing, true);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        if (m_clip)
            m_painter->setClipRect(*m_clip);
    }
    return m_painter.get();
}

void PainterTarget::flush() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

void PainterTarget::setFont(const FontSpec& font) {
    m_font = font;
    m_qfont.reset();
    m_metrics.reset();
}

const QFontMetricsF& PainterTarget::metrics() const {
    if (!m_metrics)
        m_metrics.emplace(qfont(), device());
    return *m_metrics;
}

const QFont& PainterTarget::qfont() const {
    if (m_qfont)
        return *m_qfont;
    QFont& f = m_qfont.emplace(platformFontFamily(m_font.name));
    // Sized so that one point is 25.4 / 72 mm on the device, whatever its logical resolution.
    const QPaintDevice* dev = device();
    const double dpi = dev ? dev->logicalDpiY() : 96.0;
    f.setPointSizeF(std::max(0.5, m_font.size * pixelsPerMm() * 25.4 / dpi));
    f.setBold(m_font.bold || m_font.weight >= 600);
    f.setItalic(m_font.italic);
    f.setUnderline(m_font.underline);
    f.setStrikeOut(m_font.strikethrough);
    return f;
}

void PainterTarget::applyPen(QPainter& p, ColorRef color) const {
    QPen pen(toQColor(color < 0 ? m_foreColor : color));
    pen.setStyle(penStyle(m_drawStyle));
    pen.setWidthF(m_drawWidth);
    pen.setCapStyle(Qt::RoundCap);
    // Every draw mode paints as copy pen (13); the raster operations have no use here.
    p.setPen(pen);
}

void PainterTarget::applyBrush(QPainter& p) const {
    const Qt::BrushStyle style = brushStyle(m_fillStyle);
    p.setBrush(style == Qt::NoBrush ? QBrush() : QBrush(toQColor(m_fillColor), style));
}

void PainterTarget::print(const QString& text, double angleDegrees) {
    const double w = textWidth(text);
    if (QPainter* p = painter()) {
        const QFont& f = qfont();
        const QString shown = isSymbolFontName(m_font.name) ? symbolToGreek(text) : text;
        p->save();
        p->setFont(f);
        p->setPen(toQColor(m_foreColor));
        p->translate(toDevice(m_currentX, m_currentY));
        p->rotate(-angleDegrees);
        p->drawText(QPointF(0, metrics().ascent()), shown);
        p->restore();
        changed();
    }
    const double a = angleDegrees * M_PI / 180.0;
    m_currentX += w * std::cos(a);
    m_currentY -= w * std::sin(a);
}

double PainterTarget::textWidth(const QString& text) const {
    const QString shown = isSymbolFontName(m_font.name) ? symbolToGreek(text) : text;
    return metrics().horizontalAdvance(shown) / unitsToPixelsX();
}

double PainterTarget::textHeight(const QString&) const {
    return metrics().height() / unitsToPixelsY();
}

void PainterTarget::line(double x1, double y1, double x2, double y2, ColorRef color) {
    if (QPainter* p = painter()) {
        applyPen(*p, color);
        p->drawLine(toDevice(x1, y1), toDevice(x2, y2));
        changed();
    }
    m_currentX = x2;
    m_currentY = y2;
}

void PainterTarget::box(double x1, double y1, double x2, double y2, ColorRef color) {
    if (QPainter* p = painter()) {
        applyPen(*p, color);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
        changed();
    }
    m_currentX = x2;
    m_currentY = y2;
}

void PainterTarget::filledBox(double x1, double y1, double x2, double y2, ColorRef color) {
    if (QPainter* p = painter()) {
        const QColor c = toQColor(color < 0 ? m_foreColor : color);
        applyPen(*p, color);
        p->setBrush(c);
        p->drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
        changed();
    }
    m_currentX = x2;
    m_currentY = y2;
}

void PainterTarget::circle(double x, double y, double radius, ColorRef color) {
    if (QPainter* p = painter()) {
        applyPen(*p, color);
        applyBrush(*p);
        p->drawEllipse(toDevice(x, y), radius * unitsToPixelsX(), radius * std::fabs(unitsToPixelsY()));
        changed();
    }
    m_currentX = x;
    m_currentY = y;
}

void PainterTarget::dot(double x, double y, ColorRef color) {
    if (QPainter* p = painter()) {
        const QColor c = toQColor(color < 0 ? m_foreColor : color);
        const double r = m_drawWidth / 2.0;
        p->setPen(Qt::NoPen);
        p->setBrush(c);
        const QPointF d = toDevice(x, y);
        if (m_drawWidth <= 1)
            p->fillRect(QRectF(d.x() - 0.5, d.y() - 0.5, 1, 1), c);
        else
            p->drawEllipse(d, r, r);
        changed();
    }
    m_currentX = x;
    m_currentY = y;
}

void PainterTarget::fillBackground(QPainter& p) {
    const QPaintDevice* dev = device();
    p.fillRect(QRectF(0, 0, dev->width(), dev->height()), toQColor(m_backColor));
}

void PainterTarget::clear() {
    if (QPainter* p = painter()) {
        p->save();
        p->setClipping(false);
        fillBackground(*p);
        p->restore();
        changed();
    }
    m_currentX = m_scaleLeft;
    m_currentY = m_scaleTop;
}

void PainterTarget::setClip(double x1, double y1, double x2, double y2) {
    m_clip = QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized();
    if (m_painter && m_painter->isActive())
        m_painter->setClipRect(*m_clip);
}

void PainterTarget::clearClip() {
    m_clip.reset();
    if (m_painter && m_painter->isActive())
        m_painter->setClipping(false);
}

} // namespace talur
