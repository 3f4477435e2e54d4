#include "graphics/Teilung.h"

#include "platform/core/RunError.h"

#include <cmath>

namespace talur {

namespace {

// List values are compared in single precision, as the bounds are kept: a bound or range equal to a
// list entry then matches it exactly.
float f(double v) { return static_cast<float>(v); }

template <class T> const T& at(const std::vector<T>& v, size_t i) {
    if (i >= v.size())
        throw runError(err::SubscriptOutOfRange);
    return v[i];
}

void dataBounds(const TeilungsArt& art, const SingleArray& data, float& lo, float& hi) {
    const int first = std::max(0, data.lower());
    if (art.loFlag == -1) {
        if (std::abs(art.NR) == 1) {
            if (data.upper() < first)
                throw runError(err::SubscriptOutOfRange);
            lo = data[first];
        }
        for (int i = first; i <= data.upper(); ++i)
            lo = std::min(lo, data[i]);
    }
    if (art.hiFlag == -1) {
        if (std::abs(art.NR) == 1) {
            if (data.upper() < first)
                throw runError(err::SubscriptOutOfRange);
            hi = data[first];
        }
        for (int i = first; i <= data.upper(); ++i)
            hi = std::max(hi, data[i]);
    }
}

// Largest list value at or below lo, where lo lies inside the list; otherwise lo stays.
void roundDown(const std::vector<double>& L, float& lo) {
    for (size_t i = 1; i < L.size(); ++i)
        if (f(L[i - 1]) <= lo && lo < f(L[i])) {
            lo = f(L[i - 1]);
            return;
        }
}

// Smallest list value at or above hi, where hi lies inside the list; otherwise hi stays.
void roundUp(const std::vector<double>& L, float& hi) {
    for (size_t i = 1; i < L.size(); ++i)
        if (f(L[i - 1]) < hi && hi <= f(L[i])) {
            hi = f(L[i]);
            return;
        }
}

AchsenTeilung linear(const TeilungsArt& art, const TeilungsListen& ls, float& lo, float& hi) {
    const auto& L = ls.L;
    if (art.loFlag == -1) {
        if (lo < f(at(L, 0)))
            lo = f(L[0]);
        else
            roundDown(L, lo);
    }
    if (art.hiFlag == -1) {
        if (hi > f(at(L, L.size() - 1)))
            hi = f(L.back());
        else
            roundUp(L, hi);
    }
    const auto& D = ls.D;
    float d = hi - lo;
    if (d <= f(at(D, 0)))
        d = f(D[0]);
    if (d >= f(D.back()))
        d = f(D.back());
    size_t row = 0;
    for (size_t i = 0; i < D.size(); ++i)
        if (d <= f(D[i])) {
            d = f(D[i]);
            row = i;
            break;
        }
    if (art.NR != 1 && art.NR != 2)
        hi = lo + d;

    AchsenTeilung t;
    t.N = at(ls.IT, row);
    t.G = at(ls.GIT, row);
    t.Z = at(ls.ZL, row);
    float tick = lo;
    t.ticks.push_back(tick);
    for (int k = 1; k <= t.N; ++k) {
        tick += d / static_cast<float>(t.N);
        t.ticks.push_back(tick);
    }
    return t;
}

AchsenTeilung logarithmic(const TeilungsArt& art, const TeilungsListen& ls, float& lo, float& hi) {
    const auto& L = ls.L;
    const bool loClamped = art.loFlag == -1 && lo < f(at(L, 0));
    const bool hiClamped = art.hiFlag == -1 && hi > f(at(L, L.size() - 1));
    if (loClamped)
        lo = f(L[0]);
    if (hiClamped)
        hi = f(L.back());
    if (!loClamped && !(hiClamped && art.loFlag != -1))
        roundDown(L, lo);
    if (!hiClamped)
        roundUp(L, hi);

    AchsenTeilung t;
    const int mode = at(ls.IT, 0);
    t.ticks = logTicks(mode, lo, hi);
    t.N = static_cast<int>(t.ticks.size()) - 1;
    t.G = at(ls.GIT, 0);
    t.Z = at(ls.ZL, 0);
    if (mode == 0 || mode == 1 || mode == 10) {
        if (mode == t.G)
            t.grid = t.ticks;
        else if (mode == 10 && t.G == 1)
            t.grid = logTicks(1, lo, hi);
    }
    return t;
}

float lg(double x) { return x > 0 ? f(std::log10(x)) : 0.0f; }

// Smallest exponent k in -10..10 with 10^k > lo (11 when there is none).
int firstDecadeAbove(float lo) {
    for (int k = -10; k <= 10; ++k)
        if (f(std::pow(10.0, k)) > lo)
            return k;
    return 11;
}

// Largest exponent k up to 10 with 10^k <= hi (-11 when there is none).
int lastDecadeBelow(float hi) {
    for (int k = 10; k >= -10; --k)
        if (f(std::pow(10.0, k)) <= hi)
            return k;
    return -11;
}

// Smallest multiplier m in 1..9 with m * 10^k >= v (10 when there is none).
int firstMultiple(int k, float v) {
    for (int m = 1; m <= 9; ++m)
        if (f(m * std::pow(10.0, k)) >= v)
            return m;
    return 10;
}

} // namespace

std::vector<float> logTicks(int mode, float lo, float hi) {
    std::vector<float> t{lg(lo)};
    if (mode == 0)
        return t;
    const int k0 = firstDecadeAbove(lo);
    if (mode == 1) {
        for (int k = k0; k <= 10 && f(std::pow(10.0, k)) <= hi; ++k)
            t.push_back(static_cast<float>(k));
        t.push_back(lg(hi));
        return t;
    }
    if (mode != 10) {
        // Other modes are not defined: the bounds only.
        t.push_back(lg(hi));
        return t;
    }
    const int m0 = firstMultiple(k0 - 1, lo);
    const int k1 = lastDecadeBelow(hi);
    if (k1 < k0) {
        // Both bounds inside one decade: its multiples between them.
        const int dec = k0 - 1;
        const int m1 = firstMultiple(dec, hi);
        for (int m = m0 + 1; m < m1; ++m)
            t.push_back(static_cast<float>(dec) + lg(m));
        t.push_back(lg(hi));
        return t;
    }
    const int m1 = firstMultiple(k1, hi);
    for (int m = m0 + 1; m <= 9; ++m)
        t.push_back(static_cast<float>(k0 - 1) + lg(m));
    for (int k = k0; k < k1; ++k)
        for (int m = 1; m <= 9; ++m)
            t.push_back(static_cast<float>(k) + lg(m));
    for (int m = 1; m < m1; ++m)
        t.push_back(static_cast<float>(k1) + lg(m));
    t.push_back(lg(hi));
    return t;
}

AchsenTeilung teileAchse(const TeilungsArt& art, const TeilungsListen& listen, const SingleArray& data,
                         float& lo, float& hi) {
    dataBounds(art, data, lo, hi);
    return art.logarithmic ? logarithmic(art, listen, lo, hi) : linear(art, listen, lo, hi);
}

} // namespace talur
