#include "records/DbCheck.h"

#include "platform/core/Database.h"
#include "platform/core/RunError.h"

#include <QFile>
#include <QFileInfo>

namespace talur {

namespace {

bool hasSqliteHeader(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray magic("SQLite format 3\0", 16);
    return file.read(magic.size()) == magic;
}

bool sameColumns(const QStringList& expected, const QStringList& found) {
    if (expected.size() != found.size())
        return false;
    for (qsizetype i = 0; i < expected.size(); ++i)
        if (expected[i].compare(found[i], Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

DbProblem checkTable(Connection& connection, const TableLayout& table, bool exactLayout) {
    if (!connection.hasTable(table.name))
        return {DbProblem::Kind::MissingTable, table.name, {}, {}};
    const QStringList found = connection.columnNames(table.name);
    for (const QString& column : table.columns)
        if (!found.contains(column, Qt::CaseInsensitive))
            return {DbProblem::Kind::MissingColumn, table.name, column, {}};
    if (exactLayout && !sameColumns(table.columns, found))
        return {DbProblem::Kind::ColumnLayout, table.name, {}, found.join(QStringLiteral(", "))};
    return {};
}

QString kindName(DbKind kind, bool english) {
    switch (kind) {
    case DbKind::Project:
        return english ? QStringLiteral("a TALUR project database")
                       : QStringLiteral("keine TALUR-Projektdatenbank");
    case DbKind::Archive:
        return english ? QStringLiteral("an archive database with the table ADMIN")
                       : QStringLiteral("keine Archivdatenbank mit der Tabelle ADMIN");
    case DbKind::Presets:
        return english ? QStringLiteral("a presets database") : QStringLiteral("keine Vorgabedatenbank");
    }
    return {};
}

} // namespace

DbProblem DbCheck::check(const QString& path, DbKind kind) {
    if (!QFileInfo(path).isFile())
        return {DbProblem::Kind::Missing, {}, {}, {}};
    if (!hasSqliteHeader(path))
        return {DbProblem::Kind::NotSqlite, {}, {}, {}};
    try {
        Connection connection;
        connection.open(path);
        for (const TableLayout& table : DbSchema::tables(kind)) {
            DbProblem problem = checkTable(connection, table, kind == DbKind::Project);
            if (problem)
                return problem;
        }
    } catch (const RunError& error) {
        return {DbProblem::Kind::Unreadable, {}, {}, error.description()};
    }
    return {};
}

QString DbCheck::describe(const DbProblem& problem, int sprache) {
    const bool en = sprache == 1;
    switch (problem.kind) {
    case DbProblem::Kind::None:
        return {};
    case DbProblem::Kind::Missing:
        return en ? QStringLiteral("The file does not exist.") : QStringLiteral("Die Datei existiert nicht.");
    case DbProblem::Kind::NotSqlite:
        return en ? QStringLiteral("The file is not an SQLite database.")
                  : QStringLiteral("Die Datei ist keine SQLite-Datenbank.");
    case DbProblem::Kind::Unreadable:
        return (en ? QStringLiteral("The file cannot be read: ")
                   : QStringLiteral("Die Datei ist nicht lesbar: ")) +
               problem.detail;
    case DbProblem::Kind::MissingTable:
        return en ? QStringLiteral("Table %1 is missing.").arg(problem.table)
                  : QStringLiteral("Die Tabelle %1 fehlt.").arg(problem.table);
    case DbProblem::Kind::MissingColumn:
        return en ? QStringLiteral("Column %1 is missing in table %2.").arg(problem.column, problem.table)
                  : QStringLiteral("In der Tabelle %2 fehlt die Spalte %1.")
                        .arg(problem.column, problem.table);
    case DbProblem::Kind::ColumnLayout:
        return en ? QStringLiteral("The columns of table %1 differ from the empty database (found: %2).")
                        .arg(problem.table, problem.detail)
                  : QStringLiteral(
                        "Die Spalten der Tabelle %1 weichen von der leeren Datenbank ab (gefunden: %2).")
                        .arg(problem.table, problem.detail);
    }
    return {};
}

QString DbCheck::message(const QString& path, DbKind kind, const DbProblem& problem, int sprache) {
    const bool en = sprache == 1;
    if (problem.kind == DbProblem::Kind::Missing)
        return (en ? QStringLiteral("The file %1 does not exist!")
                   : QStringLiteral("Die Datei %1 existiert nicht!"))
            .arg(path);
    const QString head = en ? QStringLiteral("The file ") + path + QStringLiteral(" is not ") +
                                  kindName(kind, true) + QStringLiteral("!")
                            : QStringLiteral("Die Datei ") + path + QStringLiteral(" ist ") +
                                  kindName(kind, false) + QStringLiteral("!");
    return head + kLineBreak + describe(problem, sprache);
}

void DbCheck::require(const QString& path, DbKind kind, int sprache) {
    const DbProblem problem = check(path, kind);
    if (!problem)
        return;
    const int number = problem.kind == DbProblem::Kind::Missing ? err::FileNotFound : err::EngineError;
    throw RunError(number, message(path, kind, problem, sprache));
}

} // namespace talur
