#pragma once
// Shared by the connection, the recordset and the file operations: SQLite errors as RunError and the
// mapping between variants and stored values by declared column type.
#include "Variant.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace talur::db {

enum class ColumnKind { Any, Int16, Int32, Boolean, Single, Double, Text, Date };

// Classifies a declared column type ("SMALLINT", "DOUBLE", "VARCHAR(50)", ...); no type gives Any.
ColumnKind classify(const char* declaredType);

// SQLite's message for rc as a RunError: statement errors -2147217900, everything else -2147467259.
[[noreturn]] void throwSqlite(sqlite3* db, int rc, const QString& context = {});
int errorNumber(int rc);

// The value as the column stores it; throws 13, 6 or 94 when it does not convert.
Variant convertForColumn(const Variant& value, ColumnKind kind, bool notNull);
// Binds a value converted for its column (1-based parameter index).
void bindValue(sqlite3_stmt* stmt, int index, const Variant& value);
// Reads result column i as the variant type its column kind stands for.
Variant readValue(sqlite3_stmt* stmt, int column, ColumnKind kind);

// A name as a quoted SQL identifier ("a""b").
QString quoteIdentifier(const QString& name);

// RAII for prepared statements.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return m_stmt; }
    // Steps once: true on a row, false when done; throws on error.
    bool step();

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
    QString m_sql;
};

} // namespace talur::db
