#include "engine/SplitMix64.h"
#include "engine/ZindralEngine.h"
#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <bit>

namespace engine {
namespace {

TEST(SplitMix64, MatchesThePublishedGenerator) {
    // The published generator's first two outputs from state 0.
    EXPECT_EQ(splitMix64(0), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(splitMix64(0x9E3779B97F4A7C15ull), 0x6E789E6AA1B965F4ull);
    EXPECT_EQ(unitFloat(0), 0.0f);
    EXPECT_EQ(unitFloat(~uint64_t{0}), 1.0f);
}

// Known answers computed independently from the published algorithm: per seed and corner, the corner
// seed and the bits of note, slide, rest and accent at steps 1 and 63.
struct TableCase {
    uint64_t seed;
    int corner;
    uint64_t cornerSeed;
    uint32_t bits[8]; // note[1], note[63], slide[1], slide[63], rest[1], rest[63], accent[1], accent[63]
};
constexpr TableCase kTableCases[] = {
    {0,
     0,
     0xe220a8397b1dcdafull,
     {0x3f61462c, 0x3f46e203, 0x3f4919d9, 0x3f2c0f05, 0x3efe244d, 0x3e368b31, 0x3f1e5026, 0x3f145783}},
    {0,
     3,
     0x2130748aaac80268ull,
     {0x3f449f6f, 0x3f386b86, 0x3cad6241, 0x3f132a5f, 0x3ec583d9, 0x3e67c551, 0x3daaf7f1, 0x3d09b941}},
    {0xffffffffffffffffull,
     0,
     0xe4d971771b652c20ull,
     {0x3ebac1b5, 0x3ef8e62b, 0x3f6f50ae, 0x3ebd04b9, 0x3eea5879, 0x3db586a9, 0x3efd9103, 0x3f792d2c}},
    {0xffffffffffffffffull,
     3,
     0x00fc86d80b488e96ull,
     {0x3e7a4a1d, 0x3f49d83f, 0x3e59e1dd, 0x3eda44c1, 0x3f7c8632, 0x3f678726, 0x3f01a084, 0x3e94f04b}},
    {0x0123456789abcdefull,
     0,
     0x157a3807a48faa9dull,
     {0x3f63a510, 0x3e25d675, 0x3f4f9743, 0x3deb8c99, 0x3e3d90c5, 0x3f2ae34a, 0x3e9a35ab, 0x3e35262d}},
    {0x0123456789abcdefull,
     3,
     0x39096464d363c360ull,
     {0x3f5332b8, 0x3e9c32f5, 0x3ed1e9ad, 0x3e8c6fa7, 0x3f1a1da9, 0x3ee2f89d, 0x3e2a7e8d, 0x3f757e2d}},
};

TEST(CornerTables, KnownAnswers) {
    testing::ProbeEngine e;
    for (const TableCase& c : kTableCases) {
        e.setSeed(c.seed);
        EXPECT_EQ(e.seed, c.seed);
        EXPECT_EQ(e.cornerSeeds[c.corner], c.cornerSeed);
        const auto& table = e.cornerTables[c.corner];
        EXPECT_EQ(table[0][0].load(), unitFloat(c.cornerSeed)) << "step 0's note comes from the corner seed";
        int k = 0;
        for (int row = 0; row < 4; ++row) {
            for (int step : {1, 63}) {
                EXPECT_EQ(std::bit_cast<uint32_t>(table[row][step].load()), c.bits[k++])
                    << "seed " << c.seed << " corner " << c.corner << " row " << row << " step " << step;
            }
        }
    }
}

TEST(CornerTables, CornerSeedsChainAndReseedingIsRepeatable) {
    testing::ProbeEngine a(42);
    testing::ProbeEngine b(7);
    b.lastStep = 5;
    b.setSeed(42);
    uint64_t s = 42;
    for (int t = 0; t < 4; ++t) {
        s = splitMix64(s);
        EXPECT_EQ(a.cornerSeeds[t], s);
        for (int row = 0; row < 4; ++row) {
            for (int i = 0; i < 64; ++i) {
                const float v = a.cornerTables[t][row][i];
                EXPECT_EQ(std::bit_cast<uint32_t>(v),
                          std::bit_cast<uint32_t>(b.cornerTables[t][row][i].load()));
                EXPECT_TRUE(v >= 0.0f && v <= 1.0f);
            }
        }
    }
    EXPECT_EQ(b.lastStep, 5) << "reseeding leaves the scheduler alone";
}

} // namespace
} // namespace engine
