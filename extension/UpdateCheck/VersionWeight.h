#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace extension {

// [any] The weight by which versions are compared: the string is split at every "." (empty pieces
// dropped), each piece read as a signed decimal integer (optional sign, digits only; anything else
// counts 0), and the first piece weighs 10000, the second 100, every later one 1. "1.2.3" weighs
// 10203, "2.10" 21000, "Unknown" and "" 0. Nothing when a numeric piece, a product or the sum does
// not fit 64 bits: such a version cannot be compared.
std::optional<int64_t> convertVersionToWeight(std::string_view version);

} // namespace extension
