#pragma once

// Temporary folders and pixel comparisons shared by the graphics tests.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/tests/TempFolder.h"

#include <gtest/gtest.h>

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

} // namespace tk::testing
