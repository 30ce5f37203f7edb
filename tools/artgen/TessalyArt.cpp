// Pictures of the desktop controls library: bezels, check boxes, fields, sliders, tabs, small icons.
// Bezels stretch through their cap insets; the few tinted icons are templates (alpha only).
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/Keycaps.h"
#include "tools/artgen/Logo.h"
#include "tools/artgen/Pointer.h"

namespace artgen {
namespace {

using namespace palette;
using Caps = std::array<double, 4>;

enum class Look { normal, pressed, selected };

// The face of an "on" button.
constexpr Rgba kOnFace = hex(0x0a1430);

ImageOptions caps(double top, double left, double bottom, double right) {
    return {false, Caps{top, left, bottom, right}};
}

// A push-button bezel whose shadow reaches `shadowRoom` below it: raised, or pressed into the
// panel. Pressed, the face sinks below the window's own shade with its top in shadow and a faint
// lit lip under it, so it reads apart from a disabled bezel (the raised one at half strength).
void bezel(cairo_t* cr, const Rect& r, double radius, Look look, double shadowRoom = 2.0) {
    const bool pressed = look == Look::pressed;
    if (pressed) {
        roundedRectPath(cr, r.offset(0, 0.6), radius);
        setColor(cr, kWhite.withAlpha(0.05));
        cairo_fill(cr);
    } else {
        softShadow(cr, r.offset(0, 0.4 * shadowRoom), radius, 0.6 * shadowRoom, kShadow.withAlpha(0.5));
    }
    roundedRectPath(cr, r, radius);
    // On, the face is a deep blue: the on title's mid grey keeps 4.5 : 1 against it.
    const bool on = look == Look::selected;
    const Rgba face = on ? kOnFace : kRaised;
    // The shading lies within the rounded edges and the face between them is one colour, so a
    // button squeezed until its top and bottom caps meet still joins without a step.
    const double edge = std::min(0.5, radius / r.h);
    const Rgba top = pressed ? hex(0x0f1013) : on ? face : face.mixed(kWhite, 0.07);
    const Rgba bottom = pressed ? hex(0x15171b) : face.mixed(kWindow, 0.25);
    const Rgba middle = top.mixed(bottom, 0.5);
    setVertical(cr, r, {{0.0, top}, {edge, middle}, {1.0 - edge, middle}, {1.0, bottom}});
    cairo_fill(cr);
    if (pressed)
        innerShadow(cr, r, radius, 2.2, kShadow.withAlpha(0.7));
    roundedRectPath(cr, r.inset(0.5), radius - 0.5);
    cairo_set_line_width(cr, 1.0);
    // Raised, the rim catches the light along the top; pressed, along the bottom; on, it glows blue.
    const Rgba rimTop = on ? kHighlight.withAlpha(0.85) : kWhite.withAlpha(pressed ? 0.02 : 0.13),
               rimBottom = on ? kHighlight.withAlpha(0.45) : kWhite.withAlpha(pressed ? 0.05 : 0.02);
    const Rgba rimMiddle = rimTop.mixed(rimBottom, 0.5);
    setVertical(cr, r, {{0.0, rimTop}, {edge, rimMiddle}, {1.0 - edge, rimMiddle}, {1.0, rimBottom}});
    cairo_stroke(cr);
}

// A sunken field (text fields, search field).
void field(cairo_t* cr, const Rect& r, double radius, const Rgba* ring) {
    roundedRectPath(cr, r.offset(0, 0.6), radius);
    setColor(cr, kWhite.withAlpha(0.06));
    cairo_fill(cr);
    roundedRectPath(cr, r, radius);
    setVertical(cr, r, {{0.0, hex(0x0e0f12)}, {1.0, hex(0x16181c)}});
    cairo_fill(cr);
    innerShadow(cr, r, radius, 1.8, kShadow.withAlpha(0.7));
    if (ring) {
        roundedRectPath(cr, r.inset(-0.5), radius + 0.5);
        cairo_set_line_width(cr, 1.5);
        setColor(cr, ring->withAlpha(0.9));
        cairo_stroke(cr);
        roundedRectPath(cr, r.inset(-1.8), radius + 1.8);
        cairo_set_line_width(cr, 1.5);
        setColor(cr, ring->withAlpha(0.3));
        cairo_stroke(cr);
    }
}

void chevron(cairo_t* cr, double cx, double cy, double size, bool down, const Rgba& c, double width = 1.4) {
    const double h = size / 2, v = size / 4 * (down ? 1 : -1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    cairo_move_to(cr, cx - h, cy - v);
    cairo_line_to(cr, cx, cy + v);
    cairo_line_to(cr, cx + h, cy - v);
    cairo_set_line_width(cr, width);
    setColor(cr, c);
    cairo_stroke(cr);
}

Image img(std::string name, int w, int h, std::function<void(cairo_t*)> paint, ImageOptions o = {}) {
    return {std::move(name), w, h, std::move(paint), o};
}

void checkbox(cairo_t* cr, bool on, bool mixed, bool pressed) {
    const Rect box{2, 2, 12, 12};
    if (on || mixed) {
        softShadow(cr, box.offset(0, 0.6), 3, 1.0, kShadow.withAlpha(0.5));
        roundedRectPath(cr, box, 3);
        const Rgba fill = pressed ? kHighlight.mixed(kWindow, 0.3) : kHighlight;
        setVertical(cr, box, {{0.0, fill.mixed(kWhite, 0.15)}, {1.0, fill.mixed(kWindow, 0.15)}});
        cairo_fill(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 1.8);
        setColor(cr, kWhite.withAlpha(pressed ? 0.75 : 0.95));
        if (mixed) {
            cairo_move_to(cr, 5, 8);
            cairo_line_to(cr, 11, 8);
        } else {
            cairo_move_to(cr, 4.8, 8.2);
            cairo_line_to(cr, 7.2, 10.6);
            cairo_line_to(cr, 11.4, 5.4);
        }
        cairo_stroke(cr);
    } else {
        field(cr, box, 3, nullptr);
        roundedRectPath(cr, box.inset(0.5), 2.5);
        cairo_set_line_width(cr, 1.0);
        setColor(cr, kWhite.withAlpha(pressed ? 0.28 : 0.16));
        cairo_stroke(cr);
    }
}

void star(cairo_t* cr, double cx, double cy, double r, bool filled) {
    cairo_new_path(cr);
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.45 : r;
        const double x = cx + std::cos(a) * rr, y = cy + std::sin(a) * rr;
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (filled) {
        setVertical(cr, {cx - r, cy - r, 2 * r, 2 * r},
                    {{0.0, kYellow.mixed(kWhite, 0.3)}, {1.0, kYellow.mixed(kOrange, 0.4)}});
        cairo_fill(cr);
    } else {
        cairo_set_line_width(cr, 1.1);
        setColor(cr, kTextDim);
        cairo_stroke(cr);
    }
}

void sliderHandle(cairo_t* cr, double cx, double cy, double r, bool pressed) {
    setRadial(cr, cx, cy + 1, r * 0.6, r + 1.6,
              {{0.0, kShadow.withAlpha(0.7)}, {1.0, kShadow.withAlpha(0.0)}});
    circlePath(cr, cx, cy + 1, r + 1.6);
    cairo_fill(cr);
    circlePath(cr, cx, cy, r);
    setVertical(
        cr, {cx - r, cy - r, 2 * r, 2 * r},
        {{0.0, pressed ? hex(0xb9bec8) : hex(0xe4e7ec)}, {1.0, pressed ? hex(0x7f8591) : hex(0x9aa0ab)}});
    cairo_fill(cr);
    circlePath(cr, cx, cy, r - 0.5);
    cairo_set_line_width(cr, 0.8);
    setColor(cr, kWhite.withAlpha(0.35));
    cairo_stroke(cr);
    circlePath(cr, cx, cy, r * 0.3);
    setColor(cr, pressed ? kHighlight : hex(0x6c727d));
    cairo_fill(cr);
}

void trackBar(cairo_t* cr, const Rect& r, bool filled) {
    roundedRectPath(cr, r, r.h / 2);
    if (filled) {
        setVertical(cr, r, {{0.0, kHighlight.mixed(kWhite, 0.2)}, {1.0, kHighlight.mixed(kWindow, 0.2)}});
    } else {
        setVertical(cr, r, {{0.0, hex(0x0b0c0e)}, {1.0, hex(0x1a1c20)}});
    }
    cairo_fill(cr);
    if (!filled) {
        roundedRectPath(cr, r.offset(0, 0.5).inset(0.25), r.h / 2);
        cairo_set_line_width(cr, 0.5);
        setColor(cr, kWhite.withAlpha(0.06));
        cairo_stroke(cr);
    }
}

void windowTab(cairo_t* cr, Look look) {
    const Rect r{1, 2, 58, 25};
    roundedRectPath(cr, r, 6);
    if (look == Look::selected) {
        setVertical(cr, r, {{0.0, hex(0x343842)}, {1.0, hex(0x2a2e35)}});
    } else if (look == Look::pressed) {
        // Below the window's shade, so a pressed tab reads apart from a disabled (plain) one.
        setVertical(cr, r, {{0.0, hex(0x0c0d10)}, {1.0, hex(0x15171a)}});
    } else {
        setVertical(cr, r, {{0.0, hex(0x1d1f24)}, {1.0, hex(0x22252a)}});
    }
    cairo_fill(cr);
    if (look == Look::pressed)
        innerShadow(cr, r, 6, 2.4, kShadow.withAlpha(0.7));
    roundedRectPath(cr, r.inset(0.5), 5.5);
    cairo_set_line_width(cr, 1.0);
    setColor(cr, kWhite.withAlpha(look == Look::selected ? 0.14 : look == Look::pressed ? 0.035 : 0.05));
    cairo_stroke(cr);
    if (look == Look::selected) {
        roundedRectPath(cr, {r.midX() - 12, r.maxY() - 3, 24, 2}, 1);
        setColor(cr, kHighlight);
        cairo_fill(cr);
    }
}

void magnifier(cairo_t* cr, double cx, double cy, const Rgba& c) {
    cairo_new_path(cr);
    cairo_arc(cr, cx - 1, cy - 1, 3.6, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1.4);
    setColor(cr, c);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + 1.7, cy + 1.7);
    cairo_line_to(cr, cx + 4.2, cy + 4.2);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

void popupBezel(cairo_t* cr, const Rect& r, double arrowX, bool pressed, bool twoWay) {
    bezel(cr, r, 5, pressed ? Look::pressed : Look::normal);
    // Divider before the arrow well.
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, arrowX - 7.5, r.y + 4);
    cairo_line_to(cr, arrowX - 7.5, r.maxY() - 4);
    setColor(cr, hex(0x000000, 0.35));
    cairo_stroke(cr);
    const Rgba c = pressed ? kTextBright : kText;
    if (twoWay) {
        chevron(cr, arrowX, r.midY() - 2.6, 5.5, false, c, 1.3);
        chevron(cr, arrowX, r.midY() + 2.6, 5.5, true, c, 1.3);
    } else {
        chevron(cr, arrowX, r.midY() + 0.3, 6.5, true, c, 1.4);
    }
}

void cornerTool(cairo_t* cr, Look look) {
    const Rect r{1, 1, 26, 22};
    roundedRectPath(cr, r, 4);
    if (look == Look::pressed) {
        // Below the window's shade, as the pressed push button and tab are.
        setVertical(cr, r, {{0.0, hex(0x0d0e11)}, {1.0, hex(0x15171a)}});
    } else if (look == Look::selected) {
        setVertical(cr, r, {{0.0, kHighlight.mixed(kRaised, 0.55)}, {1.0, kHighlight.mixed(kRaised, 0.75)}});
    } else {
        setVertical(cr, r, {{0.0, hex(0x2a2d33)}, {1.0, hex(0x222429)}});
    }
    cairo_fill(cr);
    if (look == Look::pressed)
        innerShadow(cr, r, 4, 2.0, kShadow.withAlpha(0.7));
    roundedRectPath(cr, r.inset(0.5), 3.5);
    cairo_set_line_width(cr, 1.0);
    setColor(cr, kWhite.withAlpha(look == Look::pressed ? 0.03 : 0.09));
    cairo_stroke(cr);
}

void cursor(cairo_t* cr) {
    // The arrow with a left-right badge: drag to track.
    paintPointerArrow(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, 9.5, 3.5);
        cairo_line_to(cr, 15, 3.5);
        cairo_move_to(cr, 11, 1.8);
        cairo_line_to(cr, 9.3, 3.5);
        cairo_line_to(cr, 11, 5.2);
        cairo_move_to(cr, 13.5, 1.8);
        cairo_line_to(cr, 15.2, 3.5);
        cairo_line_to(cr, 13.5, 5.2);
        cairo_set_line_width(cr, pass == 0 ? 2.6 : 1.1);
        setColor(cr, pass == 0 ? hex(0x000000) : kWhite);
        cairo_stroke(cr);
    }
}

} // namespace

