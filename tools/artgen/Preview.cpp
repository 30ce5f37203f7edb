#include "tools/artgen/Preview.h"

#include <cairo.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "tools/artgen/Image.h"
#include "tools/artgen/Paint.h"
#include "tools/artgen/Text.h"

namespace artgen {
namespace {

using namespace palette;

struct Ctx {
    cairo_t* cr;
    int scale;
    std::filesystem::path korvane, extension;
};

void image(const Ctx& c, const std::filesystem::path& bundle, const std::string& name, double x, double y) {
    const std::string file = (bundle / "Images" / name).string() + (c.scale >= 2 ? "@2x.png" : ".png");
    cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot read " + file);
    cairo_save(c.cr);
    cairo_translate(c.cr, x, y);
    const double pictureScale = c.scale >= 2 ? 2.0 : 1.0;
    cairo_scale(c.cr, 1.0 / pictureScale, 1.0 / pictureScale);
    cairo_set_source_surface(c.cr, s, 0, 0);
    cairo_paint(c.cr);
    cairo_restore(c.cr);
    cairo_surface_destroy(s);
}

// Text centred on (cx, cy) by its line box, the way a label row centres it.
void text(const Ctx& c, const std::string& s, const std::string& font, double size, const Rgba& color,
          double cx, double cy, double spacing = 0) {
    const TextStyle style{font + " " + std::to_string(size) + "px", spacing};
    const TextExtent e = measureText(c.cr, s, style);
    cairo_new_path(c.cr);
    textPath(c.cr, s, style, cx - e.width / 2, cy - e.inkHeight / 2);
    setColor(c.cr, color);
    cairo_fill(c.cr);
}

// A bezel stretched horizontally through side caps of `cap` points, as a three-part image draws.
void stretched(const Ctx& c, const std::filesystem::path& bundle, const std::string& name, double x, double y,
               double width, double cap) {
    const std::string file = (bundle / "Images" / name).string() + "@2x.png";
    cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot read " + file);
    const double w = cairo_image_surface_get_width(s) / 2.0, h = cairo_image_surface_get_height(s) / 2.0;
    const double parts[3][4] = {
        {0, cap, x, cap}, {cap, w - 2 * cap, x + cap, width - 2 * cap}, {w - cap, cap, x + width - cap, cap}};
    for (const auto& p : parts) {
        cairo_save(c.cr);
        cairo_rectangle(c.cr, p[2], y, p[3], h);
        cairo_clip(c.cr);
        cairo_translate(c.cr, p[2], y);
        cairo_scale(c.cr, p[3] / p[1] / 2.0, 0.5);
        cairo_set_source_surface(c.cr, s, -p[0] * 2.0, 0);
        cairo_pattern_set_extend(cairo_get_source(c.cr), CAIRO_EXTEND_PAD);
        cairo_paint(c.cr);
        cairo_restore(c.cr);
    }
    cairo_surface_destroy(s);
}

} // namespace

void writePluginPreview(const std::filesystem::path& out, int scale, const std::filesystem::path& bundlesDir,
                        PreviewCrop crop) {
    if (crop.width <= 0 || crop.height <= 0)
        crop = {0, 0, 616, 678};
    cairo_surface_t* surface = cairo_image_surface_create(
        CAIRO_FORMAT_ARGB32, static_cast<int>(crop.width * scale), static_cast<int>(crop.height * scale));
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -crop.x, -crop.y);
    const Ctx c{cr, scale, bundlesDir / "Korvane_Korvane.bundle",
                bundlesDir / "ZindralExtension_ZindralExtension.bundle"};
    setColor(cr, kWindow);
    cairo_paint(cr);

    // Header.
    image(c, c.korvane, "velmor-logo", 8, 11);
    text(c, "1.0.0", "League Spartan SemiBold", 13, hex(0x6f7580), 580, 24);

