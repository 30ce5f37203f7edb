#pragma once

// Temporary folders, pixel comparisons and contrast shared by the drawing tests.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tk::testing {

inline ::testing::AssertionResult colorNear(const Color& actual, const Color& expected,
                                            double tolerance = 2.0 / 255) {
    if (std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
        std::abs(actual.b - expected.b) <= tolerance && std::abs(actual.a - expected.a) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "colour " << actual.hexString() << " is not near " << expected.hexString();
}

// Relative luminance of an sRGB colour, as contrast ratios are defined on it.
inline double luminance(const Color& c) {
    auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

// The contrast ratio of two colours, 1 to 21.
inline double contrast(const Color& a, const Color& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace tk::testing
