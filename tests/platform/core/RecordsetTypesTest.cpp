// Values are stored as their column's declared type and read back as the matching variant type.
#include "CoreTestSupport.h"

namespace talur::test {

namespace {

struct TypeCase {
    const char* column;
    Variant written;
    Variant readBack; // ignored when an error is expected
    int error = 0;
};

class RecordsetTypes : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        cnn.execute(QStringLiteral("INSERT INTO T VALUES (1, 5, 0, 7.0, 8.0, 'alt', 0.0, 'nn')"));
    }

    Variant stored(const QString& columnName) {
        Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM [T] WHERE rowid=1"), cnn);
        return rs.value(columnName);
    }
};

} // namespace

TEST_F(RecordsetTypes, WrittenValuesComeBackAsTheColumnType) {
    const TypeCase cases[] = {
        {"N", Variant(int16_t(-123)), Variant(int16_t(-123))},
        {"N", Variant(int32_t(32767)), Variant(int16_t(32767))},
        {"N", Variant("  12 "), Variant(int16_t(12))},
        {"N", Variant(2.5), Variant(int16_t(2))},
        {"N", Variant(true), Variant(int16_t(-1))},
        {"N", Variant(int32_t(40000)), {}, err::Overflow},
        {"N", Variant(-32769.0), {}, err::Overflow},
        {"N", Variant("zwölf"), {}, err::TypeMismatch},
        {"ID", Variant(int32_t(2147483647)), Variant(int32_t(2147483647))},
        {"ID", Variant(int16_t(4)), Variant(int32_t(4))},
        {"ID", Variant(3e9), {}, err::Overflow},
        {"B", Variant(true), Variant(true)},
        {"B", Variant(int16_t(-1)), Variant(true)},
        {"B", Variant(int32_t(2)), Variant(true)},
        {"B", Variant(int32_t(0)), Variant(false)},
        {"B", Variant("Wahr"), Variant(true)},
        {"B", Variant("false"), Variant(false)},
        {"B", Variant("vielleicht"), {}, err::TypeMismatch},
        {"S", Variant(0.1f), Variant(0.1f)},
        {"S", Variant(0.1), Variant(0.1f)},
        {"S", Variant(3.4028234e38f), Variant(3.4028234e38f)},
        {"S", Variant("1,5"), Variant(1.5f)},
        {"S", Variant("1.5"), {}, err::TypeMismatch},
        {"S", Variant("12abc"), {}, err::TypeMismatch},
        {"S", Variant(""), {}, err::TypeMismatch}, // empty text is no number
        {"S", Variant(1e39), {}, err::Overflow},
        {"D", Variant(0.1), Variant(0.1)},
        {"D", Variant(0.1f), Variant(double(0.1f))},
        {"D", Variant(" -2,25E3 "), Variant(-2250.0)},
        {"D", Variant(int32_t(-7)), Variant(-7.0)},
        {"X", Variant(QStringLiteral("Größe ° ²")), Variant(QStringLiteral("Größe ° ²"))},
        {"X", Variant(1.5), Variant("1,5")},
        {"X", Variant(0.1f), Variant("0,1")},
        {"X", Variant(true), Variant("True")},
        {"X", Variant(int16_t(7)), Variant("7")},
        {"X", Variant(), Variant::null()},
        {"X", Variant::null(), Variant::null()},
        {"DT", Variant(DateTime{45000.75}), Variant(DateTime{45000.75})},
        {"DT", Variant("31.12.2023"), Variant(DateTime{45291.0})},
        {"DT", Variant("2023-12-31 18:00:00"), Variant(DateTime{45291.75})},
        {"DT", Variant("Silvester"), {}, err::TypeMismatch},
        {"NN", Variant(), Variant("")},
        {"NN", Variant::null(), {}, err::EngineError}, // refused by the NOT NULL constraint at update
    };
    for (const auto& c : cases) {
        const QString name = QString::fromUtf8(c.column);
        SCOPED_TRACE(testing::Message() << c.column << " <- " << testing::PrintToString(c.written));
        const Variant before = stored(name);
        Recordset rs;
        rs.open(QStringLiteral("SELECT * FROM [T] WHERE rowid=1"), cnn);
        const int error = errorNumberOf([&] {
            rs.setValue(name, c.written);
            rs.update();
        });
        EXPECT_EQ(error, c.error);
        if (c.error) {
            // Nothing stored, and nothing left pending to be stored by a later move.
            EXPECT_EQ(rs.value(name), before);
            rs.moveNext();
            EXPECT_EQ(stored(name), before);
            continue;
        }
        EXPECT_EQ(rs.value(name), c.readBack) << "snapshot after update";
        rs.close();
        EXPECT_EQ(stored(name), c.readBack) << "read again";
        cnn.execute(QStringLiteral("UPDATE T SET N=5, B=0, S=7.0, D=8.0, X='alt', DT=0.0, NN='nn', ID=1"));
    }
}

