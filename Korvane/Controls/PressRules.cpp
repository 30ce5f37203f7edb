#include "Korvane/Controls/PressRules.h"

#include <cmath>

namespace Korvane {

bool isOnAtIndex(float value, int valueIndex) {
    return std::isfinite(value) && std::trunc(value) == static_cast<float>(valueIndex);
}

} // namespace Korvane
