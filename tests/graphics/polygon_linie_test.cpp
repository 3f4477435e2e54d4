// Clipped segments, arrowheads and direction angles of the graphic object.
#include "polygon_fixture.h"

#include "graphics/PolygonGeometry.h"

#include <array>
#include <cctype>
#include <numbers>
#include <optional>

namespace talur::test {
namespace {

constexpr double kPi = std::numbers::pi;

struct ClipCase {
    const char* name;
    double x1, y1, x2, y2;
    std::optional<std::array<double, 4>> drawn; // none: nothing drawn
};

class LinieClip : public PolygonFixture, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(LinieClip, DrawsThePartInsideTheClosedPlotBox) {
    const ClipCase& c = GetParam();
    g->LINIE(float(c.x1), float(c.y1), float(c.x2), float(c.y2), 0);
    const auto lines = of(Primitive::Kind::Line);
    if (!c.drawn) {
        EXPECT_TRUE(target.primitives().isEmpty()) << c.name;
        return;
    }
    ASSERT_EQ(lines.size(), 1) << c.name;
    const auto& e = *c.drawn;
    EXPECT_NEAR(lines[0].x1, e[0], 1e-4) << c.name;
    EXPECT_NEAR(lines[0].y1, e[1], 1e-4) << c.name;
    EXPECT_NEAR(lines[0].x2, e[2], 1e-4) << c.name;
    EXPECT_NEAR(lines[0].y2, e[3], 1e-4) << c.name;
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

// Plot box (10, 10) - (90, 70).
INSTANTIATE_TEST_SUITE_P(
    Cases, LinieClip,
    ::testing::Values(
        ClipCase{"inside", 20, 20, 30, 40, std::array<double, 4>{20, 20, 30, 40}},
        ClipCase{"inside to far right", 50, 40, 500, 40, std::array<double, 4>{50, 40, 90, 40}},
        ClipCase{"far outside to inside", 50, -400, 50, 40, std::array<double, 4>{50, 10, 50, 40}},
        ClipCase{"crossing, both ends outside", 0, 40, 100, 40, std::array<double, 4>{10, 40, 90, 40}},
        ClipCase{"diagonal through top and bottom", 0, 0, 100, 80, std::array<double, 4>{12.5, 10, 87.5, 70}},
        ClipCase{"diagonal crossing", 0, 30, 40, 0, std::array<double, 4>{10, 22.5, 26.666667, 10}},
        ClipCase{"along the left edge", 10, 0, 10, 100, std::array<double, 4>{10, 10, 10, 70}},
        ClipCase{"along the bottom edge", 20, 70, 60, 70, std::array<double, 4>{20, 70, 60, 70}},
        ClipCase{"outside left", 0, 20, 5, 60, std::nullopt},
        ClipCase{"outside, passing a corner", 0, 15, 15, 0, std::nullopt},
        ClipCase{"outside below", 20, 71, 80, 75, std::nullopt}),
    [](const auto& info) {
        std::string s = info.param.name;
        for (char& ch : s)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return s;
    });

TEST_F(PolygonFixture, LinieWithColourFillsTheRectangleOfTheClippedPiece) {
    g->LINIE(50, 40, 150, 60, 0x0000FF);
    ASSERT_EQ(of(Primitive::Kind::FilledBox).size(), 1);
    const Primitive p = of(Primitive::Kind::FilledBox)[0];
    EXPECT_NEAR(p.x1, 50, 1e-4);
    EXPECT_NEAR(p.y1, 40, 1e-4);
    EXPECT_NEAR(p.x2, 90, 1e-4);
    EXPECT_NEAR(p.y2, 48, 1e-4);
    EXPECT_EQ(p.color, 0x0000FF);
    EXPECT_TRUE(of(Primitive::Kind::Line).isEmpty());
}

TEST_F(PolygonFixture, LinieIgnoresTheScrollOffsetsOfTheMapping) {
    g->setOffsets(-30, 0);
    g->LINIE(0, 40, 100, 40, 0);
    ASSERT_EQ(of(Primitive::Kind::Line).size(), 1);
    EXPECT_NEAR(of(Primitive::Kind::Line)[0].x1, 10, 1e-4);
    EXPECT_NEAR(of(Primitive::Kind::Line)[0].x2, 90, 1e-4);
}

TEST_F(PolygonFixture, LinieWithoutTargetShowsTheStreckeBox) {
    g->setEOBJEKT(nullptr);
    g->LINIE(20, 20, 30, 30, 0);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    const DialogRecord& box = dialogs.transcript()[0];
    EXPECT_EQ(box.title, "Strecke");
    EXPECT_TRUE(box.text.startsWith("VB-Fehler: \nFehlerNr. 91\n")) << box.text.toStdString();
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
}

TEST_F(PolygonFixture, PfeilWithoutTargetShowsThePfeilBox) {
    g->setEOBJEKT(nullptr);
    g->PFEIL(20, 40, 30, 40);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, "Pfeil");
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith("VB-Fehler: 91\n"));
}

struct PfeilCase {
    const char* name;
    double x1, y1, x2, y2;
    double b1x, b1y, b2x, b2y;
};

class Pfeil : public PolygonFixture, public ::testing::WithParamInterface<PfeilCase> {};

// The closed triangle: tip to B1, tip to B2, B1 to B2.
TEST_P(Pfeil, DrawsTheTriangleOutlineOfTheHead) {
    const PfeilCase& c = GetParam();
    g->PFEIL(float(c.x1), float(c.y1), float(c.x2), float(c.y2));
    const auto lines = of(Primitive::Kind::Line);
    ASSERT_EQ(lines.size(), 3) << c.name;
    const double expected[3][4] = {
        {c.x2, c.y2, c.b1x, c.b1y}, {c.x2, c.y2, c.b2x, c.b2y}, {c.b1x, c.b1y, c.b2x, c.b2y}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(lines[i].x1, expected[i][0], 0.005) << c.name << " piece " << i;
        EXPECT_NEAR(lines[i].y1, expected[i][1], 0.005) << c.name << " piece " << i;
        EXPECT_NEAR(lines[i].x2, expected[i][2], 0.005) << c.name << " piece " << i;
        EXPECT_NEAR(lines[i].y2, expected[i][3], 0.005) << c.name << " piece " << i;
    }
}

// Lines inside the plot box, so clipping leaves them whole. 2.5 cos 15° = 2.4148, 2.5 sin 15° = 0.6470.
INSTANTIATE_TEST_SUITE_P(
    Cases, Pfeil,
    ::testing::Values(PfeilCase{"to the right", 20, 40, 30, 40, 27.5852, 39.3530, 27.5852, 40.6470},
                      PfeilCase{"to the left", 60, 40, 50, 40, 52.4148, 40.6470, 52.4148, 39.3530},
                      PfeilCase{"downward on the target", 50, 20, 50, 40, 50.6470, 37.5852, 49.3530, 37.5852},
                      // 3 mm line: head 1.5 mm, 1.5 cos 15° = 1.4489, 1.5 sin 15° = 0.3882
                      PfeilCase{"short line", 40, 40, 43, 40, 41.5511, 39.6118, 41.5511, 40.3882},
                      PfeilCase{"zero length", 40, 40, 40, 40, 40, 40, 40, 40}),
    [](const auto& info) {
        std::string s = info.param.name;
        for (char& ch : s)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return s;
    });

TEST(PolygonGeometry, BarbsOfTheReferenceArrowAndItsLength) {
    const auto b = polygon::arrowBarbs({0, 0}, {10, 0});
    EXPECT_NEAR(b.length, 2.5, 1e-12);
    EXPECT_NEAR(b.b1.x, 7.59, 0.005);
    EXPECT_NEAR(b.b2.x, 7.59, 0.005);
    EXPECT_NEAR(std::fabs(b.b1.y), 0.65, 0.005);
    EXPECT_NEAR(b.b1.y, -b.b2.y, 1e-12);
    EXPECT_NEAR(polygon::arrowBarbs({0, 0}, {3, 0}).length, 1.5, 1e-12);
    EXPECT_NEAR(polygon::arrowBarbs({0, 0}, {5, 0}).length, 2.5, 1e-12); // 2 x 2.5 is not more than 5
    EXPECT_EQ(polygon::arrowBarbs({4, 4}, {4, 4}).length, 0.0);
}

TEST_F(PolygonFixture, PfeilNearTheBoxEdgeIsClippedLikeEveryPiece) {
    g->PFEIL(50, 40, 91, 40); // tip outside the right edge
    for (const Primitive& p : of(Primitive::Kind::Line)) {
        EXPECT_LE(p.x1, 90 + 1e-9);
        EXPECT_LE(p.x2, 90 + 1e-9);
    }
}

TEST(Richtung, AnglesInAllQuadrantsAndOnTheAxes) {
    struct Case {
        double dx, dy, angle;
    };
    const Case cases[] = {{0, 0, 0},
                          {0, 2, kPi / 2},
                          {0, -2, 3 * kPi / 2},
                          {3, 0, 0},
                          {-3, 0, kPi},
                          {1, 1, kPi / 4},
                          {-1, 1, 3 * kPi / 4},
                          {-1, -1, 5 * kPi / 4},
                          {1, -1, 7 * kPi / 4},
                          {1, -1e-9, 2 * kPi - 1e-9}};
    for (const Case& c : cases) {
        const double a = clsGRAFIK::RICHTUNG(5, 7, 5 + c.dx, 7 + c.dy);
        EXPECT_NEAR(a, c.angle, 1e-9) << c.dx << ", " << c.dy;
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 2 * kPi);
    }
}

} // namespace
} // namespace talur::test
