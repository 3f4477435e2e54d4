#include "records/DatenStatement.h"

#include "platform/core/Database.h"

#include <charconv>

namespace talur {

namespace {

QString bracket(const QString& name) {
    return QLatin1Char('[') + name + QLatin1Char(']');
}

// Statements must work whatever the caller's separator is, so numbers use the shortest '.' form.
QString numberText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

// A text that already is an SQL string literal: enclosed in quotes, every quote inside doubled.
bool isQuotedLiteral(const QString& text) {
    if (text.size() < 2 || !text.startsWith(QLatin1Char('\'')) || !text.endsWith(QLatin1Char('\'')))
        return false;
    const QStringView inner = QStringView(text).mid(1, text.size() - 2);
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] != QLatin1Char('\''))
            continue;
        if (i + 1 >= inner.size() || inner[i + 1] != QLatin1Char('\''))
            return false;
        ++i;
    }
    return true;
}

// Conditions are joined with " AND "; the first one opens the WHERE clause even where callers leave out the
// key column, which would otherwise give a statement that cannot run.
void addCondition(QString& condition, const QString& andPrefix, const QString& text) {
    condition += condition.isEmpty() ? QStringLiteral(" WHERE ") : andPrefix;
    condition += text;
}

} // namespace

QString selectionLiteral(const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Empty:
        return QStringLiteral("''");
    case Variant::Type::Null:
        return QStringLiteral("NULL");
    case Variant::Type::Boolean:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case Variant::Type::Integer:
    case Variant::Type::Long:
        return QString::number(value.toInt32());
    case Variant::Type::Single:
    case Variant::Type::Double:
        return numberText(value.toDouble());
    case Variant::Type::Date:
        return numberText(value.toDate().days);
    case Variant::Type::String: {
        const QString text = value.toText();
        return isQuotedLiteral(text) ? text : sqlLiteral(text);
    }
    }
    return {};
}

Variant selectionStoredValue(const Variant& value) {
    if (value.isEmpty())
        return Variant(QString());
    if (value.type() != Variant::Type::String)
        return value;
    const QString text = value.toText();
    if (!isQuotedLiteral(text))
        return value;
    QString inner = text.mid(1, text.size() - 2);
    inner.replace(QStringLiteral("''"), QStringLiteral("'"));
    return Variant(inner);
}

QString selectStatement(const DatenKeys& keys, const QString& SPV, const Selection& sel) {
    const QString names[4] = {sel.SPI1, sel.SPI2, sel.SPI3, sel.SPI4};
    const SelectionValue* values[4] = {&sel.SPI1W, &sel.SPI2W, &sel.SPI3W, &sel.SPI4W};

    QString columns = bracket(SPV);
    for (const QString& name :
         {keys.ESPID, names[0], names[1], names[2], names[3], keys.ESPK[0], keys.ESPK[1], keys.ESPK[2]})
        if (!name.isEmpty())
            columns += QLatin1Char(',') + bracket(name);

    QString condition;
    if (!keys.ESPID.isEmpty())
        condition = QStringLiteral(" WHERE ") + bracket(keys.ESPID) + QStringLiteral(" = ") +
                    QString::number(keys.ESPIDW);
    for (int k = 0; k < 4; ++k)
        if (values[k]->has_value())
            addCondition(condition, QStringLiteral(" AND "),
                         bracket(names[k]) + QLatin1Char('=') + selectionLiteral(**values[k]));
    // Extra-key values are literals: an apostrophe in a value is part of the value.
    static const QString andPrefix[3] = {QStringLiteral(" AND "), QStringLiteral(" AND "),
                                         QStringLiteral("  AND ")};
    for (int k = 0; k < 3; ++k)
        if (!keys.ESPK[k].isEmpty())
            addCondition(condition, andPrefix[k],
                         bracket(keys.ESPK[k]) + QStringLiteral(" =") + sqlLiteral(keys.ESPKW[k]));

    QString order;
    if (!names[0].isEmpty()) {
        order = QStringLiteral(" ORDER BY ") + bracket(names[0]);
        for (int k = 1; k < 4; ++k)
            if (!names[k].isEmpty())
                order += QLatin1Char(',') + bracket(names[k]);
    }
    return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + bracket(keys.ETABELLE) +
           condition + order;
}

QString indexStatement(const DatenKeys& keys, const GridSelection& sel) {
    const QString names[4] = {sel.SPI1, sel.SPI2, sel.SPI3, sel.SPI4};
    const SelectionValue* values[3] = {&sel.SPI1W, &sel.SPI2W, &sel.SPI3W};
    int last = -1;
    for (int k = 0; k < 4; ++k)
        if (!names[k].isEmpty())
            last = k;
    const QString column = last >= 0 ? names[last] : QString();

    QString condition;
    for (int k = 0; k < last; ++k) {
        if (!values[k]->has_value())
            throw runError(err::TypeMismatch);
        addCondition(condition, QStringLiteral(" AND "),
                     bracket(names[k]) + QLatin1Char('=') + selectionLiteral(**values[k]));
    }
    if (!keys.ESPK[0].isEmpty()) {
        addCondition(condition, QStringLiteral(" AND "),
                     bracket(keys.ESPK[0]) + QStringLiteral(" =") + sqlLiteral(keys.ESPKW[0]));
        for (int k = 1; k < 3; ++k)
            if (!keys.ESPK[k].isEmpty())
                condition += QStringLiteral(" AND ") + bracket(keys.ESPK[k]) + QLatin1Char('=') +
                             sqlLiteral(keys.ESPKW[k]);
    }
    if (!keys.ESPID.isEmpty())
        addCondition(condition, QStringLiteral(" AND "),
                     bracket(keys.ESPID) + QStringLiteral(" = ") + QString::number(keys.ESPIDW));
    return QStringLiteral("SELECT ") + bracket(column) + QStringLiteral(" FROM ") + keys.ETABELLE +
           condition + QStringLiteral(" ORDER BY ") + bracket(column);
}

} // namespace talur
