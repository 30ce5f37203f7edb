#include "tools/artgen/Keycaps.h"

namespace artgen {

void paintKeycap(cairo_t* cr, const Keycap& cap, bool pressed, Lamp lamp) {
    using namespace palette;
    raisedPlate(cr, cap.body, cap.radius, kRaised, pressed);
    if (lamp == Lamp::none)
        return;
    const Rect l = pressed ? cap.lamp.offset(0, 0.8) : cap.lamp;
    if (lamp == Lamp::lit) {
        ledPill(cr, l, cap.lampColor, true, 1.0);
    } else if (lamp == Lamp::faint) {
        ledPill(cr, l, cap.lampColor.mixed(kRaised, 0.45), true, 0.0);
    } else {
        ledPill(cr, l, cap.lampColor, false);
    }
}

void paintFlatButton(cairo_t* cr, const Rect& r, bool pressed, bool on) {
    using namespace palette;
    const double radius = 5;
    softShadow(cr, r.offset(0, pressed ? 0.3 : 1.0), radius, pressed ? 0.8 : 1.6, kShadow.withAlpha(0.55));
    roundedRectPath(cr, r, radius);
    const Rgba face = on ? hex(0x343943) : kRaised;
    setVertical(
        cr, r,
        {{0.0, face.mixed(kWhite, pressed ? 0.0 : 0.07)}, {1.0, face.mixed(kWindow, pressed ? 0.45 : 0.25)}});
    cairo_fill(cr);
    if (pressed)
        innerShadow(cr, r, radius, 2.0, kShadow.withAlpha(0.5));
    // Border: a hairline, brighter when on.
    roundedRectPath(cr, r.inset(0.5), radius - 0.5);
    cairo_set_line_width(cr, 1.0);
    setVertical(cr, r,
                {{0.0, kWhite.withAlpha(on ? 0.32 : (pressed ? 0.05 : 0.14))},
                 {1.0, kWhite.withAlpha(on ? 0.12 : 0.03)}});
    cairo_stroke(cr);
    if (on) {
        // A soft inner glow tells the on state apart whatever colour the caller gives the text.
        cairo_save(cr);
        roundedRectPath(cr, r, radius);
        cairo_clip(cr);
        setRadial(cr, r.midX(), r.maxY() + r.h * 0.4, 0, r.w * 0.6,
                  {{0.0, kWhite.withAlpha(0.12)}, {1.0, kWhite.withAlpha(0.0)}});
        cairo_paint(cr);
        cairo_restore(cr);
    }
}

void paintRetroButton(cairo_t* cr, const Rect& r, bool pressed) {
    using namespace palette;
    const double radius = 3;
    const Rect body = pressed ? r.offset(0, 0.7) : r;
    softShadow(cr, body.offset(0, pressed ? 0.5 : 1.4), radius, pressed ? 1.0 : 2.0, kShadow.withAlpha(0.6));
    roundedRectPath(cr, body, radius);
    setVertical(cr, body, {{0.0, kCream.mixed(kWhite, 0.25)}, {1.0, kCream.mixed(hex(0x6b6453), 0.55)}});
    cairo_fill(cr);
    if (!pressed) {
        const Rect face = Rect{body.x + 1.2, body.y + 0.8, body.w - 2.4, body.h - 3.2};
        roundedRectPath(cr, face, radius - 0.5);
        setVertical(cr, face, {{0.0, kCream.mixed(kWhite, 0.12)}, {1.0, kCream.mixed(hex(0x8a8270), 0.25)}});
        cairo_fill(cr);
        return;
    }
    // Pressed while on, the key sinks into its cream rim and shows a dark, warm face, so the lit
    // (yellow) title reads on it as it does on the modern "on" picture.
    const Rect face = Rect{body.x + 2.0, body.y + 1.6, body.w - 4.0, body.h - 3.4};
    roundedRectPath(cr, face, radius - 0.8);
    setVertical(cr, face, {{0.0, hex(0x1f1c17)}, {1.0, hex(0x2e2a22)}});
    cairo_fill(cr);
    innerShadow(cr, face, radius - 0.8, 1.8, hex(0x000000, 0.5));
}

void arrowPath(cairo_t* cr, double cx, double cy, double size, int dir) {
    const double h = size / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, cx + dir * h * 0.8, cy);
    cairo_line_to(cr, cx - dir * h * 0.6, cy - h);
    cairo_line_to(cr, cx - dir * h * 0.6, cy + h);
    cairo_close_path(cr);
}

} // namespace artgen
