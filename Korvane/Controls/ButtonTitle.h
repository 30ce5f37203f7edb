#pragma once

// The title of a pick-one button: the parameter's value string at the button's index, or the
// empty text when the parameter has no value strings (or none at that index).

#include <string>

namespace Korvane {

class AudioParameter;

// [main]
std::string valueStringTitle(const AudioParameter& param, int valueIndex);

} // namespace Korvane
