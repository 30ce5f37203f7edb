#include "platform/gpu/gl/OpaqueResolve.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace gpu::gl {
namespace {

constexpr std::uint16_t kOne = 0x3c00;

// A table that tells the channels apart: each half maps to its low byte.
OpaqueEncodeTable lowByteTable() {
    OpaqueEncodeTable table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint8_t>(i);
    return table;
}

// Two rows of two pixels, GL's bottom row first: the words come out top row first, through the
// table, with clear pixels (alpha +0 or -0) as transparent black whatever their colour.
TEST(OpaqueResolve, FlipsRowsAndEncodesOpaqueAndClearPixels) {
    const auto table = lowByteTable();
    const std::vector<std::uint16_t> halves{
        0x0110, 0x0220, 0x0330, kOne, 0x7c00, 0x0001, 0xbc00, 0x0000, // bottom: opaque, clear
        0x0a01, 0x0b02, 0x0c03, kOne, 0x1234, 0x1234, 0x1234, 0x8000, // top: opaque, clear (-0)
    };
    std::vector<std::uint32_t> words(4, 0xdeadbeef);
    ASSERT_TRUE(resolveOpaqueHalves(halves, 2, 2, table, words));
    EXPECT_EQ(words, (std::vector<std::uint32_t>{0xff010203, 0, 0xff102030, 0}));
}

TEST(OpaqueResolve, RefusesWhatTheTableDoesNotCover) {
    const auto table = lowByteTable();
    std::vector<std::uint32_t> words(4);
    struct Case {
        const char* what;
        std::uint16_t alpha;
        int width, height;
        std::size_t halves;
    } cases[] = {
        {"alpha one half", 0x3800, 2, 2, 16},
        {"alpha above one", 0x3c01, 2, 2, 16},
        {"alpha not a number", 0x7e00, 2, 2, 16},
        {"too few halves", kOne, 2, 2, 15},
        {"no pixels", kOne, 0, 2, 16},
        {"more pixels than words", kOne, 3, 2, 24},
    };
    for (const auto& c : cases) {
        std::vector<std::uint16_t> halves(c.halves, kOne);
        halves[halves.size() - 1 - (halves.size() % 4)] = c.alpha; // the last whole pixel's alpha
        EXPECT_FALSE(resolveOpaqueHalves(halves, c.width, c.height, table, words)) << c.what;
    }
}

} // namespace
} // namespace gpu::gl
