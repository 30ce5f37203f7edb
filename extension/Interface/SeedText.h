#pragma once

// Reading a typed seed: an unsigned 64-bit decimal number.

#include <cstdint>
#include <optional>
#include <string_view>

namespace extension {

// [any] An optional single '+' or '-', then one or more ASCII digits and nothing else (no spaces);
// values above 2^64 - 1 are rejected, and after '-' only zero is accepted ("-0", "-00").
std::optional<uint64_t> parseSeedText(std::string_view text);

} // namespace extension
