// Pictures of the application itself: the cycling cursor of its pop-up buttons and its icon.
#include <cmath>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/Logo.h"
#include "tools/artgen/Paint.h"
#include "tools/artgen/Pointer.h"

namespace artgen {
namespace {

using namespace palette;

void paintCycleCursor(cairo_t* cr) {
    // The arrow with a circular-arrows badge: clicking cycles.
    paintPointerArrow(cr);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_arc(cr, 12, 5, 3, -M_PI * 0.1, M_PI * 1.3);
        cairo_set_line_width(cr, pass == 0 ? 2.8 : 1.2);
        setColor(cr, pass == 0 ? hex(0x000000) : kWhite);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 15.6, 3.2);
        cairo_line_to(cr, 15.2, 6.4);
        cairo_line_to(cr, 12.6, 4.6);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void paintAppIcon(cairo_t* cr) {
    const Rect r{8, 8, 112, 112};
    softShadow(cr, r.offset(0, 3), 26, 6, kShadow.withAlpha(0.6));
    roundedRectPath(cr, r, 26);
    setVertical(cr, r, {{0.0, hex(0x2a2e35)}, {1.0, hex(0x131417)}});
    cairo_fill(cr);
    roundedRectPath(cr, r.inset(1), 25);
    cairo_set_line_width(cr, 1.5);
    setVertical(cr, r,
                {{0.0, kWhite.withAlpha(0.16)}, {0.5, kWhite.withAlpha(0.02)}, {1.0, kWhite.withAlpha(0.0)}});
    cairo_stroke(cr);
    // A short generated line, as the plug-in's melody display shows it.
    const double notes[] = {0.3, 0.55, 0.55, 0.8, 0.4, 0.65};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 6; ++i) {
        const double x0 = 24 + i * 14, y = 96 - notes[i] * 60;
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x0 + 8, y);
        cairo_set_line_width(cr, 5);
        setColor(cr, i == 3 ? kYellow : kSteel);
        cairo_stroke(cr);
    }
    paintEmblem(cr, 86, 18, 26, kYellow.withAlpha(0.5), kYellow);
}

} // namespace

ImageList applicationImages() {
    return {{"cursor-cycle", 16, 16, paintCycleCursor, {}}, {"app-icon", 128, 128, paintAppIcon, {}}};
}

} // namespace artgen
