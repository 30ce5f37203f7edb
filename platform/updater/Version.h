#pragma once

// Versions compared as dotted numbers: "1.10" is newer than "1.9", "2" equals "2.0.0". Each
// dot-separated piece counts by its leading decimal digits (a piece without digits, such as "beta",
// counts 0; "3rc1" counts 3); missing pieces count 0. Huge pieces saturate rather than overflow.
// Surrounding white space is ignored.

#include <string_view>

namespace updater {

// [any] Negative when `a` is older than `b`, zero when they are equal, positive when newer.
int compareVersions(std::string_view a, std::string_view b);

} // namespace updater
