#include "graphics/Markers.h"

namespace talur {

namespace {

void cross(DrawTarget& t, double x, double y) {
    const double d = kMarkerCross;
    t.line(x, y, x + d, y + d);
    t.line(x, y, x - d, y + d);
    t.line(x, y, x + d, y - d);
    t.line(x, y, x - d, y - d);
}

} // namespace

void drawMarker(DrawTarget& t, int number, double x, double y, ColorRef fillAfter) {
    const double s = kMarkerSquare;
    switch (number) {
    case 0:
        cross(t, x, y);
        break;
    case 1:
        t.filledBox(x - s, y - s, x + s, y + s);
        break;
    case 2:
        t.box(x - s, y - s, x + s, y + s);
        break;
    case 3:
        t.setFillColor(t.foreColor());
        t.setFillStyle(0);
        t.circle(x, y, kMarkerRadius);
        t.setFillStyle(1);
        t.setFillColor(fillAfter);
        break;
    case 4:
        t.circle(x, y, kMarkerRadius);
        break;
    case 5:
        t.line(x - kTriangleHalfBase, y + kTriangleBase, x + kTriangleHalfBase, y + kTriangleBase);
        t.line(x + kTriangleHalfBase, y + kTriangleBase, x, y + kTriangleApex);
        t.line(x, y + kTriangleApex, x - kTriangleHalfBase, y + kTriangleBase);
        break;
    case 6:
        cross(t, x, y);
        t.line(x - kMarkerCross, y, x + kMarkerCross, y);
        t.line(x, y - kMarkerCross, x, y + kMarkerCross);
        break;
    default:
        break;
    }
}

} // namespace talur
