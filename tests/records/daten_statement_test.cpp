#include "platform/core/RunError.h"
#include "records/DatenStatement.h"

#include <gtest/gtest.h>

using namespace talur;

namespace {

DatenKeys keys(const QString& table, const QString& espid, int32_t espidw) {
    DatenKeys k;
    k.ETABELLE = table;
    k.ESPID = espid;
    k.ESPIDW = espidw;
    return k;
}

DatenKeys withExtraKeys(DatenKeys k, int count) {
    const char* names[] = {"KA", "KB", "KC"};
    const char* values[] = {"x", "y", "z"};
    for (int i = 0; i < count; ++i) {
        k.ESPK[i] = names[i];
        k.ESPKW[i] = values[i];
    }
    return k;
}

struct StatementCase {
    const char* what;
    DatenKeys keys;
    const char* SPV;
    Selection sel;
    const char* sql;
};

} // namespace

TEST(DatenStatement, SelectStatementsKeepTheirExactText) {
    const DatenKeys e3 = keys("E3", "ID", 7);
    const StatementCase cases[] = {
        {"grid column of E3",
         e3,
         "SIV",
         {.SPI1 = "I1"},
         "SELECT [SIV],[ID],[I1] FROM [E3] WHERE [ID] = 7 ORDER BY [I1]"},
        {"default object", DatenKeys{}, "KEN", {}, "SELECT [KEN],[ID] FROM [E1] WHERE [ID] = 0"},
        {"one row by index value",
         e3,
         "SIV",
         {.SPI1 = "I1", .SPI1W = Variant(int16_t(3))},
         "SELECT [SIV],[ID],[I1] FROM [E3] WHERE [ID] = 7 AND [I1]=3 ORDER BY [I1]"},
        {"four pairs",
         keys("G0", "ID", 12),
         "XMIN",
         {.SPI1 = "IDOBJEKT",
          .SPI1W = Variant(int16_t(11)),
          .SPI2 = "OX",
          .SPI2W = Variant(int32_t(-2)),
          .SPI3 = "RL",
          .SPI3W = Variant(2.5),
          .SPI4 = "RR",
          .SPI4W = Variant(0.25f)},
         "SELECT [XMIN],[ID],[IDOBJEKT],[OX],[RL],[RR] FROM [G0] WHERE [ID] = 12 AND [IDOBJEKT]=11 AND "
         "[OX]=-2 "
         "AND [RL]=2.5 AND [RR]=0.25 ORDER BY [IDOBJEKT],[OX],[RL],[RR]"},
        {"names without values only sort",
         e3,
         "SIV",
         {.SPI1 = "I1", .SPI2 = "SIV"},
         "SELECT [SIV],[ID],[I1],[SIV] FROM [E3] WHERE [ID] = 7 ORDER BY [I1],[SIV]"},
        {"SPV twice",
         e3,
         "I1",
         {.SPI1 = "I1"},
         "SELECT [I1],[ID],[I1] FROM [E3] WHERE [ID] = 7 ORDER BY [I1]"},
        {"one extra key",
         withExtraKeys(keys("V", "ID", 1), 1),
         "W",
         {},
         "SELECT [W],[ID],[KA] FROM [V] WHERE [ID] = 1 AND [KA] ='x'"},
        {"three extra keys, the third with two blanks",
         withExtraKeys(keys("V", "ID", 1), 3),
         "W",
         {},
         "SELECT [W],[ID],[KA],[KB],[KC] FROM [V] WHERE [ID] = 1 AND [KA] ='x' AND [KB] ='y'  AND [KC] ='z'"},
        {"extra keys without key column",
         withExtraKeys(keys("V", "", 0), 2),
         "W",
         {},
         "SELECT [W],[KA],[KB] FROM [V] WHERE [KA] ='x' AND [KB] ='y'"},
        {"pairs without key column open the condition",
         keys("V", "", 0),
         "W",
         {.SPI1 = "N", .SPI1W = Variant(int16_t(2))},
         "SELECT [W],[N] FROM [V] WHERE [N]=2 ORDER BY [N]"},
        {"quoted text value stays",
         e3,
         "SIV",
         {.SPI1 = "K", .SPI1W = Variant("'abc'")},
         "SELECT [SIV],[ID],[K] FROM [E3] WHERE [ID] = 7 AND [K]='abc' ORDER BY [K]"},
        {"bare text value is quoted",
         e3,
         "SIV",
         {.SPI1 = "K", .SPI1W = Variant("O'Neil")},
         "SELECT [SIV],[ID],[K] FROM [E3] WHERE [ID] = 7 AND [K]='O''Neil' ORDER BY [K]"},
        {"Boolean, NULL and empty values",
         e3,
         "SIV",
         {.SPI1 = "B",
          .SPI1W = Variant(true),
          .SPI2 = "N",
          .SPI2W = Variant::null(),
          .SPI3 = "E",
          .SPI3W = Variant()},
         "SELECT [SIV],[ID],[B],[N],[E] FROM [E3] WHERE [ID] = 7 AND [B]=true AND [N]=NULL AND [E]='' "
         "ORDER BY [B],[N],[E]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(selectStatement(c.keys, c.SPV, c.sel), QString::fromUtf8(c.sql)) << c.what;
}

TEST(DatenStatement, ExtraKeyValuesBecomeLiterals) {
    DatenKeys k = keys("V", "ID", 3);
    k.ESPK[0] = "KA";
    k.ESPKW[0] = "it's";
    EXPECT_EQ(selectStatement(k, "W", {}), "SELECT [W],[ID],[KA] FROM [V] WHERE [ID] = 3 AND [KA] ='it''s'");
}

TEST(DatenStatement, NumbersUseAPointWhateverTheSeparator) {
    regionalSettings().decimalSeparator = QLatin1Char(',');
    EXPECT_EQ(selectionLiteral(Variant(1.5)), "1.5");
    EXPECT_EQ(selectionLiteral(Variant(0.1f)), "0.10000000149011612") << "the stored single, exactly";
    EXPECT_EQ(selectionLiteral(Variant(DateTime{45000.5})), "45000.5");
    EXPECT_EQ(selectionLiteral(Variant(false)), "false");
}

TEST(DatenStatement, StoredValueOfAQuotedLiteralLosesItsQuotes) {
    const struct {
        Variant in;
        Variant stored;
    } cases[] = {
        {Variant("'abc'"), Variant("abc")},
        {Variant("'it''s'"), Variant("it's")},
        {Variant("'it's'"), Variant("'it's'")}, // not a well-formed literal: kept as text
        {Variant("abc"), Variant("abc")},
        {Variant(int16_t(4)), Variant(int16_t(4))},
        {Variant(), Variant("")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(selectionStoredValue(c.in), c.stored) << c.in.toText().toStdString();
}

TEST(DatenStatement, IndexStatementsHaveTheirOwnForm) {
    const DatenKeys g0 = keys("G0", "ID", 5);
    DatenKeys keyed = withExtraKeys(keys("V", "ID", 5), 3);
    const struct {
        const char* what;
        DatenKeys keys;
        GridSelection sel;
        const char* sql;
    } cases[] = {
        {"one name",
         g0,
         {.SPI1 = "IDOBJEKT"},
         "SELECT [IDOBJEKT] FROM G0 WHERE [ID] = 5 ORDER BY [IDOBJEKT]"},
        {"two names",
         g0,
         {.SPI1 = "IDOBJEKT", .SPI1W = Variant(int16_t(11)), .SPI2 = "OX"},
         "SELECT [OX] FROM G0 WHERE [IDOBJEKT]=11 AND [ID] = 5 ORDER BY [OX]"},
        {"four names",
         g0,
         {.SPI1 = "A",
          .SPI1W = Variant(int16_t(1)),
          .SPI2 = "B",
          .SPI2W = Variant(int16_t(2)),
          .SPI3 = "C",
          .SPI3W = Variant(int16_t(3)),
          .SPI4 = "D"},
         "SELECT [D] FROM G0 WHERE [A]=1 AND [B]=2 AND [C]=3 AND [ID] = 5 ORDER BY [D]"},
        {"extra keys",
         keyed,
         {.SPI1 = "N"},
         "SELECT [N] FROM V WHERE [KA] ='x' AND [KB]='y' AND [KC]='z' AND [ID] = 5 ORDER BY [N]"},
        {"no key column", keys("E3", "", 0), {.SPI1 = "I1"}, "SELECT [I1] FROM E3 ORDER BY [I1]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(indexStatement(c.keys, c.sel), QString::fromUtf8(c.sql)) << c.what;

    try {
        indexStatement(g0, {.SPI1 = "A", .SPI2 = "B"});
        FAIL() << "a filter pair without a value";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), err::TypeMismatch);
    }
}
