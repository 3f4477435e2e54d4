#include "curves/Compression.h"

#include "curves/CurveError.h"
#include "curves/CurveNumerics.h"

#include <cmath>

namespace talur {

using namespace curvemath;

namespace {

// Natural strain from σ_b for one stiffness coefficient and one exponent. The constant factors are
// worked out on first use, so a law that no grid point needs cannot fail.
class StrainLaw {
public:
    StrainLaw(float a, float c, float sigmaB) : m_a(a), m_c(c), m_sigmaB(sigmaB) {}

    double at(float sigma) {
        if (!m_ready)
            prepare();
        if (m_logarithmic)
            return m_factor * ln(divide(sigma, m_sigmaB));
        return m_factor * (power(sigma, 1.0 - m_c) - m_sigmaBPower);
    }

private:
    void prepare() {
        // The logarithmic form only for an exponent of exactly 1.
        m_logarithmic = m_c == 1.0f;
        if (m_logarithmic) {
            m_factor = divide(m_sigmaB, m_a);
        } else {
            const double oneMinusC = 1.0 - m_c;
            m_factor = divide(power(m_sigmaB, m_c), oneMinusC * m_a);
            m_sigmaBPower = power(m_sigmaB, oneMinusC);
        }
        m_ready = true;
    }

    float m_a;
    float m_c;
    float m_sigmaB;
    bool m_ready = false;
    bool m_logarithmic = false;
    double m_factor = 0.0;
    double m_sigmaBPower = 0.0;
};

// First loading or unloading/reloading: the exponent depends on the side of σ_b.
class SidedLaw {
public:
    SidedLaw(float a, float cBelow, float cAbove, float sigmaB)
        : m_below(a, cBelow, sigmaB), m_above(a, cAbove, sigmaB), m_sigmaB(sigmaB) {}
    float at(float sigma) { return store(sigma > m_sigmaB ? m_above.at(sigma) : m_below.at(sigma)); }

private:
    StrainLaw m_below;
    StrainLaw m_above;
    float m_sigmaB;
};

// Conventional strain in % from a natural strain.
float conventionalPercent(float natural) {
    const double growth = std::exp(static_cast<double>(natural));
    if (!std::isfinite(growth))
        throw CurveError(CurveError::Overflow, "Überlauf");
    return store((growth - 1.0) / growth * 100.0);
}

void refuseUnusableRange(const CompressionInput& in, CurveMessageSink& sink) {
    if (in.N < 1)
        throw CurveError(CurveError::InvalidCall, "Die Anzahl der Unterteilungen N (" + std::to_string(in.N) +
                                                      ") muß mindestens 1 sein.");
    if (!(in.SIMAX > in.SIA))
        throw CurveError(CurveError::InvalidCall, "Sigma max (" + sink.formatNumber(in.SIMAX) +
                                                      ") muß größer als Sigma A (" + sink.formatNumber(in.SIA) +
                                                      ") sein.");
}

// Strain (fraction) at σ_0 that anchors the void ratios.
float anchorStrain(const CompressionInput& in, CompressionResult& out, SidedLaw& firstLoading, float rawStart,
                   CurveMessageSink& sink) {
    if (const auto j = out.gridInterval(in.SI0)) {
        const float percent = LININT(out.SIG[*j], out.SIG[*j + 1], in.SI0, out.EPSK[*j], out.EPSK[*j + 1], sink);
        return store(percent / 100.0);
    }
    // Off the grid no interval holds σ_0; the law itself still gives the strain there, so the void
    // ratio curve stays anchored at (σ_0, e_0). Said so, because it is not read off the drawn curve.
    out.anchor = VoidRatioAnchor::Law;
    sink.message("Sigma 0 (" + sink.formatNumber(in.SI0) + ") liegt nicht im Bereich der Kurven (" +
                     sink.formatNumber(in.SIA) + " bis " + sink.formatNumber(in.SIMAX) + ").\n" +
                     "Die Porenzahl e0 wird mit dem Stoffgesetz bei Sigma 0 verankert.",
                 "Sigma 0", CurveIcon::Exclamation);
    const float natural = store(static_cast<double>(firstLoading.at(in.SI0)) - rawStart);
    return store(conventionalPercent(natural) / 100.0);
}

} // namespace

std::optional<std::size_t> CompressionResult::gridInterval(float sigma) const {
    if (searchKeys.size() != SIG.size()) // a result put together by hand
        return findInterval(SIG, sigma);
    return findIntervalInKeys(searchKeys.data(), searchKeys.size(), sigma);
}

CompressionResult KOMPRESSION(const CompressionInput& in, CurveMessageSink& sink) {
    refuseUnusableRange(in, sink);
    const std::size_t count = static_cast<std::size_t>(in.N) + 1;
    CompressionResult out;
    out.SIA = in.SIA;
    out.SIMAX = in.SIMAX;
    out.SIG.resize(count);
    out.EPSN.resize(count);
    out.EPSK.resize(count);
    out.EPSW.resize(count);
    out.EPOR.resize(count);
    out.searchKeys.resize(count);

    SidedLaw firstLoading(in.A1, in.C1S, in.C1, in.SIBK);
    SidedLaw reloading(in.A2, in.C2S, in.C2, in.SIBK);
    const float step = store(divide(static_cast<double>(in.SIMAX) - in.SIA, in.N));
    std::vector<float> rawReloading(count);
    for (std::size_t i = 0; i < count; ++i) {
        const float sigma = store(in.SIA + static_cast<double>(i) * step);
        out.SIG[i] = store(roundTo(sigma, 4));
        out.searchKeys[i] = searchKey(out.SIG[i]);
        out.EPSN[i] = firstLoading.at(sigma);
        rawReloading[i] = reloading.at(sigma);
    }
    // Count from σ_A.
    const float rawStart = out.EPSN[0];
    const float rawReloadingStart = rawReloading[0];
    for (std::size_t i = 0; i < count; ++i) {
        out.EPSN[i] = store(static_cast<double>(out.EPSN[i]) - rawStart);
        out.EPSK[i] = conventionalPercent(out.EPSN[i]);
        out.EPSW[i] = conventionalPercent(store(static_cast<double>(rawReloading[i]) - rawReloadingStart));
    }

    const float epsilon0 = anchorStrain(in, out, firstLoading, rawStart, sink);
    out.EPORA = store(divide(static_cast<double>(in.E0) + epsilon0, 1.0 - epsilon0));
    const double factor = static_cast<double>(out.EPORA) + 1.0;
    for (std::size_t i = 0; i < count; ++i)
        out.EPOR[i] = store(out.EPORA - out.EPSK[i] / 100.0 * factor);
    return out;
}

std::optional<Branch> ENTLASTUNG(const CompressionResult& r, float SIV, StrainMeasure measure,
                                 CurveMessageSink& sink) {
    const auto found = r.gridInterval(SIV);
    if (!found)
        return std::nullopt;
    const std::size_t j = *found;
    const float x1 = r.SIG[j];
    const float x2 = r.SIG[j + 1];
    const float firstLoading = measure == StrainMeasure::Conventional
                                   ? LININT(x1, x2, SIV, r.EPSK[j], r.EPSK[j + 1], sink)
                                   : store(LININT(x1, x2, SIV, r.EPSN[j], r.EPSN[j + 1], sink) * 100.0);
    const float reloading = LININT(x1, x2, SIV, r.EPSW[j], r.EPSW[j + 1], sink);

    Branch branch;
    branch.SIV = SIV;
    branch.stress.reserve(j + 2);
    branch.strain.reserve(j + 2);
    for (std::size_t t = 0; t <= j; ++t) {
        branch.stress.push_back(r.SIG[t]);
        branch.strain.push_back(store(static_cast<double>(r.EPSW[t]) + firstLoading - reloading));
    }
    branch.stress.push_back(SIV);
    branch.strain.push_back(firstLoading);

    const double factor = static_cast<double>(r.EPORA) + 1.0;
    branch.voidRatio.reserve(branch.strain.size());
    for (const float strain : branch.strain)
        branch.voidRatio.push_back(store(r.EPORA - strain / 100.0 * factor));
    return branch;
}

BranchRule branchRule(const std::vector<float>& SIV, float SIMAX) {
    BranchRule rule;
    if (SIV.empty() || SIV.front() == 0.0f)
        return rule;
    for (std::size_t k = 0; k < SIV.size(); ++k) {
        if (SIMAX < SIV[k]) {
            rule.stop = BranchStop{k, SIMAX, SIV[k]};
            break;
        }
        rule.rows = k + 1;
    }
    return rule;
}

UnloadingBranches unloadingBranches(const CompressionResult& result, const std::vector<float>& SIV,
                                    StrainMeasure measure, CurveMessageSink& sink) {
    UnloadingBranches out;
    const BranchRule rule = branchRule(SIV, result.SIMAX);
    for (std::size_t k = 0; k < rule.rows; ++k) {
        BranchRow row{k, SIV[k], ENTLASTUNG(result, SIV[k], measure, sink)};
        if (!row.branch)
            sink.message("Sigma v (" + sink.formatNumber(SIV[k]) + ") in Zeile Nr. " + std::to_string(k + 1) +
                             " liegt nicht im Bereich der Kurven (" + sink.formatNumber(result.SIA) + " bis " +
                             sink.formatNumber(result.SIMAX) + ").\n" +
                             "Für diese Vorbelastung wird keine Entlastungskurve berechnet.",
                         "Sigma v", CurveIcon::Exclamation);
        out.rows.push_back(std::move(row));
    }
    if (rule.stop) {
        out.stoppedAt = rule.stop;
        sink.message("Sigma max (" + sink.formatNumber(rule.stop->SIMAX) + ")" + " muß größer oder gleich Sigma v (" +
                         sink.formatNumber(rule.stop->SIV) + ") sein.",
                     "Sigma max", CurveIcon::Exclamation);
    }
    return out;
}

} // namespace talur
