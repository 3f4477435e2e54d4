// Column writer and reader through the variable methods: row matching, keys, NULL handling, conversions.
#include "platform/core/Services.h"
#include "records/clsDATEN.h"
#include "records/daten_support.h"

using namespace talur;
using talur::test::DatenFixture;

namespace {

class DatenValues : public DatenFixture {
protected:
    void SetUp() override {
        DatenFixture::SetUp();
        context.cnnX.execute(QStringLiteral(
            "CREATE TABLE [T1] ([ID] INTEGER, [K] TEXT, [K2] TEXT, [N] SMALLINT, [B] BOOLEAN, [I] SMALLINT, "
            "[L] INTEGER, [S] REAL, [D] DOUBLE, [A] DATETIME, [T] TEXT, [V])"));
    }
    std::unique_ptr<clsDATEN> object(const QString& table, int32_t id) {
        auto d = std::make_unique<clsDATEN>(context);
        d->setETABELLE(table);
        d->setESPIDW(id);
        return d;
    }
};

class CountingPump : public EventPump {
public:
    void processEvents() override { ++count; }
    int count = 0;
};

} // namespace

TEST_F(DatenValues, StartsOnTheFirstActiveRecord) {
    {
        clsDATEN none(context);
        EXPECT_EQ(none.ESPIDW(), 0);
        EXPECT_EQ(none.ETABELLE(), "E1");
        EXPECT_EQ(none.ESPID(), "ID");
        EXPECT_EQ(none.ESPK1(), "");
    }
    addRecord(4, "A", false);
    addRecord(9, "B", true);
    addRecord(12, "C", true);
    clsDATEN d(context);
    EXPECT_EQ(d.ESPIDW(), 9);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenValues, EveryVariableTypeRoundTrips) {
    auto d = object("T1", 3);
    const struct {
        const char* column;
        std::function<bool()> write;
        std::function<bool(QString&)> readBack; // reads and describes the value
        const char* expected;
    } cases[] = {
        {"B", [&] { return d->DVTB("B", true); },
         [&](QString& out) {
             bool v = false;
             const bool ok = d->DTVB("B", v);
             out = v ? "true" : "false";
             return ok;
         },
         "true"},
        {"T", [&] { return d->DVTT("T", "Kies, sandig"); }, [&](QString& out) { return d->DTVT("T", out); },
         "Kies, sandig"},
        {"I", [&] { return d->DVTI("I", int16_t(-32768)); },
         [&](QString& out) {
             int16_t v = 0;
             const bool ok = d->DTVI("I", v);
             out = QString::number(v);
             return ok;
         },
         "-32768"},
        {"L", [&] { return d->DVTL("L", int32_t(2000000000)); },
         [&](QString& out) {
             int32_t v = 0;
             const bool ok = d->DTVL("L", v);
             out = QString::number(v);
             return ok;
         },
         "2000000000"},
        {"S", [&] { return d->DVTS("S", 0.1f); },
         [&](QString& out) {
             float v = 0;
             const bool ok = d->DTVS("S", v);
             out = v == 0.1f ? "0.1f" : "other";
             return ok;
         },
         "0.1f"},
        {"D", [&] { return d->DVTD("D", 1.0 / 3.0); },
         [&](QString& out) {
             double v = 0;
             const bool ok = d->DTVD("D", v);
             out = v == 1.0 / 3.0 ? "1/3" : "other";
             return ok;
         },
         "1/3"},
        {"A", [&] { return d->DVTA("A", DateTime{45000.25}); },
         [&](QString& out) {
             DateTime v;
             const bool ok = d->DTVA("A", v);
             out = QString::number(v.days, 'f', 2);
             return ok;
         },
         "45000.25"},
        {"V", [&] { return d->DVTV("V", Variant(int32_t(77))); },
         [&](QString& out) {
             Variant v;
             const bool ok = d->DTVV("V", v);
             out = v.toText();
             return ok;
         },
         "77"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.write()) << c.column;
        QString read;
        ASSERT_TRUE(c.readBack(read)) << c.column;
        EXPECT_EQ(read, c.expected) << c.column;
    }
    EXPECT_EQ(rows("SELECT COUNT(*) FROM [T1]"), QStringList{"1"})
        << "every write lands on the one row of ID 3";
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenValues, ReadingWithoutRowsGivesEmptyValues) {
    auto d = object("T1", 5);
    bool b = true;
    QString t = "x";
    int16_t i = 1;
    int32_t l = 1;
    float s = 1;
    double dd = 1;
    DateTime a{3};
    Variant v(int16_t(1));
    EXPECT_TRUE(d->DTVB("B", b) && d->DTVT("T", t) && d->DTVI("I", i) && d->DTVL("L", l) && d->DTVS("S", s) &&
                d->DTVD("D", dd) && d->DTVA("A", a) && d->DTVV("V", v));
    EXPECT_FALSE(b);
    EXPECT_EQ(t, "");
    EXPECT_EQ(i, 0);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(s, 0.0f);
    EXPECT_EQ(dd, 0.0);
    EXPECT_EQ(a, DateTime{0});
    EXPECT_TRUE(v.isEmpty());
}

