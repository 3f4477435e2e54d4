#pragma once
// The schemas of the program's three kinds of database, compiled into the program from schema.sql,
// and the creation of a new database file from them.
#include <QList>
#include <QString>
#include <QStringList>

namespace talur {

enum class DbKind { Project, Archive, Presets };

struct TableLayout {
    QString name;
    QStringList columns; // in declaration order
};

class DbSchema {
public:
    // The SQL of one section ("@project", "@archive", "@presets") without comments.
    static QString sql(DbKind kind);
    // The statements of a section, one per entry, without the closing ';'.
    static QStringList statements(DbKind kind);
    // Tables and their columns as the section declares them.
    static const QList<TableLayout>& tables(DbKind kind);
    // Creates a new database file with the section's tables. The file is built beside the target and
    // renamed into place, so an existing target is replaced whole or left untouched on failure.
    // Throws RunError (76 missing folder, 75 rename failed, database errors as the engine reports them).
    static void create(const QString& path, DbKind kind);

    // The parsing behind tables(), exposed for tests of the schema text itself.
    static QList<TableLayout> parseTables(const QStringList& statements);
    static QStringList splitStatements(const QString& sectionText);
    static QString section(const QString& schemaText, const QString& name);
};

} // namespace talur
