#include "tools/artgen/Paint.h"

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

void addStops(cairo_pattern_t* p, std::initializer_list<Stop> stops) {
    for (const auto& [offset, c] : stops)
        cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, c.a);
}

void useAndRelease(cairo_t* cr, cairo_pattern_t* p) {
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

} // namespace

void setColor(cairo_t* cr, const Rgba& c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void roundedRectPath(cairo_t* cr, const Rect& r, double radius) {
    const double rad = std::max(0.0, std::min({radius, r.w / 2, r.h / 2}));
    cairo_new_sub_path(cr);
    cairo_arc(cr, r.x + r.w - rad, r.y + rad, rad, -M_PI / 2, 0);
    cairo_arc(cr, r.x + r.w - rad, r.y + r.h - rad, rad, 0, M_PI / 2);
    cairo_arc(cr, r.x + rad, r.y + r.h - rad, rad, M_PI / 2, M_PI);
    cairo_arc(cr, r.x + rad, r.y + rad, rad, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void circlePath(cairo_t* cr, double cx, double cy, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void setVertical(cairo_t* cr, const Rect& r, std::initializer_list<Stop> stops) {
    setLinear(cr, 0, r.y, 0, r.y + r.h, stops);
}

void setLinear(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    addStops(p, stops);
    useAndRelease(cr, p);
}

void setRadial(cairo_t* cr, double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    addStops(p, stops);
    useAndRelease(cr, p);
}

void softShadow(cairo_t* cr, const Rect& r, double radius, double blur, const Rgba& color) {
    const int steps = std::max(2, static_cast<int>(blur * 3));
    for (int i = steps; i >= 1; --i) {
        const double grow = blur * i / steps;
        roundedRectPath(cr, r.inset(-grow), radius + grow);
        setColor(cr, color.withAlpha(color.a / steps * 1.6 * (1.0 - 0.5 * i / steps)));
        cairo_fill(cr);
    }
}

void innerShadow(cairo_t* cr, const Rect& r, double radius, double depth, const Rgba& color) {
    cairo_save(cr);
    roundedRectPath(cr, r, radius);
    cairo_clip(cr);
    const int steps = std::max(2, static_cast<int>(depth * 3));
    for (int i = 1; i <= steps; ++i) {
        const double d = depth * i / steps;
        roundedRectPath(cr, Rect{r.x - 20, r.y - 20, r.w + 40, r.h + 40}, radius + 20);
        roundedRectPath(cr, Rect{r.x + d * 0.6, r.y + d, r.w - d * 1.2, r.h - d * 1.1},
                        std::max(0.0, radius - d * 0.5));
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        setColor(cr, color.withAlpha(color.a / steps));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void raisedPlate(cairo_t* cr, const Rect& r, double radius, const Rgba& face, bool pressed) {
    using namespace palette;
    const Rect body = pressed ? r.offset(0, 0.8) : r;
    softShadow(cr, body.offset(0, pressed ? 0.6 : 1.6), radius, pressed ? 1.2 : 2.6,
               kShadow.withAlpha(pressed ? 0.5 : 0.7));
    // Rim: lit from above, falling into shade at the bottom.
    roundedRectPath(cr, body, radius);
    setVertical(cr, body,
                {{0.0, face.mixed(kWhite, pressed ? 0.10 : 0.22)},
                 {0.5, face.mixed(kWindow, 0.25)},
                 {1.0, face.mixed(kRecess, 0.75)}});
    cairo_fill(cr);
    // Face.
    const Rect top = body.inset(1.0, 1.0);
    roundedRectPath(cr, Rect{top.x, top.y, top.w, top.h - (pressed ? 0.6 : 1.4)}, radius - 1);
    setVertical(
        cr, top,
        {{0.0, face.mixed(kWhite, pressed ? 0.0 : 0.06)}, {1.0, face.mixed(kWindow, pressed ? 0.35 : 0.18)}});
    cairo_fill(cr);
    if (pressed) {
        innerShadow(cr, Rect{top.x, top.y, top.w, top.h - 0.6}, radius - 1, 2.5, kShadow.withAlpha(0.55));
    } else {
        // A hairline of light along the upper edge.
        cairo_save(cr);
        roundedRectPath(cr, top, radius - 1);
        cairo_clip(cr);
        roundedRectPath(cr, top.offset(0, 0.6), radius - 1);
        roundedRectPath(cr, Rect{top.x - 4, top.y - 4, top.w + 8, top.h + 8}, radius + 3);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        setVertical(cr, top, {{0.0, kWhite.withAlpha(0.16)}, {0.35, kWhite.withAlpha(0.0)}});
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void recessedWell(cairo_t* cr, const Rect& r, double radius, const Rgba& fill) {
    using namespace palette;
    // Lower lip catching the light.
    roundedRectPath(cr, r.offset(0, 0.8), radius);
    setColor(cr, kWhite.withAlpha(0.05));
    cairo_fill(cr);
    roundedRectPath(cr, r, radius);
    setVertical(cr, r, {{0.0, fill.mixed(kRecess, 0.5)}, {1.0, fill}});
    cairo_fill(cr);
    innerShadow(cr, r, radius, 3.0, kShadow.withAlpha(0.6));
}

void ledPill(cairo_t* cr, const Rect& r, const Rgba& color, bool lit, double glow) {
    using namespace palette;
    const double rad = std::min(r.w, r.h) / 2;
    if (lit && glow > 0) {
        for (int i = 6; i >= 1; --i) {
            const double g = i * 1.0 * glow;
            roundedRectPath(cr, r.inset(-g), rad + g);
            setColor(cr, color.withAlpha(0.05));
            cairo_fill(cr);
        }
    }
    // Socket.
    roundedRectPath(cr, r.inset(-0.7), rad + 0.7);
    setColor(cr, kRecess.withAlpha(0.9));
    cairo_fill(cr);
    roundedRectPath(cr, r, rad);
    if (lit) {
        setVertical(cr, r,
                    {{0.0, color.mixed(kWhite, 0.45)}, {0.6, color}, {1.0, color.mixed(kWindow, 0.2)}});
    } else {
        setVertical(cr, r, {{0.0, color.mixed(kRecess, 0.82)}, {1.0, color.mixed(kRecess, 0.70)}});
    }
    cairo_fill(cr);
}

void strokeGlow(cairo_t* cr, const Rgba& color, double width, double spread) {
    cairo_path_t* path = cairo_copy_path(cr);
    const int steps = 4;
    for (int i = steps; i >= 1; --i) {
        cairo_new_path(cr);
        cairo_append_path(cr, path);
        cairo_set_line_width(cr, width + spread * i / steps * 2);
        setColor(cr, color.withAlpha(color.a * 0.09));
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_set_line_width(cr, width);
    setColor(cr, color);
    cairo_stroke(cr);
    cairo_path_destroy(path);
}

} // namespace artgen
