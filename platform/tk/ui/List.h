#pragma once

// A list: rows one under the other, each as wide as the list and at least kListRowHeight high, its
// content inset by kListRowInsets and aligned to the leading edge. The rows lie on the list's
// background colours: with alternating row backgrounds switched on for the list (the environment's
// AlternatingRowBackgroundsKey) in turn on the two alternating content colours
// (tk::alternatingContentBackgroundColors(), the first row on the first), otherwise all on the
// first of them.
//
//     List(rows).environment<AlternatingRowBackgroundsKey>(true)

#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Node.h"

#include <vector>

namespace tk::ui {

struct AlternatingRowBackgroundsKey {
    using Value = bool;
    static Value defaultValue() { return false; }
};

inline constexpr double kListRowHeight = 24;
inline constexpr EdgeInsets kListRowInsets{2, 8, 2, 8};

Node List(std::vector<Node> rows);

} // namespace tk::ui
