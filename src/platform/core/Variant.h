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

    // Conversions: empty gives 0, false, "" or the zero date. NULL throws RunError 94 ("Unzulässige
    // Verwendung von Null"); a failing conversion 13 ("Typen unverträglich"); out-of-range values 6
    // ("Überlauf"). Text to number follows parseNumber() with the decimal separator of regionalSettings():
    // "1,5" is 1.5 with
    // ',' but "1.5" is a type mismatch there, where the classic runtime would have read 15.
    // Booleans become -1/0 as numbers; numbers and dates are true when non-zero; the texts "True"/"Wahr" and
    // "False"/"Falsch" (any letter case) and numeric texts convert to Boolean.
    // Integer conversions round half to even (2.5 -> 2, 3.5 -> 4) as the classic CInt/CLng do.
    // Dates from text: "dd.MM.yyyy[ HH:mm[:ss]]", ISO "yyyy-MM-dd[ HH:mm[:ss]]", "HH:mm[:ss]" or a day
    // number.
    bool toBool() const;
    int16_t toInt16() const;
    int32_t toInt32() const;
    float toSingle() const;
    double toDouble() const;
    DateTime toDate() const;
    // Numbers in general number form with the regional separator (formatGeneral, formatGeneralSingle);
    // Booleans as "True"/"False" in every language, which toBool() reads back; dates as "dd.MM.yyyy HH:mm:ss"
    // without the parts that are zero (the zero date gives "00:00:00"); Null throws 94.
    QString toText() const;

    friend bool operator==(const Variant& a, const Variant& b); // same type and same value

private:
    Type m_type = Type::Empty;
    union { // Boolean or Integer/Long: a snapshot holds many values, so keep them small
        bool m_bool;
        int32_t m_long = 0;
    };
    double m_double = 0.0;
    QString m_text;
};

// Regional settings that text/number conversions follow; start-up sets them from the locale.
struct RegionalSettings {
    QChar decimalSeparator = QLatin1Char(',');
};
RegionalSettings& regionalSettings();

} // namespace talur
