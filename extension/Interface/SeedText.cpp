#include "extension/Interface/SeedText.h"

#include <charconv>

namespace extension {

std::optional<uint64_t> parseSeedText(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt; // out of range
    }
    if (negative && value != 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace extension
