// What the program's callers rely on when they read and write through recordsets.
#include "CoreTestSupport.h"

#include <QFile>

namespace talur::test {

namespace {

struct QueryCase {
    const char* sql;
    const char* column;
    QStringList expected;
};

} // namespace

// Rows come in the statement's order; the statement forms the program sends (brackets, =, <>, >, AND,
// ORDER BY ... Desc, quoted text, the literal true) select what they say.
TEST_F(DatabaseTest, StatementsSelectInStatementOrder) {
    const QueryCase cases[] = {
        {"SELECT * FROM [E1] ORDER BY [ID] Desc", "ID", {"3", "2", "1", "0"}},
        {"SELECT [KEN],[KOM] FROM [E1] WHERE [AKT]=true ORDER BY [KEN]", "KEN", {"B1", "C3"}},
        {"SELECT [ID],[KEN] FROM [E1] WHERE [AKT]=true and [ID]>0 ORDER BY [KEN]", "ID", {"1", "3"}},
        {"SELECT * FROM [E1] WHERE [KEN]<>'M' ORDER BY [KEN]", "KEN", {"A2", "B1", "C3"}},
        {"SELECT * FROM [E1] WHERE ID>0 ORDER BY [KEN]", "KEN", {"A2", "B1", "C3"}},
        {"SELECT * FROM [E1] WHERE [KEN]<>'B1' AND [AKT]=true", "KEN", {"C3"}},
        {"SELECT [ID] FROM [E1] WHERE [KEN]='A2'", "ID", {"2"}},
        {"SELECT [SIV],[ID],[I1] FROM [E3] WHERE [ID] = 7 ORDER BY [I1]", "SIV", {"0,1", "0,2", "0,4"}},
        {"SELECT [ID],[I1] FROM E3 WHERE [ID] = 7 ORDER BY [I1] Desc", "I1", {"3", "2", "1"}},
        {"SELECT [AKT] FROM [E1] WHERE [KEN]<>'' AND ID>0 ORDER BY [KEN]", "AKT", {"False", "True", "True"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(column(QString::fromUtf8(c.sql), QString::fromUtf8(c.column)), c.expected);
    }
}

TEST_F(DatabaseTest, NoMatchIsAtItsEndAtOnce) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] WHERE [KEN]='nix'"), cnn);
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    EXPECT_EQ(rs.recordCount(), 0);
    rs.moveLast(); // callers move to the last row before counting
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 0);
    EXPECT_EQ(errorNumberOf([&] { rs.value(QStringLiteral("KEN")); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs.moveNext(); }), err::NoCurrentRecord);
}

TEST_F(DatabaseTest, RecordCountStaysExactWhileMovingAndWriting) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] ORDER BY [ID]"), cnn);
    EXPECT_EQ(rs.recordCount(), 4);
    rs.moveLast();
    EXPECT_EQ(rs.recordCount(), 4);
    EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt32(), 3);
    rs.addNew();
    rs.setValue(QStringLiteral("ID"), int32_t(9));
    rs.update();
    EXPECT_EQ(rs.recordCount(), 5);
    EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt32(), 9); // the new row is current
    rs.moveFirst();
    rs.deleteCurrent();
    EXPECT_EQ(rs.recordCount(), 4);
}

// Writes go to the file at once: a second recordset on the same connection opened afterwards sees them.
TEST_F(DatabaseTest, WritesAreSeenByLaterStatements) {
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM [E1] WHERE [ID]=2"), cnn);
        rs.setValue(QStringLiteral("KOM"), QStringLiteral("zweiter"));
        rs.update();
        EXPECT_EQ(column(QStringLiteral("SELECT [KOM] FROM [E1] WHERE [ID]=2"), QStringLiteral("KOM")),
                  QStringList{QStringLiteral("zweiter")});
        rs.addNew();
        rs.setValue(QStringLiteral("ID"), int32_t(4));
        rs.setValue(QStringLiteral("KEN"), QStringLiteral("D4"));
        rs.update();
        EXPECT_EQ(column(QStringLiteral("SELECT [KEN] FROM [E1] WHERE [ID]=4"), QStringLiteral("KEN")),
                  QStringList{QStringLiteral("D4")});
        rs.deleteCurrent();
        EXPECT_TRUE(
            column(QStringLiteral("SELECT [KEN] FROM [E1] WHERE [ID]=4"), QStringLiteral("KEN")).isEmpty());
        rs.close(); // nothing pending: closing changes nothing
    }
    // And survive the connection: another connection on the file reads them.
    cnn.close();
    Connection other;
    other.open(path);
    Recordset rs;
    rs.open(QStringLiteral("SELECT [KOM] FROM [E1] WHERE [ID]=2"), other);
    EXPECT_EQ(rs.value(0).toText(), QStringLiteral("zweiter"));
}

