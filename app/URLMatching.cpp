#include "app/URLMatching.h"

namespace app {

namespace {
bool isAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isSchemeCharacter(char c) {
    return isAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}
} // namespace

bool hasControlCharacters(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return true;
    return false;
}

std::optional<std::string> urlScheme(std::string_view url) {
    const auto colon = url.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isAlpha(url[0]))
        return std::nullopt;
    for (std::size_t i = 1; i < colon; ++i)
        if (!isSchemeCharacter(url[i]))
            return std::nullopt;
    return std::string(url.substr(0, colon));
}

std::optional<std::string> urlHost(std::string_view url) {
    const auto scheme = urlScheme(url);
    if (!scheme)
        return std::nullopt;
    std::string_view rest = url.substr(scheme->size() + 1);
    if (rest.substr(0, 2) != "//")
        return std::nullopt;
    rest.remove_prefix(2);
    std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
    if (const auto at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (const auto colon = authority.rfind(':');
        colon != std::string_view::npos && authority.find(']') == std::string_view::npos)
        authority = authority.substr(0, colon);
    if (authority.empty())
        return std::nullopt;
    return std::string(authority);
}

bool isOpenAndUpdateURL(std::string_view url) {
    // A URL with control characters or spaces is not a URL at all.
    if (hasControlCharacters(url) || url.find(' ') != std::string_view::npos)
        return false;
    const auto scheme = urlScheme(url);
    if (!scheme || *scheme != kURLScheme)
        return false;
    const auto host = urlHost(url);
    return host && *host == kOpenAndUpdateHost;
}

} // namespace app
