#include "NumberFormat.h"

#include "Variant.h"

#include <charconv>
#include <cmath>
#include <string>

namespace talur {

namespace {

// A non-negative finite value as decimal digits: value = 0.digits × 10^pointPos.
struct Decimal {
    std::string digits;
    int pointPos = 0;
};

// Locale-independent on purpose: the C library's printf follows LC_NUMERIC, which Qt sets from the user.
Decimal toDecimal(double value, int significant) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                             significant - 1);
    std::string text(buf, res.ptr);
    const auto e = text.find('e');
    Decimal d;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.pointPos = std::stoi(text.substr(e + 1)) + 1;
    return d;
}

// Increments a string of decimal digits by one in the last place.
void incrementDigits(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of round(|value| × 10^decimals), half away from zero, taken from 15 significant digits.
std::string scaledRoundedDigits(double value, int decimals) {
    const Decimal d = toDecimal(value, 15);
    const int kept = d.pointPos + decimals;
    std::string out;
    char roundDigit = '0';
    if (kept >= 0) {
        for (int i = 0; i < kept; ++i)
            out += i < int(d.digits.size()) ? d.digits[size_t(i)] : '0';
        if (kept < int(d.digits.size()))
            roundDigit = d.digits[size_t(kept)];
    }
    if (roundDigit >= '5')
        incrementDigits(out);
    return out;
}

bool allZero(const std::string& digits) {
    return digits.find_first_not_of('0') == std::string::npos;
}

QString groupDigits(const QString& digits) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += groupSeparator();
        out += digits[i];
    }
    return out;
}

struct Picture {
    QString prefix, suffix;
    int minInt = 0;
    int minFrac = 0;
    int maxFrac = 0;
    bool grouping = false;
    bool percent = false;
};

Picture parsePicture(const QString& picture) {
    static const QString numberChars = QStringLiteral("#0.,");
    Picture p;
    qsizetype start = 0;
    while (start < picture.size() && !numberChars.contains(picture[start]))
        ++start;
    qsizetype end = start;
    while (end < picture.size() && numberChars.contains(picture[end]))
        ++end;
    p.prefix = picture.left(start);
    p.suffix = picture.mid(end);
    const QString body = picture.mid(start, end - start);
    const qsizetype point = body.indexOf(QLatin1Char('.'));
    const QString intPart = point < 0 ? body : body.left(point);
    const QString fracPart = point < 0 ? QString() : body.mid(point + 1);
    p.minInt = int(intPart.count(QLatin1Char('0')));
    p.grouping = intPart.contains(QLatin1Char(','));
    p.minFrac = int(fracPart.count(QLatin1Char('0')));
    p.maxFrac = p.minFrac + int(fracPart.count(QLatin1Char('#')));
    p.percent = p.prefix.contains(QLatin1Char('%')) || p.suffix.contains(QLatin1Char('%'));
    return p;
}

QString generalForm(double value, int significant) {
    if (std::isnan(value) || std::isinf(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral("0");
    Decimal d = toDecimal(value, significant);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    const QString sep = regionalSettings().decimalSeparator;
    const QString digits = QString::fromStdString(d.digits);
    const int exponent = d.pointPos - 1;
    QString body;
    if (exponent < -4 || exponent >= significant) {
        body = digits.left(1);
        if (digits.size() > 1)
            body += sep + digits.mid(1);
        body += QStringLiteral("E%1%2")
                    .arg(exponent < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                    .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
    } else if (d.pointPos <= 0) {
        body = QLatin1Char('0') + sep + QString(-d.pointPos, QLatin1Char('0')) + digits;
    } else if (d.pointPos >= digits.size()) {
        body = digits + QString(d.pointPos - digits.size(), QLatin1Char('0'));
    } else {
        body = digits.left(d.pointPos) + sep + digits.mid(d.pointPos);
    }
    return value < 0 ? QLatin1Char('-') + body : body;
}

} // namespace

QChar groupSeparator() {
    return regionalSettings().decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
}

QString formatNumber(double value, const QString& picture) {
    if (picture.isEmpty())
        return formatGeneral(value);
    if (std::isnan(value) || std::isinf(value))
        return QString::number(value);
    const Picture p = parsePicture(picture);
    if (p.percent)
        value *= 100.0;
    std::string scaled = scaledRoundedDigits(value, p.maxFrac);
    const bool negative = value < 0 && !allZero(scaled);
    if (int(scaled.size()) < p.maxFrac)
        scaled.insert(0, size_t(p.maxFrac) - scaled.size(), '0');
    QString intDigits = QString::fromStdString(scaled.substr(0, scaled.size() - size_t(p.maxFrac)));
    QString fracDigits = QString::fromStdString(scaled.substr(scaled.size() - size_t(p.maxFrac)));
    while (intDigits.startsWith(QLatin1Char('0')))
        intDigits.remove(0, 1);
    if (intDigits.size() < p.minInt)
        intDigits.prepend(QString(p.minInt - intDigits.size(), QLatin1Char('0')));
    while (fracDigits.size() > p.minFrac && fracDigits.endsWith(QLatin1Char('0')))
        fracDigits.chop(1);
    if (p.grouping)
        intDigits = groupDigits(intDigits);
    QString out = negative ? QStringLiteral("-") : QString();
    out += p.prefix + intDigits;
    if (!fracDigits.isEmpty())
        out += regionalSettings().decimalSeparator + fracDigits;
    return out + p.suffix;
}

QString formatGeneral(double value) {
    return generalForm(value, 15);
}

QString formatGeneralSingle(float value) {
    return generalForm(double(value), 7);
}

std::optional<double> parseNumber(const QString& text, QChar decimalSeparator) {
    const QString t = text.trimmed();
    std::string plain;
    plain.reserve(size_t(t.size()));
    qsizetype i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        if (t[i] == QLatin1Char('-'))
            plain += '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool seenPoint = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            plain += char(c.unicode());
            ++mantissaDigits;
        } else if (c == decimalSeparator && !seenPoint) {
            plain += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            plain += char(t[i++].unicode());
        int expDigits = 0;
        for (; i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i, ++expDigits)
            plain += char(t[i].unicode());
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != t.size())
        return std::nullopt;
    double value = 0.0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

std::optional<double> parseNumber(const QString& text) {
    return parseNumber(text, regionalSettings().decimalSeparator);
}

bool isNumeric(const QString& text) {
    return parseNumber(text).has_value();
}

} // namespace talur