TEST_F(DatabaseTest, MovingAwayStoresPendingChanges) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] ORDER BY [ID]"), cnn);
    rs.setValue(QStringLiteral("KOM"), QStringLiteral("geändert"));
    rs.moveNext();
    rs.addNew();
    rs.setValue(QStringLiteral("ID"), int32_t(5));
    rs.moveFirst();
    EXPECT_EQ(column(QStringLiteral("SELECT [KOM] FROM [E1] WHERE [ID]=0"), QStringLiteral("KOM")),
              QStringList{QStringLiteral("geändert")});
    EXPECT_EQ(column(QStringLiteral("SELECT [ID] FROM [E1] WHERE [ID]=5"), QStringLiteral("ID")),
              QStringList{QStringLiteral("5")});
    EXPECT_EQ(rs.recordCount(), 5);
    // A change never stored is dropped with the recordset.
    rs.setValue(QStringLiteral("KOM"), QStringLiteral("verworfen"));
    rs.close();
    EXPECT_EQ(column(QStringLiteral("SELECT [KOM] FROM [E1] WHERE [ID]=0"), QStringLiteral("KOM")),
              QStringList{QStringLiteral("geändert")});
}

// The column writer's pattern: overwrite rows in order, append at the end, delete the rest.
TEST_F(DatabaseTest, ColumnWriterPatternReplacesRows) {
    const double stresses[] = {0.5, 0.6};
    Recordset rs;
    rs.open(QStringLiteral("SELECT [SIV],[ID],[I1] FROM [E3] WHERE [ID] = 7 ORDER BY [I1]"), cnn);
    for (int i = 0; i < 2; ++i) {
        if (rs.eof())
            rs.addNew();
        else if (i == 0)
            rs.moveFirst();
        rs.setValue(QStringLiteral("SIV"), stresses[i]);
        rs.setValue(QStringLiteral("ID"), int32_t(7));
        rs.setValue(QStringLiteral("I1"), int16_t(i + 1));
        rs.update();
        if (!rs.eof())
            rs.moveNext();
    }
    while (!rs.eof()) {
        rs.deleteCurrent();
        rs.moveNext();
    }
    EXPECT_EQ(rs.recordCount(), 2);
    rs.close();
    EXPECT_EQ(
        column(QStringLiteral("SELECT [SIV] FROM [E3] WHERE [ID]=7 ORDER BY [I1]"), QStringLiteral("SIV")),
        (QStringList{QStringLiteral("0,5"), QStringLiteral("0,6")}));

    // Growing: three values where there are two rows appends the third with its keys.
    rs.open(QStringLiteral("SELECT [SIV],[ID],[I1] FROM [E3] WHERE [ID] = 7 ORDER BY [I1]"), cnn);
    for (int i = 0; i < 3; ++i) {
        if (rs.eof())
            rs.addNew();
        rs.setValue(QStringLiteral("SIV"), 1.0 + i);
        rs.setValue(QStringLiteral("ID"), int32_t(7));
        rs.setValue(QStringLiteral("I1"), int16_t(i + 1));
        rs.update();
        if (!rs.eof())
            rs.moveNext();
    }
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(
        column(QStringLiteral("SELECT [I1] FROM [E3] WHERE [ID]=7 ORDER BY [I1]"), QStringLiteral("I1")),
        (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

TEST_F(DatabaseTest, DeletingEveryRowFromTheMiddle) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] ORDER BY [ID]"), cnn);
    rs.moveNext();
    rs.moveNext(); // on ID 2
    int deleted = 0;
    while (!rs.eof()) {
        rs.deleteCurrent();
        EXPECT_EQ(errorNumberOf([&] { rs.value(0); }), err::NoCurrentRecord);
        EXPECT_EQ(errorNumberOf([&] { rs.deleteCurrent(); }), err::NoCurrentRecord);
        rs.moveNext();
        ++deleted;
    }
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(rs.recordCount(), 2);
    rs.moveFirst();
    EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt32(), 0);
    rs.moveLast(); // skips the deleted rows
    EXPECT_EQ(rs.value(QStringLiteral("ID")).toInt32(), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT [ID] FROM [E1] ORDER BY [ID]"), QStringLiteral("ID")),
              (QStringList{QStringLiteral("0"), QStringLiteral("1")}));
}

