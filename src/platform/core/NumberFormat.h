#pragma once
// Number formatting with format pictures ("#0", "#0.00", "####0") and the general number form,
// with the decimal separator of the regional settings.
#include <QString>

namespace talur {

// Format picture made of '#', '0', '.' (and literal characters): rounding half away from zero,
// at least as many integer digits as the picture has '0' before the point.
QString formatNumber(double value, const QString& picture);
// General number form of a double (15 significant digits) and of a single (7), no trailing zeros,
// exponent form "1E+20" / "1E-05" for very large and small values.
QString formatGeneral(double value);
QString formatGeneralSingle(float value);
// Is the text a number in the current regional settings (leading/trailing blanks allowed)?
bool isNumeric(const QString& text);

} // namespace talur
