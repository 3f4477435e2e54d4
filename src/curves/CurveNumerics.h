#pragma once
// The small numeric routines shared by the curve models, the page and the graphics library, and the
// arithmetic rules of the models: values are kept as 32-bit floats, expressions are evaluated in double
// precision and rounded when stored.
#include "curves/CurveMessages.h"

#include <cfloat>
#include <cstddef>
#include <optional>
#include <vector>

namespace talur {

// Straight line through (x1, y1) and (x2, y2) at x (extrapolates outside [x1, x2]).
// x1 = x2 shows "Division durch Null!" (title "LININT") and gives 0.
float LININT(float x1, float x2, float x, float y1, float y2, CurveMessageSink& sink);

// Decimal logarithm; 0 for x <= 0, without a message.
float LG(float x);

namespace curvemath {

// Rounds half away from zero to the given number of decimal places.
double roundTo(double value, int decimals);
// A stored stress as interval searches compare it: rounded to 5 decimals, kept as a float.
float searchKey(float value);
// First j with key(xs[j]) <= x <= key(xs[j + 1]), j = 0 .. count - 2; nothing when no interval holds x.
std::optional<std::size_t> findInterval(const float* xs, std::size_t count, float x);
inline std::optional<std::size_t> findInterval(const std::vector<float>& xs, float x) {
    return findInterval(xs.data(), xs.size(), x);
}
// The same search over stresses whose keys are already worked out (searchKey of each).
std::optional<std::size_t> findIntervalInKeys(const float* keys, std::size_t count, float x);
std::vector<float> searchKeys(const std::vector<float>& xs);

[[noreturn]] void failStore(double value);
[[noreturn]] void failDivision();

// Rounds to a stored float; a value beyond the float range is an overflow (error 6), NaN error 5.
inline float store(double value) {
    if (!(value >= -static_cast<double>(FLT_MAX) && value <= static_cast<double>(FLT_MAX)))
        failStore(value);
    return static_cast<float>(value);
}
// Checked operations: a zero divisor is error 11, an undefined power or logarithm error 5.
inline double divide(double numerator, double denominator) {
    if (denominator == 0.0)
        failDivision();
    return numerator / denominator;
}
double power(double base, double exponent);
double ln(double value);

} // namespace curvemath
} // namespace talur
