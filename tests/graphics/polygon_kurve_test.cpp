// Polylines of one data series: line types, markers, point numbers, labels, arrowheads, colours and
// the logarithm applied to the caller's arrays.
#include "polygon_fixture.h"

#include <cmath>

namespace talur::test {
namespace {

constexpr double kFontMm = 8.0 * 25.4 / 72.0; // the default font, Arial 8
double textW(const QString& s) {
    return 0.6 * kFontMm * s.size();
}
constexpr double kTextH = 1.15 * kFontMm;

SingleArray series(std::vector<float> v, int lower = 0) {
    return SingleArray(std::move(v), lower);
}

SingleArray evenX(int n) {
    std::vector<float> v;
    for (int i = 0; i < n; ++i)
        v.push_back(float(i));
    return series(v);
}

using Seg = std::array<double, 4>;

void expectLines(const QList<Primitive>& lines, const std::vector<Seg>& expected, const char* what) {
    ASSERT_EQ(size_t(lines.size()), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) {
        const Primitive& p = lines[qsizetype(i)];
        EXPECT_TRUE(near(p.x1, expected[i][0]) && near(p.y1, expected[i][1]) && near(p.x2, expected[i][2]) &&
                    near(p.y2, expected[i][3]))
            << what << " piece " << i << ": (" << p.x1 << ", " << p.y1 << ") - (" << p.x2 << ", " << p.y2
            << ")";
    }
}

// ---- Markers --------------------------------------------------------------------------------------

struct MarkerCase {
    int psit;
    int n;
    std::vector<int> marked;
};

class PolygonMarker : public PolygonFixture, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(PolygonMarker, MarksTheSelectedPoints) {
    const MarkerCase& c = GetParam();
    g->setEPTYP(99); // no line: only the markers are drawn
    SingleArray x = evenX(c.n);
    SingleArray y = series(std::vector<float>(size_t(c.n), 30.0f));
    polygon(x, y, c.psit, 1);
    std::vector<int> marked;
    for (const Primitive& p : of(Primitive::Kind::FilledBox)) {
        const double cx = (p.x1 + p.x2) / 2.0;
        EXPECT_NEAR(p.x2 - p.x1, 1.0, 1e-9);
        EXPECT_NEAR((p.y1 + p.y2) / 2.0, ty(30), 1e-4);
        marked.push_back(int(std::lround(cx - tx(0))));
    }
    EXPECT_EQ(marked, c.marked) << "PSIT " << c.psit << ", " << c.n << " points";
    EXPECT_TRUE(of(Primitive::Kind::Line).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, PolygonMarker,
                         ::testing::Values(MarkerCase{5, 21, {0, 5, 10, 15, 20}}, // step 20 / 4 = 5
                                           MarkerCase{5, 4, {0, 1, 2, 3}},        // 3 / 4 rounds to 1
                                           MarkerCase{3, 6, {0, 2, 4}},           // 2.5 rounds to even 2
                                           MarkerCase{3, 8, {0, 4}},              // 3.5 rounds to even 4
                                           MarkerCase{4, 6, {0, 2, 4}},           // 5 / 3 rounds to 2
                                           MarkerCase{3, 2, {0, 1}}, // 0.5 rounds to 0, taken as 1
                                           MarkerCase{2, 5, {0, 4}}, MarkerCase{2, 1, {0}},
                                           MarkerCase{1, 5, {4}}, MarkerCase{-1, 5, {0}},
                                           MarkerCase{-3, 3, {0, 1, 2}}, MarkerCase{0, 3, {}}));

TEST_F(PolygonFixture, MarkerTypesOutsideTheSymbolTableDrawNothing) {
    g->setEPTYP(99);
    SingleArray x = evenX(3);
    SingleArray y = series({10, 20, 30});
    polygon(x, y, -2, 7);
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(PolygonFixture, PointNumbersAreWrittenBesideTheSelectedPoints) {
    g->setEPTYP(99);
    SingleArray x = series({10, 20, 30});
    SingleArray y = series({10, 20, 30});
    polygon(x, y, 0, 0, 2);
    const auto texts = target.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0].text, "0");
    EXPECT_NEAR(texts[0].x1, tx(10) + 1, 1e-4);
    EXPECT_NEAR(texts[0].y1, ty(10) - 1, 1e-4);
    EXPECT_EQ(texts[1].text, "2");
    EXPECT_NEAR(texts[1].x1, tx(30) + 1, 1e-4);
    EXPECT_NEAR(texts[1].y1, ty(30) - 1, 1e-4);
}

// ---- Line types -----------------------------------------------------------------------------------

TEST_F(PolygonFixture, PolylineNeedsTwoPointsAndFollowsTheSegmentMask) {
    SingleArray x1 = series({20});
    SingleArray y1 = series({20});
    polygon(x1, y1);
    EXPECT_TRUE(of(Primitive::Kind::Line).isEmpty());

    SingleArray x = series({0, 10, 20, 30});
    SingleArray y = series({0, 10, 0, 10});
    const std::vector<int16_t> bol = {1, 0, 1};
    polygon(x, y, 0, 0, 0, {}, -1, 0, 0, &bol);
    expectLines(of(Primitive::Kind::Line), {{10, 70, 20, 60}, {30, 70, 40, 60}}, "mask 1, 0, 1");

    target.reset();
    const std::vector<int16_t> kurz = {0, 1}; // a mask shorter than the series hides the rest
    polygon(x, y, 0, 0, 0, {}, -1, 0, 0, &kurz);
    expectLines(of(Primitive::Kind::Line), {{20, 60, 30, 70}}, "short mask");
}

struct TypCase {
    const char* name;
    int typ;
    int lower; // -1: the arrays carry a base point
    std::vector<float> x, y;
    std::vector<Seg> lines;
};

class PolygonTyp : public PolygonFixture, public ::testing::WithParamInterface<TypCase> {};

TEST_P(PolygonTyp, DrawsThePiecesOfTheLineType) {
    const TypCase& c = GetParam();
    g->setEPTYP(int16_t(c.typ));
    SingleArray x = series(c.x, c.lower);
    SingleArray y = series(c.y, c.lower);
    polygon(x, y);
    expectLines(of(Primitive::Kind::Line), c.lines, c.name);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

// World (x, y) lies at (10 + x, 70 - y); the base point (XMIN, YMIN) at (10, 70).
INSTANTIATE_TEST_SUITE_P(
    Cases, PolygonTyp,
    ::testing::Values(
        TypCase{"steps in x",
                1,
                0,
                {10, 20, 30},
                {10, 30, 20},
                {{15, 70, 15, 60},
                 {15, 60, 25, 60},
                 {25, 40, 35, 40},
                 {25, 60, 25, 40},
                 {35, 40, 35, 50},
                 {35, 50, 45, 50},
                 {45, 50, 45, 70}}},
        TypCase{"steps in y",
                2,
                0,
                {10, 30, 20},
                {10, 30, 20},
                {{10, 70, 20, 70},
                 {20, 70, 20, 50},
                 {40, 50, 40, 45},
                 {20, 50, 40, 50},
                 {40, 45, 30, 45},
                 {30, 45, 30, 55},
                 {30, 55, 10, 55}}},
        TypCase{"staircase vertical first",
                4,
                0,
                {10, 20},
                {30, 40},
                {{10, 70, 10, 40}, {10, 40, 20, 40}, {20, 40, 20, 30}, {20, 30, 30, 30}, {30, 30, 30, 70}}},
        TypCase{"staircase from a base point",
                4,
                -1,
                {5, 10, 20},
                {5, 30, 40},
                {{15, 65, 15, 40}, {15, 40, 20, 40}, {20, 40, 20, 30}, {20, 30, 30, 30}, {30, 30, 30, 65}}},
        TypCase{"staircase horizontal first",
                5,
                0,
                {10, 20},
                {30, 40},
                {{10, 70, 20, 70}, {20, 70, 20, 40}, {20, 40, 30, 40}, {30, 40, 30, 30}, {30, 30, 10, 30}}},
        TypCase{"steps need two points", 1, 0, {10}, {10}, {}},
        TypCase{"unknown type draws no line", 6, 0, {10, 20}, {10, 20}, {}}),
    [](const auto& info) {
        std::string s = info.param.name;
        for (char& ch : s)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return s;
    });

TEST_F(PolygonFixture, DotsOnlyStrictlyInsideThePlotBox) {
    g->setEPTYP(3);
    // left edge, inside, right edge, bottom edge, top edge, outside
    SingleArray x = series({0, 40, 80, 40, 40, 100});
    SingleArray y = series({30, 30, 30, 0, 60, 30});
    polygon(x, y);
    const auto dots = of(Primitive::Kind::Dot);
    ASSERT_EQ(dots.size(), 1);
    EXPECT_NEAR(dots[0].x1, tx(40), 1e-4);
    EXPECT_NEAR(dots[0].y1, ty(30), 1e-4);
    EXPECT_TRUE(of(Primitive::Kind::Line).isEmpty());
}

// ---- Logarithm in the caller's arrays -------------------------------------------------------------

TEST_F(PolygonFixture, SecondCallOnALogarithmicAxisTakesTheLogarithmAgain) {
    g->setESKTX(1);
    SingleArray x = series({10, 100, 1000});
    SingleArray y = series({1, 2, 3});
    polygon(x, y);
    EXPECT_FLOAT_EQ(x[0], 1.0f);
    EXPECT_FLOAT_EQ(x[1], 2.0f);
    EXPECT_FLOAT_EQ(x[2], 3.0f);
    EXPECT_FLOAT_EQ(y[2], 3.0f); // linear y stays
    polygon(x, y);
    EXPECT_FLOAT_EQ(x[0], 0.0f);
    EXPECT_NEAR(x[1], std::log10(2.0), 1e-6);
    EXPECT_NEAR(x[2], std::log10(3.0), 1e-6);
    EXPECT_FLOAT_EQ(y[2], 3.0f);
}

TEST_F(PolygonFixture, BasePointOnALogarithmicAxisIsMappedLikeTheData) {
    g->setESKTY(1);
    g->setEPTYP(4);
    G0Zeile z = g->zeile();
    z.YMIN = 0; // lg 1
    z.YMAX = 2; // lg 100
    z.MY = 2.0f / 60.0f;
    g->setZeile(z);
    SingleArray x = series({5, 10, 20}, -1);
    SingleArray y = series({10, 10, 100}, -1);
    polygon(x, y);
    EXPECT_FLOAT_EQ(y[-1], 1.0f);
    const auto lines = of(Primitive::Kind::Line);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_NEAR(lines[0].x1, tx(5), 1e-4);
    EXPECT_NEAR(lines[0].y1, 40.0, 1e-3); // lg 10 = 1 is half-way up the 60 mm box
}

// ---- Colours --------------------------------------------------------------------------------------

TEST_F(PolygonFixture, CurveColourFromTheMarkerTypeAndRestoredAfterwards) {
    struct Case {
        int pstyp;
        int farben;
        ColorRef colour;
    };
    const ColorRef vorher = 0x123456;
    const Case cases[] = {{0, -1, 0xFF0000}, {1, -1, 0x00D700}, {2, -1, 0xFFFF00}, {3, -1, 0x0000FF},
                          {4, -1, 0xFF00FF}, {5, -1, 0x00B400}, {6, -1, 0xB40000}, {7, -1, 0x000000},
                          {8, -1, vorher},   {3, 0, vorher}};
    for (const Case& c : cases) {
        target.reset();
        target.setForeColor(vorher);
        SingleArray x = series({10, 20});
        SingleArray y = series({10, 20});
        polygon(x, y, 0, c.pstyp, 0, {}, -1, 0, c.farben);
        ASSERT_EQ(of(Primitive::Kind::Line).size(), 1);
        EXPECT_EQ(of(Primitive::Kind::Line)[0].color, c.colour)
            << "PSTYP " << c.pstyp << " FARBEN " << c.farben;
        EXPECT_EQ(target.foreColor(), vorher);
    }
}

// ---- Labels ---------------------------------------------------------------------------------------

TEST_F(PolygonFixture, LabelOnARisingSegmentAt45DegreesRunsAlongItAboveItsMiddle) {
    SingleArray x = series({20, 40}); // target (30, 50) to (50, 30)
    SingleArray y = series({20, 40});
    polygon(x, y, 0, 0, 0, QStringLiteral("Kurve"), 0);
    const auto texts = target.texts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_EQ(texts[0].angle, 45.0);
    const double a = M_PI / 4;
    const double w = textW("Kurve");
    // centred on the middle (40, 40), bottom of the text on it
    EXPECT_NEAR(texts[0].x1, 40 - w * std::cos(a) / 2 - kTextH * std::sin(a), 1e-3);
    EXPECT_NEAR(texts[0].y1, 40 + w * std::sin(a) / 2 - kTextH * std::cos(a), 1e-3);
}

struct LabelCase {
    int position;
    double anchorX, anchorY;
    int arx, ary;
    int angle;
};

class PolygonLabel : public PolygonFixture, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(PolygonLabel, AnchorAndAlignmentOfThePosition) {
    const LabelCase& c = GetParam();
    SingleArray x = series({10, 20, 30, 40}); // target x 20, 30, 40, 50
    SingleArray y = series({10, 20, 20, 30}); // target y 60, 50, 50, 40
    polygon(x, y, 0, 0, 0, QStringLiteral("L"), c.position);
    const auto texts = target.texts();
    ASSERT_EQ(texts.size(), 1) << "position " << c.position;
    const double a = c.angle * 0.017453292;
    const double w = textW("L");
    double x0 = c.anchorX - c.arx * w * std::cos(a) / 2;
    double y0 = c.anchorY + c.arx * w * std::sin(a) / 2;
    x0 -= c.ary * kTextH * std::sin(a) / 2;
    y0 -= c.ary * kTextH * std::cos(a) / 2;
    EXPECT_EQ(texts[0].angle, double(c.angle)) << "position " << c.position;
    EXPECT_NEAR(texts[0].x1, x0, 1e-3) << "position " << c.position;
    EXPECT_NEAR(texts[0].y1, y0, 1e-3) << "position " << c.position;
}

INSTANTIATE_TEST_SUITE_P(Cases, PolygonLabel,
                         ::testing::Values(LabelCase{0, 45, 45, 1, 2, 45}, LabelCase{1, 50, 40, 1, 2, 0},
                                           LabelCase{2, 50, 40, 1, 0, 0}, LabelCase{3, 52, 40, 0, 1, 0},
                                           LabelCase{4, 48, 40, 2, 1, 0}, LabelCase{5, 25, 55, 1, 2, 45},
                                           LabelCase{6, 20, 60, 1, 2, 0}, LabelCase{7, 20, 60, 1, 0, 0},
                                           LabelCase{8, 22, 60, 0, 1, 0}, LabelCase{9, 18, 60, 2, 1, 0},
                                           LabelCase{10, 35, 50, 1, 2, 0}, LabelCase{11, 48, 40, 2, 0, 0},
                                           LabelCase{12, 48, 40, 2, 2, 0}, LabelCase{13, 52, 40, 0, 0, 0},
                                           LabelCase{14, 52, 40, 0, 2, 0}));

TEST_F(PolygonFixture, SegmentLabelsNeedTwoPointsAndPositionsOutsideTheTableDrawNone) {
    for (int position : {0, 5, 10, 15, -1}) {
        target.reset();
        SingleArray x = series({20});
        SingleArray y = series({20});
        polygon(x, y, 0, 0, 0, QStringLiteral("L"), position);
        EXPECT_TRUE(target.texts().isEmpty()) << "position " << position;
    }
    SingleArray x = series({20});
    SingleArray y = series({20});
    polygon(x, y, 0, 0, 0, QStringLiteral("L"), 1);
    EXPECT_EQ(target.texts().size(), 1);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(PolygonFixture, VerticalSegmentLabelStandsUpright) {
    SingleArray x = series({20, 20});
    SingleArray y = series({10, 40});
    polygon(x, y, 0, 0, 0, QStringLiteral("L"), 0);
    ASSERT_EQ(target.texts().size(), 1);
    EXPECT_EQ(target.texts()[0].angle, 90.0);
}

// ---- Arrowheads -----------------------------------------------------------------------------------

TEST_F(PolygonFixture, ArrowheadModesPlaceHeadsAtTheRightPoints) {
    struct Case {
        int mode;
        std::vector<std::array<double, 2>> tips;
    };
    // Points at target (20, 60), (30, 50), (40, 50); each head starts with a piece from its tip.
    const Case cases[] = {{0, {}},
                          {1, {{40, 50}}},
                          {2, {{20, 60}}},
                          {3, {{40, 50}, {20, 60}}},
                          {4, {{30, 50}, {40, 50}}},
                          {5, {{20, 60}, {30, 50}}},
                          {6, {{30, 50}, {20, 60}, {40, 50}, {30, 50}}},
                          {7, {}}};
    for (const Case& c : cases) {
        target.reset();
        g->setEPTYP(99);
        SingleArray x = series({10, 20, 30});
        SingleArray y = series({10, 20, 20});
        polygon(x, y, 0, 0, 0, {}, -1, c.mode);
        const auto lines = of(Primitive::Kind::Line);
        ASSERT_EQ(size_t(lines.size()), 3 * c.tips.size()) << "mode " << c.mode;
        for (size_t i = 0; i < c.tips.size(); ++i) {
            EXPECT_NEAR(lines[qsizetype(3 * i)].x1, c.tips[i][0], 1e-4) << "mode " << c.mode << " head " << i;
            EXPECT_NEAR(lines[qsizetype(3 * i)].y1, c.tips[i][1], 1e-4) << "mode " << c.mode << " head " << i;
        }
    }
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(PolygonFixture, ArrowheadsOnASinglePointAreSkipped) {
    g->setEPTYP(99);
    SingleArray x = series({10});
    SingleArray y = series({10});
    polygon(x, y, 0, 0, 0, {}, -1, 3);
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

// ---- Failures -------------------------------------------------------------------------------------

TEST_F(PolygonFixture, ErrorsShowThePolygonBoxAndCancelLeaves) {
    g->setEOBJEKT(nullptr);
    dialogs.queueAnswer(MsgAnswer::Cancel);
    SingleArray x = series({10, 20});
    SingleArray y = series({10, 20});
    polygon(x, y);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, "Polygon");
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith("VB-Fehler: 91\n"));
}

TEST_F(PolygonFixture, ShortYArrayIsReportedAndTheColourStillRestored) {
    target.setForeColor(0x123456);
    SingleArray x = series({10, 20, 30});
    SingleArray y = series({10, 20});
    polygon(x, y, 0, 3, 0, {}, -1, 0, -1);
    ASSERT_FALSE(dialogs.transcript().isEmpty());
    EXPECT_EQ(dialogs.transcript()[0].title, "Polygon");
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith("VB-Fehler: 9\n"));
    EXPECT_EQ(target.foreColor(), 0x123456);
}

} // namespace
} // namespace talur::test
