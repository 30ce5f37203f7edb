#include "engine/MidiProcessor.h"
#include "engine/Truncate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace engine {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

TEST(ParameterStore, FreshEngineHasTheDefaults) {
    MidiProcessor e;
    EXPECT_EQ(e.lowNote, 36);
    EXPECT_EQ(e.range, 24);
    EXPECT_EQ(e.playback, 0);
    EXPECT_FLOAT_EQ(e.restAmount, 0.2f);
    EXPECT_FLOAT_EQ(e.gate, 0.5f);
    EXPECT_FLOAT_EQ(e.morphX, 0.5f);
    EXPECT_EQ(e.sequenceLength, 16);
    EXPECT_EQ(e.division, 1);
    EXPECT_EQ(e.offset, 0);
    EXPECT_EQ(e.stepLengthBeats, 0.25);
    const uint8_t allowed[12] = {1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0};
    for (int p = 0; p < 12; ++p) {
        EXPECT_EQ(e.allowedPitchClasses[p], allowed[p]) << p;
    }
    EXPECT_EQ(e.seed, 0u);
    EXPECT_EQ(e.tempo, 120.0);
    EXPECT_EQ(e.sampleRate, 44100.0f);
    EXPECT_EQ(e.currentStep, -1);
    EXPECT_EQ(e.dirtyMask, 0u);
    EXPECT_EQ(e.lastStep, -1);
    EXPECT_EQ(e.nextExpectedBeat, -1.0);
}

TEST(ParameterStore, AddressMapStoresTruncatedBytesAndClampedRanges) {
    struct Case {
        uint64_t address;
        float value;
        int32_t expected;
    };
    // Integer fields: truncation toward zero, NaN 0, saturation; bytes keep the low 8 bits.
    const Case cases[] = {
        {kLowNote, 60.9f, 60},      {kLowNote, 300.0f, 44},       {kLowNote, -1.0f, 255},
        {kLowNote, kNaN, 0},        {kLowNote, kInf, 255},        {kLowNote, -kInf, 0},
        {kRange, 12.5f, 12},        {kPlayback, 3.99f, 3},        {kPlayback, -kInf, INT32_MIN},
        {kSequenceLength, 0.0f, 1}, {kSequenceLength, -3, 1},     {kSequenceLength, 65, 64},
        {kSequenceLength, kNaN, 1}, {kSequenceLength, 37.7f, 37}, {kOffset, -63.5f, -63},
        {kOffset, kInf, INT32_MAX}, {kDivision, -1.0f, 0},        {kDivision, 13.0f, 13},
    };
    for (const Case& c : cases) {
        MidiProcessor e;
        e.setParameter(c.address, c.value, false);
        int32_t stored = 0;
        switch (c.address) {
        case kLowNote:
            stored = e.lowNote;
            break;
        case kRange:
            stored = e.range;
            break;
        case kPlayback:
            stored = e.playback;
            break;
        case kSequenceLength:
            stored = e.sequenceLength;
            break;
        case kOffset:
            stored = e.offset;
            break;
        case kDivision:
            stored = e.division;
            break;
        }
        EXPECT_EQ(stored, c.expected) << "address " << c.address << " value " << c.value;
    }
}

TEST(ParameterStore, DivisionGivesStepLength) {
    const std::pair<float, double> cases[] = {
        {0, 0.125},
        {1, 0.25},
        {3, 1.0},
        {4, 0.1875},
        {7, 1.5},
        {8, 0.125 * 0.6666666666666666},
        {11, 0.6666666666666666},
        {12, 0.125},
        {13, 0.25},
        {15, 1.0},
        {-5, 0.125},
        {kNaN, 0.125},
    };
    for (auto [value, beats] : cases) {
        MidiProcessor e;
        e.setParameter(kDivision, value, false);
        EXPECT_EQ(e.stepLengthBeats, beats) << value;
    }
}

TEST(ParameterStore, FloatFieldsMirrorAndMask) {
    MidiProcessor e;
    e.setParameter(kGate, 50.0f, false);
    EXPECT_EQ(e.gate, 0.5f);
    EXPECT_EQ(e.parameterMirror[kGate], 50.0f);
    e.setParameter(kMorphY, 0.75f, false);
    EXPECT_EQ(e.morphY, 0.75f);
    EXPECT_EQ(e.dirtyMask, 0u) << "publish false sets no bit";

    e.setParameter(kFirstPitchClass + 5, 0.5f, true); // F: only values above 0.5 switch on
    EXPECT_EQ(e.allowedPitchClasses[5], 0);
    e.setParameter(kFirstPitchClass + 2, 0.51f, true);
    EXPECT_EQ(e.allowedPitchClasses[2], 1);
    e.setParameter(kSequenceLength, 0.0f, true);
    EXPECT_EQ(e.parameterMirror[kSequenceLength], 0.0f) << "the mirror keeps the raw value";
    EXPECT_EQ(e.dirtyMask.exchange(0), (1u << 15) | (1u << 12) | (1u << 9));
}

TEST(ParameterStore, AddressesBeyondTheTableChangeNothing) {
    for (uint64_t address : {uint64_t{24}, uint64_t{30}, uint64_t{1} << 40, ~uint64_t{0}}) {
        MidiProcessor e;
        e.setParameter(address, 1.0f, true);
        EXPECT_EQ(e.dirtyMask, 0u);
        for (const auto& m : e.parameterMirror) {
            EXPECT_EQ(m, 0.0f);
        }
        EXPECT_EQ(e.lowNote, 36);
    }
}

TEST(Truncation, SaturatesAndMapsNaNToZero) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int32_t> cases32[] = {
        {1.9, 1},
        {-1.9, -1},
        {nan, 0},
        {inf, INT32_MAX},
        {-inf, INT32_MIN},
        {2147483647.5, INT32_MAX},
        {2147483648.0, INT32_MAX},
        {-2147483648.9, INT32_MIN},
        {-3e9, INT32_MIN},
        {4.9e-324, 0},
    };
    for (auto [v, expected] : cases32) {
        EXPECT_EQ(truncateSaturating<int32_t>(v), expected) << v;
    }
    EXPECT_EQ(truncateSaturating<int64_t>(9.3e18), INT64_MAX);
    EXPECT_EQ(truncateSaturating<int64_t>(-9.3e18), INT64_MIN);
    EXPECT_EQ(truncateSaturating<int64_t>(-9223372036854775808.0), INT64_MIN);
    EXPECT_EQ(truncateSaturating<int64_t>(123456789012.7), 123456789012);
    EXPECT_EQ(roundSaturating<int32_t>(2.5), 3);
    EXPECT_EQ(roundSaturating<int32_t>(-2.5), -3);
    EXPECT_EQ(roundSaturating<int32_t>(nan), 0);
}

} // namespace
} // namespace engine
