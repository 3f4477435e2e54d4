#include "CurveTestData.h"
#include "curves/Compression.h"

#include <gtest/gtest.h>

namespace talur {
namespace {

using test::typicalCompression;

TEST(BranchRule, RowsTakenAndWhereTheSequenceStops) {
    const struct {
        std::vector<float> SIV;
        std::size_t rows;
        std::optional<std::size_t> stopRow;
    } cases[] = {
        {{}, 0, {}},                // no rows
        {{0.0f, 0.5f}, 0, {}},      // first row 0: no branches at all
        {{0.5f, 0.0f}, 2, {}},      // a later 0 is a row like any other
        {{0.3f, 0.6f, 1.0f}, 3, {}}, // σ_v = σ_max is still in
        {{0.5f, 2.0f, 0.3f}, 1, 1}, // a second stress above σ_max ends the sequence there
        {{2.0f, 0.5f}, 0, 0},       // the first one already
    };
    for (const auto& c : cases) {
        const BranchRule rule = branchRule(c.SIV, 1.0f);
        EXPECT_EQ(rule.rows, c.rows);
        ASSERT_EQ(rule.stop.has_value(), c.stopRow.has_value());
        if (rule.stop) {
            EXPECT_EQ(rule.stop->row, *c.stopRow);
            EXPECT_EQ(rule.stop->SIMAX, 1.0f);
            EXPECT_EQ(rule.stop->SIV, c.SIV[*c.stopRow]);
        }
    }
}

// Grid 0.01 .. 1 in steps of 0.01: grid stress k is 0.01 · (k + 1).
CompressionResult hundredthsGrid(CollectingMessageSink& sink) {
    auto in = typicalCompression();
    in.N = 99;
    return KOMPRESSION(in, sink);
}

TEST(ENTLASTUNG, BranchFollowsReloadingAndMeetsFirstLoadingAtSigmaV) {
    const struct {
        float SIV;
        std::size_t interval; // j*
    } cases[] = {
        {0.1f, 8},   // on grid stress 9: the interval that ends there
        {0.355f, 34}, // between grid stresses 34 and 35
        {1.0f, 98},  // σ_max: the whole grid
        {0.015f, 0}, // inside the first interval
    };
    CollectingMessageSink sink;
    const auto r = hundredthsGrid(sink);
    for (const auto& c : cases) {
        const auto branch = ENTLASTUNG(r, c.SIV, StrainMeasure::Conventional, sink);
        ASSERT_TRUE(branch) << c.SIV;
        const std::size_t j = c.interval;
        ASSERT_EQ(branch->stress.size(), j + 2) << c.SIV;
        ASSERT_EQ(branch->strain.size(), j + 2);
        ASSERT_EQ(branch->voidRatio.size(), j + 2);
        EXPECT_EQ(branch->stress.back(), c.SIV);
        // The last point lies on first loading.
        EXPECT_GE(branch->strain.back(), std::min(r.EPSK[j], r.EPSK[j + 1]));
        EXPECT_LE(branch->strain.back(), std::max(r.EPSK[j], r.EPSK[j + 1]));
        // The rest is the reloading curve shifted by one amount.
        const double shift = branch->strain[0] - r.EPSW[0];
        for (std::size_t t = 0; t <= j; ++t) {
            EXPECT_EQ(branch->stress[t], r.SIG[t]);
            EXPECT_NEAR(branch->strain[t] - r.EPSW[t], shift, 1e-5);
            EXPECT_NEAR(branch->voidRatio[t], r.EPORA - branch->strain[t] / 100.0 * (r.EPORA + 1.0), 1e-6);
        }
        // Unloading from σ_v leaves less strain than first loading had at the lower stresses.
        EXPECT_GT(branch->strain[0], r.EPSK[0]);
    }
    EXPECT_TRUE(sink.messages().empty());
}

TEST(ENTLASTUNG, SigmaVOnAGridStressOrAtTheEndTakesThatPointsStrain) {
    CollectingMessageSink sink;
    const auto r = hundredthsGrid(sink);
    for (const std::size_t k : {std::size_t{9}, std::size_t{99}}) {
        const auto conventional = ENTLASTUNG(r, r.SIG[k], StrainMeasure::Conventional, sink);
        ASSERT_TRUE(conventional);
        EXPECT_EQ(conventional->strain.back(), r.EPSK[k]);
        EXPECT_EQ(conventional->voidRatio.back(), r.EPOR[k]);
        const auto natural = ENTLASTUNG(r, r.SIG[k], StrainMeasure::Natural, sink);
        ASSERT_TRUE(natural);
        EXPECT_EQ(natural->strain.back(), static_cast<float>(r.EPSN[k] * 100.0));
        EXPECT_EQ(natural->stress, conventional->stress);
    }
}

TEST(ENTLASTUNG, SigmaMaxWithFloatGridOfThousandSteps) {
    auto in = typicalCompression();
    in.SIMAX = 0.2f;
    in.N = 1000;
    CollectingMessageSink sink;
    const auto r = KOMPRESSION(in, sink);
    const auto branch = ENTLASTUNG(r, 0.2f, StrainMeasure::Conventional, sink);
    ASSERT_TRUE(branch);
    EXPECT_EQ(branch->stress.size(), 1001u);
}

TEST(ENTLASTUNG, NoIntervalBelowTheStartOrAboveTheEnd) {
    CollectingMessageSink sink;
    const auto r = hundredthsGrid(sink);
    for (const float siv : {0.005f, 0.0f, -1.0f, 1.01f})
        EXPECT_FALSE(ENTLASTUNG(r, siv, StrainMeasure::Conventional, sink)) << siv;
    EXPECT_TRUE(sink.messages().empty());
}

TEST(ENTLASTUNG, RepeatedGridStressesAtSigmaVDivideByZeroPerInterpolation) {
    auto in = typicalCompression();
    in.SIA = 0.01f;
    in.SIMAX = 0.0102f;
    in.N = 10;
    CollectingMessageSink sink;
    const auto r = KOMPRESSION(in, sink);
    sink.clear();
    const auto branch = ENTLASTUNG(r, 0.01f, StrainMeasure::Conventional, sink);
    ASSERT_TRUE(branch);
    ASSERT_EQ(sink.messages().size(), 2u); // first loading and reloading strain
    for (const auto& m : sink.messages()) {
        EXPECT_EQ(m.text, "Division durch Null!");
        EXPECT_EQ(m.title, "LININT");
    }
    EXPECT_EQ(branch->strain, (std::vector<float>{r.EPSW[0], 0.0f}));
}

TEST(UnloadingBranches, StopsAtTheFirstStressAboveSigmaMaxWithItsMessage) {
    CollectingMessageSink sink;
    const auto r = hundredthsGrid(sink);
    const auto set = unloadingBranches(r, {0.5f, 2.0f, 0.3f}, StrainMeasure::Conventional, sink);
    ASSERT_EQ(set.rows.size(), 1u);
    EXPECT_TRUE(set.rows[0].branch);
    ASSERT_TRUE(set.stoppedAt);
    EXPECT_EQ(set.stoppedAt->row, 1u);
    EXPECT_EQ(set.stoppedAt->SIV, 2.0f);
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].title, "Sigma max");
    EXPECT_EQ(sink.messages()[0].text, "Sigma max (1) muß größer oder gleich Sigma v (2) sein.");
    EXPECT_EQ(sink.messages()[0].icon, CurveIcon::Exclamation);
}

