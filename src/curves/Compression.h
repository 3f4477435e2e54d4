#pragma once
// Compression curves of one record: a power law for the constrained stiffness with separate parameters
// for first loading and for unloading/reloading, integrated into natural and conventional strain over a
// stress grid, anchored to one known void ratio, plus one unloading branch per preloading stress.
#include "curves/CurveMessages.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace talur {

// The record's stiffness parameters and stress range (stresses in MN/m²).
struct CompressionInput {
    float A1 = 0.0f;    // stiffness coefficient a, first loading
    float C1S = 0.0f;   // exponent for σ <= σ_b, first loading
    float C1 = 0.0f;    // exponent for σ > σ_b, first loading
    float A2 = 0.0f;    // stiffness coefficient a, unloading/reloading
    float C2S = 0.0f;   // exponent for σ <= σ_b, unloading/reloading
    float C2 = 0.0f;    // exponent for σ > σ_b, unloading/reloading
    float SIBK = 0.0f;  // reference stress σ_b of the stiffness law
    float SI0 = 0.0f;   // stress at which the void ratio is known
    float E0 = 0.0f;    // void ratio at SI0
    float SIA = 0.0f;   // start stress of all curves
    float SIMAX = 0.0f; // end stress of all curves
    int16_t N = 0;      // number of subdivisions
};

// Where the strain at SI0 that anchors the void ratios came from.
enum class VoidRatioAnchor {
    Grid, // interpolated on the grid
    Law,  // SI0 lies off the grid: the stiffness law evaluated at SI0 itself (and reported)
};

struct CompressionResult {
    std::vector<float> SIG;  // stress grid, N + 1 points, rounded to 4 decimals
    std::vector<float> EPSN; // natural strain of first loading, fraction, counted from SIA
    std::vector<float> EPSK; // conventional strain of first loading, %, counted from SIA
    std::vector<float> EPSW; // conventional strain of the unloading/reloading law, %, counted from SIA
    std::vector<float> EPOR; // void ratio on first loading
    float EPORA = 0.0f;      // void ratio at SIA
    float SIA = 0.0f;        // the range this result was computed for
    float SIMAX = 0.0f;
    VoidRatioAnchor anchor = VoidRatioAnchor::Grid;
    // SIG at 5 decimals, as interval searches compare the grid; worked out once per result.
    std::vector<float> searchKeys;
    // The first grid interval j with searchKeys[j] <= sigma <= searchKeys[j + 1].
    std::optional<std::size_t> gridInterval(float sigma) const;
};

enum class StrainMeasure { Conventional, Natural };

// One unloading branch: the reloading curve shifted to meet first loading at SIV, in ascending stress.
struct Branch {
    float SIV = 0.0f;
    std::vector<float> stress;
    std::vector<float> strain;    // %, in the measure asked for
    std::vector<float> voidRatio; // meaningful with the conventional measure only
};

// Computes the result set. Throws CurveError for an arithmetic failure (zero stiffness coefficient,
// non-positive stress in a logarithm, ...) and for a range it cannot grid (SIMAX <= SIA, N < 1).
// Reports through the sink: "Division durch Null!" of LININT, and an SI0 off the grid.
CompressionResult KOMPRESSION(const CompressionInput& input, CurveMessageSink& sink);

// The branch of one preloading stress; nothing when no grid interval holds SIV.
std::optional<Branch> ENTLASTUNG(const CompressionResult& result, float SIV, StrainMeasure measure,
                                 CurveMessageSink& sink);

// The first preloading stress above SIMAX, which ends the branch sequence.
struct BranchStop {
    std::size_t row = 0;
    float SIMAX = 0.0f;
    float SIV = 0.0f;
};

// Which rows of the preloading stresses (in row order) get a branch: none when there is no row or the
// first one is 0; otherwise rows 0 .. rows - 1, ending before the first stress above SIMAX.
struct BranchRule {
    std::size_t rows = 0;
    std::optional<BranchStop> stop;
};
BranchRule branchRule(const std::vector<float>& SIV, float SIMAX);

struct BranchRow {
    std::size_t row = 0;
    float SIV = 0.0f;
    std::optional<Branch> branch; // empty: SIV lies off the grid (reported, the sequence goes on)
};

struct UnloadingBranches {
    std::vector<BranchRow> rows;
    std::optional<BranchStop> stoppedAt;
};

// Every branch by the rule, in row order, as the compression picture draws them. Reports an SIV off the
// grid and, at the stop, "Sigma max (…) muß größer oder gleich Sigma v (…) sein." (title "Sigma max").
UnloadingBranches unloadingBranches(const CompressionResult& result, const std::vector<float>& SIV,
                                    StrainMeasure measure, CurveMessageSink& sink);

} // namespace talur
