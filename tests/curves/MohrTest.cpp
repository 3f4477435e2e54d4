#include "CurveTestData.h"
#include "curves/CurveError.h"
#include "curves/CurveNumerics.h"
#include "curves/Mohr.h"

#include <cmath>
#include <gtest/gtest.h>

namespace talur {
namespace {

using test::typicalCompression;
using test::typicalMohr;

constexpr double kDegree = 0.017453292;

TEST(FrictionLaw, LogarithmTermsOfNonPositiveArgumentsVanish) {
    const MohrInput in = typicalMohr(); // A 30, B -10, C -2, σ_b 0.1, e_b 0.7
    const struct {
        float e, sigma, expected;
    } cases[] = {
        {0.7f, 0.1f, 30.0f},        // both logarithms 0 at the reference point
        {0.07f, 1.0f, 30.0f + 10.0f - 2.0f},
        {0.0f, 1.0f, 28.0f},        // e = 0: void ratio term vanishes
        {-0.3f, 0.01f, 32.0f},      // e < 0
        {0.07f, 0.0f, 40.0f},       // σ = 0: stress term vanishes
        {0.07f, -0.5f, 40.0f},      // σ < 0
        {-1.0f, -1.0f, 30.0f},      // both
    };
    for (const auto& c : cases)
        EXPECT_NEAR(frictionAngle(in, c.e, c.sigma), c.expected, 1e-5) << c.e << " " << c.sigma;
    EXPECT_NEAR(residualAngle(in, 1.0f), 19.0f, 1e-5);
    EXPECT_NEAR(residualAngle(in, 0.0f), 20.0f, 1e-6);
    EXPECT_NEAR(residualAngle(in, -2.0f), 20.0f, 1e-6);
}

TEST(COULOMB, LineThroughTwoFailurePoints) {
    const struct {
        float s1, phi1, s2, phi2;
    } cases[] = {{0.1f, 30.0f, 0.4f, 30.0f}, {0.1f, 35.0f, 0.4f, 28.0f}, {0.05f, 20.0f, 1.0f, 25.0f},
                 {0.4f, 28.0f, 0.1f, 35.0f}};
    for (const auto& c : cases) {
        const double t1 = c.s1 * std::tan(c.phi1 * kDegree);
        const double t2 = c.s2 * std::tan(c.phi2 * kDegree);
        const double slope = (t2 - t1) / (c.s2 - c.s1);
        const CoulombLine line = COULOMB(c.s1, c.phi1, c.s2, c.phi2);
        EXPECT_EQ(line.state, FitState::Fitted);
        EXPECT_NEAR(std::tan(line.phi * kDegree), slope, 1e-6);
        EXPECT_NEAR(line.c, (t1 - c.s1 * slope) * 1000.0, 1e-3); // intercept in kN/m²
    }
    const CoulombLine throughOrigin = COULOMB(0.1f, 30.0f, 0.4f, 30.0f);
    EXPECT_NEAR(throughOrigin.phi, 30.0f, 1e-5);
    EXPECT_NEAR(throughOrigin.c, 0.0f, 1e-3);
}

TEST(COULOMB, SwappedLimitsGiveTheSameLine) {
    const CoulombLine a = COULOMB(0.1f, 35.0f, 0.4f, 28.0f);
    const CoulombLine b = COULOMB(0.4f, 28.0f, 0.1f, 35.0f);
    EXPECT_EQ(a.phi, b.phi);
    EXPECT_NEAR(a.c, b.c, 1e-3);
}

TEST(COULOMB, EqualLimitsDivideByZero) {
    try {
        COULOMB(0.2f, 30.0f, 0.2f, 25.0f);
        ADD_FAILURE() << "no error";
    } catch (const CurveError& e) {
        EXPECT_EQ(e.number(), CurveError::DivisionByZero);
    }
}

// A record on the grid 0.01 .. 1 in steps of 0.01 (grid stress k is 0.01 · (k + 1)).
struct MohrRun {
    CollectingMessageSink sink;
    CompressionResult compression;
    MohrResult result;

