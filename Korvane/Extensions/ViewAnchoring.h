#pragma once

// Pinning a view to all four sides of another, as the plug-in's view controller pins its hosted
// interface: the view takes the other view's rect less the insets (left and top inward, right and
// bottom inward) and follows its size from then on.

#include "platform/tk/base/Geometry.h"

namespace tk {
class View;
}

namespace Korvane {

// [main] Given no view, does nothing. `view` is usually the superview (its bounds are used); for
// any other view its frame is used, which is in the same coordinates when the two are siblings.
void anchorToAllSidesOf(tk::View& self, tk::View* view, tk::EdgeInsets insets = {});

} // namespace Korvane
