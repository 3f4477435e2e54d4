#pragma once
// Geometry of the output page: where the five picture boxes sit on the page, where the seven tables
// sit in them, and the offsets that move each picture onto the printed A4 sheet.
#include <array>

namespace talur::seite {

inline constexpr double kTwipsProMm = 56.7;

// A picture box of the page, in twips as the window layout holds it.
struct BildRechteck {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;

    double leftMm() const { return left / kTwipsProMm; }
    double topMm() const { return top / kTwipsProMm; }
    double widthMm() const { return width / kTwipsProMm; }
    double heightMm() const { return height / kTwipsProMm; }
};

// The five picture boxes, index 0 = picBILD11 ... 4 = picBILD15.
enum class Bildfeld { BILD11 = 0, BILD12, BILD13, BILD14, BILD15 };
inline constexpr int kBildfelder = 5;

const std::array<BildRechteck, kBildfelder>& bildfelder();
inline const BildRechteck& bildfeld(Bildfeld feld) { return bildfelder()[static_cast<int>(feld)]; }

// The picture box that holds picture 11 ... 19.
Bildfeld bildfeldVon(int bild);

// Offsets (mm) of picture 11 ... 19 on the printed sheet, added to the box position.
struct Druckversatz {
    double x = 0.0;
    double y = 0.0;
};
Druckversatz druckversatz(int bild);

// Width of the vertical scroll bar of the Coulomb table, mm.
inline constexpr double kRollbalkenBreiteMm = 5.0;

// Printed sheet: A4 landscape, mm.
inline constexpr double kBlattBreiteMm = 297.0;
inline constexpr double kBlattHoeheMm = 210.0;

} // namespace talur::seite
