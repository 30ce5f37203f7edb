// Panel surfaces shared by the plug-in's backgrounds: brushed base, screws, engraved lines.
#pragma once

#include <cairo.h>

#include "tools/artgen/Paint.h"

namespace artgen {

// The anodised base of a panel: a soft vertical gradient with faint horizontal brushing.
void paintPanelBase(cairo_t* cr, const Rect& r);
void paintScrew(cairo_t* cr, double cx, double cy, double radius, double angle);
// An engraved hairline: a dark line with a light line under it.
void paintEngravedLine(cairo_t* cr, double x0, double y0, double x1, double y1);
// A dark display screen with a bezel, a faint grid and a glass reflection.
void paintScreen(cairo_t* cr, const Rect& r, double radius, int columns, int rows);

} // namespace artgen
