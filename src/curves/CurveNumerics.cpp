#include "curves/CurveNumerics.h"

#include "curves/CurveError.h"

#include <cmath>

namespace talur {

namespace {
const char* const kDivisionByZero = "Division durch Null";
const char* const kInvalidCall = "Ungültiger Prozeduraufruf oder ungültiges Argument";
const char* const kOverflow = "Überlauf";
} // namespace

float LININT(float x1, float x2, float x, float y1, float y2, CurveMessageSink& sink) {
    if (x2 == x1) {
        sink.message("Division durch Null!", "LININT", CurveIcon::None);
        return 0.0f;
    }
    const double dy = static_cast<double>(y2) - y1;
    const double dx = static_cast<double>(x2) - x;
    return curvemath::store(y2 - dy * dx / (static_cast<double>(x2) - x1));
}

float LG(float x) {
    if (!(x > 0.0f))
        return 0.0f;
    return static_cast<float>(std::log(static_cast<double>(x)) / std::log(10.0));
}

namespace curvemath {

double roundTo(double value, int decimals) {
    // Searches round every grid stress they pass; a table keeps the scale out of the loop.
    static constexpr double kScales[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double scale = decimals >= 0 && decimals < 10 ? kScales[decimals] : std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

float searchKey(float value) { return static_cast<float>(roundTo(value, 5)); }

std::optional<std::size_t> findInterval(const float* xs, std::size_t count, float x) {
    if (count < 2)
        return std::nullopt;
    float lower = searchKey(xs[0]);
    for (std::size_t j = 0; j + 1 < count; ++j) {
        const float upper = searchKey(xs[j + 1]);
        if (lower <= x && x <= upper)
            return j;
        lower = upper;
    }
    return std::nullopt;
}

std::optional<std::size_t> findIntervalInKeys(const float* keys, std::size_t count, float x) {
    for (std::size_t j = 0; j + 1 < count; ++j)
        if (keys[j] <= x && x <= keys[j + 1])
            return j;
    return std::nullopt;
}

std::vector<float> searchKeys(const std::vector<float>& xs) {
    std::vector<float> keys(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        keys[i] = searchKey(xs[i]);
    return keys;
}

void failStore(double value) {
    if (std::isnan(value))
        throw CurveError(CurveError::InvalidCall, kInvalidCall);
    throw CurveError(CurveError::Overflow, kOverflow);
}

void failDivision() { throw CurveError(CurveError::DivisionByZero, kDivisionByZero); }

double power(double base, double exponent) {
    if (base == 0.0 && exponent < 0.0)
        throw CurveError(CurveError::DivisionByZero, kDivisionByZero);
    if (base < 0.0 && exponent != std::floor(exponent))
        throw CurveError(CurveError::InvalidCall, kInvalidCall);
    const double result = std::pow(base, exponent);
    if (!std::isfinite(result))
        throw CurveError(CurveError::Overflow, kOverflow);
    return result;
}

double ln(double value) {
    if (!(value > 0.0))
        throw CurveError(CurveError::InvalidCall, kInvalidCall);
    return std::log(value);
}

} // namespace curvemath
} // namespace talur
