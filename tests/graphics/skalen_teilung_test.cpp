// Division of one axis: bound search, rounding to the lists, tick, grid and label counts.
#include "graphics/Teilung.h"
#include "platform/core/RunError.h"

#include <cmath>
#include <gtest/gtest.h>

namespace talur {
namespace {

// The x lists of picture 11.
TeilungsListen bild11() {
    return {{0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10},
            {0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10},
            {2, 4, 3, 4, 5, 4, 4, 3, 4, 5},
            {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
            {2, 4, 3, 4, 5, 4, 4, 3, 4, 5}};
}

TeilungsArt art(int16_t nr, int16_t loFlag, int16_t hiFlag, bool log = false) {
    TeilungsArt a;
    a.NR = nr;
    a.loFlag = loFlag;
    a.hiFlag = hiFlag;
    a.logarithmic = log;
    return a;
}

TEST(SkalenTeilung, Picture11WithDataMaximum27) {
    float lo = 0, hi = 0;
    const AchsenTeilung t = teileAchse(art(-1, 0, -1), bild11(), SingleArray{0.1f, 2.7f, 1.0f}, lo, hi);
    EXPECT_EQ(lo, 0.0f);
    EXPECT_EQ(hi, 4.0f);
    EXPECT_EQ(t.N, 4);
    EXPECT_EQ(t.G, 1);
    EXPECT_EQ(t.Z, 4);
    ASSERT_EQ(t.ticks.size(), 5u);
    for (int k = 0; k <= 4; ++k)
        EXPECT_FLOAT_EQ(t.ticks[static_cast<size_t>(k)], static_cast<float>(k));
}

struct BoundCase {
    const char* what;
    int16_t loFlag, hiFlag;
    float storedLo, storedHi;
    std::vector<float> data;
    float lo, hi; // expected
    int N;
};

TEST(SkalenTeilung, BoundsAreRoundedAndClampedToTheLists) {
    const BoundCase cases[] = {
        {"maximum above the list is clamped", 0, -1, 0, 0, {3, 25}, 0, 10, 5},
        {"minimum below the list is raised", -1, 0, 0, 2, {-5, 1}, 0, 2, 4},
        {"a value on the list keeps it", -1, -1, 0, 0, {0.4f, 0.8f}, 0.4f, 0.8f, 4},
        {"range equal to a list value keeps it", 0, -1, 0.2f, 0, {0.4f}, 0.2f, 0.4f, 2},
        {"minimum rounds down", -1, -1, 0, 0, {0.5f, 0.7f}, 0.4f, 0.8f, 4},
        {"range rounds up to the range list, hi follows", -1, -1, 0, 0, {1.1f, 3.9f}, 1, 5, 4},
        {"fixed bounds stay", 0, 0, 0.3f, 0.9f, {100}, 0.3f, 0.9f, 3},
    };
    for (const BoundCase& c : cases) {
        float lo = c.storedLo, hi = c.storedHi;
        const AchsenTeilung t = teileAchse(art(-1, c.loFlag, c.hiFlag), bild11(), SingleArray(c.data), lo, hi);
        EXPECT_FLOAT_EQ(lo, c.lo) << c.what;
        EXPECT_FLOAT_EQ(hi, c.hi) << c.what;
        EXPECT_EQ(t.N, c.N) << c.what;
        EXPECT_FLOAT_EQ(t.ticks.back(), c.hi) << c.what;
    }
}

TEST(SkalenTeilung, PassOneThenTwoWidensTheBoundsWithoutSettingHiFromTheRange) {
    float lo = 99, hi = -99; // stored values are ignored on pass 1
    teileAchse(art(1, -1, -1), bild11(), SingleArray{0.5f, 0.7f}, lo, hi);
    EXPECT_FLOAT_EQ(lo, 0.4f);
    EXPECT_FLOAT_EQ(hi, 0.8f);
    teileAchse(art(2, -1, -1), bild11(), SingleArray{0.9f, 2.5f}, lo, hi);
    EXPECT_FLOAT_EQ(lo, 0.4f); // the stored bound is the start of the search
    EXPECT_FLOAT_EQ(hi, 4.0f); // rounded up to the list, not lo + range
    // The drawing pass starts from the stored bounds; a missing array counts as one value 0.
    const AchsenTeilung t = teileAchse(art(0, -1, -1), bild11(), SingleArray{0.0f}, lo, hi);
    EXPECT_FLOAT_EQ(lo, 0.0f);
    EXPECT_FLOAT_EQ(hi, 4.0f);
    EXPECT_EQ(t.N, 4);
}

TEST(SkalenTeilung, SingleDataSetStartsFromTheFirstValue) {
    float lo = -50, hi = 50; // stored bounds would widen the axis on another pass number
    teileAchse(art(-1, -1, -1), bild11(), SingleArray{0.5f, 0.7f}, lo, hi);
    EXPECT_FLOAT_EQ(lo, 0.4f);
    EXPECT_FLOAT_EQ(hi, 0.8f);
}

TEST(SkalenTeilung, ListsTooShortForTheChosenRowAreAnError) {
    TeilungsListen l = bild11();
    l.IT = {2, 4};
    float lo = 0, hi = 0;
    try {
        teileAchse(art(-1, 0, -1), l, SingleArray{2.7f}, lo, hi);
        FAIL() << "no error";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), 9);
    }
    float lo2 = 0, hi2 = 0;
    EXPECT_THROW(teileAchse(art(-1, -1, -1), bild11(), SingleArray(), lo2, hi2), RunError);
}

TEST(SkalenTeilung, TicksAccumulateInSinglePrecision) {
    TeilungsListen l{{0, 10}, {0.3}, {3}, {0}, {0}};
    float lo = 0, hi = 0.3f;
    const AchsenTeilung t = teileAchse(art(-1, 0, 0), l, SingleArray{0.0f}, lo, hi);
    ASSERT_EQ(t.ticks.size(), 4u);
    float acc = 0;
    for (size_t k = 1; k < 4; ++k) {
        acc += 0.3f / 3.0f;
        EXPECT_EQ(t.ticks[k], acc);
    }
}

std::vector<float> lgAll(std::initializer_list<double> values) {
    std::vector<float> out;
    for (double v : values)
        out.push_back(static_cast<float>(std::log10(v)));
    return out;
}

void expectTicks(const std::vector<float>& got, const std::vector<float>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-5) << "tick " << i;
}

