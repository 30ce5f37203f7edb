#include "platform/tk/base/VersionComparison.h"

#include "platform/tk/base/Whitespace.h"

#include <charconv>
#include <system_error>

namespace tk {

namespace {

// A piece's number: 0 when it is not a number, nothing when it does not fit.
std::optional<std::int64_t> pieceNumber(std::string_view piece) {
    const std::string_view digits = piece.substr(piece.front() == '+' || piece.front() == '-' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    // from_chars takes a minus sign but not a plus; read with the minus so the most negative fits.
    const std::string_view number = piece.front() == '-' ? piece : digits;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<std::int64_t>> versionNumbers(std::string_view version) {
    version = trimmed(version);
    if (version.size() > kMaxVersionLength)
        return std::nullopt;
    std::vector<std::int64_t> numbers;
    while (!version.empty()) {
        const std::size_t dot = version.find('.');
        const std::string_view piece = version.substr(0, dot);
        version = dot == std::string_view::npos ? std::string_view() : version.substr(dot + 1);
        if (piece.empty())
            continue;
        const std::optional<std::int64_t> number = pieceNumber(piece);
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
    }
    return numbers;
}

std::optional<int> compareVersions(std::string_view a, std::string_view b) {
    const auto x = versionNumbers(a);
    const auto y = versionNumbers(b);
    if (!x || !y)
        return std::nullopt;
    for (std::size_t i = 0; i < x->size() || i < y->size(); ++i) {
        const std::int64_t p = i < x->size() ? (*x)[i] : 0;
        const std::int64_t q = i < y->size() ? (*y)[i] : 0;
        if (p != q)
            return p < q ? -1 : 1;
    }
    return 0;
}

} // namespace tk
