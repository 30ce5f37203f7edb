// Small painting helpers over Cairo shared by all pictures: shapes, gradients, soft shadows, glows.
#pragma once

#include <cairo.h>

#include <initializer_list>
#include <utility>

#include "tools/artgen/Palette.h"

namespace artgen {

struct Rect {
    double x = 0, y = 0, w = 0, h = 0;
    Rect inset(double d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
    Rect inset(double dx, double dy) const { return {x + dx, y + dy, w - 2 * dx, h - 2 * dy}; }
    Rect offset(double dx, double dy) const { return {x + dx, y + dy, w, h}; }
    double midX() const { return x + w / 2; }
    double midY() const { return y + h / 2; }
    double maxX() const { return x + w; }
    double maxY() const { return y + h; }
};

using Stop = std::pair<double, Rgba>;

void setColor(cairo_t* cr, const Rgba& c);
void roundedRectPath(cairo_t* cr, const Rect& r, double radius);
void circlePath(cairo_t* cr, double cx, double cy, double radius);

// Sets a vertical linear gradient from the top to the bottom of `r` as the source.
void setVertical(cairo_t* cr, const Rect& r, std::initializer_list<Stop> stops);
void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
void setRadial(cairo_t* cr, double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops);

// A blurred shadow of a rounded rectangle, approximated by stacked translucent fills.
void softShadow(cairo_t* cr, const Rect& r, double radius, double blur, const Rgba& color);
// A darkening along the inside edge of a rounded rectangle (a recess), strongest at the top.
void innerShadow(cairo_t* cr, const Rect& r, double radius, double depth, const Rgba& color);
// A bevelled raised plate: drop shadow, lit rim, gradient face, a thin top highlight.
void raisedPlate(cairo_t* cr, const Rect& r, double radius, const Rgba& face, bool pressed);
// A recessed well: darker fill, inner shadow and a faint lit lower lip.
void recessedWell(cairo_t* cr, const Rect& r, double radius, const Rgba& fill);
// A lit indicator (LED) pill with an optional glow.
void ledPill(cairo_t* cr, const Rect& r, const Rgba& color, bool lit, double glow = 1.0);

// Strokes the current path several times, widest and faintest first, for a glow.
void strokeGlow(cairo_t* cr, const Rgba& color, double width, double spread);

} // namespace artgen