    explicit MohrRun(const std::vector<float>& SIV, MohrInput in = typicalMohr(), const MohrResult& previous = {}) {
        auto ci = typicalCompression();
        ci.N = 99;
        compression = KOMPRESSION(ci, sink);
        result = BRUCHKURVEN(in, compression, SIV, previous, sink);
    }
};

TEST(BRUCHKURVEN, GridCurvesFromVoidRatiosAndStress) {
    MohrRun run({0.0f});
    const auto& r = run.result;
    ASSERT_EQ(r.PHIE.size(), 100u);
    for (std::size_t i = 0; i < r.PHIE.size(); ++i) {
        const float sigma = run.compression.SIG[i];
        const double phi = -10.0 * std::log10(run.compression.EPOR[i] / 0.7) + 30.0 - 2.0 * std::log10(sigma / 0.1);
        EXPECT_NEAR(r.PHIE[i], phi, 1e-4);
        EXPECT_NEAR(r.TAUE[i], sigma * std::tan(phi * kDegree), 1e-6);
        const double residual = -1.0 * std::log10(sigma / 0.1) + 20.0;
        EXPECT_NEAR(r.PHIR[i], residual, 1e-5);
        EXPECT_NEAR(r.TAUR[i], sigma * std::tan(residual * kDegree), 1e-6);
    }
    EXPECT_TRUE(r.branches.empty());
    ASSERT_EQ(r.branchLines.size(), 1u);
    EXPECT_EQ(r.branchLines[0].state, FitState::None);
    EXPECT_EQ(r.E.state, FitState::Fitted);
    EXPECT_EQ(r.R.state, FitState::Fitted);
    EXPECT_TRUE(run.sink.messages().empty());
}

TEST(BRUCHKURVEN, ConstantAnglesGiveCoulombLinesThroughTheOrigin) {
    MohrInput in = typicalMohr();
    in.B = in.C = in.CR = 0.0f;
    MohrRun run({0.0f}, in);
    EXPECT_NEAR(run.result.E.phi, 30.0f, 1e-4);
    EXPECT_NEAR(run.result.E.c, 0.0f, 1e-2);
    EXPECT_NEAR(run.result.R.phi, 20.0f, 1e-4);
    EXPECT_NEAR(run.result.R.c, 0.0f, 1e-2);
}

// Where the limits lie against σ_v decides whose angles a branch's line uses.
TEST(BRUCHKURVEN, BranchLineTakesBranchAnglesBelowSigmaVAndFirstLoadingAbove) {
    const float siv = 0.5f; // grid stress 49
    const struct {
        float SI1, SI2;
        std::size_t k1, k2; // grid stresses of the limits
        bool firstFromBranch, secondFromBranch;
    } cases[] = {
        {0.1f, 0.4f, 9, 39, true, true},   // both below σ_v
        {0.1f, 0.8f, 9, 79, true, false},  // one on either side
        {0.6f, 0.9f, 59, 89, false, false}, // both above: the first-loading line
        {0.4f, 0.1f, 39, 9, true, true},   // swapped
    };
    for (const auto& c : cases) {
        MohrInput in = typicalMohr();
        in.SI1 = c.SI1;
        in.SI2 = c.SI2;
        MohrRun run({siv}, in);
        const auto& r = run.result;
        ASSERT_EQ(r.branches.size(), 1u);
        const MohrBranch& b = r.branches[0];
        ASSERT_EQ(b.stress.size(), 50u);
        const float phi1 = c.firstFromBranch ? b.phi[c.k1] : r.PHIE[c.k1];
        const float phi2 = c.secondFromBranch ? b.phi[c.k2] : r.PHIE[c.k2];
        const CoulombLine expected = COULOMB(c.SI1, phi1, c.SI2, phi2);
        EXPECT_EQ(r.branchLines[0].phi, expected.phi) << c.SI1 << " " << c.SI2;
        EXPECT_EQ(r.branchLines[0].c, expected.c);
        if (!c.firstFromBranch && !c.secondFromBranch) {
            EXPECT_EQ(r.branchLines[0].phi, r.E.phi);
            EXPECT_EQ(r.branchLines[0].c, r.E.c);
        } else {
            EXPECT_NE(r.branchLines[0].phi, r.E.phi); // the denser unloaded soil is stronger
        }
        EXPECT_TRUE(run.sink.messages().empty());
    }
    // Swapped limits give the line of the ordered pair.
    MohrInput ordered = typicalMohr();
    MohrInput swapped = typicalMohr();
    std::swap(swapped.SI1, swapped.SI2);
    MohrRun a({siv}, ordered), b({siv}, swapped);
    EXPECT_EQ(a.result.E.phi, b.result.E.phi);
    EXPECT_NEAR(a.result.E.c, b.result.E.c, 1e-3);
    EXPECT_EQ(a.result.branchLines[0].phi, b.result.branchLines[0].phi);
    EXPECT_NEAR(a.result.branchLines[0].c, b.result.branchLines[0].c, 1e-3);
}

TEST(BRUCHKURVEN, BranchCurvesUseTheBranchVoidRatios) {
    MohrRun run({0.5f, 0.8f});
    const auto& r = run.result;
    ASSERT_EQ(r.branches.size(), 2u);
    const auto branch = ENTLASTUNG(run.compression, 0.8f, StrainMeasure::Conventional, run.sink);
    const MohrInput in = typicalMohr();
    for (std::size_t t = 0; t < branch->stress.size(); ++t) {
        EXPECT_EQ(r.branches[1].phi[t], frictionAngle(in, branch->voidRatio[t], branch->stress[t]));
        EXPECT_EQ(r.branches[1].tau[t], shearStrength(branch->stress[t], r.branches[1].phi[t]));
    }
    // The branch ends on first loading.
    EXPECT_NEAR(r.branches[1].phi.back(), r.PHIE[79], 1e-4);
    EXPECT_EQ(r.branchLines[1].state, FitState::Fitted);
}

TEST(BRUCHKURVEN, SecondStressAboveSigmaMaxEndsTheRunKeepingEarlierLines) {
    MohrResult previous;
    previous.E = CoulombLine{31.5f, 12.25f, FitState::Fitted};
    previous.R = CoulombLine{19.0f, 1.5f, FitState::Fitted};
    MohrRun run({0.5f, 2.0f, 0.3f}, typicalMohr(), previous);
    const auto& r = run.result;
    ASSERT_EQ(r.branchLines.size(), 3u);
    EXPECT_EQ(r.branchLines[0].state, FitState::Fitted);
    EXPECT_EQ(r.branchLines[1].state, FitState::None);
    EXPECT_EQ(r.branchLines[2].state, FitState::None);
    EXPECT_EQ(r.branchLines[2].phi, 0.0f);
    EXPECT_EQ(r.branches.size(), 1u);
    ASSERT_TRUE(r.stoppedAt);
    EXPECT_EQ(r.stoppedAt->row, 1u);
    EXPECT_EQ(r.E.phi, 31.5f);
    EXPECT_EQ(r.E.c, 12.25f);
    EXPECT_EQ(r.E.state, FitState::Kept);
    EXPECT_EQ(r.R.c, 1.5f);
    EXPECT_EQ(r.R.state, FitState::Kept);
    EXPECT_EQ(r.PHIE.size(), 100u); // the curves themselves are there
    EXPECT_TRUE(run.sink.messages().empty()); // the compression picture has said it

    MohrRun first({0.5f, 2.0f});
    EXPECT_EQ(first.result.E.state, FitState::None);
    EXPECT_EQ(first.result.E.phi, 0.0f);
}

TEST(BRUCHKURVEN, FirstRowZeroGivesNoBranchLines) {
    MohrRun run({0.0f, 0.5f, 2.0f});
    EXPECT_TRUE(run.result.branches.empty());
    EXPECT_FALSE(run.result.stoppedAt);
    ASSERT_EQ(run.result.branchLines.size(), 3u);
    for (const auto& line : run.result.branchLines)
        EXPECT_EQ(line.state, FitState::None);
    EXPECT_EQ(run.result.E.state, FitState::Fitted);
}

TEST(BRUCHKURVEN, UnusableLimitsLeaveEveryLineUnfittedWithOneMessage) {
    const struct {
        float SI1, SI2;
        const char* text;
    } cases[] = {
        {0.2f, 0.2f, "Sigma 1 und Sigma 2 (0.2) müssen verschieden sein."},
        {0.1f, 1.5f, "Sigma 1 (0.1) und Sigma 2 (1.5) müssen im Bereich der Kurven (0.01 bis 1) liegen."},
        {0.005f, 0.4f, "Sigma 1 (0.005) und Sigma 2 (0.4) müssen im Bereich der Kurven (0.01 bis 1) liegen."},
    };
    for (const auto& c : cases) {
        MohrInput in = typicalMohr();
        in.SI1 = c.SI1;
        in.SI2 = c.SI2;
        MohrRun run({0.5f, 0.8f}, in);
        const auto& r = run.result;
        EXPECT_EQ(r.E.state, FitState::None);
        EXPECT_EQ(r.R.state, FitState::None);
        for (const auto& line : r.branchLines)
            EXPECT_EQ(line.state, FitState::None);
        EXPECT_EQ(r.branches.size(), 2u); // the curves are still drawn
        ASSERT_EQ(run.sink.messages().size(), 1u) << c.text;
        EXPECT_EQ(run.sink.messages()[0].title, "Coulomb");
        EXPECT_EQ(run.sink.messages()[0].text,
                  std::string(c.text) + "\nDie Coulombschen Scherparameter werden nicht berechnet.");
    }
}

TEST(BRUCHKURVEN, ZeroReferenceVoidRatioIsAnArithmeticFailure) {
    MohrInput in = typicalMohr();
    in.EBS = 0.0f;
    EXPECT_THROW(MohrRun({0.0f}, in), CurveError);
}

} // namespace
} // namespace talur
