#pragma once
// Colours and small helpers shared by the picture routines of the output page.
#include "platform/core/DialogService.h"
#include "platform/core/RunError.h"
#include "records/DatenStatement.h"

namespace talur::seite {

inline constexpr ColorRef kSchwarz = 0;
inline constexpr ColorRef kRot = 0x0000FF;   // RGB(255, 0, 0)
inline constexpr ColorRef kGruen = 0x00FF00; // RGB(0, 255, 0)
inline constexpr ColorRef kBlau = 0xFF0000;  // RGB(0, 0, 255)

// The settings row of picture 11 or 12 in G0.
inline Selection g0Zeile(int16_t bild) {
    Selection auswahl;
    auswahl.SPI1 = QStringLiteral("IDOBJEKT");
    auswahl.SPI1W = Variant(bild);
    return auswahl;
}

// The object a step works on; a missing one is the classic "object not set".
template <class T>
T& vorhanden(T* objekt) {
    if (!objekt)
        throw RunError(err::ObjectNotSet, QStringLiteral("Objektvariable oder With-Blockvariable nicht festgelegt"));
    return *objekt;
}

} // namespace talur::seite
