// Refusing files that are not databases of the expected kind.
#include "platform/core/Database.h"
#include "platform/core/RunError.h"
#include "records/DbCheck.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

namespace talur::test {

namespace {

void run(const QString& path, std::initializer_list<const char*> statements) {
    Connection connection;
    connection.open(path);
    for (const char* sql : statements)
        connection.execute(QString::fromLatin1(sql));
}

void overwrite(const QString& path, const QByteArray& content) {
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

QByteArray hashOf(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

} // namespace

struct CheckCase {
    const char* name;
    DbKind created; // what the file starts as
    DbKind checked; // what it is checked as
    std::function<void(const QString&)> damage;
    DbProblem::Kind kind;
    const char* table;
    const char* column;
};

TEST(DbCheck, FindsWhatIsWrongWithADatabaseFile) {
    const CheckCase cases[] = {
        {"valid project", DbKind::Project, DbKind::Project, {}, DbProblem::Kind::None, "", ""},
        {"valid archive", DbKind::Archive, DbKind::Archive, {}, DbProblem::Kind::None, "", ""},
        {"valid presets", DbKind::Presets, DbKind::Presets, {}, DbProblem::Kind::None, "", ""},
        {"missing file", DbKind::Project, DbKind::Project, [](const QString& p) { QFile::remove(p); },
         DbProblem::Kind::Missing, "", ""},
        {"text file", DbKind::Project, DbKind::Project,
         [](const QString& p) { overwrite(p, "KEN;KOM\nB1;Ton\n"); }, DbProblem::Kind::NotSqlite, "", ""},
        {"empty file", DbKind::Project, DbKind::Project, [](const QString& p) { overwrite(p, {}); },
         DbProblem::Kind::NotSqlite, "", ""},
        {"damaged after the header", DbKind::Project, DbKind::Project,
         [](const QString& p) {
             overwrite(p, QByteArray("SQLite format 3\0", 16) + QByteArray(4000, '\x5a'));
         },
         DbProblem::Kind::Unreadable, "", ""},
        {"missing table", DbKind::Project, DbKind::Project,
         [](const QString& p) { run(p, {"DROP TABLE [G0]"}); }, DbProblem::Kind::MissingTable, "G0", ""},
        {"missing column", DbKind::Project, DbKind::Project,
         [](const QString& p) { run(p, {"ALTER TABLE [E2] DROP COLUMN [SIMAX]"}); },
         DbProblem::Kind::MissingColumn, "E2", "SIMAX"},
        {"column order", DbKind::Project, DbKind::Project,
         [](const QString& p) {
             run(p, {"DROP TABLE [E1]",
                     "CREATE TABLE [E1] ([KEN] TEXT, [ID] INTEGER, [KOM] TEXT, [AKT] BOOLEAN)"});
         },
         DbProblem::Kind::ColumnLayout, "E1", ""},
        {"extra project column", DbKind::Project, DbKind::Project,
         [](const QString& p) { run(p, {"ALTER TABLE [E3] ADD COLUMN [X] REAL"}); },
         DbProblem::Kind::ColumnLayout, "E3", ""},
        {"extra archive column is fine", DbKind::Archive, DbKind::Archive,
         [](const QString& p) { run(p, {"ALTER TABLE [ADMIN] ADD COLUMN [SPRACHE] TEXT"}); },
         DbProblem::Kind::None, "", ""},
        {"archive without PROG", DbKind::Archive, DbKind::Archive,
         [](const QString& p) { run(p, {"ALTER TABLE [ADMIN] DROP COLUMN [PROG]"}); },
         DbProblem::Kind::MissingColumn, "ADMIN", "PROG"},
        {"project taken for the archive",
         DbKind::Project,
         DbKind::Archive,
         {},
         DbProblem::Kind::MissingTable,
         "ADMIN",
         ""},
        {"archive taken for a project",
         DbKind::Archive,
         DbKind::Project,
         {},
         DbProblem::Kind::MissingTable,
         "E1",
         ""},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("x.db"));
        DbSchema::create(path, c.created);
        if (c.damage)
            c.damage(path);
        const QByteArray before = QFile::exists(path) ? hashOf(path) : QByteArray();
        const DbProblem problem = DbCheck::check(path, c.checked);
        EXPECT_EQ(problem.kind, c.kind);
        EXPECT_EQ(problem.table, QString::fromLatin1(c.table));
        EXPECT_EQ(problem.column, QString::fromLatin1(c.column));
        if (QFile::exists(path)) {
            EXPECT_EQ(hashOf(path), before); // checking never changes the file
        }
    }
}

TEST(DbCheck, MessagesSayWhichFileAndWhyInBothLanguages) {
    const QString path = QStringLiteral("/p/TALUR.db");
    struct Case {
        DbProblem problem;
        DbKind kind;
        int sprache;
        const char* text;
    } cases[] = {
        {{DbProblem::Kind::MissingTable, "E3", {}, {}},
         DbKind::Project,
         3,
         "Die Datei /p/TALUR.db ist keine TALUR-Projektdatenbank!\nDie Tabelle E3 fehlt."},
        {{DbProblem::Kind::MissingTable, "E3", {}, {}},
         DbKind::Project,
         1,
         "The file /p/TALUR.db is not a TALUR project database!\nTable E3 is missing."},
        {{DbProblem::Kind::MissingColumn, "ADMIN", "PROG", {}},
         DbKind::Archive,
         3,
         "Die Datei /p/TALUR.db ist keine Archivdatenbank mit der Tabelle ADMIN!\nIn der Tabelle ADMIN fehlt "
         "die Spalte PROG."},
        {{DbProblem::Kind::NotSqlite, {}, {}, {}},
         DbKind::Presets,
         1,
         "The file /p/TALUR.db is not a presets database!\nThe file is not an SQLite database."},
        {{DbProblem::Kind::ColumnLayout, "E1", {}, "KEN, ID"},
         DbKind::Project,
         1,
         "The file /p/TALUR.db is not a TALUR project database!\n"
         "The columns of table E1 differ from the empty database (found: KEN, ID)."},
        {{DbProblem::Kind::Missing, {}, {}, {}},
         DbKind::Project,
         3,
         "Die Datei /p/TALUR.db existiert nicht!"},
        {{DbProblem::Kind::Missing, {}, {}, {}}, DbKind::Project, 1, "The file /p/TALUR.db does not exist!"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DbCheck::message(path, c.kind, c.problem, c.sprache), QString::fromUtf8(c.text));
}

TEST(DbCheck, RequireThrowsWithTheMessage) {
    TempFolder folder;
    const QString missing = folder.file(QStringLiteral("none.db"));
    try {
        DbCheck::require(missing, DbKind::Archive, 3);
        FAIL() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.number(), err::FileNotFound);
        EXPECT_EQ(error.description(),
                  QStringLiteral("Die Datei ") + missing + QStringLiteral(" existiert nicht!"));
    }
    const QString text = folder.file(QStringLiteral("text.db"));
    overwrite(text, "hello");
    try {
        DbCheck::require(text, DbKind::Project, 3);
        FAIL() << "no error";
    } catch (const RunError& error) {
        EXPECT_EQ(error.number(), err::EngineError);
        EXPECT_TRUE(error.description().endsWith(QStringLiteral("Die Datei ist keine SQLite-Datenbank.")));
    }
    DbSchema::create(text, DbKind::Project);
    EXPECT_NO_THROW(DbCheck::require(text, DbKind::Project, 3));
}

} // namespace talur::test
