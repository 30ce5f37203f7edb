#pragma once

// The one URL the application answers, "zindral://openAndUpdate", matched exactly: the scheme
// "zindral" and the host "openAndUpdate", both compared case-sensitively. Whatever follows the
// host (a path, a query, a fragment) does not matter. Anything else is ignored.

#include <optional>
#include <string>
#include <string_view>

namespace app {

inline constexpr std::string_view kURLScheme = "zindral";
inline constexpr std::string_view kOpenAndUpdateHost = "openAndUpdate";

// [any] The scheme of `url` (the text before the first ':', when it is a valid scheme), or nothing.
std::optional<std::string> urlScheme(std::string_view url);
// [any] The host of `url` (after "scheme://", without user information and port), or nothing
// when the URL has no authority part.
std::optional<std::string> urlHost(std::string_view url);

// [any] Whether `text` holds a control character (below 0x20, or DEL): such a URL is never acted on
// nor passed on.
bool hasControlCharacters(std::string_view text);

// [any] Whether `url` asks for an update check.
bool isOpenAndUpdateURL(std::string_view url);

} // namespace app
