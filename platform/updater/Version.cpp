#include "platform/updater/Version.h"

#include <cstdint>
#include <vector>

namespace updater {

namespace {
constexpr std::uint64_t kPieceLimit = 1'000'000'000'000ULL;

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::uint64_t> pieces(std::string_view version) {
    std::vector<std::uint64_t> result;
    version = trimmed(version);
    if (version.empty())
        return result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = version.find('.', start);
        const std::string_view piece =
            version.substr(start, dot == std::string_view::npos ? dot : dot - start);
        std::uint64_t value = 0;
        for (char c : piece) {
            if (c < '0' || c > '9')
                break;
            value = value * 10 + std::uint64_t(c - '0');
            if (value > kPieceLimit)
                value = kPieceLimit;
        }
        result.push_back(value);
        if (dot == std::string_view::npos)
            break;
        start = dot + 1;
    }
    return result;
}
} // namespace

int compareVersions(std::string_view a, std::string_view b) {
    const auto pa = pieces(a);
    const auto pb = pieces(b);
    const std::size_t n = pa.size() > pb.size() ? pa.size() : pb.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t x = i < pa.size() ? pa[i] : 0;
        const std::uint64_t y = i < pb.size() ? pb[i] : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace updater
