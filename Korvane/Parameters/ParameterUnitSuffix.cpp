#include "Korvane/Parameters/ParameterUnitSuffix.h"

namespace Korvane {

std::string displayableSuffix(au::ParameterUnit unit) {
    switch (unit) {
    case au::ParameterUnit::percent:
        return "%";
    case au::ParameterUnit::hertz:
        return "Hz";
    case au::ParameterUnit::decibels:
        return "dB";
    case au::ParameterUnit::milliseconds:
        return "MS";
    default:
        return "";
    }
}

} // namespace Korvane
