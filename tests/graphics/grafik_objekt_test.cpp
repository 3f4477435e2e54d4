// The graphic object: creation, target measuring, list resets, line and font settings, coordinate mapping.
#include "grafik_fixture.h"

#include <cmath>

namespace talur::test {
namespace {

using GrafikObjekt = GrafikFixture;

TEST_F(GrafikObjekt, TakesTheFirstActiveRecordOrZero) {
    EXPECT_EQ(clsGRAFIK(context).EID(), 0);
    addRecord(7, false);
    EXPECT_EQ(clsGRAFIK(context).EID(), 0);
    addRecord(70000, true); // keys beyond 16 bits stay whole
    EXPECT_EQ(clsGRAFIK(context).EID(), 70000);
}

TEST_F(GrafikObjekt, DefaultsBeforeATargetIsAssigned) {
    clsGRAFIK g(context);
    EXPECT_EQ(g.EIDOBJEKT(), 11);
    EXPECT_EQ(g.EOBJEKT(), nullptr);
    EXPECT_EQ(g.EXBALKEN(), nullptr);
    EXPECT_EQ(g.EAXEX(), 1);
    EXPECT_EQ(g.EAXEY(), 1);
    EXPECT_EQ(g.ESKZX(), QStringLiteral("####0"));
    EXPECT_EQ(g.ESKZY(), QStringLiteral("####0"));
    EXPECT_EQ(g.EBOXMAX(), 0);
    EXPECT_EQ(g.EXYIT(), 0);
    EXPECT_EQ(g.EPTYP(), 0);
}

TEST_F(GrafikObjekt, AssigningAPictureOfTwipsMeasuresItInMillimetres) {
    RecordingTarget pic = RecordingTarget::fromTwips(3945, 2265, 4.0);
    clsGRAFIK g(context);
    g.setEOBJEKT(&pic);
    EXPECT_NEAR(g.ELX(), 69.58, 0.005);
    EXPECT_NEAR(g.ELY(), 39.95, 0.005);
    ASSERT_EQ(g.ELXMIN().size(), 2u);
    EXPECT_EQ(g.ELXMIN()[0], 0.0);
    EXPECT_NEAR(g.ELXMIN()[1], 69.58, 0.005);
    EXPECT_EQ(g.ELXDIFF().size(), 1u);
    EXPECT_EQ(g.ELXIT(), std::vector<int>{1});
    EXPECT_EQ(g.ELXGIT(), std::vector<int>{0});
    EXPECT_EQ(g.ELXZL(), std::vector<int>{0});
    EXPECT_NEAR(g.ELYMIN()[1], 39.95, 0.005);
    EXPECT_NEAR(g.pixelsPerUnitX(), 4.0, 0.01);
    // The default font: Arial 8, regular, black.
    EXPECT_EQ(pic.font().name, QStringLiteral("Arial"));
    EXPECT_EQ(pic.font().size, 8.0);
    EXPECT_FALSE(pic.font().bold);
    EXPECT_EQ(pic.foreColor(), 0);
}

TEST_F(GrafikObjekt, AssigningASizeResetsThatAxisListsOnly) {
    auto g = grafik();
    g->setELXMIN({0, 1, 2});
    g->setELYIT({3, 4});
    g->setELX(50);
    EXPECT_EQ(g->ELXMIN(), (std::vector<double>{0, 50}));
    EXPECT_EQ(g->ELXDIFF(), std::vector<double>{50});
    EXPECT_EQ(g->ELYIT(), (std::vector<int>{3, 4}));
    g->setELY(20);
    EXPECT_EQ(g->ELYIT(), std::vector<int>{1});
    EXPECT_EQ(g->ELYMIN(), (std::vector<double>{0, 20}));
}

TEST_F(GrafikObjekt, AGridListAlsoBecomesTheLabelList) {
    auto g = grafik();
    g->setELXZL({2, 2});
    g->setELXGIT({1, 1});
    EXPECT_EQ(g->ELXZL(), (std::vector<int>{1, 1}));
    g->setELXZL({5, 5});
    EXPECT_EQ(g->ELXGIT(), (std::vector<int>{1, 1}));
    EXPECT_EQ(g->ELXZL(), (std::vector<int>{5, 5}));
    g->setELYGIT({3});
    EXPECT_EQ(g->ELYZL(), std::vector<int>{3});
}

TEST_F(GrafikObjekt, EqualScaleFlagIsRoundedFromASingle) {
    auto g = grafik();
    const struct {
        float in;
        int16_t out;
    } cases[] = {{1.4f, 1}, {1.5f, 2}, {2.5f, 2}, {0.5f, 0}, {-1.0f, -1}};
    for (const auto& c : cases) {
        g->setEXYIT(c.in);
        EXPECT_EQ(g->EXYIT(), c.out) << c.in;
    }
}

TEST_F(GrafikObjekt, LineSettingsSetPenStyleWidthModeAndColour) {
    RecordingTarget pic(100, 100, 4.0); // 4 pixels per millimetre
    clsGRAFIK g(context);
    g.setEOBJEKT(&pic);
    const struct {
        int16_t style;
        float width;
        ColorRef colour;
        int wantWidth;
        ColorRef wantColour;
    } cases[] = {
        {0, 0.0f, 0, 1, 0},      // solid black one pixel
        {1, 0.5f, 255, 2, 255},  // 0.5 mm at 4 px/mm
        {2, 0.3f, 0xFF00, 1, 0xFF00}, // 1.2 px rounds to 1
        {0, 0.1f, 0, 1, 0},      // narrower than half a pixel still draws one pixel
        {0, 1.0f, 0xFF0000, 4, 0xFF0000},
    };
    for (const auto& c : cases) {
        pic.setDrawMode(7);
        g.LINIENEINSTELLUNGEN(c.style, c.width, c.colour);
        EXPECT_EQ(pic.drawStyle(), c.style);
        EXPECT_EQ(pic.drawWidth(), c.wantWidth) << c.width;
        EXPECT_EQ(pic.drawMode(), 13);
        EXPECT_EQ(pic.foreColor(), c.wantColour);
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(GrafikObjekt, FontSettingsBuildTheSixSlots) {
    auto g = grafik();
    g->SCHRIFTEINSTELLUNGEN(QString(), 10, 0, 0, 0, 0);
    const FontSlots& s = g->schriften();
    const struct {
        int slot;
        const char* name;
        double size;
    } want[] = {{1, "Arial", 10}, {2, "Arial", 10}, {3, "Symbol", 10}, {4, "Arial", 9}, {5, "Symbol", 9}};
    for (const auto& w : want) {
        ASSERT_TRUE(s.has(w.slot));
        EXPECT_EQ(s.at(w.slot).name, QString::fromLatin1(w.name)) << w.slot;
        EXPECT_EQ(s.at(w.slot).size, w.size) << w.slot;
    }
    EXPECT_FALSE(s.has(0)); // slot 0 is filled only while a text is drawn
    EXPECT_EQ(target.font().size, 10.0);
}

TEST_F(GrafikObjekt, SmallFontSizesRoundToWholePoints) {
    const struct {
        int16_t size;
        double small;
    } cases[] = {{0, 7}, {-3, 7}, {8, 7}, {10, 9}, {12, 10}, {14, 12}, {7, 6}, {20, 17}};
    auto g = grafik();
    for (const auto& c : cases) {
        g->SCHRIFTEINSTELLUNGEN(QStringLiteral("Times"), c.size, -1, -1, -1, 0xFF);
        EXPECT_EQ(g->schriften().at(4).size, c.small) << c.size;
        EXPECT_EQ(g->schriften().at(4).name, QStringLiteral("Times"));
        EXPECT_TRUE(g->schriften().at(5).bold);
        EXPECT_TRUE(g->schriften().at(5).italic);
        EXPECT_TRUE(g->schriften().at(2).underline);
        EXPECT_EQ(target.foreColor(), 0xFF);
    }
    g->SCHRIFTEINSTELLUNGEN(QString(), 8, 0, 0, 0, -5);
    EXPECT_EQ(target.foreColor(), 0); // a negative colour is black
    EXPECT_FALSE(g->schriften().at(1).bold);
}

TEST_F(GrafikObjekt, SettingsWithoutATargetReportWithTheirTitles) {
    clsGRAFIK g(context);
    g.SCHRIFTEINSTELLUNGEN(QString(), 10, 0, 0, 0, 0);
    g.LINIENEINSTELLUNGEN(0, 0, 0);
    ASSERT_EQ(dialogs.transcript().size(), 2);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Schrifteinstellungen"));
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith(QStringLiteral("VB-Fehler:91\n")));
    EXPECT_EQ(dialogs.transcript()[1].title, QStringLiteral("Linieneinstellungen"));
    EXPECT_TRUE(dialogs.transcript()[1].text.startsWith(QStringLiteral("VB-Fehler: 91\n")));
    EXPECT_EQ(dialogs.transcript()[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dialogs.transcript()[1].buttons, MsgButtons::OkCancel);
}

G0Zeile zeile(int16_t ox, int16_t oy) {
    G0Zeile z;
    z.OX = ox;
    z.OY = oy;
    z.RL = 10;
    z.RR = 5;
    z.RO = 8;
    z.RU = 6;
    z.XMIN = 2;
    z.XMAX = 12;
    z.YMIN = -1;
    z.YMAX = 3;
    z.MX = 0.25f;
    z.MY = 0.1f;
    return z;
}

TEST_F(GrafikObjekt, MappingAndInverseRoundTripInEveryOrientation) {
    auto g = grafik();
    g->setEXDL(3);
    g->setEYDO(4);
    g->setOffsets(-2, 1.5f);
    const int16_t orientations[] = {1, -1, 0};
    const float points[][2] = {{2, -1}, {12, 3}, {7.5f, 0.25f}, {-4, 9}};
    for (int16_t ox : orientations)
        for (int16_t oy : orientations) {
            g->setZeile(zeile(ox, oy));
            for (const auto& p : points) {
                float xp = 0, yp = 0, x = 0, y = 0;
                g->KOORDTRANS(p[0], p[1], xp, yp);
                g->KOORDTRANSINV(xp, yp, x, y, 0, 0);
                EXPECT_NEAR(x, p[0], 1e-4) << ox << "/" << oy;
                EXPECT_NEAR(y, p[1], 1e-4) << ox << "/" << oy;
            }
        }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(GrafikObjekt, MappingPutsTheBoundsOnThePlotBoxEdges) {
    auto g = grafik();
    g->setEXDL(3);
    g->setEYDO(4);
    const struct {
        int16_t ox, oy;
        float xminAt, xmaxAt, yminAt, ymaxAt;
    } cases[] = {
        // plot box: x from 3 + 10 = 13 over 10 / 0.25 = 40 mm; y from 4 + 8 = 12 over 4 / 0.1 = 40 mm
        {1, 1, 13, 53, 52, 12},
        {-1, -1, 53, 13, 12, 52},
    };
    for (const auto& c : cases) {
        g->setZeile(zeile(c.ox, c.oy));
        float xp = 0, yp = 0;
        g->KOORDTRANS(2, -1, xp, yp);
        EXPECT_NEAR(xp, c.xminAt, 1e-4);
        EXPECT_NEAR(yp, c.yminAt, 1e-4);
        g->KOORDTRANS(12, 3, xp, yp);
        EXPECT_NEAR(xp, c.xmaxAt, 1e-4);
        EXPECT_NEAR(yp, c.ymaxAt, 1e-4);
    }
}

TEST_F(GrafikObjekt, InverseRaisesLogarithmicAxesToThePowerOfTen) {
    auto g = grafik();
    G0Zeile z = zeile(1, 1);
    z.XMIN = -1;
    z.XMAX = 2;
    g->setZeile(z);
    float xp = 0, yp = 0, x = 0, y = 0;
    g->KOORDTRANS(static_cast<float>(std::log10(50.0)), 2, xp, yp);
    g->KOORDTRANSINV(xp, yp, x, y, 1, 0);
    EXPECT_NEAR(x, 50.0, 1e-3);
    EXPECT_NEAR(y, 2.0, 1e-5);
    g->KOORDTRANSINV(xp, yp, x, y, 0, 1);
    EXPECT_NEAR(y, 100.0, 1e-3);
}

TEST_F(GrafikObjekt, AZeroScaleReportsAndLeavesTheCoordinateUnchanged) {
    auto g = grafik();
    G0Zeile z = zeile(1, 1);
    z.MX = 0;
    g->setZeile(z);
    float xp = 123, yp = 0;
    g->KOORDTRANS(5, 3, xp, yp);
    EXPECT_EQ(xp, 123.0f);
    EXPECT_NEAR(yp, 8.0, 1e-4); // y is still computed: top of the plot box
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Koordinatentransformation"));
    EXPECT_EQ(dialogs.transcript()[0].text, QStringLiteral("VB-Fehler: 11\nDivision durch Null"));
}

TEST_F(GrafikObjekt, CancelInTheMappingBoxSkipsTheRest) {
    auto g = grafik();
    G0Zeile z = zeile(1, 1);
    z.MX = 0;
    g->setZeile(z);
    dialogs.queueAnswer(MsgAnswer::Cancel);
    float xp = 1, yp = 1;
    g->KOORDTRANS(5, 3, xp, yp);
    EXPECT_EQ(xp, 1.0f);
    EXPECT_EQ(yp, 1.0f);
}

TEST_F(GrafikObjekt, InverseOverflowIsReportedUnderItsOwnTitle) {
    auto g = grafik();
    g->setZeile(zeile(1, 1));
    float x = 0, y = 0;
    g->KOORDTRANSINV(1e6f, 20, x, y, 1, 0);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Inverse Koordinatentransformation"));
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith(QStringLiteral("VB-Fehler: 6\n")));
}

TEST_F(GrafikObjekt, PlotBoxLeavesTheMarginsWithoutScrollOffsets) {
    auto g = grafik();
    g->setEXDL(3);
    g->setEYDO(4);
    g->setOffsets(-7, -7);
    g->setZeile(zeile(1, 1));
    const QRectF box = g->plotBox();
    EXPECT_DOUBLE_EQ(box.left(), 13);
    EXPECT_DOUBLE_EQ(box.top(), 12);
    EXPECT_DOUBLE_EQ(box.right(), 3 + 100 - 5);
    EXPECT_DOUBLE_EQ(box.bottom(), 4 + 80 - 6);
}

} // namespace
} // namespace talur::test
