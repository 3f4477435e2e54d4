#include "CurveTestData.h"
#include "curves/Compression.h"
#include "curves/CurveError.h"
#include "curves/CurveNumerics.h"

#include <cmath>
#include <ostream>
#include <gtest/gtest.h>

namespace talur {
namespace {

using test::typicalCompression;

TEST(KOMPRESSION, GridHasNPlusOnePointsFromStartToEnd) {
    const struct {
        float SIA, SIMAX;
        int16_t N;
    } cases[] = {{0.01f, 1.0f, 10},   {0.01f, 0.2f, 10},   {0.03f, 10.0f, 10},
                 {0.0123f, 0.6f, 10}, {0.01f, 0.2f, 1000}, {0.05f, 8.0f, 333}};
    for (const auto& c : cases) {
        auto in = typicalCompression();
        in.SIA = c.SIA;
        in.SIMAX = c.SIMAX;
        in.N = c.N;
        CollectingMessageSink sink;
        const auto r = KOMPRESSION(in, sink);
        ASSERT_EQ(r.SIG.size(), static_cast<std::size_t>(c.N) + 1);
        EXPECT_EQ(r.SIG.back(), static_cast<float>(std::round(c.SIMAX * 1e4) / 1e4)) << c.SIMAX;
        EXPECT_EQ(r.SIG.front(), static_cast<float>(std::round(c.SIA * 1e4) / 1e4)) << c.SIA;
        for (std::size_t i = 0; i < r.SIG.size(); ++i) {
            ASSERT_EQ(r.SIG[i], static_cast<float>(std::round(r.SIG[i] * 1e4) / 1e4)) << "not at 4 decimals";
            if (i > 0) {
                ASSERT_GE(r.SIG[i], r.SIG[i - 1]);
            }
        }
        // Counted from σ_A.
        EXPECT_EQ(r.EPSN[0], 0.0f);
        EXPECT_EQ(r.EPSK[0], 0.0f);
        EXPECT_EQ(r.EPSW[0], 0.0f);
        EXPECT_TRUE(sink.messages().empty());
    }
}

TEST(KOMPRESSION, ConstantStiffnessGivesLinearNaturalStrain) {
    // With both exponents 0 the stiffness is a everywhere: ε = (σ − σ_A) / a.
    auto in = typicalCompression();
    in.C1S = in.C1 = in.C2S = in.C2 = 0.0f;
    in.A1 = 4.0f;
    in.A2 = 40.0f;
    CollectingMessageSink sink;
    const auto r = KOMPRESSION(in, sink);
    for (std::size_t i = 0; i < r.SIG.size(); ++i) {
        const double sigma = in.SIA + i * ((in.SIMAX - in.SIA) / in.N);
        const double natural = (sigma - in.SIA) / in.A1;
        EXPECT_NEAR(r.EPSN[i], natural, 1e-6);
        EXPECT_NEAR(r.EPSK[i], (1.0 - std::exp(-natural)) * 100.0, 1e-4);
        EXPECT_NEAR(r.EPSW[i], (1.0 - std::exp(-(sigma - in.SIA) / in.A2)) * 100.0, 1e-4);
        EXPECT_NEAR(r.EPOR[i], r.EPORA - r.EPSK[i] / 100.0 * (r.EPORA + 1.0), 1e-6);
    }
}

// The stiffness law checked on the computed curves, independently of how they are integrated:
// dσ/dε of the natural strain must equal a · (σ/σ_b)^c, with c by the side of σ_b.
struct LawCase {
    float C1S, C1, C2S, C2, SIBK;
};

void PrintTo(const LawCase& c, std::ostream* os) {
    *os << "c'1 " << c.C1S << ", c1 " << c.C1 << ", c'2 " << c.C2S << ", c2 " << c.C2 << ", sigma_b " << c.SIBK;
}

class StiffnessLaw : public ::testing::TestWithParam<LawCase> {};

TEST_P(StiffnessLaw, SlopeOfNaturalStrainIsTheStiffness) {
    const LawCase c = GetParam();
    auto in = typicalCompression();
    in.C1S = c.C1S;
    in.C1 = c.C1;
    in.C2S = c.C2S;
    in.C2 = c.C2;
    in.SIBK = c.SIBK;
    in.N = 1000;
    CollectingMessageSink sink;
    const auto r = KOMPRESSION(in, sink);
    const double h = (static_cast<double>(in.SIMAX) - in.SIA) / in.N;
    auto reloadingNatural = [&](std::size_t i) { return -std::log(1.0 - r.EPSW[i] / 100.0); };
    auto stiffness = [&](double a, double cBelow, double cAbove, double sigma) {
        return a * std::pow(sigma / c.SIBK, sigma > c.SIBK ? cAbove : cBelow);
    };
    int checked = 0;
    for (std::size_t i = 1; i + 1 < r.SIG.size(); ++i) {
        const double sigma = in.SIA + i * h;
        // Central differences: truncation error relative to the slope is c(c+1)/6 · (h/σ)², below 1.4e-4
        // for σ >= 0.05 (h/σ <= 0.02, |c| <= 1). The float values (relative error 6e-8 on strains below
        // 0.1) add at most 2e-4 where the difference is smallest. 1e-3 leaves room for both.
        if (sigma < 0.05 || (sigma - h <= c.SIBK && c.SIBK < sigma + h))
            continue; // too coarse near the start; the slope has a kink at σ_b
        const double first = 2 * h / (static_cast<double>(r.EPSN[i + 1]) - r.EPSN[i - 1]);
        EXPECT_NEAR(first / stiffness(in.A1, c.C1S, c.C1, sigma), 1.0, 1e-3) << "first loading at " << sigma;
        const double reload = 2 * h / (reloadingNatural(i + 1) - reloadingNatural(i - 1));
        EXPECT_NEAR(reload / stiffness(in.A2, c.C2S, c.C2, sigma), 1.0, 1e-3) << "reloading at " << sigma;
        ++checked;
    }
    EXPECT_GT(checked, 900);
}

INSTANTIATE_TEST_SUITE_P(Exponents, StiffnessLaw,
                         ::testing::Values(LawCase{0.8f, 0.6f, 0.5f, 0.4f, 0.1f},   // power form both sides
                                           LawCase{1.0f, 0.6f, 0.5f, 1.0f, 0.1f},   // c'1 = 1, c2 = 1
                                           LawCase{0.5f, 1.0f, 1.0f, 0.3f, 0.1f},   // the reverse
                                           LawCase{0.0f, 0.9f, 0.2f, 0.0f, 0.5f},   // zero exponents
                                           LawCase{0.7f, 9.0f, 0.3f, 9.0f, 5.0f},   // σ_b above σ_max
                                           LawCase{9.0f, 0.6f, 9.0f, 0.5f, 0.001f}, // σ_b below σ_A
                                           LawCase{1.0f, 1.0f, 1.0f, 1.0f, 0.3f})); // logarithmic only

TEST(KOMPRESSION, ReferenceStressOutsideTheRangeUsesOneSideOnly) {
    const struct {
        float SIBK;
        bool belowSideUsed;
    } cases[] = {{5.0f, true}, {0.005f, false}};
    for (const auto& c : cases) {
        auto in = typicalCompression();
        in.SIBK = c.SIBK;
        CollectingMessageSink sink;
        const auto base = KOMPRESSION(in, sink);
        auto other = in;
        if (c.belowSideUsed) { // the exponents above σ_b cannot matter
            other.C1 = 0.123f;
            other.C2 = 1.0f;
        } else {
            other.C1S = 0.123f;
            other.C2S = 1.0f;
        }
        const auto changed = KOMPRESSION(other, sink);
        EXPECT_EQ(base.EPSN, changed.EPSN);
        EXPECT_EQ(base.EPSW, changed.EPSW);
        EXPECT_EQ(base.EPOR, changed.EPOR);
        EXPECT_EQ(changed.EPSN[0], 0.0f);
        EXPECT_GT(changed.EPSN.back(), 0.0f);
    }
}

TEST(KOMPRESSION, VoidRatioIsAnchoredAtSigma0) {
    // Grid 0.01 .. 1 in steps of 0.01: grid stress k is 0.01 · (k + 1).
    const float stresses[] = {0.01f, 0.1f, 0.37f, 0.555f, 1.0f};
    for (const float sigma0 : stresses) {
        auto in = typicalCompression();
        in.N = 99;
        in.SI0 = sigma0;
        CollectingMessageSink sink;
        const auto r = KOMPRESSION(in, sink);
        EXPECT_EQ(r.anchor, VoidRatioAnchor::Grid);
        const auto j = curvemath::findInterval(r.SIG, sigma0);
        ASSERT_TRUE(j);
        const float eAtSigma0 = LININT(r.SIG[*j], r.SIG[*j + 1], sigma0, r.EPOR[*j], r.EPOR[*j + 1], sink);
        EXPECT_NEAR(eAtSigma0, in.E0, 2e-6) << sigma0;
        EXPECT_TRUE(sink.messages().empty());
    }
}

TEST(KOMPRESSION, Sigma0OnAGridStressTakesThatPointsStrain) {
    auto in = typicalCompression();
    in.N = 99;
    in.SI0 = 0.1f; // grid stress 9 ends interval 8
    CollectingMessageSink sink;
    const auto r = KOMPRESSION(in, sink);
    ASSERT_EQ(r.SIG[9], 0.1f);
    const float epsilon0 = static_cast<float>(r.EPSK[9] / 100.0);
    EXPECT_EQ(r.EPORA, static_cast<float>((in.E0 + static_cast<double>(epsilon0)) / (1.0 - epsilon0)));
    EXPECT_NEAR(r.EPOR[9], in.E0, 1e-6);
    in.SI0 = in.SIA;
    EXPECT_EQ(KOMPRESSION(in, sink).EPORA, in.E0);
}

TEST(KOMPRESSION, Sigma0OffTheGridIsAnchoredOnTheLawAndReported) {
    // Constant stiffness: the law gives ε(σ_0) = (σ_0 − σ_A) / a also outside the grid.
    for (const float sigma0 : {0.005f, 2.0f}) {
        auto in = typicalCompression();
        in.C1S = in.C1 = 0.0f;
        in.SI0 = sigma0;
        CollectingMessageSink sink;
        const auto r = KOMPRESSION(in, sink);
        EXPECT_EQ(r.anchor, VoidRatioAnchor::Law);
        ASSERT_EQ(sink.messages().size(), 1u);
        EXPECT_EQ(sink.messages()[0].title, "Sigma 0");
        EXPECT_EQ(sink.messages()[0].text, "Sigma 0 (" + sink.formatNumber(sigma0) +
                                               ") liegt nicht im Bereich der Kurven (0.01 bis 1).\n"
                                               "Die Porenzahl e0 wird mit dem Stoffgesetz bei Sigma 0 verankert.");
        const double strain = 1.0 - std::exp(-(sigma0 - in.SIA) / in.A1);
        EXPECT_NEAR(r.EPORA - strain * (r.EPORA + 1.0), in.E0, 1e-6) << sigma0;
    }
}

TEST(KOMPRESSION, RepeatedGridStressesAtSigma0DivideByZeroOnce) {
    // Steps of 0.00002 round to repeated 4-decimal stresses: 0.01, 0.01, 0.01, 0.0101, ...
    auto in = typicalCompression();
    in.SIA = 0.01f;
    in.SIMAX = 0.0102f;
    in.N = 10;
    in.SI0 = 0.01f;
    CollectingMessageSink sink;
    const auto r = KOMPRESSION(in, sink);
    ASSERT_EQ(r.SIG[0], r.SIG[1]);
    ASSERT_EQ(sink.messages().size(), 1u);
    EXPECT_EQ(sink.messages()[0].text, "Division durch Null!");
    EXPECT_EQ(sink.messages()[0].title, "LININT");
    EXPECT_EQ(r.EPORA, in.E0); // a strain of 0 at σ_0
}

TEST(KOMPRESSION, RefusesARangeWithoutGridAndReportsArithmeticFailures) {
    const struct {
        const char* name;
        void (*change)(CompressionInput&);
        int number;
        const char* text;
    } cases[] = {
        {"end at start", [](CompressionInput& in) { in.SIMAX = in.SIA = 1.0f; }, 5,
         "Sigma max (1) muß größer als Sigma A (1) sein."},
        {"end below start", [](CompressionInput& in) { in.SIA = 2.0f; }, 5,
         "Sigma max (1) muß größer als Sigma A (2) sein."},
        {"no subdivision", [](CompressionInput& in) { in.N = 0; }, 5,
         "Die Anzahl der Unterteilungen N (0) muß mindestens 1 sein."},
        {"negative subdivisions", [](CompressionInput& in) { in.N = -4; }, 5,
         "Die Anzahl der Unterteilungen N (-4) muß mindestens 1 sein."},
        {"zero stiffness", [](CompressionInput& in) { in.A1 = 0.0f; }, 11, "Division durch Null"},
        {"logarithm of zero", [](CompressionInput& in) { in.SIA = 0.0f; in.C1S = 1.0f; }, 5,
         "Ungültiger Prozeduraufruf oder ungültiges Argument"},
        {"zero reference stress", [](CompressionInput& in) { in.SIBK = 0.0f; in.C2S = in.C2 = 1.0f; }, 11,
         "Division durch Null"},
        {"zero to a negative power", [](CompressionInput& in) { in.SIA = 0.0f; in.C2S = 1.5f; }, 11,
         "Division durch Null"},
    };
    for (const auto& c : cases) {
        auto in = typicalCompression();
        c.change(in);
        CollectingMessageSink sink;
        try {
            KOMPRESSION(in, sink);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const CurveError& e) {
            EXPECT_EQ(e.number(), c.number) << c.name;
            EXPECT_STREQ(e.what(), c.text) << c.name;
        }
    }
}

} // namespace
} // namespace talur