TEST_F(DatabaseTest, BooleanAndNullColumns) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT [KOM],[AKT] FROM [E1] ORDER BY [ID]"), cnn);
    rs.moveNext(); // ID 1: active
    EXPECT_EQ(rs.value(QStringLiteral("AKT")), Variant(true));
    rs.moveNext(); // ID 2: inactive, no comment
    EXPECT_EQ(rs.value(QStringLiteral("[akt]")), Variant(false));
    EXPECT_TRUE(rs.isNull(QStringLiteral("KOM")));
    EXPECT_TRUE(rs.value(0).isNull());
    EXPECT_EQ(errorNumberOf([&] { rs.value(0).toText(); }), err::InvalidUseOfNull);
    // True written as -1 (a flag) is stored as 1, so the literal true finds it.
    rs.setValue(QStringLiteral("AKT"), int16_t(-1));
    rs.update();
    EXPECT_EQ(rs.value(QStringLiteral("AKT")), Variant(true));
    EXPECT_EQ(
        column(QStringLiteral("SELECT [ID] FROM [E1] WHERE [AKT]=true ORDER BY [ID]"), QStringLiteral("ID")),
        (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
}

TEST_F(DatabaseTest, FieldsByNameAndPosition) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E1] WHERE [ID]=1"), cnn);
    ASSERT_EQ(rs.fieldCount(), 4);
    const QStringList names{"ID", "KEN", "KOM", "AKT"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rs.fieldName(i), names[i]);
        EXPECT_EQ(rs.value(i), rs.value(names[i].toLower()));
    }
    rs.setValue(0, int32_t(11));
    rs.update();
    EXPECT_EQ(rs.value(QStringLiteral("ID")), Variant(int32_t(11)));
    EXPECT_EQ(errorNumberOf([&] { rs.value(4); }), err::ItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { rs.fieldName(-1); }), err::ItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(QStringLiteral("XYZ"), 1); }), err::ItemNotFound);
}

// An identifier with an apostrophe spliced into a statement as a literal is stored and found again.
TEST_F(DatabaseTest, ApostropheThroughSqlLiteral) {
    const QString ken = QStringLiteral("O'Neil");
    EXPECT_EQ(sqlLiteral(ken), QStringLiteral("'O''Neil'"));
    EXPECT_EQ(sqlLiteral(QString()), QStringLiteral("''"));
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM [E1] WHERE [KEN]=") + sqlLiteral(ken), cnn);
        EXPECT_TRUE(rs.eof());
        rs.addNew();
        rs.setValue(QStringLiteral("ID"), int32_t(6));
        rs.setValue(QStringLiteral("KEN"), ken);
        rs.update();
    }
    EXPECT_EQ(
        column(QStringLiteral("SELECT [ID] FROM [E1] WHERE [KEN]=") + sqlLiteral(ken), QStringLiteral("ID")),
        QStringList{QStringLiteral("6")});
    // A quote cannot end the literal early and smuggle in a condition.
    EXPECT_TRUE(column(QStringLiteral("SELECT [ID] FROM [E1] WHERE [KEN]=") + sqlLiteral("x' OR '1'='1"),
                       QStringLiteral("ID"))
                    .isEmpty());
}

