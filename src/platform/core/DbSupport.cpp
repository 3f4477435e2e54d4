#include "DbSupport.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

namespace talur::db {

ColumnKind classify(const char* declaredType) {
    if (!declaredType || !*declaredType)
        return ColumnKind::Any;
    const QString t = QString::fromUtf8(declaredType).toUpper();
    auto has = [&t](const char* word) { return t.contains(QLatin1String(word)); };
    if (has("CHAR") || has("TEXT") || has("CLOB") || has("MEMO") || has("STRING"))
        return ColumnKind::Text;
    if (has("DATE") || has("TIME"))
        return ColumnKind::Date;
    if (has("BOOL") || has("BIT"))
        return ColumnKind::Boolean;
    if (has("SMALLINT") || has("SHORT") || has("TINYINT"))
        return ColumnKind::Int16;
    if (has("INT") || has("LONG") || has("COUNTER"))
        return ColumnKind::Int32;
    if (has("DOUBLE") || has("FLOAT") || has("NUMERIC") || has("DECIMAL") || has("CURRENCY"))
        return ColumnKind::Double;
    if (has("REAL") || has("SINGLE"))
        return ColumnKind::Single;
    return ColumnKind::Any;
}

int errorNumber(int rc) {
    return (rc & 0xff) == SQLITE_ERROR ? err::SqlError : err::EngineError;
}

void throwSqlite(sqlite3* db, int rc, const QString& context) {
    QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    if (!context.isEmpty())
        message += QStringLiteral(" (") + context + QLatin1Char(')');
    throw RunError(errorNumber(rc), message);
}

Variant convertForColumn(const Variant& value, ColumnKind kind, bool notNull) {
    if (value.isNull())
        return value;
    if (value.isEmpty() && !notNull)
        return Variant::null();
    switch (kind) {
    case ColumnKind::Any:
        return value.isEmpty() ? Variant(int32_t(0)) : value;
    case ColumnKind::Int16:
        return Variant(value.toInt16());
    case ColumnKind::Int32:
        return Variant(value.toInt32());
    case ColumnKind::Boolean:
        return Variant(value.toBool());
    case ColumnKind::Single:
        return Variant(value.toSingle());
    case ColumnKind::Double:
        return Variant(value.toDouble());
    case ColumnKind::Text:
        return Variant(value.toText());
    case ColumnKind::Date:
        return Variant(value.toDate());
    }
    return value;
}

void bindValue(sqlite3_stmt* stmt, int index, const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        sqlite3_bind_null(stmt, index);
        break;
    case Variant::Type::Boolean:
        sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0);
        break;
    case Variant::Type::Integer:
    case Variant::Type::Long:
        sqlite3_bind_int(stmt, index, value.toInt32());
        break;
    case Variant::Type::Single:
        sqlite3_bind_double(stmt, index, double(value.toSingle()));
        break;
    case Variant::Type::Double:
    case Variant::Type::Date:
        sqlite3_bind_double(stmt, index, value.toDouble());
        break;
    case Variant::Type::String: {
        const QByteArray utf8 = value.toText().toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

namespace {

Variant textValue(sqlite3_stmt* stmt, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
    return Variant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)));
}

// By storage class, for columns without a declared type and for values that do not fit their column.
Variant naturalValue(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return Variant::null();
    case SQLITE_INTEGER: {
        const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
        if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
            return Variant(int32_t(v));
        return Variant(double(v));
    }
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(stmt, column));
    default:
        return textValue(stmt, column);
    }
}

} // namespace

Variant readValue(sqlite3_stmt* stmt, int column, ColumnKind kind) {
    const int storage = sqlite3_column_type(stmt, column);
    if (storage == SQLITE_NULL)
        return Variant::null();
    const bool number = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
    switch (kind) {
    case ColumnKind::Int16:
        if (storage == SQLITE_INTEGER) {
            const sqlite3_int64 v = sqlite3_column_int64(stmt, column);
            if (v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max())
                return Variant(int16_t(v));
        }
        break;
    case ColumnKind::Int32:
        break;
    case ColumnKind::Boolean:
        if (number)
            return Variant(sqlite3_column_double(stmt, column) != 0.0);
        break;
    case ColumnKind::Single:
        if (number)
            return Variant(float(sqlite3_column_double(stmt, column)));
        break;
    case ColumnKind::Double:
        if (number)
            return Variant(sqlite3_column_double(stmt, column));
        break;
    case ColumnKind::Date:
        if (number)
            return Variant(DateTime{sqlite3_column_double(stmt, column)});
        break;
    case ColumnKind::Text:
        return textValue(stmt, column);
    case ColumnKind::Any:
        break;
    }
    return naturalValue(stmt, column);
}

QString quoteIdentifier(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db), m_sql(sql) {
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        throwSqlite(db, rc, sql);
}

Statement::~Statement() {
    sqlite3_finalize(m_stmt);
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throwSqlite(m_db, rc, m_sql);
}

} // namespace talur::db
