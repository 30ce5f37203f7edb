// Push buttons of the plug-in panel: raised keycaps with an indicator light, resting and pressed.
#pragma once

#include <cairo.h>

#include "tools/artgen/Paint.h"

namespace artgen {

// dim: off; faint: a momentary button's colour at rest, lit without glow; lit: on, glowing.
enum class Lamp { none, dim, faint, lit };

struct Keycap {
    Rect body; // the cap, in points
    double radius = 6;
    Rect lamp; // indicator pill; ignored when lamp is none
    Rgba lampColor = palette::kYellow;
};

void paintKeycap(cairo_t* cr, const Keycap& cap, bool pressed, Lamp lamp);

// A flat, stretchable pill button of the "modern" and "settings" kinds.
void paintFlatButton(cairo_t* cr, const Rect& r, bool pressed, bool on);
// The cream "retro" key.
void paintRetroButton(cairo_t* cr, const Rect& r, bool pressed);

// Filled triangle pointing left (dir -1) or right (dir +1), centred at (cx, cy).
void arrowPath(cairo_t* cr, double cx, double cy, double size, int dir);

} // namespace artgen
