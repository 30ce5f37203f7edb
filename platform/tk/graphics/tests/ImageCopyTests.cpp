#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/cairo/CairoGraphicsContext.h"
#include "platform/tk/graphics/cairo/CairoInternal.h"
#include "platform/tk/graphics/tests/CairoSurfaces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tk {
namespace {

using testing::samePixels;
using testing::Surface;

// `width` x `height` pixels of every kind of alpha, clear to opaque, no two alike, at `scale`.
Image pattern(int width, int height, double scale, int seed) {
    std::vector<std::uint8_t> rgba;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int i = y * width + x + seed;
            const std::uint8_t alpha[] = {0, 40, 128, 200, 255};
            rgba.insert(rgba.end(), {std::uint8_t(i * 37), std::uint8_t(i * 91 + 5),
                                     std::uint8_t(255 - i * 13), alpha[i % 5]});
        }
    return *Image::fromPixels(rgba, width, height, width * 4, PixelFormat::rgba8, scale);
}

// An image drawn with pixman straight where it lands one pixel on one pixel gives the very bytes
// cairo's paint gives, and cairo goes on drawing over it knowing it changed: either scale of
// picture at either scale of target, over opaque, translucent and clear pixels, through clips of
// several whole-pixel rectangles, inside a transparency layer (whose surface starts away from the
// target's corner), over the target's edges, a part of a picture. Where it is no plain copy it is
// drawn through cairo as before.
TEST(ImageCopy, CopiedStraightItGivesCairosPixels) {
    // 8 x 6 points, with its own pixels at each scale.
    const Image oneX = pattern(8, 6, 1, 0), both = Image::combining({oneX, pattern(16, 12, 2, 7)});
    const Image twoXOnly = pattern(16, 12, 2, 3);
    // Its one picture, of another size, stretches over its edges.
    const Image undersized =
        detail::ImageAccess::make({10, 8}, {detail::ImageAccess::representations(oneX).front()});
    struct Case {
        const char* name;
        double scale;
        const Image* image;
        Rect dest;
        ImageDrawOptions options = {};
        std::function<void(GraphicsContext&)> setUp = {}; // before the draw
        bool straight = true;                             // whether pixman copies it
        cairo_format_t format = CAIRO_FORMAT_ARGB32;
    };
    auto with = [](auto change) {
        ImageDrawOptions options;
        change(options);
        return options;
    };
    auto clip = [](std::vector<Rect> rects) {
        return [rects](GraphicsContext& g) {
            Path path;
            for (const Rect& r : rects)
                path.addRect(r);
            g.clipToPath(path);
        };
    };
    const ImageDrawOptions none =
        with([](ImageDrawOptions& o) { o.interpolation = ImageInterpolation::none; });
    const Case cases[] = {
        {"1x at 1x over opaque and translucent pixels", 1, &oneX, {16, 2, 8, 6}},
        {"2x at 2x over translucent and clear pixels", 2, &both, {26.5, 3, 8, 6}},
        {"onto clear pixels", 1, &oneX, {31, 2, 8, 6}},
        {"1x at 2x, a pixel for a pixel", 2, &oneX, {5, 3.5, 4, 3}, none},
        {"1x at 1x of an image with 2x too", 1, &both, {3, 12, 8, 6}},
        {"a part", 2, &both, {10, 10, 4, 3}, with([](ImageDrawOptions& o) {
             o.source = Rect{2, 1.5, 4, 3};
         })},
        {"several clip rectangles",
         1,
         &oneX,
         {4, 4, 8, 6},
         {},
         clip({{0, 0, 6, 24}, {8, 0, 3, 7}, {8, 9, 30, 10}})},
        {"in a layer",
         2,
         &both,
         {6, 5, 8, 6},
         {},
         [](GraphicsContext& g) {
             g.clipToRect({5.5, 4, 30, 15});
             g.beginTransparencyLayer(0.6);
         }},
        {"partly outside the target", 2, &both, {-3, 20, 8, 6}},
        {"moved and scaled onto whole pixels",
         2,
         &oneX,
         {2, 1, 8, 6},
         {},
         [](GraphicsContext& g) {
             g.translate(0.5, 1.5);
             g.scale(0.5, 0.5);
         }},
        // 30 x 0.1 is a little over 3: a hair off whole pixels and off one to one.
        {"a hair off whole pixels, interpolated",
         1,
         &oneX,
         {30, 20, 80, 60},
         {},
         [](GraphicsContext& g) { g.scale(0.1, 0.1); }},
        {"through a clip off whole pixels", 2, &both, {3, 2, 8, 6}, {}, clip({{4.25, 0, 20, 24}}), false},
        {"a picture smaller than its image", 1, &undersized, {3, 2, 10, 8}, {}, {}, false},
        {"at fractional pixels", 1, &oneX, {3.3, 2, 8, 6}, {}, {}, false},
        {"2x at 1x", 1, &twoXOnly, {3, 2, 8, 6}, {}, {}, false},
        {"1x at 2x, scaled up", 2, &oneX, {3, 2, 8, 6}, none, {}, false},
        {"a part at fractional pixels",
         1,
         &oneX,
         {3, 2, 4, 3},
         with([](ImageDrawOptions& o) {
             o.source = Rect{0.5, 0, 4, 3};
         }),
         {},
         false},
        {"tinted",
         1,
         &oneX,
         {3, 2, 8, 6},
         with([](ImageDrawOptions& o) {
             o.tint = Color{0.2, 0.3, 0.9, 1};
         }),
         {},
         false},
        {"at half opacity",
         1,
         &oneX,
         {3, 2, 8, 6},
         with([](ImageDrawOptions& o) { o.opacity = 0.5; }),
         {},
         false},
        {"at half the context's alpha",
         2,
         &both,
         {3, 2, 8, 6},
         {},
         [](GraphicsContext& g) { g.setAlpha(0.5); },
         false},
        {"multiplied",
         1,
         &oneX,
         {3, 2, 8, 6},
         with([](ImageDrawOptions& o) { o.blendMode = BlendMode::multiply; }),
         {},
         false},
        {"with a shadow",
         1,
         &oneX,
         {3, 2, 8, 6},
         {},
         [](GraphicsContext& g) {
             g.setShadow({{1, 1}, 0, Color{0, 0, 0, 0.5}});
         },
         false},
        {"rotated",
         1,
         &oneX,
         {3, -14, 8, 6},
         {},
         [](GraphicsContext& g) { g.rotate(std::acos(0.0)); },
         false},
        {"onto another format", 1, &oneX, {3, 2, 8, 6}, {}, {}, false, CAIRO_FORMAT_RGB24},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The target's pixels after the image (if any) and a rectangle over part of it.
        auto draw = [&](std::optional<CairoGraphicsContext::ImageCopy> copy) {
            Surface surface(cairo_image_surface_create(c.format, int(40 * c.scale), int(24 * c.scale)));
            cairo_surface_set_device_scale(surface.get(), c.scale, c.scale);
            cairo_t* cr = cairo_create(surface.get());
            {
                CairoGraphicsContext g(cr, c.scale);
                g.fillRect({0, 0, 20, 24}, Color{0.3, 0.6, 0.2, 1});
                g.fillRect({20, 0, 10, 24}, Color{0.9, 0.9, 0.1, 0.5});
                if (c.setUp)
                    c.setUp(g);
                if (copy) {
                    g.setImageCopy(*copy);
                    g.drawImage(*c.image, c.dest, c.options);
                }
                g.fillRect({c.dest.minX() + 1, c.dest.minY() + 1, 3, 2}, Color{0.5, 0.1, 0.7, 0.4});
            } // ends the layer, if any
            cairo_destroy(cr);
            cairo_surface_flush(surface.get());
            return surface;
        };
        const Surface byCairo = draw(CairoGraphicsContext::ImageCopy::throughCairo);
        const Surface byPixman = draw(CairoGraphicsContext::ImageCopy::straight);
        const Surface nothing = draw(std::nullopt);
        EXPECT_FALSE(samePixels(byCairo.get(), nothing.get()));
        EXPECT_TRUE(samePixels(byPixman.get(), c.straight ? byCairo.get() : nothing.get()));
        EXPECT_TRUE(samePixels(draw(CairoGraphicsContext::ImageCopy::cheapest).get(), byCairo.get()));
    }
}

} // namespace
} // namespace tk
