// Markup labels: segment cutting, numeric rewrite, fonts and shifts, alignment, rotation, clipping, markers.
#include "grafik_fixture.h"
#include "graphics/Markers.h"
#include "graphics/Markup.h"

#include <cmath>

namespace talur::test {
namespace {

constexpr double kMm = 25.4 / 72.0;
// The recording target's metric for a font size in points.
double charWidth(double pt) { return 0.6 * pt * kMm; }
double height(double pt) { return 1.15 * pt * kMm; }

using Kind = MarkupSegment::Kind;

struct SegmentCase {
    const char* label;
    std::vector<std::tuple<Kind, QString, QString>> want; // kind, command, text
};

TEST(TextSegments, LabelsAreCutIntoSegments) {
    const QString sq = QString(QChar(0xB2));
    const SegmentCase cases[] = {
        {"abc", {{Kind::Plain, "", "abc"}}},
        {"{g,1}s{t,1}v", {{Kind::Command, "g", "s"}, {Kind::Plain, "", ""}, {Kind::Command, "t", "v"}}},
        {"E{t,2}s1", {{Kind::Plain, "", "E"}, {Kind::Command, "t", "s1"}}},
        {"{g,1}t{t,1}f Erstbelastung",
         {{Kind::Command, "g", "t"}, {Kind::Plain, "", ""}, {Kind::Command, "t", "f"}, {Kind::Plain, "", " Erstbelastung"}}},
        {"{g,1}s' [MN/m²]", {{Kind::Command, "g", "s"}, {Kind::Plain, "", "' [MN/m²]"}}},
        {"{t,9}ab", {{Kind::Command, "t", "ab"}}},          // a count beyond the label takes the rest
        {"a{c,178}b", {{Kind::Plain, "", "a"}, {Kind::Character, "c", sq}, {Kind::Plain, "", "b"}}},
        {"{s,1}3 Kurve", {{Kind::Marker, "s", "3"}, {Kind::Plain, "", " Kurve"}}},
        {"ab{g1}cd", {{Kind::Plain, "", "ab"}}},            // a block without "," ends the label
        {"ab{g,1cd", {{Kind::Plain, "", "ab"}}},            // so does one without "}"
        {"{x,2}abc", {{Kind::Command, "x", "ab"}, {Kind::Plain, "", "c"}}},
        {"{G,1}s", {{Kind::Command, "G", "s"}}},            // commands are case-sensitive
        {"a{g,-2}bc", {{Kind::Plain, "", "a"}, {Kind::Command, "g", ""}, {Kind::Plain, "", "bc"}}},
        {"{gh,2}ab{gt,1}c",
         {{Kind::Command, "gh", "ab"}, {Kind::Plain, "", ""}, {Kind::Command, "gt", "c"}}},
    };
    for (const SegmentCase& c : cases) {
        const QList<MarkupSegment> got = MarkupRenderer::segments(QString::fromUtf8(c.label));
        ASSERT_EQ(got.size(), static_cast<qsizetype>(c.want.size())) << c.label;
        for (qsizetype i = 0; i < got.size(); ++i) {
            const auto& [kind, command, text] = c.want[static_cast<size_t>(i)];
            EXPECT_EQ(got[i].kind, kind) << c.label << " #" << i;
            EXPECT_EQ(got[i].command, command) << c.label << " #" << i;
            EXPECT_EQ(got[i].text, text) << c.label << " #" << i;
        }
    }
    EXPECT_EQ(MarkupRenderer::segments(QStringLiteral("{s,1}3"))[0].value, 3);
    EXPECT_EQ(MarkupRenderer::segments(QStringLiteral("{c,300}"))[0].text, QString());
}

TEST(TextSegments, StrippingAndNumericRewrite) {
    const struct {
        const char* in;
        const char* stripped;
    } strips[] = {{"{g,1}s{t,1}v", "sv"}, {"{c,178}", ""}, {"a{b", "a{b"}, {"E{t,2}s1", "Es1"}, {"", ""}};
    for (const auto& s : strips)
        EXPECT_EQ(MarkupRenderer::stripMarkup(QString::fromUtf8(s.in)), QString::fromUtf8(s.stripped)) << s.in;

    regionalSettings().decimalSeparator = QLatin1Char('.');
    const struct {
        const char* in;
        const char* out;
    } rewrites[] = {{"2E+05", "2*10{h,3}+05"},
                    {"1.5E-03", "1.5*10{h,3}-03"},
                    {"3e7", "3*10{h,1}7"},
                    {"12.5", "12.5"},
                    {"E{t,2}s1", "E{t,2}s1"},
                    {"Erstbelastung", "Erstbelastung"}};
    for (const auto& r : rewrites)
        EXPECT_EQ(MarkupRenderer::rewriteNumeric(QString::fromUtf8(r.in)), QString::fromUtf8(r.out)) << r.in;
    regionalSettings().decimalSeparator = QLatin1Char(',');
    EXPECT_EQ(MarkupRenderer::rewriteNumeric(QStringLiteral("1,5E-03")), QStringLiteral("1,5*10{h,3}-03"));
}

TEST(TextSegments, StartPointFollowsAlignmentAndAngle) {
    const MarkupExtent e{10, 4};
    const struct {
        int angle, arx, ary;
        double x0, y0;
    } cases[] = {
        {0, 0, 0, 50, 40},   {0, 1, 0, 45, 40},      {0, 2, 0, 40, 40},      {0, 1, 1, 45, 38},
        {0, 2, 2, 40, 36},   {90, 1, 2, 46, 45},     {90, 0, 1, 48, 40},     {180, 2, 0, 60, 40},
        {45, 1, 2, 50 - 5 * std::sqrt(0.5) - 4 * std::sqrt(0.5), 40 + 5 * std::sqrt(0.5) - 4 * std::sqrt(0.5)},
    };
    for (const auto& c : cases) {
        const QPointF p = MarkupRenderer::startPoint(50, 40, e, c.angle, c.arx, c.ary);
        EXPECT_NEAR(p.x(), c.x0, 1e-5) << c.angle << "/" << c.arx << "/" << c.ary;
        EXPECT_NEAR(p.y(), c.y0, 1e-5) << c.angle << "/" << c.arx << "/" << c.ary;
    }
}

class TextDrawing : public GrafikFixture {
protected:
    void SetUp() override {
        GrafikFixture::SetUp();
        g = grafik();
        g->SCHRIFTEINSTELLUNGEN(QString(), 10, 0, 0, 0, 0);
        target.reset();
    }
    std::unique_ptr<clsGRAFIK> g;
};

TEST_F(TextDrawing, SigmaWithALoweredIndex) {
    g->TEXT(20, 30, QStringLiteral("{g,1}s{t,1}v"), 0, 0, 0, 0);
    const QList<Primitive> t = target.texts();
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[0].text, QStringLiteral("s"));
    EXPECT_EQ(t[0].shown, QString(QChar(0x03C3)));
    EXPECT_EQ(t[0].font.name, QStringLiteral("Symbol"));
    EXPECT_EQ(t[0].font.size, 10.0);
    EXPECT_NEAR(t[0].x1, 20, 1e-6);
    EXPECT_NEAR(t[0].y1, 30 - 0.1 * height(10), 1e-6); // raised by a tenth of the height of "g"
    EXPECT_EQ(t[1].text, QStringLiteral("v"));
    EXPECT_EQ(t[1].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(t[1].font.size, 9.0);
    EXPECT_NEAR(t[1].x1, 20 + charWidth(10), 1e-6); // directly after the sigma
    EXPECT_NEAR(t[1].y1, 30 + 0.35 * height(9), 1e-6);
    EXPECT_EQ(target.font().name, QStringLiteral("Arial")); // the target's font is back
    EXPECT_EQ(target.font().size, 10.0);
}

TEST_F(TextDrawing, AlignmentMeasuresThePlainTextInTheTargetFont) {
    g->TEXT(20, 30, QStringLiteral("{g,1}s{t,1}v"), 0, 0, 2, 2);
    const QList<Primitive> t = target.texts();
    ASSERT_EQ(t.size(), 2);
    EXPECT_NEAR(t[0].x1, 20 - 2 * charWidth(10), 1e-6); // "sv" in Arial 10
    EXPECT_NEAR(t[0].y1, 30 - height(10) - 0.1 * height(10), 1e-6);
}

TEST_F(TextDrawing, CharacterCodesAreWindows1252) {
    g->TEXT(20, 30, QStringLiteral("m{c,178}{c,128}"), 0, 0, 0, 0);
    const QList<Primitive> t = target.texts();
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[1].text, QString(QChar(0xB2)));
    EXPECT_EQ(t[1].font.name, QStringLiteral("Arial"));
    EXPECT_EQ(t[1].font.size, 10.0);
    EXPECT_NEAR(t[1].x1, 20 + charWidth(10), 1e-6);
    EXPECT_NEAR(t[1].y1, 30, 1e-6);
    EXPECT_EQ(t[2].text, QString(QChar(0x20AC)));
}

TEST_F(TextDrawing, ACodeBeyondTheCodePageIsReportedAndTheRestDrawn) {
    g->TEXT(20, 30, QStringLiteral("{c,300}ab"), 0, 0, 0, 0);
    ASSERT_EQ(dialogs.transcript().size(), 1);
    EXPECT_EQ(dialogs.transcript()[0].title, QStringLiteral("Text"));
    EXPECT_TRUE(dialogs.transcript()[0].text.startsWith(QStringLiteral("VB-Fehler: 5\n")));
    ASSERT_EQ(target.texts().size(), 1);
    EXPECT_EQ(target.texts()[0].text, QStringLiteral("ab"));
}

TEST_F(TextDrawing, NumericLabelsAreRewrittenAndHandedBack) {
    QString label = QStringLiteral("2E+05");
    g->TEXT(20, 30, label, 0, 0, 0, 0);
    EXPECT_EQ(label, QStringLiteral("2*10{h,3}+05"));
    const QList<Primitive> t = target.texts();
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[0].text, QStringLiteral("2*10"));
    EXPECT_EQ(t[1].text, QStringLiteral("+05"));
    EXPECT_EQ(t[1].font.size, 9.0);
    EXPECT_NEAR(t[1].y1, 30 - 0.25 * height(9), 1e-6);
    QString plain = QStringLiteral("12,5");
    g->TEXT(20, 30, plain, 0, 0, 0, 0);
    EXPECT_EQ(plain, QStringLiteral("12,5"));
}

