// The recording target and the character mappings that stand in for the classic fonts.
#include "platform/draw/RecordingTarget.h"
#include "platform/draw/TextMapping.h"

#include <cmath>
#include <gtest/gtest.h>

namespace talur {
namespace {

constexpr double kMm = 25.4 / 72.0;

TEST(DrawRecording, SizesInMillimetresPixelsAndTwips) {
    const RecordingTarget t = RecordingTarget::fromTwips(3945, 2265, 4.0);
    EXPECT_NEAR(t.scaleWidth(), 69.577, 1e-3);
    EXPECT_NEAR(t.twipsWidth(), 3945, 1e-9);
    EXPECT_NEAR(t.twipsHeight(), 2265, 1e-9);
    EXPECT_EQ(t.pixelWidth(), 278);
    EXPECT_EQ(t.pixelHeight(), 160);
    RecordingTarget u(100, 50);
    u.setScale(-1, 2, 10, -5);
    EXPECT_EQ(u.scaleLeft(), -1);
    EXPECT_EQ(u.scaleHeight(), -5);
    u.setScaleMillimetres();
    EXPECT_EQ(u.scaleLeft(), 0);
    EXPECT_EQ(u.scaleWidth(), 100);
    EXPECT_EQ(u.scaleHeight(), 50);
}

TEST(DrawRecording, TextMetricIsDeterministic) {
    RecordingTarget t;
    FontSpec f;
    f.size = 10;
    t.setFont(f);
    EXPECT_NEAR(t.textWidth(QStringLiteral("abcd")), 4 * 0.6 * 10 * kMm, 1e-12);
    EXPECT_NEAR(t.textHeight(QStringLiteral("abcd")), 1.15 * 10 * kMm, 1e-12);
    EXPECT_NEAR(t.textHeight(QString()), 1.15 * 10 * kMm, 1e-12);
    EXPECT_EQ(t.textWidth(QString()), 0.0);
}

TEST(DrawRecording, KeepsEveryPrimitiveWithItsPenFillAndFont) {
    RecordingTarget t;
    t.setForeColor(0x0000FF);
    t.setDrawStyle(2);
    t.setDrawWidth(3);
    t.line(1, 2, 3, 4);
    t.line(5, 6, 7, 8, 0x00FF00);
    t.setFillStyle(0);
    t.setFillColor(0xFF0000);
    t.circle(10, 11, 2.5);
    t.filledBox(1, 1, 2, 2);
    t.box(3, 3, 4, 4);
    t.dot(9, 9);
    t.setClip(0, 0, 50, 50);
    t.clearClip();
    t.clear();
    const QList<Primitive>& p = t.primitives();
    ASSERT_EQ(p.size(), 9);
    EXPECT_EQ(p[0].kind, Primitive::Kind::Line);
    EXPECT_EQ(p[0].color, 0x0000FF);
    EXPECT_EQ(p[0].drawStyle, 2);
    EXPECT_EQ(p[0].drawWidth, 3);
    EXPECT_EQ(p[0].x2, 3);
    EXPECT_EQ(p[1].color, 0x00FF00);
    EXPECT_EQ(p[2].kind, Primitive::Kind::Circle);
    EXPECT_EQ(p[2].radius, 2.5);
    EXPECT_EQ(p[2].fillStyle, 0);
    EXPECT_EQ(p[2].fillColor, 0xFF0000);
    EXPECT_EQ(p[3].kind, Primitive::Kind::FilledBox);
    EXPECT_EQ(p[4].kind, Primitive::Kind::Box);
    EXPECT_EQ(p[5].kind, Primitive::Kind::Dot);
    EXPECT_EQ(p[6].kind, Primitive::Kind::Clip);
    EXPECT_EQ(p[6].x2, 50);
    EXPECT_EQ(p[7].kind, Primitive::Kind::ClearClip);
    EXPECT_EQ(p[8].kind, Primitive::Kind::Clear);
    EXPECT_EQ(t.currentX(), 0); // clear moves to the origin
    EXPECT_EQ(t.lines().size(), 2);
}

TEST(DrawRecording, PrintAdvancesAlongTheTextDirection) {
    RecordingTarget t;
    FontSpec f;
    f.size = 10;
    t.setFont(f);
    t.setCurrentX(20);
    t.setCurrentY(30);
    t.print(QStringLiteral("ab"));
    EXPECT_NEAR(t.currentX(), 20 + 2 * 0.6 * 10 * kMm, 1e-12);
    EXPECT_EQ(t.currentY(), 30);
    t.setCurrentX(20);
    t.print(QStringLiteral("ab"), 90);
    EXPECT_NEAR(t.currentX(), 20, 1e-12);
    EXPECT_NEAR(t.currentY(), 30 - 2 * 0.6 * 10 * kMm, 1e-12);
    ASSERT_EQ(t.texts().size(), 2);
    EXPECT_EQ(t.texts()[0].x1, 20);
    EXPECT_EQ(t.texts()[0].font.size, 10);
    EXPECT_EQ(t.texts()[1].angle, 90);
}

TEST(DrawRecording, SymbolFontTextIsKeptAsSentAndAsShown) {
    RecordingTarget t;
    FontSpec f;
    f.name = QStringLiteral("Symbol");
    t.setFont(f);
    t.print(QStringLiteral("Ds"));
    EXPECT_EQ(t.texts()[0].text, QStringLiteral("Ds"));
    EXPECT_EQ(t.texts()[0].shown, QString::fromUtf8("Δσ"));
}

TEST(DrawMapping, SymbolLettersBecomeGreek) {
    const struct {
        const char* latin;
        const char* greek;
    } cases[] = {
        {"abcdefghijklmnopqrstuwxyz", "αβχδεφγηιϕκλμνοπθρστυωξψζ"},
        {"DFGLPQSWYX", "ΔΦΓΛΠΘΣΩΨΞ"},
        {"s' 1,5 [%]", "σ' 1,5 [%]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(symbolToGreek(QString::fromUtf8(c.latin)), QString::fromUtf8(c.greek));
    EXPECT_TRUE(isSymbolFontName(QStringLiteral("symbol")));
    EXPECT_FALSE(isSymbolFontName(QStringLiteral("Arial")));
}

TEST(DrawMapping, CharacterCodesAreWindows1252) {
    const struct {
        int code;
        char16_t unicode;
    } cases[] = {{178, u'²'}, {179, u'³'}, {176, u'°'}, {128, u'€'}, {150, u'–'}, {65, u'A'}, {181, u'µ'}, {252, u'ü'}};
    for (const auto& c : cases)
        EXPECT_EQ(windows1252ToUnicode(c.code), QChar(c.unicode)) << c.code;
}

TEST(DrawMapping, ArialAndSymbolAreDrawnInLiberationSans) {
    EXPECT_EQ(platformFontFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(platformFontFamily(QStringLiteral("Symbol")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(platformFontFamily(QString()), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(platformFontFamily(QStringLiteral("Courier New")), QStringLiteral("Courier New"));
}

} // namespace
} // namespace talur
