#include "curves/CurveNumerics.h"

#include <cmath>
#include <gtest/gtest.h>

namespace talur {
namespace {

struct LinIntCase {
    float x1, x2, x, y1, y2, expected;
};

TEST(LININT, InterpolatesAndExtrapolatesOnTheLine) {
    const LinIntCase cases[] = {
        {0.0f, 1.0f, 0.5f, 2.0f, 4.0f, 3.0f},    // midpoint
        {0.0f, 1.0f, 0.0f, 2.0f, 4.0f, 2.0f},    // left end
        {0.0f, 1.0f, 1.0f, 2.0f, 4.0f, 4.0f},    // right end exactly y2
        {1.0f, 3.0f, 5.0f, 1.0f, 2.0f, 3.0f},    // beyond x2
        {1.0f, 3.0f, -1.0f, 1.0f, 2.0f, 0.0f},   // before x1
        {3.0f, 1.0f, 2.0f, 10.0f, 20.0f, 15.0f}, // descending x
    };
    for (const auto& c : cases) {
        CollectingMessageSink sink;
        EXPECT_FLOAT_EQ(LININT(c.x1, c.x2, c.x, c.y1, c.y2, sink), c.expected) << c.x1 << " " << c.x2 << " " << c.x;
        EXPECT_TRUE(sink.messages().empty());
    }
}

TEST(LININT, ZeroWidthIntervalReportsOnceAndGivesZero) {
    CollectingMessageSink sink;
    EXPECT_EQ(LININT(0.5f, 0.5f, 0.5f, 3.0f, 7.0f, sink), 0.0f);
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].text, "Division durch Null!");
    EXPECT_EQ(sink.messages()[0].title, "LININT");
    EXPECT_EQ(LININT(2.0f, 2.0f, 9.0f, 3.0f, 7.0f, sink), 0.0f);
    EXPECT_EQ(sink.messages().size(), 2u);
}

TEST(LG, DecimalLogarithmAndZeroForNonPositiveArguments) {
    const struct {
        float x, expected;
    } cases[] = {{100.0f, 2.0f}, {1.0f, 0.0f}, {0.001f, -3.0f}, {2.0f, 0.30103f},
                 {0.0f, 0.0f},   {-0.0f, 0.0f}, {-5.0f, 0.0f},  {-1e-30f, 0.0f}};
    for (const auto& c : cases)
        EXPECT_NEAR(LG(c.x), c.expected, 1e-6) << c.x;
    EXPECT_EQ(LG(std::nanf("")), 0.0f);
}

TEST(CurveSearch, FirstIntervalHoldingTheValueAtFiveDecimals) {
    // The last stored stress lies just below 0.4; at five decimals it is 0.4.
    const std::vector<float> grid = {0.1f, 0.2f, 0.2f, 0.3f, 0.399996f};
    const struct {
        float x;
        std::optional<std::size_t> expected;
    } cases[] = {
        {0.1f, 0},            // grid start
        {0.15f, 0},           //
        {0.2f, 0},            // on a grid stress: the interval that ends there
        {0.25f, 2},           // after the zero-width interval
        {0.4f, 3},            // grid end, held only through the rounding
        {0.09999f, {}},       // below
        {0.40001f, {}},       // above
    };
    for (const auto& c : cases)
        EXPECT_EQ(curvemath::findInterval(grid, c.x), c.expected) << c.x;
    EXPECT_FALSE(curvemath::findInterval(std::vector<float>{0.1f}, 0.1f));
}

TEST(CurveNumbers, DefaultNumberFormIsGeneral) {
    CollectingMessageSink sink;
    EXPECT_EQ(sink.formatNumber(1.0f), "1");
    EXPECT_EQ(sink.formatNumber(0.2f), "0.2");
    EXPECT_EQ(sink.formatNumber(0.01f), "0.01");
    EXPECT_EQ(sink.formatNumber(1234567.0f), "1234567");
    EXPECT_EQ(sink.formatNumber(1e-5f), "1E-05");
}

} // namespace
} // namespace talur
