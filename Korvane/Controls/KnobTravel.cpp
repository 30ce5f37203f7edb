#include "Korvane/Controls/KnobTravel.h"

#include "Korvane/Parameters/AudioParameter.h"

#include <algorithm>
#include <cmath>

namespace Korvane {

namespace {

// -ln 2 rounded to a float.
constexpr float kMinusLn2 = -0.6931472f;

} // namespace

KnobTravel KnobTravel::of(const AudioParameter& param) {
    KnobTravel travel;
    travel.lo = param.valueRange().lowerBound;
    travel.hi = param.valueRange().upperBound;
    if (const auto* log = std::get_if<ValueIncrement::Logarithmic>(&param.valueIncrement().kind)) {
        travel.logarithmic = true;
        travel.midpoint = log->midpoint;
    }
    return travel;
}

std::optional<float> KnobTravel::midpointExponent(float mid) const {
    if (!(lo > 0 && hi > 0 && lo < mid && mid < hi)) {
        return std::nullopt;
    }
    const float x = std::log(mid / lo) / std::log(hi / lo);
    if (!(x > 0 && x < 1)) {
        return std::nullopt;
    }
    return kMinusLn2 / std::log(x);
}

std::optional<float> KnobTravel::exponent() const {
    if (!midpoint) {
        return std::nullopt;
    }
    return midpointExponent(*midpoint);
}

float KnobTravel::normalisedValue(float value) const {
    if (!std::isfinite(value) || !(lo < hi)) {
        return 0;
    }
    float position = 0;
    if (usesLogarithm()) {
        position = std::log(value / lo) / std::log(hi / lo);
        if (const auto e = exponent()) {
            position = std::pow(position, *e);
        }
    } else {
        position = (value - lo) / (hi - lo);
    }
    return std::isfinite(position) ? position : 0.0f;
}

float KnobTravel::valueFromNormalised(float position) const {
    if (usesLogarithm()) {
        float t = position;
        if (const auto e = exponent()) {
            t = std::pow(position, 1.0f / *e);
        }
        return lo * std::pow(hi / lo, t);
    }
    return lo + position * (hi - lo);
}

int KnobTravel::imageIndex(float value, int imageCount) const {
    const int count = std::max(imageCount, 1);
    const float frame = std::round(normalisedValue(value) * static_cast<float>(count - 1) + 1.0f);
    // The position may lie outside 0...1 (a value outside the range): clamp as a float first so
    // the conversion to int is always defined.
    return static_cast<int>(std::clamp(frame, 1.0f, static_cast<float>(count)));
}

float normalisedValue(const AudioParameter& param, float value) {
    return KnobTravel::of(param).normalisedValue(value);
}

float valueFromNormalised(const AudioParameter& param, float position) {
    return KnobTravel::of(param).valueFromNormalised(position);
}

std::optional<float> midpointExponent(const AudioParameter& param, float mid) {
    return KnobTravel::of(param).midpointExponent(mid);
}

} // namespace Korvane