TEST_F(TextDrawing, AnEmptyLabelDrawsNothing) {
    const FontSpec before = target.font();
    g->TEXT(20, 30, QString(), 1, 0, 1, 1);
    EXPECT_TRUE(target.primitives().isEmpty());
    EXPECT_EQ(target.font().size, before.size);
    EXPECT_TRUE(dialogs.transcript().isEmpty());
}

TEST_F(TextDrawing, CoordinateModes) {
    g->setEXDL(5);
    g->setEYDO(7);
    g->setOffsets(-2, -3);
    G0Zeile z;
    z.RL = 10;
    z.RO = 10;
    z.XMIN = -1; // decimal logarithms on a logarithmic axis
    z.XMAX = 2;
    z.YMIN = 0;
    z.YMAX = 50;
    z.MX = 0.1f;
    z.MY = 1;
    g->setZeile(z);
    g->setESKTX(1);
    const struct {
        int16_t ko;
        float x, y;
        double wantX, wantY;
    } cases[] = {
        {0, 30, 40, 30, 40},                              // target millimetres
        {2, 30, 40, 30 + 5 - 2, 40 + 7 - 3},              // from the drawing area's corner, scrolled
        {1, 10, 25, 5 - 2 + 10 + (1 - -1) / 0.1, 7 - 3 + 10 + 25}, // world, x on the logarithmic axis
    };
    for (const auto& c : cases) {
        target.reset();
        g->TEXT(c.x, c.y, QStringLiteral("A"), c.ko, 0, 0, 0);
        ASSERT_EQ(target.texts().size(), 1) << c.ko;
        EXPECT_NEAR(target.texts()[0].x1, c.wantX, 1e-4) << c.ko;
        EXPECT_NEAR(target.texts()[0].y1, c.wantY, 1e-4) << c.ko;
    }
}

