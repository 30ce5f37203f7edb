#pragma once
// The monotonic linear interpolation in 32-bit float: exact at both ends, never overshooting b, with
// its products fused into the additions.

#include <algorithm>
#include <cmath>

namespace engine {

/// [any] a + t (b - a) for t in 0..1.
inline float monotonicLerp(float a, float b, float t) {
    if ((a <= 0.0f && b >= 0.0f) || (a >= 0.0f && b <= 0.0f)) {
        return std::fma(t, b, (1.0f - t) * a);
    }
    if (t == 1.0f) {
        return b;
    }
    const float x = std::fma(t, b - a, a);
    return b > a ? std::min(x, b) : std::max(x, b);
}

} // namespace engine
