#include "graphics/PolygonGeometry.h"

#include <cfenv>
#include <cmath>
#include <numbers>

namespace talur::polygon {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kHeadLength = 2.5;         // mm
constexpr double kHalfOpening = 0.26179938; // 15 degrees
constexpr double kDegree = 0.017453292;

// Liang-Barsky step: narrows [t0, t1] by the condition p * t <= q.
bool narrow(double p, double q, double& t0, double& t1) {
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > t1)
            return false;
        if (t > t0)
            t0 = t;
    } else {
        if (t < t0)
            return false;
        if (t < t1)
            t1 = t;
    }
    return true;
}

Point pointAt(Point a, Point b, double t) {
    if (t <= 0.0)
        return a;
    if (t >= 1.0)
        return b;
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

Point middle(const std::vector<double>& xd, const std::vector<double>& yd, int a, int b) {
    return {(xd[a] + xd[b]) / 2.0, (yd[a] + yd[b]) / 2.0};
}

// Angle of the segment a-b with y upward, in whole degrees, so that a label runs along it.
int segmentAngle(const std::vector<double>& xd, const std::vector<double>& yd, int a, int b) {
    const double dx = xd[b] - xd[a];
    const double dy = yd[a] - yd[b];
    if (dx == 0.0)
        return 90;
    return roundHalfEven(std::atan(dy / dx) / kDegree);
}

} // namespace

bool Box::containsClosed(Point p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
}

bool Box::containsStrictly(Point p) const {
    return p.x > left && p.x < right && p.y > top && p.y < bottom;
}

std::optional<Segment> clipSegment(const Box& box, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0;
    double t1 = 1.0;
    if (!narrow(-dx, a.x - box.left, t0, t1) || !narrow(dx, box.right - a.x, t0, t1) ||
        !narrow(-dy, a.y - box.top, t0, t1) || !narrow(dy, box.bottom - a.y, t0, t1))
        return std::nullopt;
    if (t0 > t1)
        return std::nullopt;
    return Segment{pointAt(a, b, t0), pointAt(a, b, t1)};
}

double direction(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (dx == 0.0 && dy == 0.0)
        return 0.0;
    if (dx == 0.0)
        return dy > 0.0 ? kPi / 2.0 : 3.0 * kPi / 2.0;
    if (dy == 0.0)
        return dx > 0.0 ? 0.0 : kPi;
    double phi = std::atan(dy / dx);
    if (dx < 0.0)
        phi += kPi;
    else if (dy < 0.0)
        phi += 2.0 * kPi;
    return phi;
}

std::vector<int> selectedPoints(int selection, int count) {
    std::vector<int> points;
    if (selection == 0 || count <= 0)
        return points;
    int step = 1;
    if (selection >= 3)
        step = roundHalfEven(double(count - 1) / double(selection - 1));
    if (step == 0)
        step = 1;
    for (int i = 0; i <= count - 1; i += step) {
        if (selection == -1 && i > 0)
            break;
        if (selection == 1)
            i = count - 1;
        if (selection == 2 && i > 0)
            i = count - 1;
        points.push_back(i);
    }
    return points;
}

Barbs arrowBarbs(Point from, Point tip) {
    const double phi = direction(tip.x, tip.y, from.x, from.y);
    const double s = std::hypot(tip.x - from.x, tip.y - from.y);
    const double length = 2.0 * kHeadLength > s ? s / 2.0 : kHeadLength;
    Barbs barbs;
    barbs.length = length;
    barbs.b1 = {tip.x + length * std::cos(phi + kHalfOpening), tip.y + length * std::sin(phi + kHalfOpening)};
    barbs.b2 = {tip.x + length * std::cos(phi - kHalfOpening), tip.y + length * std::sin(phi - kHalfOpening)};
    return barbs;
}

std::optional<LabelPlacement> labelPlacement(int position, const std::vector<double>& xd,
                                             const std::vector<double>& yd) {
    const int n = int(xd.size());
    if (n == 0 || position < 0 || position > 14)
        return std::nullopt;
    const Point first{xd[0], yd[0]};
    const Point last{xd[n - 1], yd[n - 1]};
    auto at = [](Point p, double shift, int arx, int ary) {
        return LabelPlacement{{p.x + shift, p.y}, arx, ary, 0};
    };
    auto alongSegment = [&](int a) -> std::optional<LabelPlacement> {
        if (n < 2)
            return std::nullopt;
        return LabelPlacement{middle(xd, yd, a, a + 1), 1, 2, segmentAngle(xd, yd, a, a + 1)};
    };
    switch (position) {
    case 0:
        return alongSegment(n - 2);
    case 1:
        return at(last, 0.0, 1, 2);
    case 2:
        return at(last, 0.0, 1, 0);
    case 3:
        return at(last, 2.0, 0, 1);
    case 4:
        return at(last, -2.0, 2, 1);
    case 5:
        return alongSegment(0);
    case 6:
        return at(first, 0.0, 1, 2);
    case 7:
        return at(first, 0.0, 1, 0);
    case 8:
        return at(first, 2.0, 0, 1);
    case 9:
        return at(first, -2.0, 2, 1);
    case 10:
        return alongSegment((n - 1) / 2);
    case 11:
        return at(last, -2.0, 2, 0);
    case 12:
        return at(last, -2.0, 2, 2);
    case 13:
        return at(last, 2.0, 0, 0);
    default: // 14
        return at(last, 2.0, 0, 2);
    }
}

int roundHalfEven(double value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(saved);
    return int(r);
}

} // namespace talur::polygon
