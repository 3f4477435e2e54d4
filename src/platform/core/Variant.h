#pragma once
// The tagged value that crosses the database interface and the record data-access class.
#include "RunError.h"

#include <QString>
#include <cstdint>

namespace talur {

// Date-time as days since 1899-12-30 (fraction = time of day); the zero date is 0.
struct DateTime {
    double days = 0.0;
    friend bool operator==(DateTime a, DateTime b) { return a.days == b.days; }
};

class Variant {
public:
    enum class Type { Empty, Null, Boolean, Integer, Long, Single, Double, Date, String };

    Variant() = default; // empty
    static Variant null();
    Variant(bool v);
    Variant(int16_t v);
    Variant(int32_t v);
    Variant(float v);
    Variant(double v);
    Variant(DateTime v);
    Variant(const QString& v);
    Variant(const char* utf8);

    Type type() const { return m_type; }
    bool isEmpty() const { return m_type == Type::Empty; }
    bool isNull() const { return m_type == Type::Null; }
    bool isNumeric() const; // Boolean, integers, floats

    // Conversions: empty gives 0, false, "" or the zero date; NULL and failing conversions throw
    // RunError 13 (type mismatch, or 94 "invalid use of Null"); out-of-range integers throw 6.
    // Text to number uses the decimal separator of regionalSettings().
    bool toBool() const;
    int16_t toInt16() const;
    int32_t toInt32() const;
    float toSingle() const;
    double toDouble() const;
    DateTime toDate() const;
    QString toText() const; // numbers in general number form with the locale's separator; Null throws

    friend bool operator==(const Variant& a, const Variant& b); // same type and same value

private:
    Type m_type = Type::Empty;
    bool m_bool = false;
    int32_t m_long = 0;
    double m_double = 0.0;
    QString m_text;
};

// Regional settings that text/number conversions follow; start-up sets them from the locale.
struct RegionalSettings {
    QChar decimalSeparator = QLatin1Char(',');
};
RegionalSettings& regionalSettings();

} // namespace talur
