#include "platform/tk/graphics/cairo/TextPicture.h"

#include "platform/tk/graphics/Font.h"
#include "platform/tk/graphics/cairo/PangoInternal.h"
#include "platform/tk/graphics/tests/CairoSurfaces.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace tk::detail {
namespace {

using testing::samePixels;
using testing::Surface;

// A picture copied with pixman straight onto an image gives the very bytes cairo's copy gives, and
// cairo goes on drawing over it knowing it changed: at 1x and 2x, at fractional positions, in a
// translucent colour, through clips of whole pixels that cut it or miss it, inside a transparency
// layer (whose surface starts away from the target's corner), in a scaled user space, over the
// surface's edge. Onto a target of another format cairo copies it.
TEST(TextPicture, CopiedStraightOntoAnImageItGivesCairosPixels) {
    struct Case {
        const char* name;
        double scale;
        Point origin;
        Color colour;
        std::vector<Rect> clip; // user space; none: unclipped
        bool inLayer = false;
        double userScale = 1;
        cairo_format_t format = CAIRO_FORMAT_ARGB32;
        bool straight = true; // whether pixman copies it
        bool shows = true;    // whether it changes a pixel
    };
    const Color black = Color::black(), translucent{0.2, 0.4, 0.9, 0.5};
    const Case cases[] = {
        {"1x", 1, {4, 4}, black, {}},
        {"2x, fractional, translucent", 2, {10.3, 7.75}, translucent, {}},
        {"several clip rectangles",
         1,
         {3.5, 5.25},
         black,
         {{0, 0, 30, 48}, {40, 0, 20, 20}, {40, 30, 80, 18}}},
        {"clip cuts it", 2, {6.3, 4.1}, translucent, {{20.5, 0, 100, 14}}},
        {"outside the clip", 2, {4, 4}, black, {{0, 40, 120, 8}}, false, 1, CAIRO_FORMAT_ARGB32, true, false},
        {"in a layer", 2, {20.6, 9.1}, black, {{15, 6, 100, 36}}, true},
        {"scaled user space", 2, {5.3, 3.7}, translucent, {}, false, 1.25},
        {"over the edge", 1, {-20.4, 38.6}, black, {}},
        {"another format", 1, {4, 4}, black, {}, false, 1, CAIRO_FORMAT_RGB24, false},
    };
    std::lock_guard lock(textMutex());
    PangoContext* context = newTextContext();
    TextAttributes attributes;
    attributes.font = Font::system(13);
    PangoLayout* layout = newLayout(context, "Pattern 50417 fig AVATAR", attributes, std::nullopt);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextPicture picture;
        // The target's pixels after the text (if any) and a rectangle over part of it.
        auto draw = [&](std::optional<TextPicture::Copy> copy, bool* shown = nullptr) {
            Surface surface(cairo_image_surface_create(c.format, int(120 * c.scale), int(48 * c.scale)));
            cairo_surface_set_device_scale(surface.get(), c.scale, c.scale);
            cairo_t* cr = cairo_create(surface.get());
            cairo_set_source_rgba(cr, 0.3, 0.6, 0.2, 1);
            cairo_rectangle(cr, 0, 0, 60, 48);
            cairo_fill(cr);
            cairo_set_source_rgba(cr, 0.9, 0.9, 0.1, 0.5);
            cairo_rectangle(cr, 60, 0, 40, 48);
            cairo_fill(cr);
            cairo_scale(cr, c.userScale, c.userScale);
            for (const Rect& r : c.clip)
                cairo_rectangle(cr, r.origin.x, r.origin.y, r.size.width, r.size.height);
            if (!c.clip.empty())
                cairo_clip(cr);
            if (c.inLayer)
                cairo_push_group(cr);
            if (copy) {
                pango_cairo_update_context(cr, context);
                pango_layout_context_changed(layout);
                cairo_set_source_rgba(cr, c.colour.r, c.colour.g, c.colour.b, c.colour.a);
                *shown = picture.show(cr, layout, c.origin, *copy);
            }
            cairo_set_source_rgba(cr, 0.5, 0.1, 0.7, 0.4);
            cairo_rectangle(cr, c.origin.x + 10, c.origin.y + 2, 30, 8);
            cairo_fill(cr);
            if (c.inLayer) {
                cairo_pop_group_to_source(cr);
                cairo_paint_with_alpha(cr, 0.8);
            }
            cairo_destroy(cr);
            cairo_surface_flush(surface.get());
            return surface;
        };
        bool throughCairo = false, straight = false, cheapest = false;
        const Surface byCairo = draw(TextPicture::Copy::throughCairo, &throughCairo);
        const Surface byPixman = draw(TextPicture::Copy::straight, &straight);
        EXPECT_TRUE(throughCairo);
        EXPECT_EQ(straight, c.straight);
        if (straight) {
            EXPECT_TRUE(samePixels(byPixman.get(), byCairo.get()));
        }
        EXPECT_TRUE(samePixels(draw(TextPicture::Copy::cheapest, &cheapest).get(), byCairo.get()));
        EXPECT_TRUE(cheapest);
        EXPECT_NE(samePixels(draw(std::nullopt).get(), byCairo.get()), c.shows);
    }
    g_object_unref(layout);
    g_object_unref(context);
}

} // namespace
} // namespace tk::detail
