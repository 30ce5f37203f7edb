#pragma once

// A closed path around a rect whose four corners have their own radii ("top" is the rect's minY,
// the top edge in the toolkit's coordinates). Drawn clockwise on screen from the top-left corner's
// end, one arc per rounded corner.
//
// A negative radius is a square corner. When the two radii on one side add up to more than that
// side, all four are scaled down by the one factor that makes every side fit, so the outline never
// crosses itself; radii that fit stay exactly as given.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Path.h"

namespace Tessaly {

using CornerRadii = tk::CornerRadii;

tk::Path roundedRectPath(const tk::Rect& rect, const CornerRadii& radii);

} // namespace Tessaly
