#include "curves/Mohr.h"

#include "curves/CurveNumerics.h"

#include <cmath>

namespace talur {

using namespace curvemath;

namespace {

constexpr double kDegree = 0.017453292;

double tanDegrees(float phi) { return std::tan(phi * kDegree); }

// Friction angle with the stress term already worked out (the grid shares it between both laws).
float angleWithStressTerm(const MohrInput& in, float voidRatio, float stressLog) {
    const float voidLog = LG(store(divide(voidRatio, in.EBS)));
    return store(static_cast<double>(in.B) * voidLog + in.A + static_cast<double>(in.C) * stressLog);
}

float stressLog(const MohrInput& in, float sigma) { return LG(store(divide(sigma, in.SIBS))); }

// The Coulomb fits of one run share their stress limits; a run whose limits no fit can use says so once.
class CoulombFitter {
public:
    CoulombFitter(const MohrInput& in, const CompressionResult& compression, CurveMessageSink& sink)
        : m_in(in), m_compression(compression), m_sink(sink), m_interval1(compression.gridInterval(in.SI1)),
          m_interval2(compression.gridInterval(in.SI2)) {
        if (in.SI1 == in.SI2)
            m_refusal = "Sigma 1 und Sigma 2 (" + sink.formatNumber(in.SI1) + ") müssen verschieden sein.";
        else if (!m_interval1 || !m_interval2)
            m_refusal = "Sigma 1 (" + sink.formatNumber(in.SI1) + ") und Sigma 2 (" + sink.formatNumber(in.SI2) +
                        ") müssen im Bereich der Kurven (" + sink.formatNumber(compression.SIA) + " bis " +
                        sink.formatNumber(compression.SIMAX) + ") liegen.";
    }

    // A series on the grid at both limits.
    CoulombLine onGrid(const std::vector<float>& series) {
        if (!usable())
            return {};
        return COULOMB(m_in.SI1, gridValue(series, m_in.SI1, *m_interval1), m_in.SI2,
                       gridValue(series, m_in.SI2, *m_interval2));
    }

    // A branch: its own angles where a limit lies within its stresses, first loading elsewhere.
    CoulombLine onBranch(const MohrBranch& branch, const std::vector<float>& PHIE) {
        if (!usable())
            return {};
        const auto& gridKeys = m_compression.searchKeys;
        if (gridKeys.size() == m_compression.SIG.size()) {
            // All branch stresses but the last are the grid's first ones.
            const auto prefix = static_cast<std::ptrdiff_t>(branch.stress.size() - 1);
            m_branchKeys.assign(gridKeys.begin(), gridKeys.begin() + prefix);
            m_branchKeys.push_back(searchKey(branch.stress.back()));
        } else {
            m_branchKeys = searchKeys(branch.stress);
        }
        const float phi1 = branchValue(branch, PHIE, m_in.SI1, *m_interval1);
        const float phi2 = branchValue(branch, PHIE, m_in.SI2, *m_interval2);
        return COULOMB(m_in.SI1, phi1, m_in.SI2, phi2);
    }

private:
    bool usable() {
        if (m_refusal.empty())
            return true;
        if (!m_reported) {
            m_sink.message(m_refusal + "\nDie Coulombschen Scherparameter werden nicht berechnet.", "Coulomb",
                           CurveIcon::Exclamation);
            m_reported = true;
        }
        return false;
    }

    float gridValue(const std::vector<float>& series, float sigma, std::size_t j) {
        const auto& sig = m_compression.SIG;
        return LININT(sig[j], sig[j + 1], sigma, series[j], series[j + 1], m_sink);
    }

    float branchValue(const MohrBranch& branch, const std::vector<float>& PHIE, float sigma, std::size_t gridJ) {
        if (const auto t = findIntervalInKeys(m_branchKeys.data(), m_branchKeys.size(), sigma))
            return LININT(branch.stress[*t], branch.stress[*t + 1], sigma, branch.phi[*t], branch.phi[*t + 1], m_sink);
        return gridValue(PHIE, sigma, gridJ);
    }