    // Melody display.
    image(c, c.extension, "notes-background", 0, 46);
    const double gx = 32, gy = 46 + 16, gw = 552, gh = 122, w = gw / 16;
    const double notes[] = {0.2, 0.45, 0.45, 0.7, 0.3, 0.55, 0.9,  0.4,
                            0.1, 0.6,  0.35, 0.8, 0.5, 0.25, 0.65, 0.4};
    cairo_rectangle(cr, gx + w * 5 + w * 0.08, gy, w * 0.5, gh);
    setColor(cr, hex(0xffffff, 0.07));
    cairo_fill(cr);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 16; ++i) {
        if (i == 8)
            continue;
        const double x0 = gx + w * i + w * 0.08, x1 = x0 + w * 0.5;
        const double y = std::min(gy + (1 - notes[i]) * gh, gy + gh - 20);
        cairo_move_to(cr, x0, y);
        cairo_line_to(cr, x1, y);
        setColor(cr, i % 4 == 0 ? kYellow : kSteel);
        cairo_stroke(cr);
        text(c, "C3", "Dosis Medium", 11, hex(0x9aa3b2), (x0 + x1) / 2, y + 12);
    }
    image(c, c.extension, "notes-button-offsetleft", 32, 198);
    image(c, c.extension, "notes-button-offsetright-down", 66, 198);
    image(c, c.extension, "notes-button-seed", 216, 198);
    text(c, "4815162342", "Dosis Medium", 12, kTextBright, 308, 210, 1.5);
    image(c, c.extension, "notes-button-midi", 532, 198);
    text(c, "MIDI", "Dosis Medium", 12, hex(0x9aa3b2), 558, 210);

    // Control panel.
    const double py = 238, pcy = py + 220;
    image(c, c.extension, "controls-background", 0, py);
    const char* patterns[] = {"ABCD", "ABCA", "ABBC", "AAAB", "AABA", "AABC"};
    for (int i = 0; i < 6; ++i) {
        image(c, c.korvane,
              i == 0 ? "zindral-button-grey-on-yellow"
                     : (i == 3 ? "zindral-button-grey-off-down" : "zindral-button-grey-off"),
              32 + 72 * i, pcy - 188);
        text(c, patterns[i], "Dosis Medium", 13, i == 3 ? kYellow : hex(0xc9cdd5), 56 + 72 * i,
             pcy - 160 - 6);
    }
    image(c, c.korvane, "zindral-button-yellow", 464, pcy - 188);
    image(c, c.korvane, "zindral-button-yellow-down", 536, pcy - 188);
    text(c, "A BIT", "Dosis Medium", 13, kYellow, 488, pcy - 164);
    text(c, "A LOT", "Dosis Medium", 13, kYellow, 560, pcy - 164);
    text(c, "PLAYBACK", "Dosis Medium", 13, kTextBright, 236, pcy - 120);
    text(c, "RANDOM", "Dosis Medium", 13, kYellow, 524, pcy - 120);
    const char* names[] = {"LOWEST", "RANGE", "REST", "SLIDE", "ACCENT", "GATE", "DIVISION", "LENGTH"};
    const char* values[] = {"C1", "24", "0.2", "0.2", "0.2", "50", "1/16", "16"};
    const int frames[] = {15, 10, 11, 11, 11, 26, 6, 13};
    for (int i = 0; i < 8; ++i) {
        const double cx = 56 + 72 * i, zy = pcy - 28; // centre of the dial's stack
        char frame[8];
        std::snprintf(frame, sizeof frame, "%02d", frames[i]);
        image(c, c.korvane, std::string("knobs/zindral-dial-grey_") + frame, cx - 28, zy - 32 - 16);
        // Label: name row (19 high) over a 40-high value row, overlapping by 10, centred on the stack.
        const double top = zy - 24.5;
        text(c, names[i], "Dosis Medium", 14, hex(0x9aa0ab), cx, top + 9.5);
        text(c, std::string(values[i]) + (i == 5 ? " %" : ""), "Dosis Medium", 16, kTextBright, cx,
             top + 9 + 20 + 10 - 1);
    }
    // Morph pad: dot field, overlay, handle.
    const double mx = 164 - 132, my = pcy + 128 - 60, hx = 12 + 240 * 0.62, hy = 12 + 96 * (1 - 0.7);
    cairo_save(cr);
    cairo_rectangle(cr, mx, my, 264, 120);
    cairo_clip(cr);
    for (int r = 0; r < 12; ++r) {
        for (int col = 0; col < 24; ++col) {
            const double x = col * 264.0 / 23, y = r * 120.0 / 11;
            const double th = std::atan2(hy - y, hx - x), d = std::min(std::hypot(hx - x, hy - y), 800.0),
                         k = 1 - d / 800;
            circlePath(cr, mx + x - std::cos(th) * k * 30, my + y - std::sin(th) * k * 30, 1.5);
            setColor(cr, hex(0x5d6572));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    image(c, c.extension, "morph-overlay", mx, my);
    image(c, c.extension, "morph-dot", mx + hx - 15, my + hy - 15);
    // Keyboard.
    const double upperX[] = {340, 380, 460, 500, 540};
    const bool upperOn[] = {true, true, false, true, true};
    for (int i = 0; i < 5; ++i)
        image(c, c.korvane,
              upperOn[i] ? "zindral-button-narrow-grey-on-yellow" : "zindral-button-narrow-grey-off",
              upperX[i], pcy + 99 - 31);
    const char* keys[] = {"C", "D", "E", "F", "G", "A", "B"};
    const bool lowerOn[] = {true, false, false, true, true, false, false};
    for (int i = 0; i < 7; ++i) {
        image(c, c.korvane,
              lowerOn[i] ? "zindral-button-narrow-grey-on-yellow" : "zindral-button-narrow-grey-off",
              320 + 40 * i, pcy + 166 - 31);
        text(c, keys[i], "Dosis Medium", 13, hex(0xc9cdd5), 332 + 40 * i, pcy + 166 - 2);
    }
    cairo_destroy(cr);
    const SurfacePtr owned(surface);
    writePng(surface, out);
}

void writeApplicationPreview(const std::filesystem::path& out, int scale,
                             const std::filesystem::path& bundlesDir) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400 * scale, 572 * scale);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    const Ctx c{cr, 2, bundlesDir / "Tessaly_Tessaly.bundle", bundlesDir / "Zindral_Zindral.bundle"};
    setColor(cr, kWindow);
    cairo_paint(cr);
    // The shader band is drawn by the GPU; a plain gradient stands in for it here.
    cairo_rectangle(cr, 0, 0, 400, 300);
    setVertical(cr, {0, 0, 400, 300}, {{0.0, hex(0x1d2a44)}, {1.0, hex(0x2a1d3c)}});
    cairo_fill(cr);
    text(c, "Zindral", "League Spartan SemiBold", 36, kWhite, 200, 150);
    const Rgba tint = hex(0xc9cdd5);
    text(c, "Zindral is now available as an Audio Unit.", "Quicksand Bold", 15, tint, 200, 338);
    text(c, "Keep this app in your applications folder.", "Quicksand Bold", 15, tint, 200, 357);
    text(c, "To use Zindral, insert it as", "Quicksand", 12, tint, 200, 385);
    text(c, "a MIDI plugin on an instrument track.", "Quicksand", 12, tint, 200, 400);
    text(c, "1.0.0 (1)", "Quicksand", 12, tint, 200, 428);
    // The logo is a template: the window tints it with "logoTint".
    const std::string logo = (c.korvane / "Images" / "window-velmor@2x.png").string();
    cairo_surface_t* mask = cairo_image_surface_create_from_png(logo.c_str());
    cairo_save(cr);
    cairo_translate(cr, 125, 454);
    cairo_scale(cr, 0.5, 0.5);
    setColor(cr, tint);
    cairo_mask_surface(cr, mask, 0, 0);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
    stretched(c, c.korvane, "tui-button", 14, 534, 184, 8);
    stretched(c, c.korvane, "tui-button-down", 202, 534, 184, 8);
    text(c, "Help", "Quicksand Bold", 12, hex(0xd9d9d9), 106, 546);
    text(c, "Velmor Website", "Quicksand Bold", 12, hex(0x808080), 294, 546);
    cairo_destroy(cr);
    const SurfacePtr owned(surface);
    writePng(surface, out);
}

} // namespace artgen
