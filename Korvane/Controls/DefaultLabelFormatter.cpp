#include "Korvane/Controls/DefaultLabelFormatter.h"

#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/NumberFormat.h"

#include <cmath>

namespace Korvane {

DefaultLabelFormatter::DefaultLabelFormatter(const AudioParameter& param, int decimalPlaces)
    : DefaultLabelFormatter(decimalPlaces, param.saveScaleFactor()) {}

DefaultLabelFormatter::DefaultLabelFormatter(int decimalPlaces, float saveScaleFactor)
    : decimalPlaces_(decimalPlaces), saveScaleFactor_(saveScaleFactor) {}

std::string DefaultLabelFormatter::format(float value) const {
    const float scaled = value * saveScaleFactor_;
    return tk::formatFixed(static_cast<double>(scaled), decimalPlaces_);
}

std::optional<float> DefaultLabelFormatter::value(const std::string& text) const {
    // Typed infinities stand for no value: clamping would turn them into a range bound.
    const auto parsed = tk::parseFloat(text);
    if (!parsed || !std::isfinite(*parsed)) {
        return std::nullopt;
    }
    return parsed;
}

} // namespace Korvane