// Every variant type goes into a column of its own type and comes back equal.
TEST_F(RecordsetTypes, RoundTripOfEveryType) {
    const Variant values[] = {
        Variant(int32_t(-2000000000)), Variant(int16_t(-32768)), Variant(true),
        Variant(1.0f / 3.0f),          Variant(1.0 / 3.0),       Variant("O'Neil \"x\""),
        Variant(DateTime{-1.5})};
    const char* columns[] = {"ID", "N", "B", "S", "D", "X", "DT"};
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT [ID],[N],[B],[S],[D],[X],[DT] FROM [T]"), cnn);
        rs.addNew();
        for (int i = 0; i < 7; ++i)
            rs.setValue(QString::fromUtf8(columns[i]), values[i]);
        rs.update();
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(rs.value(i), values[i]) << columns[i];
        rs.addNew();
        rs.update(); // a row of defaults
        for (int i = 0; i < 7; ++i)
            EXPECT_TRUE(rs.isNull(i)) << columns[i];
    }
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [T] WHERE [ID]=-2000000000"), cnn);
    ASSERT_EQ(rs.recordCount(), 1);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(rs.value(QString::fromUtf8(columns[i])), values[i]) << columns[i];
}

TEST_F(RecordsetTypes, FailedUpdateDropsPendingChanges) {
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [T]"), cnn);
    rs.setValue(QStringLiteral("X"), "neu");
    rs.setValue(QStringLiteral("NN"), Variant::null());
    EXPECT_EQ(errorNumberOf([&] { rs.update(); }), err::EngineError);
    EXPECT_EQ(rs.value(QStringLiteral("X")), Variant("alt"));
    rs.moveNext(); // nothing left to store
    EXPECT_TRUE(rs.eof());
    EXPECT_EQ(stored(QStringLiteral("X")), Variant("alt"));
    // Adding: a refused row is not appended.
    rs.addNew();
    rs.setValue(QStringLiteral("NN"), Variant::null());
    EXPECT_EQ(errorNumberOf([&] { rs.update(); }), err::EngineError);
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(column(QStringLiteral("SELECT count(*) AS C FROM T"), QStringLiteral("C")), QStringList{"1"});
}

TEST_F(RecordsetTypes, DecimalSeparatorFollowsRegionalSettings) {
    regionalSettings().decimalSeparator = QLatin1Char('.');
    Recordset rs;
    rs.open(QStringLiteral("SELECT * FROM [T]"), cnn);
    rs.setValue(QStringLiteral("D"), "1.5");
    EXPECT_EQ(errorNumberOf([&] { rs.setValue(QStringLiteral("S"), "1,5"); }), err::TypeMismatch);
    rs.setValue(QStringLiteral("X"), 2.5);
    rs.update();
    EXPECT_EQ(rs.value(QStringLiteral("D")), Variant(1.5));
    EXPECT_EQ(rs.value(QStringLiteral("X")), Variant("2.5"));
    regionalSettings().decimalSeparator = QLatin1Char(',');
}

// A table whose key is the row id: changing the key moves the row id, and the row is still found.
TEST_F(RecordsetTypes, KeyThatIsTheRowId) {
    cnn.execute(
        QStringLiteral("CREATE TABLE K (ID INTEGER PRIMARY KEY, V TEXT); INSERT INTO K VALUES (5,'a')"));
    Recordset rs;
    rs.open(QStringLiteral("SELECT [ID],[V] FROM [K]"), cnn);
    rs.setValue(QStringLiteral("ID"), int32_t(50));
    rs.update();
    rs.setValue(QStringLiteral("V"), "b");
    rs.update();
    EXPECT_EQ(column(QStringLiteral("SELECT [ID],[V] FROM [K]"), QStringLiteral("V")), QStringList{"b"});
    EXPECT_EQ(column(QStringLiteral("SELECT [ID],[V] FROM [K]"), QStringLiteral("ID")), QStringList{"50"});
}

} // namespace talur::test
