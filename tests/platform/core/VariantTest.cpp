#include "CoreTestSupport.h"
#include "platform/core/NumberFormat.h"

#include <cfloat>
#include <cmath>

namespace talur::test {

namespace {

class VariantTest : public ::testing::Test {
protected:
    void SetUp() override { regionalSettings().decimalSeparator = QLatin1Char(','); }
    void TearDown() override { regionalSettings().decimalSeparator = QLatin1Char(','); }
};

} // namespace

TEST_F(VariantTest, EmptyConvertsToZeroValues) {
    const Variant empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.isNull());
    EXPECT_EQ(empty.toInt16(), 0);
    EXPECT_EQ(empty.toInt32(), 0);
    EXPECT_EQ(empty.toSingle(), 0.0f);
    EXPECT_EQ(empty.toDouble(), 0.0);
    EXPECT_FALSE(empty.toBool());
    EXPECT_EQ(empty.toText(), QString());
    EXPECT_EQ(empty.toDate(), DateTime{});
}

TEST_F(VariantTest, NullRefusesEveryConversion) {
    const Variant null = Variant::null();
    const std::function<void()> conversions[] = {
        [&] { null.toBool(); },   [&] { null.toInt16(); }, [&] { null.toInt32(); }, [&] { null.toSingle(); },
        [&] { null.toDouble(); }, [&] { null.toDate(); },  [&] { null.toText(); },
    };
    for (const auto& convert : conversions) {
        try {
            convert();
            ADD_FAILURE() << "Null converted";
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), 94);
            EXPECT_EQ(e.description(), QStringLiteral("Unzulässige Verwendung von Null"));
        }
    }
}

TEST_F(VariantTest, TextToNumberFollowsTheDecimalSeparator) {
    const struct {
        QChar separator;
        const char* text;
        double value; // NAN: type mismatch
    } cases[] = {
        {',', "1,5", 1.5},     {',', "  -1,5  ", -1.5}, {',', "+3", 3.0},      {',', ",25", 0.25},
        {',', "2,", 2.0},      {',', "1,5E-3", 0.0015}, {',', "1e3", 1000.0},  {',', "1.5", NAN},
        {',', "1.000,5", NAN}, {',', "1,2,3", NAN},     {',', "", NAN},        {',', " ", NAN},
        {',', "-", NAN},       {',', "1E", NAN},        {',', "abc", NAN},     {',', "1 5", NAN},
        {'.', "1.5", 1.5},     {'.', "1,5", NAN},       {'.', "-0.25", -0.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " with " << char(c.separator.unicode()));
        regionalSettings().decimalSeparator = c.separator;
        const Variant v(c.text);
        if (std::isnan(c.value)) {
            EXPECT_EQ(errorNumberOf([&] { v.toDouble(); }), err::TypeMismatch);
            EXPECT_FALSE(isNumeric(QString::fromUtf8(c.text)));
        } else {
            EXPECT_DOUBLE_EQ(v.toDouble(), c.value);
            EXPECT_TRUE(isNumeric(QString::fromUtf8(c.text)));
        }
    }
}

TEST_F(VariantTest, IntegerConversionsRoundAndCheckRange) {
    const struct {
        Variant v;
        int expected16; // INT32_MIN: overflow
        int64_t expected32;
    } cases[] = {
        {Variant(2.5), 2, 2},
        {Variant(3.5), 4, 4},
        {Variant(-2.5), -2, -2},
        {Variant(2.6f), 3, 3},
        {Variant("32767,4"), 32767, 32767},
        {Variant(32767.5), INT32_MIN, 32768},
        {Variant(int32_t(-32768)), -32768, -32768},
        {Variant(int32_t(-32769)), INT32_MIN, -32769},
        {Variant(true), -1, -1},
        {Variant(2147483647.4), INT32_MIN, 2147483647},
        {Variant(2147483647.5), INT32_MIN, INT64_MIN},
        {Variant(std::nan("")), INT32_MIN, INT64_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.v));
        if (c.expected16 == INT32_MIN)
            EXPECT_EQ(errorNumberOf([&] { c.v.toInt16(); }), err::Overflow);
        else
            EXPECT_EQ(c.v.toInt16(), c.expected16);
        if (c.expected32 == INT64_MIN)
            EXPECT_EQ(errorNumberOf([&] { c.v.toInt32(); }), err::Overflow);
        else
            EXPECT_EQ(c.v.toInt32(), c.expected32);
    }
    EXPECT_EQ(errorNumberOf([] { Variant(1e39).toSingle(); }), err::Overflow);
    EXPECT_EQ(errorNumberOf([] { Variant("x").toInt16(); }), err::TypeMismatch);
}

