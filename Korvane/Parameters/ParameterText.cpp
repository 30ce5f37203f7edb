#include "Korvane/Parameters/ParameterText.h"

#include "platform/tk/base/NumberFormat.h"

#include <cmath>

namespace Korvane {

std::string parameterString(const std::optional<std::vector<std::string>>& valueStrings,
                            std::optional<float> value) {
    if (!value || std::isnan(*value))
        return "-";
    // Truncate in floating point and compare there: converting an infinite or huge value to an
    // integer first would be undefined.
    if (valueStrings && std::isfinite(*value)) {
        const double index = std::trunc(static_cast<double>(*value));
        if (index >= 0.0 && index < static_cast<double>(valueStrings->size()))
            return (*valueStrings)[static_cast<std::size_t>(index)];
    }
    return tk::formatFixed(*value, 0);
}

float parameterValue(std::string_view text) {
    return tk::parseFloat(text).value_or(0.0f);
}

} // namespace Korvane
