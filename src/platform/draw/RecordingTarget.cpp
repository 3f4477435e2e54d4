#include "platform/draw/RecordingTarget.h"

#include "platform/draw/TextMapping.h"

#include <cmath>

namespace talur {

namespace {
constexpr double kTwipsPerMm = 56.7;
constexpr double kMmPerPoint = 25.4 / 72.0;
} // namespace

RecordingTarget::RecordingTarget(double widthMm, double heightMm, double pixelsPerMm)
    : m_widthMm(widthMm), m_heightMm(heightMm), m_pixelsPerMm(pixelsPerMm), m_scaleWidth(widthMm),
      m_scaleHeight(heightMm) {}

RecordingTarget RecordingTarget::fromTwips(double widthTwips, double heightTwips, double pixelsPerMm) {
    return RecordingTarget(widthTwips / kTwipsPerMm, heightTwips / kTwipsPerMm, pixelsPerMm);
}

void RecordingTarget::setScale(double left, double top, double width, double height) {
    m_scaleLeft = left;
    m_scaleTop = top;
    m_scaleWidth = width;
    m_scaleHeight = height;
}

void RecordingTarget::setScaleMillimetres() { setScale(0, 0, m_widthMm, m_heightMm); }

int RecordingTarget::pixelWidth() const { return static_cast<int>(std::lround(m_widthMm * m_pixelsPerMm)); }
int RecordingTarget::pixelHeight() const { return static_cast<int>(std::lround(m_heightMm * m_pixelsPerMm)); }
double RecordingTarget::twipsWidth() const { return m_widthMm * kTwipsPerMm; }
double RecordingTarget::twipsHeight() const { return m_heightMm * kTwipsPerMm; }

double RecordingTarget::textWidthFor(const FontSpec& font, const QString& text) {
    return 0.6 * font.size * kMmPerPoint * static_cast<double>(text.size());
}

double RecordingTarget::textHeightFor(const FontSpec& font) { return 1.15 * font.size * kMmPerPoint; }

double RecordingTarget::textWidth(const QString& text) const { return textWidthFor(m_font, text); }
double RecordingTarget::textHeight(const QString&) const { return textHeightFor(m_font); }

Primitive RecordingTarget::make(Primitive::Kind kind, ColorRef color) const {
    Primitive p;
    p.kind = kind;
    p.color = color < 0 ? m_foreColor : color;
    p.drawStyle = m_drawStyle;
    p.drawWidth = m_drawWidth;
    p.drawMode = m_drawMode;
    p.fillStyle = m_fillStyle;
    p.fillColor = m_fillColor;
    p.font = m_font;
    return p;
}

void RecordingTarget::print(const QString& text, double angleDegrees) {
    Primitive p = make(Primitive::Kind::Text, -1);
    p.x1 = m_currentX;
    p.y1 = m_currentY;
    p.text = text;
    p.shown = isSymbolFontName(m_font.name) ? symbolToGreek(text) : text;
    p.angle = angleDegrees;
    m_primitives.append(p);
    const double w = textWidth(text);
    const double a = angleDegrees * M_PI / 180.0;
    m_currentX += w * std::cos(a);
    m_currentY -= w * std::sin(a);
}

// Lines and boxes: two corner points, and the current position moves to the second.
void RecordingTarget::recordTwoPoints(Primitive::Kind kind, double x1, double y1, double x2, double y2,
                                      ColorRef color) {
    Primitive p = make(kind, color);
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    m_primitives.append(p);
    m_currentX = x2;
    m_currentY = y2;
}

void RecordingTarget::line(double x1, double y1, double x2, double y2, ColorRef color) {
    recordTwoPoints(Primitive::Kind::Line, x1, y1, x2, y2, color);
}

void RecordingTarget::box(double x1, double y1, double x2, double y2, ColorRef color) {
    recordTwoPoints(Primitive::Kind::Box, x1, y1, x2, y2, color);
}

void RecordingTarget::filledBox(double x1, double y1, double x2, double y2, ColorRef color) {
    recordTwoPoints(Primitive::Kind::FilledBox, x1, y1, x2, y2, color);
}

void RecordingTarget::circle(double x, double y, double radius, ColorRef color) {
    Primitive p = make(Primitive::Kind::Circle, color);
    p.x1 = x;
    p.y1 = y;
    p.radius = radius;
    m_primitives.append(p);
    m_currentX = x;
    m_currentY = y;
}

void RecordingTarget::dot(double x, double y, ColorRef color) {
    Primitive p = make(Primitive::Kind::Dot, color);
    p.x1 = x;
    p.y1 = y;
    m_primitives.append(p);
    m_currentX = x;
    m_currentY = y;
}

void RecordingTarget::clear() {
    m_primitives.append(make(Primitive::Kind::Clear, m_backColor));
    m_currentX = m_scaleLeft;
    m_currentY = m_scaleTop;
}

void RecordingTarget::setClip(double x1, double y1, double x2, double y2) {
    Primitive p = make(Primitive::Kind::Clip, -1);
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    m_primitives.append(p);
}

void RecordingTarget::clearClip() { m_primitives.append(make(Primitive::Kind::ClearClip, -1)); }

QList<Primitive> RecordingTarget::primitives(Primitive::Kind kind) const {
    QList<Primitive> out;
    for (const Primitive& p : m_primitives)
        if (p.kind == kind)
            out.append(p);
    return out;
}

} // namespace talur