TEST_F(DatenValues, EmptyTextIsStoredAsNull) {
    auto d = object("T1", 1);
    ASSERT_TRUE(d->DVTT("T", ""));
    EXPECT_EQ(rows("SELECT [T] FROM [T1] WHERE [ID]=1"), QStringList{"<null>"});
    QString back = "old";
    ASSERT_TRUE(d->DTVT("T", back));
    EXPECT_EQ(back, "");
}

TEST_F(DatenValues, AFreshWriteCreatesTheRowWithEveryKey) {
    auto d = object("T1", 8);
    d->setESPK1("K");
    d->setESPK1W("Oedometer");
    ASSERT_TRUE(d->DVTI("I", 5, {.SPI1 = "N", .SPI1W = Variant(int16_t(2))}));
    EXPECT_EQ(rows("SELECT [ID],[K],[N],[I] FROM [T1]"), QStringList{"8|Oedometer|2|5"});
}

TEST_F(DatenValues, ASingleWriteKeepsTheFirstMatchingRowAndDeletesTheRest) {
    context.cnnX.execute("INSERT INTO [T1] ([ID],[N],[I]) VALUES (2,1,10),(2,2,20),(3,1,30)");
    auto d = object("T1", 2);
    ASSERT_TRUE(d->DVTI("I", 99, {.SPI1 = "N"}));
    EXPECT_EQ(rows("SELECT [ID],[N],[I] FROM [T1] ORDER BY [ID],[N]"), (QStringList{"2|1|99", "3|1|30"}));
}

TEST_F(DatenValues, ExtraKeyValuesWithApostrophesAreStoredAndFoundAgain) {
    auto d = object("T1", 1);
    d->setESPK1("K");
    d->setESPK1W("Probe 'B'");
    ASSERT_TRUE(d->DVTT("T", "eins"));
    ASSERT_TRUE(d->DVTT("T", "zwei")); // finds the row it wrote: no second row
    EXPECT_EQ(rows("SELECT [K],[T] FROM [T1]"), QStringList{"Probe 'B'|zwei"});
    QString back;
    ASSERT_TRUE(d->DTVT("T", back));
    EXPECT_EQ(back, "zwei");
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenValues, QuotedTextSelectionValuesMatchAndStoreTheBareText) {
    auto d = object("T1", 1);
    ASSERT_TRUE(d->DVTI("I", 4, {.SPI1 = "K2", .SPI1W = Variant("'abc'")}));
    ASSERT_TRUE(d->DVTI("I", 6, {.SPI1 = "K2", .SPI1W = Variant("'abc'")}));
    ASSERT_TRUE(d->DVTI("I", 7, {.SPI1 = "K2", .SPI1W = Variant("x'y")}));
    EXPECT_EQ(rows("SELECT [K2],[I] FROM [T1] ORDER BY [K2]"), (QStringList{"abc|6", "x'y|7"}));
}

TEST_F(DatenValues, DecimalCommaTextGoesIntoARealColumn) {
    addRecord(1, "A", true);
    clsDATEN d(context);
    d.setETABELLE("E2");
    ASSERT_TRUE(d.DVTT("SIBK", "1,5"));
    float back = 0;
    ASSERT_TRUE(d.DTVS("SIBK", back));
    EXPECT_EQ(back, 1.5f);
    QString text;
    ASSERT_TRUE(d.DTVT("SIBK", text));
    EXPECT_EQ(text, "1,5");
}

