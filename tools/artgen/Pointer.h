// The arrow pointer that the cursor pictures share; each adds its own badge beside it.
#pragma once

#include <cairo.h>

namespace artgen {

// A black arrow outlined in white, its tip on the hot spot (3, 4) of a 16-point cursor.
void paintPointerArrow(cairo_t* cr);

} // namespace artgen
