#pragma once
// Number formatting with format pictures ("#0", "#0.00", "####0") and the general number form,
// with the decimal separator of the regional settings.
#include <QChar>
#include <QString>
#include <optional>

namespace talur {

// Format picture made of '#', '0', '.' and ',' with literal characters before and after: rounding half away
// from zero on the value's 15 significant digits, at least as many integer digits as the picture has '0'
// before the point, '#' after the point an optional digit, ',' groups the thousands, '%' scales by 100.
// A value that rounds to zero never carries a minus sign; without fraction digits there is no separator.
QString formatNumber(double value, const QString& picture);
// General number form of a double (15 significant digits) and of a single (7), no trailing zeros,
// exponent form "1E+20" / "1E-05" for very large and small values.
QString formatGeneral(double value);
QString formatGeneralSingle(float value);
// Reads a number written with the regional decimal separator: blanks around it, an optional sign, digits with
// at most one separator, an optional exponent ("1,5E-3"). Thousands separators are not accepted, so "1.5" is
// no number when the separator is ',' (rather than silently becoming 15). Out-of-range values are no number.
std::optional<double> parseNumber(const QString& text);
std::optional<double> parseNumber(const QString& text, QChar decimalSeparator);
// Is the text a number in the current regional settings (leading/trailing blanks allowed)?
bool isNumeric(const QString& text);
// The digit-grouping character that goes with the regional decimal separator ('.' with ',', else ',').
QChar groupSeparator();

} // namespace talur