// The push-button face fills the picture but for a point of shadow room above and below: a
// short button's bezel is squeezed to little more than its caps, and the title needs the height.
constexpr Rect kButtonFace{2, 1, 56, 22};

ImageList tessalyImages() {
    ImageList images;
    const auto add = [&images](Image i) { images.push_back(std::move(i)); };

    add(img(
        "tui-button", 60, 24,
        [](cairo_t* cr) {
            bezel(cr, kButtonFace, 5, Look::normal, 1.0);
        },
        caps(7, 8, 7, 8)));
    add(img(
        "tui-button-down", 60, 24,
        [](cairo_t* cr) {
            bezel(cr, kButtonFace, 5, Look::pressed, 1.0);
        },
        caps(7, 8, 7, 8)));
    add(img(
        "tui-button-selected", 60, 24,
        [](cairo_t* cr) {
            bezel(cr, kButtonFace, 5, Look::selected, 1.0);
        },
        caps(7, 8, 7, 8)));

    add(img("tui-checkbox", 16, 16, [](cairo_t* cr) { checkbox(cr, false, false, false); }));
    add(img("tui-checkbox-on", 16, 16, [](cairo_t* cr) { checkbox(cr, true, false, false); }));
    add(img("tui-checkbox-mixed", 16, 16, [](cairo_t* cr) { checkbox(cr, false, true, false); }));
    add(img("tui-checkbox-down", 16, 16, [](cairo_t* cr) { checkbox(cr, false, false, true); }));
    add(img("tui-checkbox-on-down", 16, 16, [](cairo_t* cr) { checkbox(cr, true, false, true); }));
    add(img("tui-checkbox-mixed-down", 16, 16, [](cairo_t* cr) { checkbox(cr, false, true, true); }));

    const auto checker = [](double cell) {
        return [cell](cairo_t* cr) {
            for (int y = 0; y < 16 / cell; ++y)
                for (int x = 0; x < 16 / cell; ++x) {
                    cairo_rectangle(cr, x * cell, y * cell, cell, cell);
                    setColor(cr, (x + y) % 2 ? hex(0x2b2e34) : hex(0x3d414a));
                    cairo_fill(cr);
                }
        };
    };
    add(img("tui-checkerboard", 16, 16, checker(8)));
    add(img("tui-checkerboard-small", 8, 8, checker(4)));

    // Combo box bezels are templates: the control tints them.
    // The combo box draws "tui-combobox" stretched as its field and, while its list is open, at its
    // own size over the "tui-combobox-up" button at the right edge, as the open button's shade. So
    // the two are one size, and the field's rect and the button's stay put when the list opens; the
    // button, drawn at its own size only, has no caps (they would stretch the chevron).
    const auto comboBox = [](double fill, bool withChevron) {
        return [fill, withChevron](cairo_t* cr) {
            const Rect r{1.5, 1.5, 19, 19};
            roundedRectPath(cr, r, 4.5);
            setColor(cr, hex(0x000000, fill));
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 1.2);
            setColor(cr, hex(0x000000, 0.55));
            cairo_stroke(cr);
            if (withChevron)
                chevron(cr, r.midX(), r.midY() + 0.3, 6, true, hex(0x000000), 1.5);
        };
    };
    add(img("tui-combobox", 22, 22, comboBox(0.10, false), {true, Caps{6, 6, 6, 6}}));
    add(img("tui-combobox-up", 22, 22, comboBox(0.22, true), {true, {}}));

    add(img("tui-customslider-handle", 16, 16, [](cairo_t* cr) { sliderHandle(cr, 8, 7.6, 6.2, false); }));
    add(img("tui-customslider-handle-down", 16, 16,
            [](cairo_t* cr) { sliderHandle(cr, 8, 7.6, 6.2, true); }));
    add(img(
        "tui-customslider-on", 32, 16,
        [](cairo_t* cr) {
            trackBar(cr, {0, 4, 32, 8}, true);
        },
        caps(0, 8, 0, 8)));

    add(img(
        "tui-popdown", 60, 22,
        [](cairo_t* cr) {
            popupBezel(cr, {2, 1.5, 56, 19}, 49, false, false);
        },
        caps(6, 8, 6, 20)));
    add(img(
        "tui-popdown-down", 60, 22,
        [](cairo_t* cr) {
            popupBezel(cr, {2, 1.5, 56, 19}, 49, true, false);
        },
        caps(6, 8, 6, 20)));
    add(img(
        "tui-popup", 60, 22,
        [](cairo_t* cr) {
            popupBezel(cr, {2, 1.5, 56, 19}, 49, false, true);
        },
        caps(6, 8, 6, 20)));
    add(img(
        "tui-popup-down", 60, 22,
        [](cairo_t* cr) {
            popupBezel(cr, {2, 1.5, 56, 19}, 49, true, true);
        },
        caps(6, 8, 6, 20)));
    // The caps hold the rounded corners and, on the right, the divider and the arrows, so only the
    // plain face stretches with the title.
    const ImageOptions toolPopUpCaps = caps(5, 6, 5, 16);
    add(img(
        "tui-popup-tool", 40, 20,
        [](cairo_t* cr) {
            popupBezel(cr, {1, 1, 38, 18}, 32, false, true);
        },
        toolPopUpCaps));
    add(img(
        "tui-popup-tool-down", 40, 20,
        [](cairo_t* cr) {
            popupBezel(cr, {1, 1, 38, 18}, 32, true, true);
        },
        toolPopUpCaps));

    const auto search = [](bool focus) {
        return [focus](cairo_t* cr) {
            field(cr, {2, 2, 76, 18}, 9, focus ? &kHighlight : nullptr);
            magnifier(cr, 11, 11, focus ? kText : kTextDim);
        };
    };
    // The right cap holds the whole rounded end and its focus ring.
    add(img("tui-searchfield", 80, 22, search(false), caps(6, 22, 6, 12)));
    add(img("tui-searchfield-focus", 80, 22, search(true), caps(6, 22, 6, 12)));

    add(img(
        "tui-slider-alley", 20, 6,
        [](cairo_t* cr) {
            trackBar(cr, {0, 1, 20, 4}, false);
        },
        caps(0, 3, 0, 3)));
    add(img(
        "tui-slider", 20, 6,
        [](cairo_t* cr) {
            trackBar(cr, {0, 1, 20, 4}, true);
        },
        caps(0, 3, 0, 3)));
    add(img("tui-slider-handle", 14, 14, [](cairo_t* cr) { sliderHandle(cr, 7, 6.6, 5.4, false); }));
    add(img("tui-slider-handle-down", 14, 14, [](cairo_t* cr) { sliderHandle(cr, 7, 6.6, 5.4, true); }));
    add(img("tui-slider-handle-multi", 14, 14, [](cairo_t* cr) {
        // Several values: two handles, one behind the other.
        cairo_push_group(cr);
        sliderHandle(cr, 5.2, 6.6, 4.4, false);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.6);
        sliderHandle(cr, 8.8, 6.6, 4.4, false);
    }));

    add(img(
        "tui-textfield", 40, 22,
        [](cairo_t* cr) {
            field(cr, {1.5, 2, 37, 18}, 4, nullptr);
        },
        caps(6, 6, 6, 6)));
    add(img(
        "tui-textfield-error", 40, 22,
        [](cairo_t* cr) {
            field(cr, {1.5, 2, 37, 18}, 4, &kError);
        },
        caps(6, 6, 6, 6)));
    add(img(
        "tui-textfield-focus", 40, 22,
        [](cairo_t* cr) {
            field(cr, {1.5, 2, 37, 18}, 4, &kHighlight);
        },
        caps(6, 6, 6, 6)));
    add(img(
        "tui-textfield-tableheader", 40, 20,
        [](cairo_t* cr) {
            const Rect r{0, 0, 40, 20};
            cairo_rectangle(cr, r.x, r.y, r.w, r.h);
            setVertical(cr, r, {{0.0, hex(0x23262b)}, {1.0, hex(0x1b1d21)}});
            cairo_fill(cr);
            cairo_rectangle(cr, 0, 19, 40, 1);
            setColor(cr, hex(0x000000, 0.5));
            cairo_fill(cr);
            cairo_rectangle(cr, 0, 0, 40, 0.5);
            setColor(cr, kWhite.withAlpha(0.06));
            cairo_fill(cr);
        },
        caps(4, 4, 4, 4)));

    add(img(
        "tui-window-tab", 60, 28, [](cairo_t* cr) { windowTab(cr, Look::normal); }, caps(8, 10, 8, 10)));
    add(img(
        "tui-window-tab-down", 60, 28, [](cairo_t* cr) { windowTab(cr, Look::pressed); },
        caps(8, 10, 8, 10)));
    // The selected tab's underline runs across the tab, 18 points short of each side: its rounded
    // ends lie in the caps, so a wider tab draws one longer line.
    add(img(
        "tui-window-tab-selected", 60, 28, [](cairo_t* cr) { windowTab(cr, Look::selected); },
        caps(8, 19, 8, 19)));

    add(img(
        "corner-tool-background", 28, 24, [](cairo_t* cr) { cornerTool(cr, Look::normal); },
        caps(6, 6, 6, 6)));
    add(img(
        "corner-tool-background-down", 28, 24, [](cairo_t* cr) { cornerTool(cr, Look::pressed); },
        caps(6, 6, 6, 6)));
    add(img(
        "corner-tool-background-selected", 28, 24, [](cairo_t* cr) { cornerTool(cr, Look::selected); },
        caps(6, 6, 6, 6)));
    add(img("corner-tool-more", 28, 24,
            [](cairo_t* cr) {
                // A small corner triangle: this tool has more behind it.
                cairo_move_to(cr, 24, 16);
                cairo_line_to(cr, 24, 20);
                cairo_line_to(cr, 20, 20);
                cairo_close_path(cr);
                setColor(cr, hex(0x000000));
                cairo_fill(cr);
            },
            {true, {}}));

    add(img("cursor-trackingslider", 16, 16, cursor));

    const auto disclose = [](bool open) {
        return [open](cairo_t* cr) {
            cairo_save(cr);
            cairo_translate(cr, 6, 6);
            if (open)
                cairo_rotate(cr, M_PI / 2);
            arrowPath(cr, 0.4, 0, 7, 1);
            cairo_restore(cr);
            setColor(cr, kText);
            cairo_fill(cr);
        };
    };
    add(img("organiser-icon-disclose", 12, 12, disclose(false)));
    add(img("organiser-icon-disclose-open", 12, 12, disclose(true)));
    add(img("organiser-icon-star", 14, 14, [](cairo_t* cr) { star(cr, 7, 7.4, 6.2, true); }));
    add(img("organiser-icon-star-empty", 14, 14, [](cairo_t* cr) { star(cr, 7, 7.4, 5.8, false); }));

    const auto back = [](bool pressed) {
        return [pressed](cairo_t* cr) {
            bezel(cr, {2, 2, 24, 18}, 5, pressed ? Look::pressed : Look::normal);
            cairo_save(cr);
            cairo_translate(cr, 13.5, 11);
            cairo_rotate(cr, M_PI / 2);
            chevron(cr, 0, 0, 7, true, pressed ? kTextBright : kText, 1.6);
            cairo_restore(cr);
        };
    };
    add(img("organiser-navbar-back", 28, 22, back(false)));
    add(img("organiser-navbar-back-down", 28, 22, back(true)));

    const auto plus = [](bool pressed) {
        return [pressed](cairo_t* cr) {
            circlePath(cr, 8, 8, 6.5);
            setColor(cr, pressed ? hex(0x111215) : hex(0x2c3037));
            cairo_fill(cr);
            cairo_set_line_width(cr, 1.6);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_move_to(cr, 8, 5);
            cairo_line_to(cr, 8, 11);
            cairo_move_to(cr, 5, 8);
            cairo_line_to(cr, 11, 8);
            setColor(cr, pressed ? kTextBright : kText);
            cairo_stroke(cr);
        };
    };
    add(img("properties-table-add", 16, 16, plus(false)));
    add(img("properties-table-add-down", 16, 16, plus(true)));
    const auto overflow = [](bool pressed) {
        return [pressed](cairo_t* cr) {
            if (pressed) {
                circlePath(cr, 8, 8, 7);
                setColor(cr, hex(0x111215));
                cairo_fill(cr);
            }
            for (int i = 0; i < 3; ++i) {
                circlePath(cr, 4 + i * 4, 8, 1.3);
                setColor(cr, pressed ? kTextBright : kText);
                cairo_fill(cr);
            }
        };
    };
    add(img("properties-tableheader-overflow", 16, 16, overflow(false)));
    add(img("properties-tableheader-overflow-down", 16, 16, overflow(true)));

    // The maker's logo for the application window: a template that the window tints.
    add(img("window-velmor", 150, 32,
            [](cairo_t* cr) {
                paintWordMark(cr, {1, 2, 148, 28}, hex(0x000000), hex(0x000000));
            },
            {true, {}}));
    return images;
}

} // namespace artgen
