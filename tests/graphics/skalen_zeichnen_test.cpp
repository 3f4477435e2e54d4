// The scale routine over the settings row: bounds stored back, scale derived, axes, ticks, grid lines,
// labels, titles, scroll bars and the data errors.
#include "grafik_fixture.h"

#include <QScrollBar>
#include <cmath>

namespace talur::test {
namespace {

constexpr double kMm = 25.4 / 72.0;

class Skalen : public GrafikFixture {
protected:
    void SetUp() override {
        GrafikFixture::SetUp();
        addRecord(1, true);
    }
    // The x lists of picture 11.
    static void bild11X(clsGRAFIK& g) {
        g.setELXMIN({0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10});
        g.setELXDIFF({0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10});
        g.setELXIT({2, 4, 3, 4, 5, 4, 4, 3, 4, 5});
        g.setELXGIT({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
        g.setELXZL({2, 4, 3, 4, 5, 4, 4, 3, 4, 5});
        g.setESKZX(QStringLiteral("#0.0"));
    }
    static void simpleY(clsGRAFIK& g) {
        g.setELYMIN({0, 1, 2, 5, 10});
        g.setELYDIFF({1, 2, 5, 10});
        g.setELYIT({2, 4, 5, 5});
        g.setELYGIT({1, 2, 5, 1});
        g.setESKZY(QStringLiteral("#0"));
    }
    QList<Primitive> linesWhere(const std::function<bool(const Primitive&)>& pred) const {
        QList<Primitive> out;
        for (const Primitive& p : target.lines())
            if (pred(p))
                out.append(p);
        return out;
    }
    QStringList textsOf(double angle) const {
        QStringList out;
        for (const Primitive& p : target.texts())
            if (p.angle == angle)
                out << p.text;
        return out;
    }
};

TEST_F(Skalen, Picture11XAxisWithDataMaximum27) {
    addG0(1, 11, G0Werte{});
    auto g = grafik();
    bild11X(*g);
    g->setEBOXMAX(-1);
    g->setEAXEY(0);
    g->setETEXTX(QStringLiteral("{g,1}s' [MN/m²]"));
    g->SKALEN(-1, std::vector<float>{0.5f, 2.7f, 1.3f}, std::vector<float>{0, 0, 0});
    EXPECT_TRUE(dialogs.transcript().isEmpty()) << boxTexts().join(QStringLiteral(" | ")).toStdString();

    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMAX"))), 4.0f);
    const float mx = 4.0f / (100.0f - 10.0f - 4.5f);
    EXPECT_NEAR(g0(1, 11, QStringLiteral("MX")), mx, 1e-6);
    EXPECT_EQ(g->xTeilung().N, 4);

    const double bottom = 80 - 4;
    // Axis line along the bottom of the plot box.
    const Primitive axis = target.lines().first();
    EXPECT_NEAR(axis.x1, 10, 1e-4);
    EXPECT_NEAR(axis.x2, 95.5, 1e-4);
    EXPECT_NEAR(axis.y1, bottom, 1e-4);
    // Five ticks of 1.5 mm pointing down, one world unit apart.
    const QList<Primitive> ticks =
        linesWhere([](const Primitive& p) { return p.x1 == p.x2 && std::fabs(p.y2 - p.y1 - 1.5) < 1e-4; });
    ASSERT_EQ(ticks.size(), 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(ticks[k].x1, 10 + k / mx, 1e-3);
    // Grid lines across the plot box only at 0 and 4.
    const QList<Primitive> grid =
        linesWhere([](const Primitive& p) { return p.x1 == p.x2 && std::fabs(p.y2 - p.y1) > 10; });
    ASSERT_EQ(grid.size(), 2);
    EXPECT_NEAR(grid[0].x1, 10, 1e-3);
    EXPECT_NEAR(grid[1].x1, 95.5, 1e-3);
    EXPECT_NEAR(grid[0].y1, bottom, 1e-4);
    EXPECT_NEAR(grid[0].y2, 10, 1e-4);
    // Every tick labelled, centred below the tick, then the title 6 mm below the axis.
    const QList<Primitive> texts = target.texts();
    QStringList labels;
    for (int i = 0; i < 5; ++i)
        labels << texts[i].text;
    EXPECT_EQ(labels, (QStringList{"0,0", "1,0", "2,0", "3,0", "4,0"}));
    const double w3 = 3 * 0.6 * 8 * kMm;
    EXPECT_NEAR(texts[1].x1, 10 + 1 / mx - w3 / 2, 1e-3);
    EXPECT_NEAR(texts[1].y1, bottom + 2, 1e-4);
    EXPECT_EQ(texts[5].text, QStringLiteral("s"));
    EXPECT_EQ(texts[5].font.name, QStringLiteral("Symbol"));
    EXPECT_NEAR(texts[5].y1, bottom + 6 - 0.1 * 1.15 * 8 * kMm, 1e-4);
}

struct XAchseCase {
    int16_t eaxex, oy;
    double lineY;
    int dir;
};

TEST_F(Skalen, XAxisPlacementFollowsTheTable) {
    const XAchseCase cases[] = {{1, 1, 76, 1},  {1, -1, 76, 1},  {-1, 1, 10, -1}, {-1, -1, 10, -1},
                                {3, 1, 79, 1},  {3, -1, 79, 1},  {-3, 1, 7, -1},  {-3, -1, 7, -1}};
    for (const XAchseCase& c : cases) {
        context.cnnX.execute(QStringLiteral("DELETE FROM [G0]"));
        G0Werte w;
        w.OY = c.oy;
        addG0(1, 11, w);
        auto g = grafik();
        bild11X(*g);
        simpleY(*g);
        g->setEBOXMAX(-1);
        g->setEBOYMAX(-1);
        g->setEAXEY(0);
        g->setEAXEX(c.eaxex);
        target.reset();
        g->SKALEN(-1, std::vector<float>{2.7f}, std::vector<float>{4.0f});
        ASSERT_GE(target.lines().size(), 2) << c.eaxex << "/" << c.oy;
        const Primitive axis = target.lines()[0];
        const Primitive tick = target.lines()[1];
        EXPECT_NEAR(axis.y1, c.lineY, 1e-3) << c.eaxex << "/" << c.oy;
        EXPECT_NEAR(tick.y1, c.lineY, 1e-3) << c.eaxex << "/" << c.oy;
        EXPECT_NEAR(tick.y2 - tick.y1, 1.5 * c.dir, 1e-4) << c.eaxex << "/" << c.oy;
        // Labels below the axis hang from their anchor, labels above stand on it.
        const Primitive label = target.texts()[0];
        const double h = 1.15 * 8 * kMm;
        EXPECT_NEAR(label.y1, c.dir > 0 ? c.lineY + 2 : c.lineY - 2 - h, 1e-3) << c.eaxex << "/" << c.oy;
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

struct YAchseCase {
    int16_t eaxey, ox;
    double lineX;
    int dir;
};

TEST_F(Skalen, YAxisPlacementFollowsTheTableWithUprightLabels) {
    const YAchseCase cases[] = {{1, 1, 10, -1},  {1, -1, 10, -1},  {-1, 1, 95.5, 1}, {-1, -1, 95.5, 1},
                                {2, 1, 8, -1},   {2, -1, 8, -1},   {-2, 1, 97.5, 1}, {-2, -1, 97.5, 1}};
    for (const YAchseCase& c : cases) {
        context.cnnX.execute(QStringLiteral("DELETE FROM [G0]"));
        G0Werte w;
        w.OX = c.ox;
        addG0(1, 11, w);
        auto g = grafik();
        bild11X(*g);
        simpleY(*g);
        g->setEBOXMAX(-1);
        g->setEBOYMAX(-1);
        g->setEAXEX(0);
        g->setEAXEY(c.eaxey);
        g->setETEXTY(QStringLiteral("Tiefe"));
        target.reset();
        g->SKALEN(-1, std::vector<float>{2.7f}, std::vector<float>{4.0f});
        const Primitive axis = target.lines()[0];
        const Primitive tick = target.lines()[1];
        EXPECT_NEAR(axis.x1, c.lineX, 1e-3) << c.eaxey << "/" << c.ox;
        EXPECT_NEAR(axis.y1, 76, 1e-3);
        EXPECT_NEAR(axis.y2, 10, 1e-3);
        EXPECT_NEAR(tick.x2 - tick.x1, 1.5 * c.dir, 1e-4) << c.eaxey << "/" << c.ox;
        const QList<Primitive> texts = target.texts();
        ASSERT_FALSE(texts.isEmpty());
        for (const Primitive& t : texts)
            EXPECT_EQ(t.angle, 90.0);
        const Primitive title = texts.last();
        EXPECT_EQ(title.text, QStringLiteral("Tiefe"));
        // Y: 0..5 in 5 intervals, 5 labels apart by 1; Z > 1 puts the title 6 mm out.
        const double h = 1.15 * 8 * kMm;
        const double want = c.dir < 0 ? c.lineX - 6 - h : c.lineX + 6;
        EXPECT_NEAR(title.x1, want, 1e-3) << c.eaxey << "/" << c.ox;
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(Skalen, GridStepRoundingToZeroDrawsOnlyTheFirst) {
    addG0(1, 11, G0Werte{});
    auto g = grafik();
    g->setELXMIN({0, 10});
    g->setELXDIFF({10});
    g->setELXIT({2});
    g->setELXGIT({5}); // 2 / 5 rounds to 0
    g->setELXZL({4});  // 2 / 4 = 0.5 rounds to 0 as well (halves to even)
    g->setEAXEY(0);
    g->setEBOXMAX(-1);
    g->SKALEN(-1, std::vector<float>{7.0f}, std::vector<float>{0.0f});
    const QList<Primitive> grid =
        linesWhere([](const Primitive& p) { return p.x1 == p.x2 && std::fabs(p.y2 - p.y1) > 10; });
    ASSERT_EQ(grid.size(), 1);
    EXPECT_NEAR(grid[0].x1, 10, 1e-4);
    EXPECT_EQ(textsOf(0).first(), QStringLiteral("0"));
    EXPECT_EQ(target.texts().size(), 1); // one label; the empty title draws nothing
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(Skalen, PassesOneAndTwoWidenTheStoredBoundsAndTheDrawingCallDrawsOnce) {
    addG0(1, 11, G0Werte{});
    auto g = grafik();
    bild11X(*g);
    simpleY(*g);
    g->setEBOXMAX(-1);
    g->setEBOYMIN(-1);
    g->setEBOYMAX(-1);
    g->SKALEN(1, std::vector<float>{0.1f, 0.7f}, std::vector<float>{1.5f, 3.0f});
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMAX"))), 0.8f);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("YMIN"))), 1.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("YMAX"))), 5.0f);
    EXPECT_EQ(g0(1, 11, QStringLiteral("MX")), 0.0); // the scale waits for the drawing call
    g->SKALEN(2, std::vector<float>{0.3f, 5.5f}, std::vector<float>{0.5f, 2.0f});
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMAX"))), 6.0f);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("YMIN"))), 0.0f);
    g->SKALEN(0);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMAX"))), 6.0f);
    EXPECT_FLOAT_EQ(g->zeile().YMAX, 5.0f);
    EXPECT_NEAR(g0(1, 11, QStringLiteral("MX")), 6.0 / 85.5, 1e-6);
    // One set of axes: 0..6 in 3 intervals on x, 0..5 in 5 on y.
    const auto xTicks = linesWhere([](const Primitive& p) { return p.x1 == p.x2 && std::fabs(p.y2 - p.y1 - 1.5) < 1e-4; });
    const auto yTicks = linesWhere([](const Primitive& p) { return p.y1 == p.y2 && std::fabs(p.x2 - p.x1 + 1.5) < 1e-4; });
    EXPECT_EQ(xTicks.size(), 4);
    EXPECT_EQ(yTicks.size(), 6);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(Skalen, RequiredScaleRatioTakesTheCoarserScale) {
    G0Werte w;
    w.RL = w.RR = w.RO = w.RU = 0;
    w.XMAX = 2;
    w.YMAX = 4;
    w.MYMX = 1;
    addG0(1, 11, w);
    auto g = grafik();
    g->setELXMIN({0, 2});
    g->setELXDIFF({2});
    g->setELYMIN({0, 4});
    g->setELYDIFF({4});
    g->SKALEN(-1);
    EXPECT_FLOAT_EQ(g->zeile().MX, 0.05f);
    EXPECT_FLOAT_EQ(g->zeile().MY, 0.05f);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("MX"))), 0.05f);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("MY"))), 0.05f);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(Skalen, AStoredScaleIsKept) {
    G0Werte w;
    w.XMAX = 4;
    w.YMAX = 10;
    w.MX = 0.1;
    w.MY = 0.2;
    addG0(1, 11, w);
    auto g = grafik();
    g->setELXMIN({});
    g->setELYMIN({});
    g->SKALEN(-1);
    EXPECT_FLOAT_EQ(g->zeile().MX, 0.1f);
    EXPECT_FLOAT_EQ(g->zeile().MY, 0.2f);
    EXPECT_FLOAT_EQ(g->zeile().XMAX, 4.0f); // no list: the stored bounds stand
}

TEST_F(Skalen, EqualScalesDeriveTheYRangeFromTheX) {
    G0Werte w;
    w.RL = w.RR = w.RO = w.RU = 0;
    addG0(1, 11, w);
    auto g = grafik();
    g->setELXMIN({0, 1, 2, 4, 8});
    g->setELXDIFF({1, 2, 4, 8});
    g->setELXIT({1, 2, 4, 4});
    g->setELYMIN({0, 1, 2, 4, 8});
    g->setELYDIFF({1, 2, 4, 8});
    g->setELYIT({1, 2, 4, 4});
    g->setELXGIT({0, 0, 0, 0});
    g->setELYGIT({0, 0, 0, 0});
    g->setEBOXMAX(-1);
    g->setEXYIT(1);
    g->SKALEN(-1, std::vector<float>{3.0f}, std::vector<float>{0.0f});
    // x: 0..4 on 100 mm; y: 4 * 80 / 100 = 3.2 rounded up to the range 4.
    EXPECT_FLOAT_EQ(g->zeile().XMAX, 4.0f);
    EXPECT_FLOAT_EQ(g->zeile().YMAX, 4.0f);
    EXPECT_EQ(g->yTeilung().N, 4);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(Skalen, LogarithmicAxisKeepsLogarithmsInMemoryAndRealValuesInTheRow) {
    addG0(1, 11, G0Werte{});
    auto g = grafik();
    g->setESKTX(1);
    g->setELXMIN({0.01, 0.1, 1, 10, 100, 1000});
    g->setELXIT({1});
    g->setELXGIT({1});
    g->setESKZX(QStringLiteral("#0.00"));
    g->setEBOXMIN(-1);
    g->setEBOXMAX(-1);
    g->setEAXEY(0);
    g->SKALEN(-1, std::vector<float>{0.05f, 30.0f}, std::vector<float>{0.0f});
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMIN"))), 0.01f);
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMAX"))), 100.0f);
    EXPECT_FLOAT_EQ(g->zeile().XMIN, -2.0f);
    EXPECT_FLOAT_EQ(g->zeile().XMAX, 2.0f);
    EXPECT_EQ(textsOf(0), (QStringList{"0,01", "0,10", "1,00", "10,00", "100,00", "100,00"}));
    // With a point as decimal separator the digits stay whole; only a trailing separator would go.
    regionalSettings().decimalSeparator = QLatin1Char('.');
    target.reset();
    g->SKALEN(-1, std::vector<float>{0.05f, 30.0f}, std::vector<float>{0.0f});
    EXPECT_EQ(textsOf(0).first(), QStringLiteral("0.01"));
    regionalSettings().decimalSeparator = QLatin1Char(',');
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(Skalen, WrongDataArraysAreReported) {
    addG0(1, 11, G0Werte{});
    auto g = grafik();
    g->setEBOXMAX(-1);
    g->SKALEN(-1, Variant(2.5));
    g->SKALEN(-1, std::vector<float>{1.0f}, Variant(QStringLiteral("x")));
    ASSERT_EQ(dialogs.transcript().size(), 2);
    EXPECT_EQ(dialogs.transcript()[0].text, QStringLiteral("Datenfehler: Sie Müssen ein Single-Feld für X übergeben!"));
    EXPECT_EQ(dialogs.transcript()[1].text, QStringLiteral("Datenfehler: Sie Müssen ein Single-Feld für Y übergeben!"));
    for (const DialogRecord& r : dialogs.transcript()) {
        EXPECT_EQ(r.title, QStringLiteral("Skalen"));
        EXPECT_EQ(r.icon, MsgIcon::Exclamation);
        EXPECT_EQ(r.buttons, MsgButtons::Ok);
    }
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_EQ(g0(1, 11, QStringLiteral("XMAX")), 0.0);
}

TEST_F(Skalen, AnUnreadableSettingEndsTheRoutine) {
    addG0(1, 11, G0Werte{});
    context.cnnX.execute(QStringLiteral("UPDATE [G0] SET [RL]='abc'"));
    auto g = grafik();
    g->setEBOXMAX(-1);
    g->SKALEN(-1, std::vector<float>{3.0f});
    EXPECT_FALSE(dialogs.transcript().isEmpty());
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_EQ(g0(1, 11, QStringLiteral("XMAX")), 0.0);
}

TEST_F(Skalen, ListsTooShortReportUnderSkalenAndOkGoesOn) {
    addG0(1, 11, G0Werte{});
    auto g = grafik();
    bild11X(*g);
    g->setELXIT({2});
    g->setEBOXMAX(-1);
    g->SKALEN(-1, std::vector<float>{2.7f});
    ASSERT_FALSE(dialogs.transcript().isEmpty());
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Skalen"));
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith(QStringLiteral("VB-Fehler:9\n")));
}

TEST_F(Skalen, WithoutATargetTheBoundsAreStoredAndTheDrawingReported) {
    addG0(1, 11, G0Werte{});
    clsGRAFIK g(context);
    g.setELX(100);
    g.setELY(80);
    bild11X(g);
    g.setEBOXMAX(-1);
    g.SKALEN(-1, std::vector<float>{2.7f});
    EXPECT_FLOAT_EQ(static_cast<float>(g0(1, 11, QStringLiteral("XMAX"))), 4.0f);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Skalen"));
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith(QStringLiteral("VB-Fehler:91\n")));
}

class SkalenBalken : public Skalen {
protected:
    void SetUp() override {
        Skalen::SetUp();
        G0Werte w;
        w.XMAX = 2;
        w.YMAX = 1;
        w.MX = 0.01;  // 200 mm needed, 86.5 mm available
        w.MY = 0.1;   // 10 mm needed
        addG0(1, 11, w);
        bar.setRange(0, 10000);
        bar.setValue(5000);
    }
    QScrollBar bar;
};

TEST_F(SkalenBalken, PictureShowsTheBarAndScrollsInsteadOfDrawingAxes) {
    target.setKind(TargetKind::PictureBox);
    auto g = grafik();
    g->setELXMIN({});
    g->setELYMIN({});
    g->setEXBALKEN(&bar);
    g->SKALEN(-1);
    EXPECT_FALSE(bar.isHidden());
    EXPECT_EQ(bar.orientation(), Qt::Horizontal);
    EXPECT_EQ(bar.maximum(), 10000);
    EXPECT_EQ(bar.pageStep(), 4325);   // (1 - (200 - 86.5) / 200) * 10000
    EXPECT_EQ(bar.singleStep(), 86);   // 86.5 rounds to even
    const double px = g->pixelsPerUnitX();
    const double py = g->pixelsPerUnitY();
    EXPECT_EQ(bar.geometry(), QRect(0, static_cast<int>(std::lround(75 * py)), static_cast<int>(std::lround(95 * px)),
                                    static_cast<int>(std::lround(5 * py))));
    EXPECT_FLOAT_EQ(g->xOffset(), 0.5f * (86.5f - 200.0f));
    EXPECT_TRUE(target.primitives().isEmpty());
}

TEST_F(SkalenBalken, ADiagramThatFitsHidesTheBar) {
    target.setKind(TargetKind::PictureBox);
    context.cnnX.execute(QStringLiteral("UPDATE [G0] SET [MX]=0.1"));
    auto g = grafik();
    g->setELXMIN({});
    g->setELYMIN({});
    g->setEXBALKEN(&bar);
    bar.show();
    g->SKALEN(-1);
    EXPECT_TRUE(bar.isHidden());
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(g->xOffset(), 0.0f);
    EXPECT_FALSE(target.lines().isEmpty());
}

TEST_F(SkalenBalken, PrinterFollowsTheBarPosition) {
    target.setKind(TargetKind::Printer);
    auto g = grafik();
    g->setELXMIN({});
    g->setELYMIN({});
    g->setEXBALKEN(&bar);
    bar.hide();
    g->SKALEN(-1);
    EXPECT_FLOAT_EQ(g->xOffset(), 0.5f * (100.0f - 200.0f - 14.5f));
    EXPECT_FALSE(target.lines().isEmpty());
}

} // namespace
} // namespace talur::test
