#pragma once

// Strings of a bundle's information dictionary. Each answers nothing when the key is missing or
// its value is not a string (a number written where a version string belongs gives nothing).

#include "platform/tk/base/Bundle.h"

#include <optional>
#include <string>
#include <string_view>

namespace Tessaly {

inline constexpr std::string_view kTeamIdentifierPrefixKey = "TeamIdentifierPrefix";
inline constexpr std::string_view kDisplayNameKey = "CFBundleDisplayName";
inline constexpr std::string_view kBundleNameKey = "CFBundleName";
inline constexpr std::string_view kShortVersionKey = "CFBundleShortVersionString";
inline constexpr std::string_view kVersionKey = "CFBundleVersion";

// [any]
std::optional<std::string> teamIdentifierPrefix(const tk::Bundle& bundle);
std::optional<std::string> displayName(const tk::Bundle& bundle);
std::optional<std::string> bundleName(const tk::Bundle& bundle);
std::optional<std::string> shortVersion(const tk::Bundle& bundle);
std::optional<std::string> version(const tk::Bundle& bundle);

} // namespace Tessaly
