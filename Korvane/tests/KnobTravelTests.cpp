#include "Korvane/Controls/KnobTravel.h"
#include "Korvane/Parameters/AudioParameter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace Korvane {
namespace {

KnobTravel linear(float lo, float hi) {
    return {lo, hi, false, std::nullopt};
}
KnobTravel logarithmic(float lo, float hi, std::optional<float> mid = std::nullopt) {
    return {lo, hi, true, mid};
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct PositionCase {
    const char* name;
    KnobTravel travel;
    float value;
    float position;
};

TEST(KnobTravel, PositionOfValue) {
    const PositionCase cases[] = {
        {"linear min", linear(-10, 10), -10, 0},
        {"linear middle", linear(-10, 10), 0, 0.5f},
        {"linear max", linear(-10, 10), 10, 1},
        {"log max", logarithmic(20, 20000), 20000, 1},
        {"log decade", logarithmic(20, 20000), 200, 1.0f / 3},
        {"log midpoint at half travel", logarithmic(20, 20000, 1000.0f), 1000, 0.5f},
        {"midpoint outside the range: plain log", logarithmic(20, 20000, 30000.0f), 200, 1.0f / 3},
        {"log with lo 0 falls back to linear", logarithmic(0, 100, 10.0f), 25, 0.25f},
        {"empty range", linear(0, 0), 0, 0},
        {"NaN value", linear(0, 1), kNaN, 0},
        {"infinite value", linear(0, 1), kInf, 0},
        {"negative infinity", logarithmic(20, 20000), -kInf, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.travel.normalisedValue(c.value), c.position, 1e-6) << c.name;
    }
}

TEST(KnobTravel, ValueFromPositionInvertsPosition) {
    const KnobTravel travels[] = {linear(-10, 10), logarithmic(20, 20000), logarithmic(20, 20000, 1000.0f),
                                  logarithmic(0.1f, 10, 2.0f)};
    for (const auto& travel : travels) {
        for (float n : {0.0f, 0.1f, 0.25f, 0.5f, 0.9f, 1.0f}) {
            const float v = travel.valueFromNormalised(n);
            EXPECT_NEAR(travel.normalisedValue(v), n, 1e-5) << travel.lo << ".." << travel.hi << " at " << n;
        }
        EXPECT_NEAR(travel.valueFromNormalised(0), travel.lo, 1e-4 * std::abs(travel.lo));
        EXPECT_NEAR(travel.valueFromNormalised(1), travel.hi, 1e-4 * travel.hi);
    }
    EXPECT_NEAR(logarithmic(20, 20000, 1000.0f).valueFromNormalised(0.5f), 1000, 0.05);
}

TEST(KnobTravel, MidpointExponentExistsOnlyInsideAPositiveRange) {
    const auto e = logarithmic(20, 20000).midpointExponent(1000);
    ASSERT_TRUE(e.has_value());
    // x = ln(50) / ln(1000); x^e = 0.5.
    const float x = std::log(50.0f) / std::log(1000.0f);
    EXPECT_FLOAT_EQ(*e, -0.6931472f / std::log(x));

    EXPECT_FALSE(logarithmic(20, 20000).midpointExponent(20));    // at lo
    EXPECT_FALSE(logarithmic(20, 20000).midpointExponent(20000)); // at hi
    EXPECT_FALSE(logarithmic(20, 20000).midpointExponent(5));
    EXPECT_FALSE(logarithmic(0, 20000).midpointExponent(1000));
    EXPECT_FALSE(logarithmic(-20, 20000).midpointExponent(1000));
    EXPECT_FALSE(logarithmic(20, 20000).midpointExponent(kNaN));
}

struct FrameCase {
    KnobTravel travel;
    float value;
    int imageCount;
    int frame;
};

TEST(KnobTravel, FrameIndex) {
    const FrameCase cases[] = {
        {linear(0, 1), 0, 51, 1},
        {linear(0, 1), 1, 51, 51},
        {linear(0, 1), 0.5f, 51, 26},
        {linear(0, 100), 1, 51, 2}, // 1.5 rounds away from zero
        {linear(0, 100), 0.9f, 51, 1},
        {linear(0, 100), 150, 51, 51}, // outside the range: clamped
        {linear(0, 100), -50, 51, 1},
        {linear(0, 0), 0, 51, 1}, // empty range (placeholder parameter)
        {linear(0, 1), kNaN, 51, 1},
        {linear(0, 1), kInf, 51, 1},
        {linear(0, 1), 1, 1, 1},
        {linear(0, 1), 1, 0, 1}, // no frames at all still names frame 1
        {logarithmic(20, 20000, 1000.0f), 1000, 51, 26},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.travel.imageIndex(c.value, c.imageCount), c.frame)
            << c.travel.lo << ".." << c.travel.hi << " value " << c.value << " of " << c.imageCount;
    }
}

TEST(KnobTravel, ReadsTheParametersRangeAndIncrement) {
    auto make = [](float lo, float hi, ValueIncrement increment) {
        return std::make_shared<AudioParameter>(0, "cutoff", "Cutoff", au::ParameterUnit::hertz,
                                                tk::ClosedRange<float>{lo, hi}, lo, increment, std::nullopt,
                                                std::nullopt);
    };
    const auto withMidpoint = make(20, 20000, ValueIncrement::logarithmic(1000.0f));
    EXPECT_NEAR(normalisedValue(*withMidpoint, 1000), 0.5f, 1e-6);
    EXPECT_NEAR(valueFromNormalised(*withMidpoint, 0.5f), 1000, 0.05);
    EXPECT_TRUE(midpointExponent(*withMidpoint, 1000).has_value());

    const auto plainLog = make(20, 20000, ValueIncrement::logarithmic());
    EXPECT_NEAR(normalisedValue(*plainLog, 200), 1.0f / 3, 1e-6);

    const auto linearFromZero = make(0, 20000, ValueIncrement::logarithmic(1000.0f));
    EXPECT_NEAR(normalisedValue(*linearFromZero, 5000), 0.25f, 1e-6);

    EXPECT_EQ(KnobTravel::of(*AudioParameter::dummyParam()).imageIndex(0, 51), 1);
}

} // namespace
} // namespace Korvane
