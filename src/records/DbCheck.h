#pragma once
// Checks that a file is a database of the expected kind before the program uses it, so a wrong or
// damaged file is refused at once with a clear message instead of failing half-way through a command.
#include "records/DbSchema.h"

#include <QString>

namespace talur {

struct DbProblem {
    enum class Kind { None, Missing, NotSqlite, Unreadable, MissingTable, MissingColumn, ColumnLayout };
    Kind kind = Kind::None;
    QString table;
    QString column;
    QString detail; // engine message, or the columns found
    explicit operator bool() const { return kind != Kind::None; }
};

class DbCheck {
public:
    // Project databases must have exactly the tables and column order of the empty database, because
    // records are copied between projects by column position. The archive and presets databases need
    // their tables and columns; further columns are allowed there.
    static DbProblem check(const QString& path, DbKind kind);
    // What is wrong, one sentence, German (3) or English (1).
    static QString describe(const DbProblem& problem, int sprache);
    // The whole message: which file is refused and why.
    static QString message(const QString& path, DbKind kind, const DbProblem& problem, int sprache);
    // Throws RunError (53 for a missing file, the engine error otherwise) with message() as description.
    static void require(const QString& path, DbKind kind, int sprache);
};

} // namespace talur