TEST_F(TextDrawing, WorldLabelsAreClippedToTheWidenedPlotBox) {
    G0Zeile z;
    z.RL = 10;
    z.RR = 10;
    z.RO = 10;
    z.RU = 10;
    z.XMIN = 0;
    z.XMAX = 80;
    z.YMIN = 0;
    z.YMAX = 60;
    z.MX = 1;
    z.MY = 1;
    g->setZeile(z);
    // Plot box x from 10 to 90; "ABCD" is 4 characters wide, centred: the anchor must stay more than
    // half its width inside the box widened by 1 mm.
    const double limit = 90 + 1 - 2 * charWidth(10);
    const struct {
        float x;
        bool drawn;
    } cases[] = {{static_cast<float>(limit - 10 - 0.05), true},
                 {static_cast<float>(limit - 10 + 0.05), false},
                 {40, true},
                 {-1.5f, false}};
    for (const auto& c : cases) {
        target.reset();
        g->TEXT(c.x, 30, QStringLiteral("ABCD"), 1, 0, 1, 1);
        EXPECT_EQ(!target.texts().isEmpty(), c.drawn) << c.x;
    }
    // Other coordinate modes are never clipped.
    target.reset();
    g->TEXT(99, 79, QStringLiteral("ABCD"), 0, 0, 1, 1);
    EXPECT_EQ(target.texts().size(), 1);
}

