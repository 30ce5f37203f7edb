#include "tools/artgen/Logo.h"

#include <cmath>
#include <string>

#include "tools/artgen/Text.h"

namespace artgen {

void paintEmblem(cairo_t* cr, double x, double y, double size, const Rgba& ring, const Rgba& mark) {
    const double cx = x + size / 2, cy = y + size / 2, r = size / 2;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - size * 0.05, 0, 2 * M_PI);
    cairo_set_line_width(cr, size * 0.09);
    setColor(cr, ring);
    cairo_stroke(cr);
    // A "V" built from five steps hanging from one line: the letter as a step sequence.
    const double lengths[] = {0.30, 0.50, 0.72, 0.50, 0.30};
    const double barWidth = size * 0.085, pitch = size * 0.135, top = cy - r * 0.40;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, barWidth);
    setColor(cr, mark);
    for (int i = 0; i < 5; ++i) {
        const double bx = cx + (i - 2) * pitch;
        cairo_new_path(cr);
        cairo_move_to(cr, bx, top);
        cairo_line_to(cr, bx, top + r * lengths[i] * 1.45 - barWidth);
        cairo_stroke(cr);
    }
}

void paintWordMark(cairo_t* cr, const Rect& box, const Rgba& emblem, const Rgba& text) {
    const double emblemSize = box.h;
    paintEmblem(cr, box.x, box.y, emblemSize, emblem.withAlpha(emblem.a * 0.55), emblem);
    const double capHeight = box.h * 0.46;
    // Cap height of the word-mark face is about 0.7 of its em size.
    const TextStyle style{std::string(kWordMarkFont) + " " + std::to_string(capHeight / 0.7) + "px",
                          capHeight * 0.32};
    const TextExtent e = measureText(cr, "VELMOR", style);
    const double tx = box.x + emblemSize + box.h * 0.32;
    const double available = box.maxX() - tx;
    cairo_save(cr);
    if (e.width > available) {
        cairo_translate(cr, tx, 0);
        cairo_scale(cr, available / e.width, 1);
        cairo_translate(cr, -tx, 0);
    }
    cairo_new_path(cr);
    textPath(cr, "VELMOR", style, tx, box.midY() - e.inkHeight / 2);
    setColor(cr, text);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace artgen
