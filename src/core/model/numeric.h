#pragma once

#include <cmath>
#include <limits>

namespace orv {

// The value truncated towards zero as an int. Values outside the int range
// (and NaN) would make the plain conversion undefined; they are held at the
// range ends (NaN gives 0).
inline int truncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

// The resolution of a row: a step of 0 counts as 1, a negative one by its size.
inline double effectiveStep(double step) {
    return step == 0 ? 1.0 : std::fabs(step);
}

// The nearest multiple of the step, halves away from zero.
inline double roundToStep(double value, double step) {
    const double s = effectiveStep(step);
    const double sign = value < 0 ? -1.0 : 1.0;
    return sign * s * std::trunc(std::fabs(value) / s + 0.5);
}

}  // namespace orv
