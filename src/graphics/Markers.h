#pragma once
// The marker symbols shared by markup text, polylines and tables, drawn around a centre point in
// millimetres, never rotated, in the target's fore colour:
//   0 diagonal cross, 1 filled square, 2 open square, 3 filled circle, 4 open circle,
//   5 open triangle (apex up), 6 star; any other number draws nothing.
// Tables draw their own fixed colours by setting the fore colour around the call, and draw their
// extra symbol 7 (a single point) themselves.
#include "platform/draw/DrawTarget.h"

namespace talur {

inline constexpr ColorRef kWhite = 0xFFFFFF;

// Half sizes in millimetres.
inline constexpr double kMarkerCross = 0.75;   // cross and star strokes reach (±0.75, ±0.75)
inline constexpr double kMarkerSquare = 0.5;   // squares from (-0.5, -0.5) to (+0.5, +0.5)
inline constexpr double kMarkerRadius = 0.7;   // circles
inline constexpr double kTriangleHalfBase = 0.7;
inline constexpr double kTriangleBase = 0.33;  // base line below the centre
inline constexpr double kTriangleApex = -0.67; // apex above the centre

// Symbol 3 fills in the fore colour and afterwards leaves the fill transparent with `fillAfter` as the
// fill colour (white for texts and polylines, black for tables).
void drawMarker(DrawTarget& target, int number, double x, double y, ColorRef fillAfter = kWhite);

} // namespace talur
