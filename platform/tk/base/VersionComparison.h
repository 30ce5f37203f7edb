#pragma once

// Version strings compared piece by piece as numbers, for every update check: the plug-in's and the
// application's updater.
//
// The string (surrounding white space aside) is split at every "."; empty pieces (two points in a
// row, a leading or trailing point) are dropped. Each piece is read as a signed decimal integer (an
// optional sign, then digits only); any other piece ("beta", "2rc1") counts 0. Pieces compare in
// order, a missing piece counting 0: "1.10" is newer than "1.9", "2" equals "2.0.0", "1.2.4" is newer
// than "1.2.3.4".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tk {

// Longer version strings are not versions but hostile or broken input.
inline constexpr std::size_t kMaxVersionLength = 64;

// [any] The numbers of a version; nothing when the string (trimmed) is longer than kMaxVersionLength or a
// numeric piece does not fit 64 bits: such a version cannot be compared.
std::optional<std::vector<std::int64_t>> versionNumbers(std::string_view version);

// [any] Negative when `a` is older than `b`, 0 when they are the same, positive when newer; nothing
// when either cannot be compared.
std::optional<int> compareVersions(std::string_view a, std::string_view b);

} // namespace tk
