#pragma once
// Float to integer conversion without undefined behaviour: toward zero, NaN gives 0, values beyond
// the integer's range (infinities included) saturate to its limits. Every float-to-integer
// conversion in the engine goes through here.

#include <cmath>
#include <concepts>
#include <limits>

namespace engine {

/// [any] v converted toward zero, saturating; NaN gives 0.
template <std::signed_integral I> constexpr I truncateSaturating(double v) {
    constexpr double limit = static_cast<double>(std::numeric_limits<I>::max()) + 1.0; // 2^(bits-1), exact
    if (!(v == v)) {
        return 0;
    }
    if (v >= limit) {
        return std::numeric_limits<I>::max();
    }
    if (v < -limit) {
        return std::numeric_limits<I>::min();
    }
    return static_cast<I>(v);
}

/// [any] v taken to the nearest integer, halves away from zero, saturating; NaN gives 0.
template <std::signed_integral I> I roundSaturating(double v) {
    return truncateSaturating<I>(std::round(v));
}

} // namespace engine
