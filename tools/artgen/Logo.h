// The maker's emblem and word mark, used by the plug-in header, the application window and the
// shader module's logo texture.
#pragma once

#include <cairo.h>

#include "tools/artgen/Paint.h"

namespace artgen {

// Font face of the word mark; main() registers the file before any picture is painted.
inline constexpr const char* kWordMarkFont = "League Spartan SemiBold";

// The emblem alone: a ring holding a rising "V" stroke, fitted into a square of side `size`.
void paintEmblem(cairo_t* cr, double x, double y, double size, const Rgba& ring, const Rgba& mark);

// Emblem followed by the letter-spaced word "VELMOR", vertically centred in `box`.
void paintWordMark(cairo_t* cr, const Rect& box, const Rgba& emblem, const Rgba& text);

} // namespace artgen
