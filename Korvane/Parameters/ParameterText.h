#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the host shows a parameter's value and reads what its user typed (the parameter tree's
// string callbacks, installed by ParameterSettings). Locale-independent.

namespace Korvane {

// [any] No value, or NaN: "-". A value whose truncation toward zero is an index of `valueStrings`:
// that string (2.9 gives the third, -0.5 the first). Anything else, infinities and values far
// outside any index included: the number with no decimals ("6", "inf").
std::string parameterString(const std::optional<std::vector<std::string>>& valueStrings,
                            std::optional<float> value);

// [any] The text read strictly as a decimal number (no white space around it, nothing after it,
// not NaN); 0 when it does not parse.
float parameterValue(std::string_view text);

} // namespace Korvane
