#include "engine/MonotonicLerp.h"
#include "engine/ParameterAddress.h"
#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <vector>

namespace engine {
namespace {

using testing::ProbeEngine;

std::vector<int32_t> mapSteps(int32_t first, int32_t count, int32_t length, int32_t playback) {
    std::vector<int32_t> out;
    for (int32_t s = first; s < first + count; ++s) {
        out.push_back(ZindralEngine::patternIndexForStep(s, length, playback));
    }
    return out;
}

TEST(PlaybackPattern, MapsGlobalStepsOntoSections) {
    std::vector<int32_t> identity;
    for (int i = 0; i < 16; ++i) {
        identity.push_back(i);
    }
    EXPECT_EQ(mapSteps(0, 16, 16, 0), identity);
    EXPECT_EQ(mapSteps(0, 16, 16, 3), (std::vector<int32_t>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(ZindralEngine::patternIndexForStep(-1, 16, 3), ZindralEngine::patternIndexForStep(15, 16, 3));
    EXPECT_EQ(mapSteps(0, 8, 5, 3), (std::vector<int32_t>{0, 1, 0, 1, 0, 1, 2, 0}));
    EXPECT_EQ(mapSteps(0, 8, 16, 1), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(mapSteps(12, 4, 16, 1), (std::vector<int32_t>{0, 1, 2, 3})) << "ABCA ends on A";
    EXPECT_EQ(mapSteps(0, 3, 3, 0), (std::vector<int32_t>{0, 1, 2})) << "L = 3 has an empty section D";
    EXPECT_EQ(ZindralEngine::patternIndexForStep(INT32_MIN, 64, 5),
              ZindralEngine::patternIndexForStep(0, 64, 5));
}

TEST(PlaybackPattern, OutOfRangeLengthAndPlaybackAreClamped) {
    for (int32_t step : {0, 5, 77, -9}) {
        EXPECT_EQ(ZindralEngine::patternIndexForStep(step, 0, 2),
                  ZindralEngine::patternIndexForStep(step, 1, 2));
        EXPECT_EQ(ZindralEngine::patternIndexForStep(step, -3, 2),
                  ZindralEngine::patternIndexForStep(step, 1, 2));
        EXPECT_EQ(ZindralEngine::patternIndexForStep(step, 65, 2),
                  ZindralEngine::patternIndexForStep(step, 64, 2));
        EXPECT_EQ(ZindralEngine::patternIndexForStep(step, 16, -1),
                  ZindralEngine::patternIndexForStep(step, 16, 0));
        EXPECT_EQ(ZindralEngine::patternIndexForStep(step, 16, 9),
                  ZindralEngine::patternIndexForStep(step, 16, 5));
    }
}

TEST(PlaybackPattern, CycleLength) {
    EXPECT_EQ(ZindralEngine::patternCycleLength(5, 3), 7);
    for (int32_t playback = 0; playback < 6; ++playback) {
        EXPECT_EQ(ZindralEngine::patternCycleLength(16, playback), 16);
    }
    EXPECT_EQ(ZindralEngine::patternCycleLength(3, 3), 4); // sections 1, 1, 1, 0: A A A B
    EXPECT_EQ(ZindralEngine::patternCycleLength(1, 0), 1);
    EXPECT_EQ(ZindralEngine::patternCycleLength(1, 3), 3); // A A A and an empty B
    EXPECT_EQ(ZindralEngine::patternCycleLength(100, 0), 64);
}

TEST(Interpolation, OffsetWrapsAndMorphMovesOnlyTheNote) {
    ProbeEngine e(99);
    const auto& corner0 = e.cornerTables[0];
    e.storeParameter(kOffset, 3);
    EXPECT_EQ(e.interpolatedStep(0, 0, 0).note, corner0[0][3].load());
    EXPECT_EQ(e.interpolatedStep(13, 0, 0).note, corner0[0][0].load());
    e.storeParameter(kOffset, -1);
    EXPECT_EQ(e.interpolatedStep(0, 0, 0).rest, corner0[2][15].load());
    e.storeParameter(kOffset, 2147483647.0f); // saturated offset: no overflow, a valid step
    const auto far = e.interpolatedStep(5, 0, 0);
    EXPECT_TRUE(far.note >= 0.0f && far.note <= 1.0f);

    e.storeParameter(kOffset, 0);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(e.interpolatedStep(k, 0, 0).note, e.cornerTables[0][0][k].load());
        EXPECT_EQ(e.interpolatedStep(k, 1, 1).note, e.cornerTables[3][0][k].load());
        EXPECT_EQ(e.interpolatedStep(k, 1, 0).note, e.cornerTables[1][0][k].load());
        EXPECT_EQ(e.interpolatedStep(k, -5, 7).note, e.cornerTables[2][0][k].load()) << "morph is clamped";
        const auto a = e.interpolatedStep(k, 0.1f, 0.9f);
        const auto b = e.interpolatedStep(k, 0.8f, 0.3f);
        EXPECT_EQ(a.slide, corner0[1][k].load());
        EXPECT_EQ(a.rest, b.rest);
        EXPECT_EQ(a.accent, b.accent);
        EXPECT_EQ(a.slide, b.slide);
    }
    const auto sequence = e.interpolatedSequence(0.3f, 0.6f);
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(sequence.note[i], sequence.note[i % 16]) << "length 16 repeats in the 64 display steps";
        EXPECT_EQ(sequence.rest[i], e.interpolatedStep(i, 0.3f, 0.6f).rest);
    }
}

TEST(Interpolation, LerpIsFusedMonotonicAndExactAtTheEnds) {
    // Cases where the fused a + t (b - a) differs from the product rounded first (computed exactly).
    const uint32_t fused[][4] = {
        {0x3f2e2eb1, 0x3edaed61, 0x3ea0d7e6, 0x3f19d9e7},
        {0x3e91b681, 0x3ec58675, 0x3f2b2cd3, 0x3eb45b7b},
        {0x3f5f1583, 0x3da507cf, 0x3ee5fbe4, 0x3f0424c9},
        {0x3f0ca818, 0x3f622571, 0x3f51bc53, 0x3f52b251},
    };
    for (const auto& c : fused) {
        const float r =
            monotonicLerp(std::bit_cast<float>(c[0]), std::bit_cast<float>(c[1]), std::bit_cast<float>(c[2]));
        EXPECT_EQ(std::bit_cast<uint32_t>(r), c[3]);
    }
    std::mt19937 rng(5);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    for (int n = 0; n < 20000; ++n) {
        const float a = unit(rng);
        const float b = n % 7 == 0 ? 0.0f : unit(rng);
        const float t = unit(rng);
        const float u = std::min(1.0f, t + 1e-3f);
        EXPECT_EQ(monotonicLerp(a, b, 0.0f), a);
        EXPECT_EQ(monotonicLerp(a, b, 1.0f), b);
        const float x = monotonicLerp(a, b, t);
        const float y = monotonicLerp(a, b, u);
        ASSERT_TRUE(x >= std::min(a, b) && x <= std::max(a, b));
        ASSERT_TRUE(b >= a ? y >= x : y <= x) << a << " " << b << " " << t;
    }
}

TEST(NoteMapping, Cases) {
    struct Case {
        int32_t low, range;
        float value;
        std::array<uint8_t, 12> allowed;
        int32_t expected;
    };
    constexpr std::array<uint8_t, 12> onlyC{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    constexpr std::array<uint8_t, 12> none{};
    constexpr std::array<uint8_t, 12> all{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    constexpr std::array<uint8_t, 12> onlyD{0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Case cases[] = {
        {60, 12, 0.5f, onlyC, 60},  // target 66: 60 and 72 tie, the lower wins
        {60, 12, 0.6f, onlyC, 72},  // target 67
        {60, 12, 0.5f, none, 66},   // nothing allowed: unsnapped target
        {60, 0, 0.9f, onlyC, 60},   // range 0, class allowed
        {61, 0, 0.9f, onlyC, 61},   // range 0, class not allowed: still the low note
        {120, 24, 1.0f, all, 127},  // hi clamps to 127
        {200, 24, 0.0f, all, 127},  // a low note above 127 acts as 127
        {60, 24, 1.5f, all, 84},    // value clamped to 1
        {60, 24, -1.0f, all, 60},   // value clamped to 0
        {60, -5, 0.7f, all, 60},    // negative range acts as 0
        {60, 3, 0.5f, all, 62},     // 1.5 rounds away from zero
        {60, 12, 0.5f, onlyD, 62},  // candidates 62 (distance 4) and 74 (8)
        {0, 255, 1.0f, onlyD, 122}, // the highest D at or below 127
        {60, 12, std::numeric_limits<float>::quiet_NaN(), all, 60},
        {60, INT32_MAX, 1.0f, all, 127},
    };
    for (const Case& c : cases) {
        ProbeEngine e;
        for (int p = 0; p < 12; ++p) {
            e.allowedPitchClasses[p] = c.allowed[p];
        }
        EXPECT_EQ(e.mapNote(c.low, c.range, c.value), c.expected)
            << c.low << " " << c.range << " " << c.value;
    }
}

} // namespace
} // namespace engine
