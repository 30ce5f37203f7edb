// Pictures of the plug-in controls kit: the three dial kinds, the panel buttons and the logo.
#include <cmath>
#include <string>
#include <utility>

#include "tools/artgen/BundleArt.h"
#include "tools/artgen/Dials.h"
#include "tools/artgen/Keycaps.h"
#include "tools/artgen/Logo.h"

namespace artgen {
namespace {

using namespace palette;

// Each dial's ring is where Korvane's DialRings puts it, in the frame the dial gives its picture.
DialLook largeDial() {
    return {Korvane::kZindralDialRing, kYellow};
}
DialLook mediumDial(const Rgba& accent) {
    return {Korvane::kMediumDialRing, accent};
}
DialLook smallDial() {
    return {Korvane::kTinyDialRing, kSteel};
}

// The two square panel buttons (48 x 56) and the narrow key (24 x 62).
Keycap squareCap() {
    return {{3, 2, 42, 50}, 6, {15, 42.5, 18, 3}, kYellow};
}
Keycap narrowCap() {
    return {{2.5, 2, 19, 57}, 5, {7.5, 50.5, 9, 3}, kYellow};
}
Keycap arrowCap() {
    return {{2, 2, 24, 29}, 5, {}, kYellow};
}

Image keycapImage(std::string name, int w, int h, Keycap cap, bool pressed, Lamp lamp) {
    return {std::move(name),
            w,
            h,
            [cap, pressed, lamp](cairo_t* cr) { paintKeycap(cr, cap, pressed, lamp); },
            {}};
}

Image arrowImage(std::string name, int dir, bool pressed) {
    return {std::move(name),
            28,
            34,
            [dir, pressed](cairo_t* cr) {
                const Keycap cap = arrowCap();
                paintKeycap(cr, cap, pressed, Lamp::none);
                const double dy = pressed ? 0.8 : 0.0;
                arrowPath(cr, cap.body.midX() + dir * 0.5, cap.body.midY() - 0.5 + dy, 9, dir);
                setColor(cr, pressed ? kYellow.mixed(kWhite, 0.25) : kYellow);
                cairo_fill(cr);
            },
            {}};
}

// Flat buttons stretch to any width at a fixed 27-point height.
Image flatImage(std::string name, bool pressed, bool on) {
    return {std::move(name),
            88,
            27,
            [pressed, on](cairo_t* cr) {
                paintFlatButton(cr, {1.5, 1, 85, 24}, pressed, on);
            },
            {false, std::array<double, 4>{0, 0, 0, 0}}};
}

Image retroImage(std::string name, bool pressed) {
    return {std::move(name),
            88,
            27,
            [pressed](cairo_t* cr) {
                paintRetroButton(cr, {1.5, 1, 85, 24}, pressed);
            },
            {false, std::array<double, 4>{0, 0, 0, 0}}};
}

Image settingsImage(std::string name, bool pressed) {
    return {std::move(name),
            88,
            27,
            [pressed](cairo_t* cr) {
                paintFlatButton(cr, {1.5, 1, 85, 24}, pressed, false);
                // A small cog at the leading end marks the settings kind.
                const double cx = 13, cy = 13 + (pressed ? 0.5 : 0);
                for (int i = 0; i < 8; ++i) {
                    cairo_save(cr);
                    cairo_translate(cr, cx, cy);
                    cairo_rotate(cr, i * M_PI / 4);
                    roundedRectPath(cr, {-1.1, -5.2, 2.2, 2.6}, 0.6);
                    cairo_restore(cr);
                }
                circlePath(cr, cx, cy, 3.9);
                setColor(cr, kTextDim);
                cairo_fill(cr);
                circlePath(cr, cx, cy, 1.5);
                setColor(cr, kRaised);
                cairo_fill(cr);
            },
            {false, std::array<double, 4>{0, 24, 0, 8}}};
}

} // namespace

ImageList korvaneImages() {
    ImageList images;
    addFilmStrip(images, "knobs/zindral-dial-grey_", largeDial());
    const std::pair<const char*, Rgba> colours[] = {
        {"blue", kBlue}, {"yellow", kYellow}, {"red", kRed}, {"purple", kPurple}};
    for (const auto& [word, accent] : colours)
        addFilmStrip(images, std::string("knobs/dial-medium-") + word + "-", mediumDial(accent));
    addFilmStrip(images, "knobs/dial-small-grey-", smallDial());

    images.push_back({"velmor-logo",
                      108,
                      24,
                      [](cairo_t* cr) {
                          paintWordMark(cr, {1, 2, 106, 20}, kYellow, kText);
                      },
                      {}});

    images.push_back(keycapImage("zindral-button-yellow", 48, 56, squareCap(), false, Lamp::faint));
    images.push_back(keycapImage("zindral-button-yellow-down", 48, 56, squareCap(), true, Lamp::lit));
    images.push_back(keycapImage("zindral-button-grey-off", 48, 56, squareCap(), false, Lamp::dim));
    images.push_back(keycapImage("zindral-button-grey-off-down", 48, 56, squareCap(), true, Lamp::dim));
    images.push_back(keycapImage("zindral-button-grey-on-yellow", 48, 56, squareCap(), false, Lamp::lit));
    images.push_back(keycapImage("zindral-button-grey-on-yellow-down", 48, 56, squareCap(), true, Lamp::lit));
    images.push_back(keycapImage("zindral-button-narrow-grey-off", 24, 62, narrowCap(), false, Lamp::dim));
    images.push_back(
        keycapImage("zindral-button-narrow-grey-off-down", 24, 62, narrowCap(), true, Lamp::dim));
    images.push_back(
        keycapImage("zindral-button-narrow-grey-on-yellow", 24, 62, narrowCap(), false, Lamp::lit));
    images.push_back(
        keycapImage("zindral-button-narrow-grey-on-yellow-down", 24, 62, narrowCap(), true, Lamp::lit));
    images.push_back(arrowImage("zindral-button-small-yellow-left", -1, false));
    images.push_back(arrowImage("zindral-button-small-yellow-left-down", -1, true));
    images.push_back(arrowImage("zindral-button-small-yellow-right", 1, false));
    images.push_back(arrowImage("zindral-button-small-yellow-right-down", 1, true));

    images.push_back(flatImage("modern-button", false, false));
    images.push_back(flatImage("modern-button-down", true, false));
    images.push_back(flatImage("modern-button-on", false, true));
    images.push_back(flatImage("modern-button-on-down", true, true));
    images.push_back(retroImage("retro-button", false));
    images.push_back(retroImage("retro-button-down", true));
    images.push_back(settingsImage("settings-button", false));
    images.push_back(settingsImage("settings-button-down", true));
    return images;
}

} // namespace artgen
