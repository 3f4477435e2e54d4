#include "Variant.h"

#include "NumberFormat.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cfloat>
#include <cmath>
#include <limits>

namespace talur {

namespace {

[[noreturn]] void throwNull() {
    throw runError(err::InvalidUseOfNull);
}

[[noreturn]] void throwMismatch() {
    throw runError(err::TypeMismatch);
}

[[noreturn]] void throwOverflow() {
    throw runError(err::Overflow);
}

// Integer conversion rounds half to even, as the classic runtime's CInt/CLng do.
int64_t roundToInteger(double value, double low, double high) {
    if (std::isnan(value))
        throwOverflow();
    const double r = std::nearbyint(value);
    if (r < low || r > high)
        throwOverflow();
    return int64_t(r);
}

const qint64 kDayZero = QDate(1899, 12, 30).toJulianDay();

std::optional<double> parseDateText(const QString& text) {
    static const char* const dateTimeFormats[] = {"dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm",
                                                  "yyyy-MM-dd HH:mm:ss", "yyyy-MM-ddTHH:mm:ss",
                                                  "yyyy-MM-dd HH:mm"};
    static const char* const dateFormats[] = {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd"};
    static const char* const timeFormats[] = {"HH:mm:ss", "HH:mm"};
    const QString t = text.trimmed();
    for (const char* f : dateTimeFormats) {
        const QDateTime dt = QDateTime::fromString(t, QLatin1String(f));
        if (dt.isValid())
            return double(dt.date().toJulianDay() - kDayZero) + dt.time().msecsSinceStartOfDay() / 86400000.0;
    }
    for (const char* f : dateFormats) {
        const QDate d = QDate::fromString(t, QLatin1String(f));
        if (d.isValid())
            return double(d.toJulianDay() - kDayZero);
    }
    for (const char* f : timeFormats) {
        const QTime tm = QTime::fromString(t, QLatin1String(f));
        if (tm.isValid())
            return tm.msecsSinceStartOfDay() / 86400000.0;
    }
    return std::nullopt;
}

QString dateText(double days) {
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    QString out;
    if (whole != 0.0)
        out = QDate::fromJulianDay(kDayZero + qint64(whole)).toString(QStringLiteral("dd.MM.yyyy"));
    if (fraction != 0.0 || whole == 0.0) {
        const int ms = int(std::llround(fraction * 86400000.0)) % 86400000;
        const QString time = QTime::fromMSecsSinceStartOfDay(ms).toString(QStringLiteral("HH:mm:ss"));
        out = out.isEmpty() ? time : out + QLatin1Char(' ') + time;
    }
    return out;
}

} // namespace

RegionalSettings& regionalSettings() {
    static RegionalSettings settings;
    return settings;
}

Variant Variant::null() {
    Variant v;
    v.m_type = Type::Null;
    return v;
}

Variant::Variant(bool v) : m_type(Type::Boolean), m_bool(v) {}
Variant::Variant(int16_t v) : m_type(Type::Integer), m_long(v) {}
Variant::Variant(int32_t v) : m_type(Type::Long), m_long(v) {}
Variant::Variant(float v) : m_type(Type::Single), m_double(double(v)) {}
Variant::Variant(double v) : m_type(Type::Double), m_double(v) {}
Variant::Variant(DateTime v) : m_type(Type::Date), m_double(v.days) {}
Variant::Variant(const QString& v) : m_type(Type::String), m_text(v) {}
Variant::Variant(const char* utf8) : m_type(Type::String), m_text(QString::fromUtf8(utf8)) {}

bool Variant::isNumeric() const {
    switch (m_type) {
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
        return true;
    default:
        return false;
    }
}

bool Variant::toBool() const {
    switch (m_type) {
    case Type::Empty:
        return false;
    case Type::Null:
        throwNull();
    case Type::Boolean:
        return m_bool;
    case Type::Integer:
    case Type::Long:
        return m_long != 0;
    case Type::Single:
    case Type::Double:
    case Type::Date:
        return m_double != 0.0;
    case Type::String:
        break;
    }
    const QString t = m_text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("Wahr"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("Falsch"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = parseNumber(t);
    if (!number)
        throwMismatch();
    return *number != 0.0;
}

double Variant::toDouble() const {
    switch (m_type) {
    case Type::Empty:
        return 0.0;
    case Type::Null:
        throwNull();
    case Type::Boolean:
        return m_bool ? -1.0 : 0.0;
    case Type::Integer:
    case Type::Long:
        return double(m_long);
    case Type::Single:
    case Type::Double:
    case Type::Date:
        return m_double;
    case Type::String:
        break;
    }
    const auto number = parseNumber(m_text);
    if (!number)
        throwMismatch();
    return *number;
}

int16_t Variant::toInt16() const {
    if (m_type == Type::Integer || m_type == Type::Long) {
        if (m_long < std::numeric_limits<int16_t>::min() || m_long > std::numeric_limits<int16_t>::max())
            throwOverflow();
        return int16_t(m_long);
    }
    return int16_t(roundToInteger(toDouble(), -32768.0, 32767.0));
}

int32_t Variant::toInt32() const {
    if (m_type == Type::Integer || m_type == Type::Long)
        return m_long;
    return int32_t(roundToInteger(toDouble(), -2147483648.0, 2147483647.0));
}

float Variant::toSingle() const {
    if (m_type == Type::Single)
        return float(m_double);
    const double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > double(FLT_MAX))
        throwOverflow();
    return float(d);
}

DateTime Variant::toDate() const {
    if (m_type == Type::String) {
        if (const auto days = parseDateText(m_text))
            return DateTime{*days};
    }
    return DateTime{toDouble()};
}

QString Variant::toText() const {
    switch (m_type) {
    case Type::Empty:
        return {};
    case Type::Null:
        throwNull();
    case Type::Boolean:
        return m_bool ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
    case Type::Long:
        return QString::number(m_long);
    case Type::Single:
        return formatGeneralSingle(float(m_double));
    case Type::Double:
        return formatGeneral(m_double);
    case Type::Date:
        return dateText(m_double);
    case Type::String:
        return m_text;
    }
    return {};
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.m_type != b.m_type)
        return false;
    switch (a.m_type) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        return true;
    case Variant::Type::Boolean:
        return a.m_bool == b.m_bool;
    case Variant::Type::Integer:
    case Variant::Type::Long:
        return a.m_long == b.m_long;
    case Variant::Type::Single:
    case Variant::Type::Double:
    case Variant::Type::Date:
        return a.m_double == b.m_double;
    case Variant::Type::String:
        return a.m_text == b.m_text;
    }
    return false;
}

} // namespace talur
