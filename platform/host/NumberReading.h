#pragma once

// Reading the numbers of the command line: locale-independent, the whole argument or nothing.

#include <charconv>
#include <optional>
#include <string_view>

namespace host {

// [any] A decimal number that is the whole of `text` (no leading '+' or space). One beyond a double's
// reach (1e400) is +-infinity, one too small for it (1e-400, 0.000...0001) is 0 with its sign; the
// words "inf" and "nan" are no number. Nothing for text that is not a number.
std::optional<double> readDecimal(std::string_view text);

// [any] Whether `text` spells an infinity or a NaN ("inf", "-nan"), for saying why it is refused.
bool spellsInfinityOrNaN(std::string_view text);

// [any] A decimal whole number that is the whole of `text` and fits `Whole`.
template <class Whole> std::optional<Whole> readWholeNumber(std::string_view text) {
    Whole value{};
    if (text.empty() || text.front() == '+') {
        return std::nullopt;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace host
