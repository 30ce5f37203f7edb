#include "platform/host/NumberReading.h"

#include <cmath>
#include <limits>

namespace host {

namespace {

// Whether a number that from_chars found out of a double's range lies below it rather than above:
// the power of ten of its first significant digit is negative. `text` is known to be a number.
bool liesBelowRange(std::string_view text) {
    constexpr long long kSaturated = 1'000'000'000'000'000LL;
    size_t at = text.front() == '-' ? 1 : 0;
    long long power = 0;
    bool significant = false;
    bool afterPoint = false;
    for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
        const char c = text[at];
        if (c == '.') {
            afterPoint = true;
        } else if (!significant && c == '0') {
            power -= afterPoint ? 1 : 0;
        } else if (!significant) {
            significant = true;
            power = afterPoint ? power - 1 : 0;
        } else if (!afterPoint) {
            ++power;
        }
    }
    long long exponent = 0;
    if (at < text.size()) {
        ++at;
        const bool negative = at < text.size() && text[at] == '-';
        at += at < text.size() && (text[at] == '-' || text[at] == '+') ? 1 : 0;
        for (; at < text.size() && exponent < kSaturated; ++at) {
            exponent = exponent * 10 + (text[at] - '0');
        }
        exponent = negative ? -exponent : exponent;
    }
    return !significant || power + exponent < 0;
}

} // namespace

std::optional<double> readDecimal(std::string_view text) {
    if (text.empty() || text.front() == '+' || spellsInfinityOrNaN(text)) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ptr != text.data() + text.size()) {
        return std::nullopt;
    }
    if (result.ec == std::errc::result_out_of_range) {
        const double sign = text.front() == '-' ? -1.0 : 1.0;
        return liesBelowRange(text) ? sign * 0.0 : sign * std::numeric_limits<double>::infinity();
    }
    if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return value;
}

bool spellsInfinityOrNaN(std::string_view text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() && !std::isfinite(value);
}

} // namespace host
