// The schema compiled into the program and databases created from it.
#include "platform/core/Database.h"
#include "platform/core/RunError.h"
#include "records/DbSchema.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace talur::test {

namespace {

QStringList tableNames(DbKind kind) {
    QStringList names;
    for (const TableLayout& table : DbSchema::tables(kind))
        names << table.name;
    return names;
}

QStringList columnsOf(DbKind kind, const QString& table) {
    for (const TableLayout& layout : DbSchema::tables(kind))
        if (layout.name == table)
            return layout.columns;
    return {};
}

} // namespace

TEST(DbSchema, SectionsDeclareTheTablesTheProgramUses) {
    EXPECT_EQ(tableNames(DbKind::Project), (QStringList{"E1", "E2", "E3", "A1", "G0"}));
    EXPECT_EQ(tableNames(DbKind::Archive), (QStringList{"ADMIN"}));
    EXPECT_EQ(tableNames(DbKind::Presets), (QStringList{"TALUR_VE1", "TALUR_VE2"}));
    for (const TableLayout& table : DbSchema::tables(DbKind::Project))
        EXPECT_EQ(table.columns.value(0), QStringLiteral("ID")) << table.name.toStdString();
    EXPECT_EQ(columnsOf(DbKind::Project, "E1"), (QStringList{"ID", "KEN", "KOM", "AKT"}));
    EXPECT_EQ(columnsOf(DbKind::Project, "E2"),
              (QStringList{"ID",    "A1", "C1S", "C1", "A2", "C2S", "C2", "SIBK", "SI0", "E0",  "SIA",
                           "SIMAX", "N",  "A",   "B",  "C",  "AR",  "CR", "SIBS", "EBS", "SI1", "SI2"}));
    EXPECT_EQ(columnsOf(DbKind::Project, "E3"), (QStringList{"ID", "I1", "SIV"}));
    EXPECT_EQ(columnsOf(DbKind::Archive, "ADMIN"),
              (QStringList{"BENUTZER", "PROG", "PROJEKTSPFAD", "PROJEKT", "BEARBEITER"}));
    // An untyped column counts too.
    EXPECT_TRUE(columnsOf(DbKind::Presets, "TALUR_VE2").contains(QStringLiteral("POSITION")));
}

TEST(DbSchema, ParsingSplitsSectionsStatementsAndColumns) {
    const QString text =
        QStringLiteral("-- head\n-- @one\nCREATE TABLE [T] ( -- note; with a semicolon\n"
                       "  [A] TEXT(8), [B] NUMERIC(10, 2),\n  [C]\n);\n"
                       "CREATE INDEX [T_A] ON [T] ([A]);\n-- @two\nCREATE TABLE [U] ([X] REAL);\n");
    const QString one = DbSchema::section(text, QStringLiteral("one"));
    EXPECT_FALSE(one.contains(QStringLiteral("[U]")));
    const QStringList statements = DbSchema::splitStatements(one);
    ASSERT_EQ(statements.size(), 2);
    EXPECT_TRUE(statements[1].startsWith(QStringLiteral("CREATE INDEX")));
    const QList<TableLayout> tables = DbSchema::parseTables(statements);
    ASSERT_EQ(tables.size(), 1);
    EXPECT_EQ(tables[0].name, QStringLiteral("T"));
    EXPECT_EQ(tables[0].columns, (QStringList{"A", "B", "C"}));
    EXPECT_TRUE(DbSchema::section(text, QStringLiteral("three")).trimmed().isEmpty());
}

TEST(DbSchema, CreatedDatabasesHoldEveryTableWithItsColumnsInOrder) {
    TempFolder folder;
    for (DbKind kind : {DbKind::Project, DbKind::Archive, DbKind::Presets}) {
        const QString path = folder.file(QStringLiteral("db%1.db").arg(int(kind)));
        DbSchema::create(path, kind);
        Connection connection;
        connection.open(path);
        for (const TableLayout& table : DbSchema::tables(kind))
            EXPECT_EQ(connection.columnNames(table.name), table.columns) << table.name.toStdString();
    }
    // Nothing but the databases is left behind.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(DbSchema, CreateReplacesAnOlderFileWhole) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("TALUR.db"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older file that is no database");
    }
    DbSchema::create(path, DbKind::Project);
    Connection connection;
    connection.open(path);
    EXPECT_TRUE(connection.hasTable(QStringLiteral("G0")));
    EXPECT_TRUE(QFileInfo(path).permissions().testFlag(QFileDevice::ReadOther));
}

TEST(DbSchema, CreateInAMissingFolderFailsWithoutLeavingAFile) {
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("missing/TALUR.db"));
    try {
        DbSchema::create(path, DbKind::Project);
        FAIL() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.number(), err::PathNotFound);
    }
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace talur::test
