#pragma once

// The knob's travel: a parameter value mapped to a knob position between 0 and 1 and back,
// linear or logarithmic (optionally bent so that a midpoint value sits at half travel), and the
// film-strip frame a value shows. All arithmetic is single precision.
//
//   linear        position = (v - lo) / (hi - lo)          value = lo + n (hi - lo)
//   logarithmic   p = ln(v / lo) / ln(hi / lo)             value = lo (hi / lo)^t
//                 position = p, or p^e with a midpoint     t = n, or n^(1/e) with a midpoint
//   midpoint      x = ln(m / lo) / ln(hi / lo),  e = -ln 2 / ln x   (so m lands at 0.5)
//
// Logarithmic travel needs lo > 0 and hi > 0; otherwise travel is linear. An empty range or a
// non-finite value is at position 0, so its frame is the first.

#include <optional>

namespace Korvane {

class AudioParameter;

struct KnobTravel {
    float lo = 0;
    float hi = 0;
    bool logarithmic = false;
    std::optional<float> midpoint;

    // [main] The travel of a parameter: its range and value increment.
    static KnobTravel of(const AudioParameter& param);

    // [any] Position 0...1 of a value; 0 for an empty range or a value that is not finite.
    float normalisedValue(float value) const;
    // [any] Value at a position.
    float valueFromNormalised(float position) const;
    // [any] Exponent that puts `mid` at half travel, or none when it does not apply.
    std::optional<float> midpointExponent(float mid) const;

    // [any] Film-strip frame (1-based, 1...imageCount) that shows a value.
    int imageIndex(float value, int imageCount) const;

private:
    bool usesLogarithm() const { return logarithmic && lo > 0 && hi > 0; }
    std::optional<float> exponent() const;
};

// [main] The same operations on a parameter's own travel.
float normalisedValue(const AudioParameter& param, float value);
float valueFromNormalised(const AudioParameter& param, float position);
std::optional<float> midpointExponent(const AudioParameter& param, float mid);

} // namespace Korvane