TEST(UnloadingBranches, FirstRowZeroGivesNoBranchesAndNoMessage) {
    CollectingMessageSink sink;
    const auto r = hundredthsGrid(sink);
    const auto set = unloadingBranches(r, {0.0f, 0.5f, 2.0f}, StrainMeasure::Conventional, sink);
    EXPECT_TRUE(set.rows.empty());
    EXPECT_FALSE(set.stoppedAt);
    EXPECT_TRUE(sink.messages().empty());
}

TEST(UnloadingBranches, StressBelowTheStartIsSkippedAndReported) {
    CollectingMessageSink sink;
    const auto r = hundredthsGrid(sink);
    const auto set = unloadingBranches(r, {0.5f, 0.005f, 0.8f}, StrainMeasure::Natural, sink);
    ASSERT_EQ(set.rows.size(), 3u);
    EXPECT_TRUE(set.rows[0].branch);
    EXPECT_FALSE(set.rows[1].branch);
    EXPECT_TRUE(set.rows[2].branch);
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].title, "Sigma v");
    EXPECT_EQ(sink.messages()[0].text, "Sigma v (0.005) in Zeile Nr. 2 liegt nicht im Bereich der Kurven "
                                       "(0.01 bis 1).\nFür diese Vorbelastung wird keine Entlastungskurve "
                                       "berechnet.");
}

} // namespace
} // namespace talur
