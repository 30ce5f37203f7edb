#include "tools/artgen/Pointer.h"

#include "tools/artgen/Paint.h"

namespace artgen {

void paintPointerArrow(cairo_t* cr) {
    using namespace palette;
    cairo_new_path(cr);
    cairo_move_to(cr, 3, 4);
    cairo_line_to(cr, 3, 14);
    cairo_line_to(cr, 5.6, 11.6);
    cairo_line_to(cr, 7.4, 15.2);
    cairo_line_to(cr, 8.9, 14.5);
    cairo_line_to(cr, 7.2, 11.0);
    cairo_line_to(cr, 10.6, 11.0);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColor(cr, hex(0x000000));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    setColor(cr, kWhite);
    cairo_stroke(cr);
}

} // namespace artgen
