#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace au {

// Float-to-integer conversions for values a host hands in. A plain cast of NaN or of a value outside
// the target's range is undefined behaviour; these truncate toward zero, map NaN to 0 and saturate.
template <class Int, class Float> constexpr Int truncateSaturating(Float value) {
    static_assert(std::numeric_limits<Int>::is_integer && std::numeric_limits<Float>::is_iec559);
    if (std::isnan(value)) {
        return 0;
    }
    // The bounds as floats: the lowest is exact (0 or -2^n); the upper bound 2^n is one past the top.
    constexpr Float lowest = static_cast<Float>(std::numeric_limits<Int>::lowest());
    constexpr Float pastTop = static_cast<Float>(std::numeric_limits<Int>::max() / 2 + 1) * Float(2);
    if (value <= lowest) {
        return std::numeric_limits<Int>::lowest();
    }
    if (value >= pastTop) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(value);
}

} // namespace au
