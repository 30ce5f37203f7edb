#include "platform/tk/base/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace tk {
namespace {

template <class Float> std::optional<Float> parseStrict(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    // from_chars takes no '+'; one is allowed ahead of a number (not ahead of another sign).
    if (text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() == '-' || text.front() == '+')
            return std::nullopt;
    }
    Float value{};
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (error != std::errc{} || stop != end || std::isnan(value))
        return std::nullopt;
    return value;
}

} // namespace

std::string formatFixed(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 100);
    // The largest double has 309 integer digits.
    std::string text(320 + static_cast<std::size_t>(decimals), '\0');
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return {};
    text.resize(static_cast<std::size_t>(end - text.data()));
    return text;
}

std::optional<double> parseDouble(std::string_view text) {
    return parseStrict<double>(text);
}

std::optional<float> parseFloat(std::string_view text) {
    return parseStrict<float>(text);
}

} // namespace tk