TEST_F(DatabaseTest, ErrorsOfClosedObjectsAndBadStatements) {
    Recordset rs;
    EXPECT_EQ(errorNumberOf([&] { rs.eof(); }), err::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.recordCount(); }), err::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.moveFirst(); }), err::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.value(0); }), err::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.addNew(); }), err::ObjectClosed);

    const struct {
        const char* sql;
        int number;
    } bad[] = {
        {"SELECT * FROM [E9]", err::SqlError}, {"SELECT [NIX] FROM [E1]", err::SqlError},
        {"SELEKT * FROM E1", err::SqlError},   {"SELECT * FROM E1; DELETE FROM E1", err::SqlError},
        {"DELETE FROM E1", err::SqlError},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.sql);
        try {
            rs.open(QString::fromUtf8(b.sql), cnn);
            ADD_FAILURE() << "no error";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), b.number);
            EXPECT_FALSE(e.description().isEmpty());
        }
        EXPECT_FALSE(rs.isOpen());
    }
    try {
        rs.open(QStringLiteral("SELECT * FROM [E9]"), cnn);
    } catch (const RunError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("no such table: E9"))) << e.what();
    }
    EXPECT_EQ(column(QStringLiteral("SELECT count(*) AS N FROM E1"), QStringLiteral("N")),
              QStringList{QStringLiteral("4")}); // nothing was deleted

    rs.open(QStringLiteral("SELECT * FROM [E1]"), cnn);
    EXPECT_EQ(errorNumberOf([&] { rs.open(QStringLiteral("SELECT * FROM [E1]"), cnn); }), err::AlreadyOpen);
    cnn.close();
    EXPECT_EQ(rs.recordCount(), 4); // the snapshot stays readable
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(1, "x"); }), err::ConnectionClosed);
    Recordset other;
    EXPECT_EQ(errorNumberOf([&] { other.open(QStringLiteral("SELECT * FROM [E1]"), cnn); }),
              err::ConnectionClosed);
    EXPECT_EQ(errorNumberOf([&] { cnn.execute(QStringLiteral("DELETE FROM E1")); }), err::ConnectionClosed);
}

// Statements over more than one table, DISTINCT or expressions are read, never written.
TEST_F(DatabaseTest, ReadOnlyRecordsets) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT E1.KEN, E3.SIV FROM E1 JOIN E3 ON E1.ID = 1 AND E3.ID = 7 ORDER BY E3.I1"),
            cnn);
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_EQ(rs.value(QStringLiteral("SIV")), Variant(0.1f));
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(0, "x"); }), err::NotSupported);
    EXPECT_EQ(errorNumberOf([&] { rs.deleteCurrent(); }), err::NotSupported);
    rs.close();
    rs.open(QStringLiteral("SELECT DISTINCT [ID] FROM [E3] ORDER BY [ID]"), cnn);
    EXPECT_EQ(rs.recordCount(), 2);
    EXPECT_EQ(errorNumberOf([&] { rs.addNew(); }), err::NotSupported);
    rs.close();
    rs.open(QStringLiteral("SELECT max([ID]) AS M, [KEN] FROM [E1]"), cnn);
    EXPECT_EQ(rs.value(QStringLiteral("M")), Variant(int32_t(3)));
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(QStringLiteral("M"), 1); }), err::NotSupported);
    // A plain column beside an aggregate stands for no single row either.
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(QStringLiteral("KEN"), "x"); }), err::NotSupported);
    rs.close();
    rs.open(QStringLiteral("SELECT [ID], count(*) AS N FROM [E3] GROUP BY [ID] ORDER BY [ID]"), cnn);
    EXPECT_EQ(rs.value(QStringLiteral("N")), Variant(int32_t(3)));
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(QStringLiteral("ID"), 9); }), err::NotSupported);
    EXPECT_EQ(errorNumberOf([&] { rs.deleteCurrent(); }), err::NotSupported);
    rs.close();
    EXPECT_EQ(column(QStringLiteral("SELECT [ID] FROM [E3] ORDER BY [ID]"), QStringLiteral("ID")),
              QStringList({"7", "7", "7", "8"}));
    EXPECT_EQ(column(QStringLiteral("SELECT [KEN] FROM [E1] ORDER BY [ID]"), QStringLiteral("KEN")),
              QStringList({"M", "B1", "A2", "C3"}));
}

