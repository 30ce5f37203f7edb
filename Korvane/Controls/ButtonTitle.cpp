#include "Korvane/Controls/ButtonTitle.h"

#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/SafeIndex.h"

namespace Korvane {

std::string valueStringTitle(const AudioParameter& param, int valueIndex) {
    const auto& strings = param.valueStrings();
    if (!strings) {
        return {};
    }
    return tk::safeAt(*strings, valueIndex).value_or(std::string());
}

} // namespace Korvane
