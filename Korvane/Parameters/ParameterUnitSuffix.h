#pragma once

#include "platform/au/ParameterTypes.h"

#include <string>

namespace Korvane {

// [any] The suffix shown after a value in `unit`: percent "%", hertz "Hz", decibels "dB",
// milliseconds "MS"; every other unit has none (the empty string).
std::string displayableSuffix(au::ParameterUnit unit);

} // namespace Korvane
