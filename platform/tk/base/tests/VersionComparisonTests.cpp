#include "platform/tk/base/VersionComparison.h"

#include <gtest/gtest.h>

#include <string>

namespace tk {
namespace {

TEST(VersionComparison, PiecesCompareInOrderAsNumbers) {
    struct Case {
        std::string a;
        std::string b;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {"1.2.4", "1.2.3.4", 1},  // more pieces do not make a version newer
        {"1.0.100", "1.1.0", -1}, // nor does a large later piece
        {"1.10", "1.9", 1},
        {"2", "2.0.0", 0},
        {"1.100", "2.0", -1},
        {"10", "9.99", 1},
        {" 2.0\n", "2.0", 0},
        {"..1..2.", "1.2", 0},
        {"+1.-2", "1", -1},
        {"1.2beta", "1.0", 0}, // "2beta" is not a number: 0
        {"Unknown", "0.1", -1},
        {"", "0", 0},
        {"0.0.9223372036854775807", "0.0.9223372036854775806", 1},
        {"-9223372036854775808", "0", -1},
        // Incomparable: a piece beyond 64 bits, or a string too long to be a version.
        {"99999999999999999999.0", "1.0", std::nullopt},
        {"1.0", "9223372036854775808", std::nullopt},
        {"1." + std::string(kMaxVersionLength, '0'), "1", std::nullopt},
        {"1." + std::string(kMaxVersionLength - 2, '0'), "1", 0},
        {"  1.0  ", "1", 0}, // surrounding white space does not count
    };
    for (const Case& c : cases) {
        EXPECT_EQ(compareVersions(c.a, c.b), c.expected) << '"' << c.a << "\" vs \"" << c.b << '"';
        const auto reverse = c.expected ? std::optional<int>(-*c.expected) : std::nullopt;
        EXPECT_EQ(compareVersions(c.b, c.a), reverse) << '"' << c.b << "\" vs \"" << c.a << '"';
    }
}

} // namespace
} // namespace tk
