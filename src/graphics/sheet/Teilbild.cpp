#include "graphics/sheet/Teilbild.h"

#include <cmath>

namespace talur::sheet {

namespace {
constexpr double kTwipsPerMm = 56.7;
}

Teilbild::Teilbild(DrawTarget& inner, double left, double top, double width, double height, QString name)
    : m_inner(inner), m_left(left), m_top(top), m_width(width), m_height(height), m_name(std::move(name)) {}

double Teilbild::pixelsPerMm() const {
    return m_inner.scaleWidth() != 0 ? m_inner.pixelWidth() / std::fabs(m_inner.scaleWidth()) : 1.0;
}

int Teilbild::pixelWidth() const {
    return int(std::lround(m_width * pixelsPerMm()));
}
int Teilbild::pixelHeight() const {
    return int(std::lround(m_height * pixelsPerMm()));
}
double Teilbild::twipsWidth() const {
    return m_width * kTwipsPerMm;
}
double Teilbild::twipsHeight() const {
    return m_height * kTwipsPerMm;
}

void Teilbild::line(double x1, double y1, double x2, double y2, ColorRef color) {
    m_inner.line(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top, color);
}

void Teilbild::box(double x1, double y1, double x2, double y2, ColorRef color) {
    m_inner.box(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top, color);
}

void Teilbild::filledBox(double x1, double y1, double x2, double y2, ColorRef color) {
    m_inner.filledBox(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top, color);
}

void Teilbild::circle(double x, double y, double radius, ColorRef color) {
    m_inner.circle(x + m_left, y + m_top, radius, color);
}

void Teilbild::dot(double x, double y, ColorRef color) {
    m_inner.dot(x + m_left, y + m_top, color);
}

void Teilbild::clear() {
    m_inner.filledBox(m_left, m_top, m_left + m_width, m_top + m_height, m_inner.backColor());
    setCurrentX(0);
    setCurrentY(0);
}

void Teilbild::setClip(double x1, double y1, double x2, double y2) {
    m_inner.setClip(x1 + m_left, y1 + m_top, x2 + m_left, y2 + m_top);
}

} // namespace talur::sheet
