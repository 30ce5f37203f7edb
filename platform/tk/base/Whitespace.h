#pragma once

// Text cut of ASCII white space (space, tab, line feed, carriage return, vertical tab, form feed)
// at both ends, as a view into the same characters. [any]

#include <string_view>

namespace tk {

std::string_view trimmed(std::string_view text);

} // namespace tk