TEST_F(DatabaseTest, SchemaQueries) {
    EXPECT_TRUE(cnn.hasTable(QStringLiteral("E1")));
    EXPECT_TRUE(cnn.hasTable(QStringLiteral("e3")));
    EXPECT_FALSE(cnn.hasTable(QStringLiteral("G0")));
    EXPECT_EQ(cnn.columnNames(QStringLiteral("E1")), (QStringList{"ID", "KEN", "KOM", "AKT"}));
    EXPECT_TRUE(cnn.columnNames(QStringLiteral("G0")).isEmpty());
}

TEST(ConnectionOpen, RefusesMissingAndForeignFiles) {
    TempFolder folder;
    Connection cnn;
    EXPECT_EQ(errorNumberOf([&] { cnn.open(folder.file(QStringLiteral("fehlt.db"))); }), err::FileNotFound);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("fehlt.db")))); // never created by opening
    EXPECT_EQ(errorNumberOf([&] { cnn.open(folder.path()); }), err::FileNotFound);

    const QString text = folder.file(QStringLiteral("text.db"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray("Dies ist keine Datenbank, sondern ein Text mit mehr als hundert Zeichen. ").repeated(20));
    file.close();
    try {
        cnn.open(text);
        ADD_FAILURE() << "a text file was opened";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), err::EngineError);
        EXPECT_TRUE(e.description().contains(QStringLiteral("keine Datenbank"))) << e.what();
    }
    EXPECT_FALSE(cnn.isOpen());
    EXPECT_FALSE(isDatabaseOpen(text));

    const QString db = folder.file(QStringLiteral("neu.db"));
    cnn.create(db);
    EXPECT_EQ(errorNumberOf([&] { cnn.open(db); }), err::AlreadyOpen);
    EXPECT_TRUE(isDatabaseOpen(db));
    cnn.close();
    EXPECT_FALSE(isDatabaseOpen(db));
    Connection again;
    EXPECT_EQ(errorNumberOf([&] { again.create(db); }), err::PathFileAccess);
    again.open(db);
    EXPECT_TRUE(again.isOpen());
}

// A file left in WAL mode by another program becomes one self-contained file again when opened.
TEST(ConnectionOpen, SwitchesToRollbackJournal) {
    TempFolder folder;
    const QString db = folder.file(QStringLiteral("wal.db"));
    {
        Connection c;
        c.create(db);
        c.execute(QStringLiteral("PRAGMA journal_mode=WAL; CREATE TABLE T (V INTEGER); INSERT INTO T VALUES (1);"));
    }
    auto headerVersions = [&] {
        QFile file(db);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(20);
        return std::make_pair(int(header[18]), int(header[19]));
    };
    EXPECT_EQ(headerVersions(), std::make_pair(2, 2)); // WAL
    Connection c;
    c.open(db);
    EXPECT_EQ(headerVersions(), std::make_pair(1, 1)); // rollback journal
    EXPECT_FALSE(QFile::exists(db + QStringLiteral("-wal")));
    Recordset rs;
    rs.open(QStringLiteral("SELECT V FROM T"), c);
    EXPECT_EQ(rs.value(0), Variant(int32_t(1)));
}

} // namespace talur::test

namespace talur::test {

// The working copy runs without forced disk syncs; what was written is still all there for the next
// connection, as after a crash of the program.
TEST_F(DatabaseTest, WritesWithoutDiskSyncReachTheFile) {
    EXPECT_TRUE(cnn.diskSync());
    cnn.setDiskSync(false);
    EXPECT_FALSE(cnn.diskSync());
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [E3] WHERE [ID] = 8"), cnn);
    rs.setValue(QStringLiteral("SIV"), 2.5f);
    rs.update();
    Connection other;
    other.open(path);
    EXPECT_TRUE(other.diskSync()) << "the setting belongs to one connection";
    Recordset check;
    check.open(QStringLiteral("SELECT [SIV] FROM [E3] WHERE [ID] = 8"), other);
    EXPECT_EQ(check.value(0).toSingle(), 2.5f);
}

} // namespace talur::test