    const MohrInput& m_in;
    const CompressionResult& m_compression;
    CurveMessageSink& m_sink;
    std::optional<std::size_t> m_interval1;
    std::optional<std::size_t> m_interval2;
    std::string m_refusal;
    bool m_reported = false;
    std::vector<float> m_branchKeys;
};

MohrBranch branchCurve(const MohrInput& in, const Branch& branch, std::size_t row,
                       const std::vector<float>& gridStressLogs) {
    MohrBranch out;
    out.row = row;
    out.SIV = branch.SIV;
    out.stress = branch.stress;
    const std::size_t count = branch.stress.size();
    out.phi.resize(count);
    out.tau.resize(count);
    for (std::size_t t = 0; t < count; ++t) {
        // All points but the last sit on grid stresses, whose stress term is known already.
        const float sLog = t + 1 < count ? gridStressLogs[t] : stressLog(in, branch.stress[t]);
        out.phi[t] = angleWithStressTerm(in, branch.voidRatio[t], sLog);
        out.tau[t] = shearStrength(branch.stress[t], out.phi[t]);
    }
    return out;
}

} // namespace

float frictionAngle(const MohrInput& in, float voidRatio, float sigma) {
    return angleWithStressTerm(in, voidRatio, stressLog(in, sigma));
}

float residualAngle(const MohrInput& in, float sigma) {
    return store(static_cast<double>(in.CR) * stressLog(in, sigma) + in.AR);
}

float shearStrength(float sigma, float phi) { return store(sigma * tanDegrees(phi)); }

CoulombLine COULOMB(float sigma1, float phi1, float sigma2, float phi2) {
    const float tau1 = shearStrength(sigma1, phi1);
    const float tau2 = shearStrength(sigma2, phi2);
    CoulombLine line;
    line.phi = store(std::atan(divide(static_cast<double>(tau2) - tau1, static_cast<double>(sigma2) - sigma1)) /
                     kDegree);
    line.c = store((tau1 - sigma1 * tanDegrees(line.phi)) * 1000.0);
    line.state = FitState::Fitted;
    return line;
}

namespace {

// Step 1, keeping the stress terms of the grid for the branches.
void gridCurves(const MohrInput& in, const CompressionResult& compression, MohrResult& out,
                std::vector<float>& stressLogs) {
    const std::size_t count = compression.SIG.size();
    stressLogs.resize(count);
    out.PHIE.resize(count);
    out.TAUE.resize(count);
    out.PHIR.resize(count);
    out.TAUR.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const float sigma = compression.SIG[i];
        const float sLog = stressLog(in, sigma);
        stressLogs[i] = sLog;
        out.PHIE[i] = angleWithStressTerm(in, compression.EPOR[i], sLog);
        out.TAUE[i] = shearStrength(sigma, out.PHIE[i]);
        out.PHIR[i] = store(static_cast<double>(in.CR) * sLog + in.AR);
        out.TAUR[i] = shearStrength(sigma, out.PHIR[i]);
    }
}

} // namespace

void mohrGridCurves(const MohrInput& in, const CompressionResult& compression, MohrResult& out) {
    std::vector<float> stressLogs;
    gridCurves(in, compression, out, stressLogs);
}

MohrResult BRUCHKURVEN(const MohrInput& in, const CompressionResult& compression, const std::vector<float>& SIV,
                       const MohrResult& previous, CurveMessageSink& sink) {
    MohrResult out;
    std::vector<float> gridStressLogs;
    gridCurves(in, compression, out, gridStressLogs);
    out.branchLines.assign(SIV.size(), CoulombLine{});
    CoulombFitter fitter(in, compression, sink);

    const BranchRule rule = branchRule(SIV, compression.SIMAX);
    if (rule.rows > 0) {
        for (std::size_t k = 0; k < rule.rows; ++k) {
            const auto branch = ENTLASTUNG(compression, SIV[k], StrainMeasure::Conventional, sink);
            if (!branch)
                continue; // off the grid: the compression curves have reported it
            out.branches.push_back(branchCurve(in, *branch, k, gridStressLogs));
            out.branchLines[k] = fitter.onBranch(out.branches.back(), out.PHIE);
        }
    }
    if (rule.stop) {
        // The run ends at this row; the first-loading and residual lines stay as they were.
        out.stoppedAt = rule.stop;
        out.E = previous.E;
        out.R = previous.R;
        if (out.E.state == FitState::Fitted)
            out.E.state = FitState::Kept;
        if (out.R.state == FitState::Fitted)
            out.R.state = FitState::Kept;
        return out;
    }
    out.E = fitter.onGrid(out.PHIE);
    out.R = fitter.onGrid(out.PHIR);
    return out;
}

} // namespace talur
