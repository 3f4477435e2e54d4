#include "page/SeitenLayout.h"

#include <stdexcept>

namespace talur::seite {

const std::array<BildRechteck, kBildfelder>& bildfelder() {
    // Diagrams on the left, the three table boxes to their right with a 5 mm gap, each stacked
    // directly below the one before.
    static const std::array<BildRechteck, kBildfelder> felder = [] {
        std::array<BildRechteck, kBildfelder> f{};
        f[0] = {850.5, 1701.0, 6520.5, 3628.8};
        f[1] = {f[0].left, f[0].top + f[0].height, f[0].width, 4025.7};
        f[2] = {f[0].left + f[0].width + 283.5, f[0].top, 6804.0, 1984.5};
        f[3] = {f[2].left, f[2].top + f[2].height, f[2].width, f[2].height};
        f[4] = {f[2].left, f[3].top + f[3].height, f[2].width, 3685.5};
        return f;
    }();
    return felder;
}

Bildfeld bildfeldVon(int bild) {
    switch (bild) {
    case 11: return Bildfeld::BILD11;
    case 12: return Bildfeld::BILD12;
    case 13:
    case 14: return Bildfeld::BILD13;
    case 15:
    case 16: return Bildfeld::BILD14;
    case 17:
    case 18:
    case 19: return Bildfeld::BILD15;
    default: throw std::out_of_range("picture number");
    }
}

Druckversatz druckversatz(int bild) {
    switch (bild) {
    case 11: return {0.0, 10.0};
    case 12: return {0.0, 12.0};
    case 13:
    case 14: return {19.0, 10.0};
    case 15:
    case 16: return {19.0, 12.0};
    case 17:
    case 18:
    case 19: return {19.0, 14.0};
    default: throw std::out_of_range("picture number");
    }
}

} // namespace talur::seite
