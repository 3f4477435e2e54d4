#pragma once
// Geometry behind the polylines of clsGRAFIK: clipping to the plot box, direction angles,
// the choice of marked points, the anchors of curve labels and the arrowhead barbs.
#include <optional>
#include <vector>

namespace talur::polygon {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// The plot box on the target in millimetres (y grows downward); closed on all four edges.
struct Box {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
    bool containsClosed(Point p) const;
    bool containsStrictly(Point p) const;
};

struct Segment {
    Point a;
    Point b;
};

// The part of the segment a-b inside the closed box, in the direction a to b; nothing when the
// segment misses the box. A segment that only touches an edge or a corner gives that piece or point.
std::optional<Segment> clipSegment(const Box& box, Point a, Point b);

// Direction of the vector from (x1, y1) to (x2, y2) in [0, 2*pi), measured in target coordinates.
double direction(double x1, double y1, double x2, double y2);

// Indices of the points that get a marker (or a number) for the selection value of PSIT / PNR.
std::vector<int> selectedPoints(int selection, int count);

// The two barb points of an arrowhead at `tip` for a line coming from `from`.
struct Barbs {
    Point b1;
    Point b2;
    double length = 0.0;
};
Barbs arrowBarbs(Point from, Point tip);

// Placement of a curve label: anchor on the target, alignments and angle in whole degrees.
struct LabelPlacement {
    Point anchor;
    int arx = 0;
    int ary = 0;
    int angle = 0;
};
// Nothing for a position outside 0..14 or a segment position on a series of fewer than two points.
std::optional<LabelPlacement> labelPlacement(int position, const std::vector<double>& xd,
                                             const std::vector<double>& yd);

// Whole-number rounding with halves to the even number.
int roundHalfEven(double value);

} // namespace talur::polygon