TeilungsListen logListen(int it, int git, int zl) {
    return {{0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 300, 500, 1000}, {}, {it}, {git}, {zl}};
}

TEST(SkalenTeilung, LogarithmicTicksWithMultiplesFrom005To300) {
    float lo = 0, hi = 0;
    const AchsenTeilung t =
        teileAchse(art(-1, -1, -1, true), logListen(10, 10, 10), SingleArray{0.06f, 250.0f}, lo, hi);
    EXPECT_FLOAT_EQ(lo, 0.05f);
    EXPECT_FLOAT_EQ(hi, 300.0f);
    std::vector<double> want{0.05, 0.06, 0.07, 0.08, 0.09};
    for (double dec : {0.1, 1.0, 10.0})
        for (int m = 1; m <= 9; ++m)
            want.push_back(m * dec);
    want.insert(want.end(), {100, 200, 300});
    std::vector<float> w;
    for (double v : want)
        w.push_back(static_cast<float>(std::log10(v)));
    expectTicks(t.ticks, w);
    EXPECT_EQ(t.N, static_cast<int>(w.size()) - 1);
    expectTicks(t.grid, w); // tick mode = grid mode: grid at every tick
}

TEST(SkalenTeilung, LogarithmicDecadesAndTheirGrid) {
    float lo = 0.05f, hi = 300;
    const AchsenTeilung t = teileAchse(art(-1, 0, 0, true), logListen(1, 1, 1), SingleArray{0.0f}, lo, hi);
    expectTicks(t.ticks, {static_cast<float>(std::log10(0.05)), -1, 0, 1, 2, static_cast<float>(std::log10(300.0))});
    expectTicks(t.grid, t.ticks);
    // Multiples as ticks, decades as grid.
    const AchsenTeilung m = teileAchse(art(-1, 0, 0, true), logListen(10, 1, 1), SingleArray{0.0f}, lo, hi);
    expectTicks(m.grid, t.ticks);
    EXPECT_EQ(m.G, 1);
    // Mode 0: one tick only.
    const AchsenTeilung z = teileAchse(art(-1, 0, 0, true), logListen(0, 0, 0), SingleArray{0.0f}, lo, hi);
    expectTicks(z.ticks, lgAll({0.05}));
    EXPECT_EQ(z.N, 0);
    // Undefined combinations: no grid positions, so neither grid lines nor labels.
    const AchsenTeilung u = teileAchse(art(-1, 0, 0, true), logListen(10, 5, 5), SingleArray{0.0f}, lo, hi);
    EXPECT_TRUE(u.grid.empty());
    const AchsenTeilung v = teileAchse(art(-1, 0, 0, true), logListen(4, 4, 4), SingleArray{0.0f}, lo, hi);
    EXPECT_TRUE(v.grid.empty());
}

TEST(SkalenTeilung, LogarithmicBoundsRoundEvenWhenFixed) {
    float lo = 0.07f, hi = 150;
    teileAchse(art(-1, 0, 0, true), logListen(1, 1, 1), SingleArray{0.0f}, lo, hi);
    EXPECT_FLOAT_EQ(lo, 0.05f);
    EXPECT_FLOAT_EQ(hi, 200.0f);
    // A clamped upper bound skips rounding a fixed lower bound.
    float lo2 = 0.07f, hi2 = 0;
    teileAchse(art(-1, 0, -1, true), logListen(1, 1, 1), SingleArray{5000.0f}, lo2, hi2);
    EXPECT_FLOAT_EQ(hi2, 1000.0f);
    EXPECT_FLOAT_EQ(lo2, 0.07f);
}

TEST(SkalenTeilung, LogarithmicRangeInsideOneDecadeKeepsItsTicksInOrder) {
    const std::vector<float> t = logTicks(10, 2.0f, 5.0f);
    expectTicks(t, lgAll({2, 3, 4, 5}));
    const std::vector<float> edge = logTicks(10, 0.1f, 1.0f);
    expectTicks(edge, lgAll({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0}));
}

} // namespace
} // namespace talur
