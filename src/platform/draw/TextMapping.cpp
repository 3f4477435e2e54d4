#include "platform/draw/TextMapping.h"

#include <array>

namespace talur {

bool isSymbolFontName(const QString& name) {
    return name.compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0;
}

namespace {

// Greek letters for a..z and A..Z; 0 keeps the Latin character (no Greek counterpart in the font).
constexpr std::array<char16_t, 26> kLower = {
    u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
    u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
constexpr std::array<char16_t, 26> kUpper = {
    u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
    u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};

// Windows-1252 codes 128..159.
constexpr std::array<char16_t, 32> kCp1252High = {
    u'€',    u'\x81', u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', u'\x8D', u'Ž', u'\x8F',
    u'\x90', u'‘',    u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', u'\x9D', u'ž', u'Ÿ'};

} // namespace

QString symbolToGreek(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(kLower[u - u'a']);
        else if (u >= u'A' && u <= u'Z')
            c = QChar(kUpper[u - u'A']);
    }
    return out;
}

QChar windows1252ToUnicode(int code) {
    if (code >= 128 && code < 160)
        return QChar(kCp1252High[code - 128]);
    return QChar(static_cast<char16_t>(code & 0xFF));
}

QString platformFontFamily(const QString& name) {
    if (name.isEmpty() || isSymbolFontName(name) || name.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return name;
}

} // namespace talur
