// Pictures of the plug-in window: the control panel, the melody display and its buttons, the seed
// field and the morph pad. Sizes follow the window's 616-point-wide design canvas: header 46,
// melody display 192, control panel 440 points high.
#include <cmath>
#include <string>
#include <utility>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/Keycaps.h"
#include "tools/artgen/Surfaces.h"

namespace artgen {
namespace {

using namespace palette;

constexpr int kCanvasWidth = 616;
constexpr int kPanelHeight = 440;
constexpr int kMelodyHeight = 192;

// Panel layout, in the panel's own coordinates (its centre is at 308, 220).
constexpr Rect kButtonTray{24, 22, 568, 94};  // playback and randomise rows, captions under them
constexpr double kTrayDivider = 452;          // between the two rows
constexpr Rect kDialPlate{24, 127, 568, 104}; // the row of eight dials
constexpr Rect kMorphWell{24, 278, 280, 142}; // the 264 x 120 morph pad at 32, 288
constexpr Rect kMorphPad{32, 288, 264, 120};
constexpr Rect kKeyTray{312, 278, 280, 142}; // the twelve pitch keys

void paintControlsBackground(cairo_t* cr) {
    paintPanelBase(cr, {0, 0, kCanvasWidth, kPanelHeight});
    recessedWell(cr, kButtonTray, 8, kRecess.mixed(kPanel, 0.5));
    paintEngravedLine(cr, kTrayDivider, kButtonTray.y + 12, kTrayDivider, kButtonTray.maxY() - 12);
    // The dial plate: a slightly raised, lighter strip.
    softShadow(cr, kDialPlate.offset(0, 1.5), 8, 3, kShadow.withAlpha(0.5));
    roundedRectPath(cr, kDialPlate, 8);
    setVertical(cr, kDialPlate,
                {{0.0, kPanelLight.mixed(kWhite, 0.03)}, {1.0, kPanelLight.mixed(kWindow, 0.25)}});
    cairo_fill(cr);
    roundedRectPath(cr, kDialPlate.inset(0.5), 7.5);
    cairo_set_line_width(cr, 1.0);
    setVertical(cr, kDialPlate,
                {{0.0, kWhite.withAlpha(0.09)}, {0.2, kWhite.withAlpha(0.02)}, {1.0, kWhite.withAlpha(0.0)}});
    cairo_stroke(cr);
    // Morph well: the pad's dots and overlay are drawn over this dark field.
    recessedWell(cr, kMorphWell, 8, kRecess.mixed(kPanel, 0.3));
    roundedRectPath(cr, kMorphPad, 6);
    setVertical(cr, kMorphPad, {{0.0, hex(0x0d0e11)}, {1.0, hex(0x14161a)}});
    cairo_fill(cr);
    recessedWell(cr, kKeyTray, 8, kRecess.mixed(kPanel, 0.5));
    // A hairline between the dial row and the pads below.
    paintEngravedLine(cr, kDialPlate.x + 16, 254, kDialPlate.maxX() - 16, 254);
    // Screws in the corners.
    const double s = 4.2;
    paintScrew(cr, 11, 11, s, 0.4);
    paintScrew(cr, kCanvasWidth - 11, 11, s, 1.3);
    paintScrew(cr, 11, kPanelHeight - 11, s, 2.1);
    paintScrew(cr, kCanvasWidth - 11, kPanelHeight - 11, s, 0.9);
    // A hairline where the panel meets the melody display above it.
    paintEngravedLine(cr, 0, 0.5, kCanvasWidth, 0.5);
}

// The note area of the melody display is 32, 16, 552 x 122; the control row sits under it.
void paintNotesBackground(cairo_t* cr) {
    paintPanelBase(cr, {0, 0, kCanvasWidth, kMelodyHeight});
    paintScreen(cr, {26, 8, 564, 136}, 6, 16, 8);
}

Image smallKey(std::string name, int dir, bool pressed) {
    return {std::move(name),
            30,
            24,
            [dir, pressed](cairo_t* cr) {
                const Rect body{2, 1.5, 26, 20};
                raisedPlate(cr, body, 5, kRaised, pressed);
                const double dy = pressed ? 0.8 : 0;
                arrowPath(cr, body.midX() + dir * 0.4, body.midY() - 0.6 + dy, 8, dir);
                setColor(cr, pressed ? kTextBright : kText);
                cairo_fill(cr);
            },
            {}};
}

void paintSeedField(cairo_t* cr) {
    // Wide enough that the longest seed (20 digits, about 138 points) stays clear of the lamp.
    const Rect r{1, 1.5, 182, 21};
    roundedRectPath(cr, r.offset(0, 0.8), 5);
    setColor(cr, kWhite.withAlpha(0.06));
    cairo_fill(cr);
    roundedRectPath(cr, r, 5);
    setVertical(cr, r, {{0.0, hex(0x090a0c)}, {1.0, hex(0x121418)}});
    cairo_fill(cr);
    innerShadow(cr, r, 5, 2.5, kShadow.withAlpha(0.8));
    // Tiny lamp at the leading end: the seed is the source of the whole line.
    ledPill(cr, {9, 10.5, 4, 4}, kYellow, true, 0.5);
}

void paintMidiButton(cairo_t* cr) {
    const Rect body{2, 1.5, 48, 20};
    raisedPlate(cr, body, 5, kRaised, false);
    // Grip marks at both ends: this button is dragged, not clicked.
    for (double x : {body.x + 5.0, body.maxX() - 6.5}) {
        for (int i = 0; i < 3; ++i) {
            circlePath(cr, x + (i % 2) * 1.5, body.y + 6 + i * 3.5, 0.7);
            setColor(cr, kTextDim.withAlpha(0.8));
            cairo_fill(cr);
        }
    }
}

void paintMorphOverlay(cairo_t* cr) {
    const Rect r{0, 0, 264, 120};
    // Edge vignette and inner shadow: the dots seem to sit under glass in a well.
    innerShadow(cr, r, 6, 6.0, kShadow.withAlpha(0.75));
    cairo_save(cr);
    roundedRectPath(cr, r, 6);
    cairo_clip(cr);
    // Crosshair through the centre, dashed and faint.
    const double dashes[] = {2.0, 3.0};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 0.5);
    cairo_move_to(cr, r.midX(), r.y + 12);
    cairo_line_to(cr, r.midX(), r.maxY() - 12);
    cairo_move_to(cr, r.x + 12, r.midY());
    cairo_line_to(cr, r.maxX() - 12, r.midY());
    setColor(cr, kWhite.withAlpha(0.12));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Corner brackets marking the four corner sequences.
    cairo_set_line_width(cr, 1.0);
    const double m = 7, l = 7;
    const double xs[] = {r.x + m, r.maxX() - m}, ys[] = {r.y + m, r.maxY() - m};
    for (double x : xs) {
        for (double y : ys) {
            const double dx = x < r.midX() ? l : -l, dy = y < r.midY() ? l : -l;
            cairo_move_to(cr, x + dx, y);
            cairo_line_to(cr, x, y);
            cairo_line_to(cr, x, y + dy);
        }
    }
    setColor(cr, kWhite.withAlpha(0.22));
    cairo_stroke(cr);
    // Glass sheen.
    setVertical(cr, r, {{0.0, kWhite.withAlpha(0.05)}, {0.4, kWhite.withAlpha(0.0)}});
    cairo_rectangle(cr, r.x, r.y, r.w, r.h * 0.4);
    cairo_fill(cr);
    cairo_restore(cr);
    roundedRectPath(cr, r.inset(0.5), 5.5);
    cairo_set_line_width(cr, 1.0);
    setVertical(cr, r, {{0.0, hex(0x000000, 0.5)}, {1.0, kWhite.withAlpha(0.07)}});
    cairo_stroke(cr);
}

// The handle: a lit ring puck, its centre at the picture's centre.
void paintMorphDot(cairo_t* cr, bool pressed) {
    const double c = 15, r = pressed ? 7.0 : 6.5;
    setRadial(cr, c, c, 0, pressed ? 15 : 12,
              {{0.0, kYellow.withAlpha(pressed ? 0.45 : 0.28)}, {1.0, kYellow.withAlpha(0.0)}});
    circlePath(cr, c, c, 15);
    cairo_fill(cr);
    setRadial(cr, c, c + 1.5, r, r + 3, {{0.0, kShadow.withAlpha(0.7)}, {1.0, kShadow.withAlpha(0.0)}});
    circlePath(cr, c, c + 1.5, r + 3);
    cairo_fill(cr);
    circlePath(cr, c, c, r);
    setVertical(cr, {c - r, c - r, 2 * r, 2 * r},
                {{0.0, kYellow.mixed(kWhite, 0.45)}, {1.0, kYellow.mixed(kOrange, 0.35)}});
    cairo_fill(cr);
    circlePath(cr, c, c, r - 2.2);
    setVertical(cr, {c - r, c - r, 2 * r, 2 * r}, {{0.0, hex(0x1a1b1f)}, {1.0, hex(0x2b2e35)}});
    cairo_fill(cr);
    circlePath(cr, c, c, pressed ? 2.0 : 1.5);
    setColor(cr, kYellow.mixed(kWhite, pressed ? 0.6 : 0.3));
    cairo_fill(cr);
}

} // namespace

ImageList extensionImages() {
    ImageList images;
    images.push_back({"controls-background", kCanvasWidth, kPanelHeight, paintControlsBackground, {}});
    images.push_back({"notes-background", kCanvasWidth, kMelodyHeight, paintNotesBackground, {}});
    images.push_back(smallKey("notes-button-offsetleft", -1, false));
    images.push_back(smallKey("notes-button-offsetleft-down", -1, true));
    images.push_back(smallKey("notes-button-offsetright", 1, false));
    images.push_back(smallKey("notes-button-offsetright-down", 1, true));
    images.push_back({"notes-button-seed", 184, 24, paintSeedField, {}});
    images.push_back({"notes-button-midi", 52, 24, paintMidiButton, {}});
    images.push_back({"morph-overlay", 264, 120, paintMorphOverlay, {}});
    images.push_back({"morph-dot", 30, 30, [](cairo_t* cr) { paintMorphDot(cr, false); }, {}});
    images.push_back({"morph-dot-down", 30, 30, [](cairo_t* cr) { paintMorphDot(cr, true); }, {}});
    return images;
}

} // namespace artgen
