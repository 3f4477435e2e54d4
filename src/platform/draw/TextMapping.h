#pragma once
// Characters of the classic Windows fonts that have no counterpart here: the "Symbol" font's Latin
// letters stand for Greek letters, and character codes are Windows-1252 codes.
#include <QChar>
#include <QString>

namespace talur {

// Is this the name of the classic Greek symbol font (compared without regard to case)?
bool isSymbolFontName(const QString& name);
// Latin letters as the symbol font shows them (s -> σ, D -> Δ ...); other characters stay.
QString symbolToGreek(const QString& text);
// The Unicode character for a Windows-1252 code 0..255 (178 -> ², 128 -> €); codes the code page
// leaves undefined give the C1 control of the same number.
QChar windows1252ToUnicode(int code);
// The family that draws a font name here: "Arial" and "Symbol" become "Liberation Sans".
QString platformFontFamily(const QString& name);

} // namespace talur
