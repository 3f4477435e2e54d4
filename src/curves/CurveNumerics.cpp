#include "curves/CurveNumerics.h"

#include "curves/CurveError.h"

#include <cfloat>
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
    const double scale = std::pow(10.0, decimals);
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

float store(double value) {
    if (std::isnan(value))
        throw CurveError(CurveError::InvalidCall, kInvalidCall);
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        throw CurveError(CurveError::Overflow, kOverflow);
    return static_cast<float>(value);
}

double divide(double numerator, double denominator) {
    if (denominator == 0.0)
        throw CurveError(CurveError::DivisionByZero, kDivisionByZero);
    return numerator / denominator;
}

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