TEST_F(VariantTest, BooleanConversions) {
    EXPECT_EQ(Variant(true).toDouble(), -1.0);
    EXPECT_EQ(Variant(false).toInt32(), 0);
    EXPECT_TRUE(Variant(0.001).toBool());
    EXPECT_FALSE(Variant(int16_t(0)).toBool());
    for (const char* yes : {"True", "wahr", " TRUE ", "-1", "0,5"})
        EXPECT_TRUE(Variant(yes).toBool()) << yes;
    for (const char* no : {"False", "FALSCH", "0"})
        EXPECT_FALSE(Variant(no).toBool()) << no;
    EXPECT_EQ(errorNumberOf([] { Variant("ja").toBool(); }), err::TypeMismatch);
    EXPECT_EQ(Variant(true).toText(), QStringLiteral("True"));
    EXPECT_EQ(Variant(false).toText(), QStringLiteral("False"));
    EXPECT_FALSE(Variant(Variant(false).toText()).toBool());
}

TEST_F(VariantTest, NumbersAsText) {
    EXPECT_EQ(Variant(0.1f).toText(), QStringLiteral("0,1"));
    EXPECT_EQ(Variant(0.1).toText(), QStringLiteral("0,1"));
    EXPECT_EQ(Variant(double(0.1f)).toText(), QStringLiteral("0,100000001490116"));
    EXPECT_EQ(Variant(int16_t(-5)).toText(), QStringLiteral("-5"));
    EXPECT_EQ(Variant(int32_t(123456789)).toText(), QStringLiteral("123456789"));
    regionalSettings().decimalSeparator = QLatin1Char('.');
    EXPECT_EQ(Variant(-2.5).toText(), QStringLiteral("-2.5"));
}

TEST_F(VariantTest, SingleValuesRoundTrip) {
    for (float f : {0.1f, 1.0f / 3.0f, FLT_MAX, FLT_MIN, -123.456f, 1e-30f}) {
        const Variant v(f);
        EXPECT_EQ(v.type(), Variant::Type::Single);
        EXPECT_EQ(v.toSingle(), f);
        EXPECT_EQ(Variant(v.toDouble()).toSingle(), f);
    }
}

TEST_F(VariantTest, DatesFromAndToText) {
    EXPECT_EQ(Variant("31.12.2023").toDate(), DateTime{45291.0});
    EXPECT_EQ(Variant("2023-12-31").toDate(), DateTime{45291.0});
    EXPECT_EQ(Variant("31.12.2023 06:00:00").toDate(), DateTime{45291.25});
    EXPECT_EQ(Variant("12:00").toDate(), DateTime{0.5});
    EXPECT_EQ(Variant("45291,5").toDate(), DateTime{45291.5});
    EXPECT_EQ(errorNumberOf([] { Variant("31.02.2023").toDate(); }), err::TypeMismatch);
    EXPECT_EQ(Variant(DateTime{45291.25}).toText(), QStringLiteral("31.12.2023 06:00:00"));
    EXPECT_EQ(Variant(DateTime{45291.0}).toText(), QStringLiteral("31.12.2023"));
    EXPECT_EQ(Variant(DateTime{0.0}).toText(), QStringLiteral("00:00:00"));
    EXPECT_EQ(Variant(DateTime{2.0}).toDouble(), 2.0);
}

TEST_F(VariantTest, EqualityNeedsTheSameType) {
    EXPECT_EQ(Variant(int16_t(1)), Variant(int16_t(1)));
    EXPECT_NE(Variant(int16_t(1)), Variant(int32_t(1)));
    EXPECT_NE(Variant(1.0), Variant(1.0f));
    EXPECT_NE(Variant(), Variant::null());
    EXPECT_NE(Variant(""), Variant());
    EXPECT_EQ(Variant("a"), Variant(QStringLiteral("a")));
    EXPECT_NE(Variant(DateTime{1.0}), Variant(1.0));
}

} // namespace talur::test