TEST_F(DatenValues, ArraysMatchRowsInSortOrder) {
    context.cnnX.execute("INSERT INTO [T1] ([ID],[N],[I]) VALUES (1,1,10),(1,2,20),(1,3,30),(1,4,40)");
    auto d = object("T1", 1);
    const Selection byN{.SPI1 = "N"};
    // Two values over four rows: rows 1 and 2 updated, 3 and 4 deleted; the new rows carry no N.
    ASSERT_TRUE(d->DVTIF("I", {7, 8}, byN));
    EXPECT_EQ(rows("SELECT [N],[I] FROM [T1] ORDER BY [N]"), (QStringList{"1|7", "2|8"}));
    // A third value appends a row without N, which sorts first; give every row its N again.
    ASSERT_TRUE(d->DVTIF("N", {1, 2, 3}, byN));
    EXPECT_EQ(rows("SELECT [N],[I] FROM [T1] ORDER BY [N]"), (QStringList{"1|7", "2|8", "3|<null>"}));
    ASSERT_TRUE(d->DVTSF("S", {0.5f, 1.5f, 2.5f}, byN));
    std::vector<float> s(3, -1.0f);
    ASSERT_TRUE(d->DTVSF("S", s, byN));
    EXPECT_EQ(s, (std::vector<float>{0.5f, 1.5f, 2.5f}));
    ASSERT_TRUE(d->DVTBF("B", {true, false, true}, byN));
    std::vector<bool> b(3, false);
    ASSERT_TRUE(d->DTVBF("B", b, byN));
    EXPECT_EQ(b, (std::vector<bool>{true, false, true}));
    ASSERT_TRUE(d->DVTTF("T", {"a", "", "c"}, byN));
    std::vector<QString> t(3, "keep");
    ASSERT_TRUE(d->DTVTF("T", t, byN));
    EXPECT_EQ(t, (std::vector<QString>{"a", "keep", "c"})) << "a NULL leaves its element";
    std::vector<int16_t> i(3, 0);
    ASSERT_TRUE(d->DTVIF("I", i, byN));
    EXPECT_EQ(i, (std::vector<int16_t>{7, 8, 0}));
    std::vector<Variant> v(3);
    ASSERT_TRUE(d->DTVVF("N", v, byN));
    EXPECT_EQ(v, (std::vector<Variant>{Variant(int16_t(1)), Variant(int16_t(2)), Variant(int16_t(3))}));
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenValues, CollectionReadReplacesOnlyWhenRowsExist) {
    context.cnnX.execute("INSERT INTO [T1] ([ID],[N],[T]) VALUES (1,1,'x'),(1,2,NULL),(1,3,'z')");
    auto d = object("T1", 1);
    QList<Variant> list{Variant("old")};
    ASSERT_TRUE(d->DTVCOL("T", list, {.SPI1 = "N"}));
    EXPECT_EQ(list, (QList<Variant>{Variant("x"), Variant("z")}));
    d->setESPIDW(2);
    ASSERT_TRUE(d->DTVCOL("T", list));
    EXPECT_EQ(list.size(), 2) << "no rows: the collection stays";
    EXPECT_FALSE(d->DTVCOL("NOPE", list));
    EXPECT_TRUE(dialogs.transcript().isEmpty()) << "no message";
}

TEST_F(DatenValues, RowsStoredBeforeAnErrorStayStored) {
    auto d = object("T1", 1);
    // The third value is no number: two rows are stored, the third is not, and no transaction undoes them.
    EXPECT_FALSE(d->DVTTF("I", {"1", "2", "drei", "4"}, {.SPI1 = "N"}));
    EXPECT_EQ(rows("SELECT [I] FROM [T1] ORDER BY rowid"), (QStringList{"1", "2"}));
}

TEST_F(DatenValues, EveryWrittenRowLetsEventsRun) {
    CountingPump pump;
    setEventPump(&pump);
    auto d = object("T1", 1);
    const bool ok = d->DVTIF("I", {1, 2, 3, 4, 5}, {.SPI1 = "N"});
    setEventPump(nullptr);
    ASSERT_TRUE(ok);
    EXPECT_EQ(pump.count, 5);
}

TEST_F(DatenValues, ReadConversionErrorsReachTheCaller) {
    auto d = object("T1", 1);
    ASSERT_TRUE(d->DVTT("T", "Kies"));
    int16_t i = 0;
    try {
        d->DTVI("T", i);
        FAIL() << "text into a 16-bit integer";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(DatenValues, WritesWithoutKeyColumnSelectByTheOtherKeys) {
    auto d = object("T1", 0);
    d->setESPID("");
    d->setESPK1("K");
    d->setESPK1W("P1");
    ASSERT_TRUE(d->DVTI("I", 3));
    ASSERT_TRUE(d->DVTI("I", 4));
    EXPECT_EQ(rows("SELECT [ID],[K],[I] FROM [T1]"), QStringList{"<null>|P1|4"});
}

TEST_F(DatenValues, EmptyExtraKeyValuesAreStoredAsEmptyText) {
    auto d = object("T1", 1);
    d->setESPK1("K");
    d->setESPK2("K2");
    ASSERT_TRUE(d->DVTI("I", 3));
    ASSERT_TRUE(d->DVTI("I", 4)); // the same row again
    EXPECT_EQ(rows("SELECT [K] IS NULL, [K2] IS NULL, [I] FROM [T1]"), QStringList{"0|0|4"});
}
