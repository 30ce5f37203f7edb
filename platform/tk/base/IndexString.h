#pragma once

#include <cstdint>
#include <string>

namespace tk {

// The text of an integer as frame numbers are written: values up to 9 get a "0" in front of their
// decimal text ("07"), larger values are their decimal text ("10", "51"). The rule is "up to 9",
// so a negative value also gets the "0" ("0-1"); frame numbers are never negative.
std::string paddedIndexString(std::int64_t value);

} // namespace tk
