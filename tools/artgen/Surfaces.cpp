#include "tools/artgen/Surfaces.h"

#include <cmath>
#include <cstdint>

namespace artgen {

void paintPanelBase(cairo_t* cr, const Rect& r) {
    using namespace palette;
    cairo_rectangle(cr, r.x, r.y, r.w, r.h);
    setVertical(cr, r, {{0.0, kPanel.mixed(kWhite, 0.015)}, {1.0, kPanel.mixed(kWindow, 0.35)}});
    cairo_fill(cr);
    // Brushing: thin lines of slightly varying brightness; a fixed generator keeps builds identical.
    std::uint32_t seed = 0x9e3779b9u;
    cairo_set_line_width(cr, 0.5);
    for (double y = r.y + 0.25; y < r.maxY(); y += 0.5) {
        seed = seed * 1664525u + 1013904223u;
        const double v = static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
        cairo_move_to(cr, r.x, y);
        cairo_line_to(cr, r.maxX(), y);
        setColor(cr, v > 0.5 ? kWhite.withAlpha((v - 0.5) * 0.025) : hex(0x000000, (0.5 - v) * 0.05));
        cairo_stroke(cr);
    }
}

void paintScrew(cairo_t* cr, double cx, double cy, double radius, double angle) {
    using namespace palette;
    circlePath(cr, cx, cy + 0.5, radius + 0.6);
    setColor(cr, kWhite.withAlpha(0.06));
    cairo_fill(cr);
    circlePath(cr, cx, cy, radius + 0.4);
    setColor(cr, kRecess);
    cairo_fill(cr);
    circlePath(cr, cx, cy, radius);
    setLinear(cr, cx - radius, cy - radius, cx + radius, cy + radius,
              {{0.0, hex(0x5b616c)}, {1.0, hex(0x23262c)}});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_set_line_width(cr, radius * 0.32);
    cairo_move_to(cr, -radius * 0.7, 0);
    cairo_line_to(cr, radius * 0.7, 0);
    setColor(cr, hex(0x15161a, 0.9));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void paintEngravedLine(cairo_t* cr, double x0, double y0, double x1, double y1) {
    using namespace palette;
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, x0, y0 + 1);
    cairo_line_to(cr, x1, y1 + 1);
    setColor(cr, kWhite.withAlpha(0.05));
    cairo_stroke(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, hex(0x000000, 0.45));
    cairo_stroke(cr);
}

void paintScreen(cairo_t* cr, const Rect& r, double radius, int columns, int rows) {
    using namespace palette;
    // Bezel.
    roundedRectPath(cr, r.inset(-3), radius + 3);
    setVertical(cr, r.inset(-3), {{0.0, hex(0x0c0d10)}, {1.0, hex(0x2a2e35)}});
    cairo_fill(cr);
    roundedRectPath(cr, r, radius);
    setVertical(cr, r, {{0.0, hex(0x0b0c0f)}, {1.0, hex(0x111318)}});
    cairo_fill(cr);
    cairo_save(cr);
    roundedRectPath(cr, r, radius);
    cairo_clip(cr);
    // Grid.
    cairo_set_line_width(cr, 0.5);
    for (int c = 1; c < columns; ++c) {
        const double x = r.x + r.w * c / columns;
        cairo_move_to(cr, x, r.y);
        cairo_line_to(cr, x, r.maxY());
        setColor(cr, kWhite.withAlpha(c % 4 == 0 ? 0.06 : 0.025));
        cairo_stroke(cr);
    }
    for (int row = 1; row < rows; ++row) {
        const double y = r.y + r.h * row / rows;
        cairo_move_to(cr, r.x, y);
        cairo_line_to(cr, r.maxX(), y);
        setColor(cr, kWhite.withAlpha(0.022));
        cairo_stroke(cr);
    }
    // Glow from below, as if the display were lit.
    setRadial(cr, r.midX(), r.maxY() + r.h * 0.5, 0, r.w * 0.6,
              {{0.0, kSteel.withAlpha(0.05)}, {1.0, kSteel.withAlpha(0.0)}});
    cairo_paint(cr);
    // Glass: a soft reflection across the upper part.
    cairo_move_to(cr, r.x, r.y);
    cairo_line_to(cr, r.maxX(), r.y);
    cairo_line_to(cr, r.maxX(), r.y + r.h * 0.22);
    cairo_curve_to(cr, r.x + r.w * 0.7, r.y + r.h * 0.38, r.x + r.w * 0.3, r.y + r.h * 0.30, r.x,
                   r.y + r.h * 0.42);
    cairo_close_path(cr);
    setVertical(cr, r, {{0.0, kWhite.withAlpha(0.045)}, {0.45, kWhite.withAlpha(0.0)}});
    cairo_fill(cr);
    cairo_restore(cr);
    innerShadow(cr, r, radius, 4.0, kShadow.withAlpha(0.8));
    roundedRectPath(cr, r.inset(0.25), radius);
    cairo_set_line_width(cr, 0.5);
    setColor(cr, kWhite.withAlpha(0.05));
    cairo_stroke(cr);
}

} // namespace artgen
