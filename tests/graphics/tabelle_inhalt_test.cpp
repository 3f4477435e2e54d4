// Cell contents of the table object: decimal-point alignment, point symbols and column statistics.
#include "tabelle_fixture.h"

#include "graphics/TabelleLayout.h"

#include <QScrollBar>
#include <QWidget>
#include <cctype>
#include <map>

namespace talur::test {
namespace {

// ---- Decimal point --------------------------------------------------------------------------------

class TabelleDezimal : public TabelleFixture, public ::testing::WithParamInterface<QChar> {
protected:
    void SetUp() override {
        TabelleFixture::SetUp();
        regionalSettings().decimalSeparator = GetParam();
    }
    void TearDown() override { regionalSettings().decimalSeparator = QLatin1Char(','); }

    // Where the point (or the left end, without one) of a drawn cell lies.
    static double punkt(const Primitive& p) {
        const int prefix = tabelle::decimalPrefixLength(p.text, regionalSettings().decimalSeparator);
        return p.x1 + tabTextW(p.text.left(prefix));
    }
};

TEST_P(TabelleDezimal, PointsOfAColumnLineUp) {
    tab.setELSB({30, 20});
    tab.setELA({3, 3});
    tab.setELFORMAT({QStringLiteral("#0.00"), QString()});
    tab.TABELLE(kopf(2), 0);
    target.reset();
    tab.TABELLE(inhalt({{Variant(1.5), Variant(12.25), Variant(123.456), Variant("abc")},
                        {Variant("1.5"), Variant("10.25"), Variant("7"), Variant()}}),
                1);
    const auto t = target.texts();
    ASSERT_EQ(t.size(), 7);
    const QString sep(GetParam());
    EXPECT_EQ(t[0].text, "1" + sep + "50");
    EXPECT_EQ(t[2].text, "12" + sep + "25");
    // pattern "#0.00": L = 5, p = 3; the point sits 0.5 * 13.5 / 5 right of the column centre 17.5
    const double column0 = 17.5 + 0.5 * 13.5 / 5;
    for (int i : {0, 2, 4, 6})
        EXPECT_NEAR(punkt(t[i]), column0, 1e-6) << t[i].text.toStdString();
    // Without a pattern the points sit on the column centre (2.5 + 30 + 10).
    for (int i : {1, 3, 5})
        EXPECT_NEAR(punkt(t[i]), 42.5, 1e-6) << t[i].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Separators, TabelleDezimal, ::testing::Values(QChar(','), QChar('.')));

TEST(TabelleLayout, DecimalPlacementFollowsThePointInThePattern) {
    // point at the pattern's centre: no shift
    EXPECT_DOUBLE_EQ(tabelle::decimalAlignedLeft(0, 20, 2, QStringLiteral("0.0")),
                     10 - 2 - (1.5 - 2) * 8.5 / 3);
    // no point in the pattern: p = 0, the value moves left by half the usable width
    EXPECT_DOUBLE_EQ(tabelle::decimalAlignedLeft(0, 20, 0, QStringLiteral("##0")), 10 - 1.5 * 8.5 / 3);
    EXPECT_EQ(tabelle::decimalPrefixLength(QStringLiteral("12,5"), QLatin1Char(',')), 3);
    EXPECT_EQ(tabelle::decimalPrefixLength(QStringLiteral("12.5"), QLatin1Char(',')), 3);
    EXPECT_EQ(tabelle::decimalPrefixLength(QStringLiteral("125"), QLatin1Char(',')), 0);
}

// ---- Point symbols --------------------------------------------------------------------------------

TEST_F(TabelleFixture, SymbolCellsInTheirFixedColours) {
    const ColorRef linien = 0x123456;
    tab.LINIENEINSTELLUNGEN(0, 0, linien);
    tab.setELSB(20.0f);
    tab.setELFORMAT({QStringLiteral("SYMBOL")});
    tab.TABELLE(kopf(1), 0);
    target.reset();
    std::vector<Variant> werte;
    for (int i = 0; i <= 8; ++i)
        werte.emplace_back(int16_t(i));
    werte.emplace_back(QStringLiteral("-"));
    tab.TABELLE(clsTABELLE::Inhalt{werte}, 1);

    // Symbol primitives by row: rows end at 22 + r * 4.5, symbols centred 1.5 mm above that.
    std::map<int, QList<Primitive>> byRow;
    for (const Primitive& p : target.primitives()) {
        if (p.color == linien)
            continue;
        const double cy = p.kind == Primitive::Kind::Line ? p.y1
                          : (p.kind == Primitive::Kind::Box || p.kind == Primitive::Kind::FilledBox)
                              ? (p.y1 + p.y2) / 2
                              : p.y1;
        byRow[int(std::lround((cy + 1.5 - 22) / 4.5))].append(p);
    }
    struct Expect {
        Primitive::Kind kind;
        int count;
        ColorRef colour;
    };
    const Expect expected[] = {
        {Primitive::Kind::Line, 4, 0xFF0000},   {Primitive::Kind::FilledBox, 1, 0x00FF00},
        {Primitive::Kind::Box, 1, 0xFFFF00},    {Primitive::Kind::Circle, 1, 0x0000FF},
        {Primitive::Kind::Circle, 1, 0xFF00FF}, {Primitive::Kind::Line, 3, 0x00B400},
        {Primitive::Kind::Line, 6, 0xB40000},   {Primitive::Kind::Dot, 1, 0x000000}};
    for (int r = 0; r < 8; ++r) {
        const auto& ps = byRow[r];
        ASSERT_EQ(ps.size(), expected[r].count) << "symbol " << r;
        for (const Primitive& p : ps) {
            EXPECT_EQ(p.kind, expected[r].kind) << "symbol " << r;
            EXPECT_EQ(p.color, expected[r].colour) << "symbol " << r;
        }
    }
    EXPECT_EQ(byRow.count(8), 0u) << "symbol 8 draws nothing";
    EXPECT_EQ(byRow.count(9), 0u) << "a non-number draws nothing";
    // the filled circle in its own colour, the open one after it transparent over black
    EXPECT_EQ(byRow[3][0].fillStyle, 0);
    EXPECT_EQ(byRow[3][0].fillColor, 0x0000FF);
    EXPECT_EQ(byRow[4][0].fillStyle, 1);
    EXPECT_EQ(byRow[4][0].fillColor, 0);
    EXPECT_NEAR(byRow[7][0].x1, 12.5, 1e-9);
    EXPECT_NEAR(byRow[7][0].y1, 22 + 7 * 4.5 - 1.5, 1e-9);
    EXPECT_EQ(target.foreColor(), linien);
    EXPECT_TRUE(target.texts().isEmpty());
}

// ---- Statistics -----------------------------------------------------------------------------------

struct StatistikCase {
    const char* name;
    std::vector<Variant> werte;
    QStringList fuss; // mean, standard deviation, coefficient of variation
};

class TabelleStatistik : public TabelleFixture, public ::testing::WithParamInterface<StatistikCase> {};

TEST_P(TabelleStatistik, FootReceivesTheStatisticsOfTheColumn) {
    const StatistikCase& c = GetParam();
    tab.setELSB(20.0f);
    tab.setELMW({1});
    tab.setELFORMAT({QStringLiteral("#0.00")});
    tab.TABELLE(kopf(1), 0);
    tab.TABELLE(clsTABELLE::Inhalt{c.werte}, 1);
    clsTABELLE::Inhalt fuss = inhalt({{Variant("a"), Variant("b"), Variant("c")}});
    target.reset();
    tab.TABELLE(fuss, 2);
    EXPECT_EQ(texts(), c.fuss) << c.name;
    // the caller's foot content holds the values
    EXPECT_EQ(fuss[0][0].type() == Variant::Type::String, c.fuss[0] == "-") << c.name;
    EXPECT_TRUE(dialogs.transcript().isEmpty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TabelleStatistik,
    ::testing::Values(
        // mean 5, s = sqrt((232 - 8 * 25) / 7) = 2.138, v = 0.428
        StatistikCase{"eight values",
                      {Variant(2.0), Variant(4.0), Variant(4.0), Variant(4.0), Variant(5.0), Variant(5.0),
                       Variant(7.0), Variant(9.0)},
                      {"5,00", "2,14", "0,43"}},
        StatistikCase{"one value", {Variant(3.0)}, {"3,00", "0,00", "0,00"}},
        StatistikCase{"equal values", {Variant(2.5), Variant(2.5)}, {"2,50", "0,00", "0,00"}},
        StatistikCase{"numeric text", {Variant("2"), Variant(4.0)}, {"3,00", "1,41", "0,47"}},
        StatistikCase{"a zero stops the column", {Variant(1.0), Variant(0.0), Variant(2.0)}, {"-", "-", "-"}},
        StatistikCase{"text stops the column", {Variant(1.0), Variant("x"), Variant(2.0)}, {"-", "-", "-"}},
        StatistikCase{"an empty cell stops the column", {Variant(1.0), Variant()}, {"-", "-", "-"}},
        StatistikCase{"no rows", {}, {"-", "-", "-"}},
        StatistikCase{"mean zero has no coefficient", {Variant(1.0), Variant(-1.0)}, {"0,00", "1,41", "-"}}),
    [](const auto& info) {
        std::string s = info.param.name;
        for (char& ch : s)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return s;
    });

TEST_F(TabelleFixture, FootKeepsOtherCellsAndShortFootsTakeWhatFits) {
    tab.setELSB({20, 20});
    tab.setELMW({1, 0});
    tab.setELFORMAT({QStringLiteral("#0.0"), QString()});
    tab.TABELLE(kopf(2), 0);
    tab.TABELLE(inhalt({{Variant(1.0), Variant(3.0)}, {Variant(5.0), Variant(7.0)}}), 1);
    ASSERT_TRUE(tab.statistik(0).has_value());
    EXPECT_DOUBLE_EQ(tab.statistik(0)->mittel.toDouble(), 2.0);
    EXPECT_FALSE(tab.statistik(1).has_value());
    clsTABELLE::Inhalt fuss = inhalt({{Variant("Mittel")}, {Variant("x")}});
    target.reset();
    tab.TABELLE(fuss, 2);
    EXPECT_EQ(texts(), (QStringList{"2,0", "x"}));
    EXPECT_EQ(fuss[0].size(), 1u);
}

TEST_F(TabelleFixture, StatisticsCoverAllRowsNotOnlyTheScrolledWindow) {
    QWidget bild;
    QScrollBar balken(Qt::Vertical, &bild);
    tab.setEYBALKEN(&balken);
    tab.setELSB(20.0f);
    tab.setELMW({1});
    tab.TABELLE(kopf(1), 0);
    std::vector<Variant> werte;
    for (int i = 1; i <= 20; ++i)
        werte.emplace_back(double(i));
    tab.TABELLE(clsTABELLE::Inhalt{werte}, 1);
    EXPECT_EQ(tab.ELZ() - tab.EEZ(), 3); // four rows on the screen
    ASSERT_TRUE(tab.statistik(0).has_value());
    EXPECT_DOUBLE_EQ(tab.statistik(0)->mittel.toDouble(), 10.5);
}

} // namespace
} // namespace talur::test
