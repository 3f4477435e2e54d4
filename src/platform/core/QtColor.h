#pragma once
// ColorRef (0x00BBGGRR) and QColor, for the parts of the platform layer that draw or show colours.
// Header-only: the core library itself does not link Qt's GUI module.
#include "platform/core/DialogService.h"

#include <QColor>

namespace talur {

inline QColor toQColor(ColorRef color) {
    return QColor(colorRefRed(color), colorRefGreen(color), colorRefBlue(color));
}

inline ColorRef toColorRef(const QColor& color) { return makeColorRef(color.red(), color.green(), color.blue()); }

} // namespace talur
