#pragma once
// Mohr failure curves: shear strength against normal stress from friction-angle laws that depend on the
// void ratio and the stress, for first loading, for each unloading branch and for the residual state,
// with a Coulomb straight line fitted to each curve between two stress limits.
#include "curves/Compression.h"
#include "curves/CurveMessages.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace talur {

// The record's shear parameters (angles in degrees, stresses in MN/m²).
struct MohrInput {
    float A = 0.0f;    // constant term of the first-loading friction law
    float B = 0.0f;    // void ratio coefficient
    float C = 0.0f;    // stress coefficient
    float AR = 0.0f;   // constant term of the residual law
    float CR = 0.0f;   // stress coefficient of the residual law
    float SIBS = 0.0f; // reference stress of the friction laws
    float EBS = 0.0f;  // reference void ratio
    float SI1 = 0.0f;  // stress limits of the Coulomb fits
    float SI2 = 0.0f;
};

// How a Coulomb line of a run came about.
enum class FitState {
    None,   // not fitted in this run (phi and c are 0)
    Fitted, // fitted in this run
    Kept,   // the run ended at a preloading stress above SIMAX: the previous run's values
};

struct CoulombLine {
    float phi = 0.0f; // friction angle φ', degrees
    float c = 0.0f;   // cohesion c', kN/m²
    FitState state = FitState::None;
};

// Failure curve of one unloading branch, for drawing.
struct MohrBranch {
    std::size_t row = 0;
    float SIV = 0.0f;
    std::vector<float> stress;
    std::vector<float> phi;
    std::vector<float> tau; // MN/m²
};

struct MohrResult {
    std::vector<float> PHIE; // friction angle of first loading at each grid stress
    std::vector<float> TAUE; // shear strength of first loading
    std::vector<float> PHIR; // residual friction angle
    std::vector<float> TAUR; // residual shear strength
    CoulombLine E;           // first loading
    CoulombLine R;           // residual state
    std::vector<CoulombLine> branchLines; // one per preloading-stress row, None where not fitted
    std::vector<MohrBranch> branches;     // the branches that exist, in row order
    std::optional<BranchStop> stoppedAt;  // the run ended at this row (no message)
};

// Friction angle of first loading and unloading at void ratio e and stress σ, and the residual angle.
float frictionAngle(const MohrInput& in, float voidRatio, float sigma);
float residualAngle(const MohrInput& in, float sigma);
// τ = σ · tan φ.
float shearStrength(float sigma, float phi);

// Line through (σ1, σ1 · tan φ1) and (σ2, σ2 · tan φ2); σ1 = σ2 is a division by zero (CurveError 11).
CoulombLine COULOMB(float sigma1, float phi1, float sigma2, float phi2);

// Step 1 only: PHIE, TAUE, PHIR, TAUR on the grid (the rest of the result untouched).
void mohrGridCurves(const MohrInput& in, const CompressionResult& compression, MohrResult& out);

// The whole computation. `previous` is the last run's result (the first-loading and residual lines are
// kept from it when the run ends early). SI1 or SI2 off the grid, or SI1 = SI2, leave every line unfitted
// with one message (title "Coulomb"). Throws CurveError for an arithmetic failure.
MohrResult BRUCHKURVEN(const MohrInput& in, const CompressionResult& compression, const std::vector<float>& SIV,
                       const MohrResult& previous, CurveMessageSink& sink);

} // namespace talur