TEST_F(TextDrawing, UpwardLabelLiesLeftOfItsAnchor) {
    g->TEXT(50, 40, QStringLiteral("AB"), 0, 90, 1, 2);
    const QList<Primitive> t = target.texts();
    ASSERT_EQ(t.size(), 1);
    EXPECT_EQ(t[0].angle, 90.0);
    EXPECT_NEAR(t[0].x1, 50 - height(10), 1e-6);
    EXPECT_NEAR(t[0].y1, 40 + charWidth(10), 1e-6); // starts below the anchor, reads upward
}

TEST_F(TextDrawing, RotatedSegmentsShiftAcrossTheLine) {
    g->TEXT(50, 40, QStringLiteral("{g,1}s{t,1}v"), 0, 90, 0, 0);
    const QList<Primitive> t = target.texts();
    ASSERT_EQ(t.size(), 2);
    EXPECT_NEAR(t[0].x1, 50 - 0.1 * height(10), 1e-6);
    EXPECT_NEAR(t[0].y1, 40, 1e-6);
    EXPECT_NEAR(t[1].x1, 50 + 0.35 * height(9), 1e-6);
    EXPECT_NEAR(t[1].y1, 40 - charWidth(10), 1e-6);
    EXPECT_EQ(t[1].angle, 90.0);
}

TEST_F(TextDrawing, MarkerCommandDrawsTheSymbolAndAdvancesByItsDigits) {
    target.setForeColor(0xFF);
    g->TEXT(20, 30, QStringLiteral("{s,1}3 Kurve"), 0, 0, 0, 0);
    const QList<Primitive> c = target.primitives(Primitive::Kind::Circle);
    ASSERT_EQ(c.size(), 1);
    EXPECT_NEAR(c[0].x1, 20 + 0.5, 1e-6);
    EXPECT_NEAR(c[0].y1, 30 + 0.5 * height(10), 1e-6); // the centre line of "s"
    EXPECT_NEAR(c[0].radius, 0.7, 1e-9);
    EXPECT_EQ(c[0].fillStyle, 0);
    EXPECT_EQ(c[0].fillColor, 0xFF);
    EXPECT_EQ(target.fillStyle(), 1);
    EXPECT_EQ(target.fillColor(), 0xFFFFFF);
    ASSERT_EQ(target.texts().size(), 1);
    EXPECT_NEAR(target.texts()[0].x1, 20 + charWidth(10), 1e-6);
}

struct MarkerCase {
    int number;
    std::vector<Primitive::Kind> kinds;
};

TEST(TextMarkers, EachSymbolHasItsShape) {
    using K = Primitive::Kind;
    const MarkerCase cases[] = {
        {0, {K::Line, K::Line, K::Line, K::Line}},
        {1, {K::FilledBox}},
        {2, {K::Box}},
        {3, {K::Circle}},
        {4, {K::Circle}},
        {5, {K::Line, K::Line, K::Line}},
        {6, {K::Line, K::Line, K::Line, K::Line, K::Line, K::Line}},
        {7, {}},
        {-1, {}},
    };
    for (const MarkerCase& c : cases) {
        RecordingTarget t;
        drawMarker(t, c.number, 10, 20);
        ASSERT_EQ(t.primitives().size(), static_cast<qsizetype>(c.kinds.size())) << c.number;
        for (size_t i = 0; i < c.kinds.size(); ++i)
            EXPECT_EQ(t.primitives()[static_cast<qsizetype>(i)].kind, c.kinds[i]) << c.number;
    }
    RecordingTarget t;
    drawMarker(t, 1, 10, 20);
    const Primitive sq = t.primitives()[0];
    EXPECT_DOUBLE_EQ(sq.x1, 9.5);
    EXPECT_DOUBLE_EQ(sq.y1, 19.5);
    EXPECT_DOUBLE_EQ(sq.x2, 10.5);
    EXPECT_DOUBLE_EQ(sq.y2, 20.5);
    t.reset();
    drawMarker(t, 5, 10, 20);
    EXPECT_DOUBLE_EQ(t.primitives()[0].y1, 20.33);
    EXPECT_DOUBLE_EQ(t.primitives()[1].y2, 20 - 0.67);
    t.reset();
    drawMarker(t, 6, 10, 20);
    EXPECT_DOUBLE_EQ(t.primitives()[4].x1, 9.25);
    EXPECT_DOUBLE_EQ(t.primitives()[4].x2, 10.75);
    t.reset();
    t.setForeColor(0x00FF00);
    drawMarker(t, 3, 10, 20, 0);
    EXPECT_EQ(t.primitives()[0].fillColor, 0x00FF00);
    EXPECT_EQ(t.fillColor(), 0); // tables leave black
}

} // namespace
} // namespace talur::test
