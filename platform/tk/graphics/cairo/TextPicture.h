#pragma once

// Backend only: a drawing layout's glyphs kept as a picture, so that text drawn unchanged frame
// after frame costs one copy of its pixels instead of shaping lookups and a composite per glyph.
//
// The picture is the layout drawn on a clear surface with the same glyph rasterisation as on the
// target (the same transformation, device scale and position within a device pixel) and in the same
// colour; copied over the target it gives the pixels drawing the glyphs there gives, but for a
// rounding step where two glyphs share a pixel. Text drawn this way is drawn this way every time,
// so what a window shows does not depend on what it drew before. It stands in where a copy can:
// plain compositing, a solid colour, a transformation that only moves and scales, a clip of whole
// pixels; elsewhere the caller draws the glyphs. Onto an image in the usual 32-bit format the copy
// is made with pixman straight, as cairo would make it but without its per-drawing state and
// patterns; onto anything else, through cairo.
//
// Everything here runs with textMutex() held.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/cairo/StraightCopy.h"

#include <cairo.h>
#include <pango/pangocairo.h>
#include <pixman.h>

#include <array>
#include <cstddef>
#include <optional>

namespace tk::detail {

class TextPicture {
public:
    TextPicture() = default;
    TextPicture(const TextPicture&) = delete;
    TextPicture& operator=(const TextPicture&) = delete;
    ~TextPicture();

    // How the picture is copied onto the target: the cheapest way, or (for tests comparing the
    // two) only through cairo or only with pixman straight, returning false where that cannot be.
    enum class Copy { cheapest, throughCairo, straight };

    // Draws `layout` with its top-left corner at `origin` (user space of `cr`) in cr's source, or
    // returns false where the caller draws it itself.
    bool show(cairo_t* cr, PangoLayout* layout, Point origin, Copy copy = Copy::cheapest);

    // Forgets the pictures.
    void clear();

private:
    // What the glyphs' pixels depend on besides the layout.
    struct Key {
        std::array<double, 4> scale;  // user-to-target matrix and the whole user-to-pixel scale
        std::array<double, 2> phase;  // the origin's position within its pixel
        std::array<double, 4> colour; // the solid source: red, green, blue, alpha
        int surfaceType = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    struct Picture {
        std::optional<Key> key;             // what it was made for; none: not made
        cairo_surface_t* surface = nullptr; // the box its ink covers; none where it has none
        pixman_image_t* pixels = nullptr;   // the surface's pixels, for copying them straight
        int offsetX = 0, offsetY = 0;       // its top-left pixel from the origin's
        int width = 0, height = 0;
        void clear();
    };

    static bool make(Picture& picture, cairo_t* cr, PangoLayout* layout, Point origin, const Key& key,
                     Point pixel);

    // Two, as a text with a shadow is drawn in the shadow's colour and its own in turn.
    std::array<Picture, 2> pictures_;
    std::size_t replaced_ = 0; // the one a new picture takes next
    ImagePixels target_;       // what they were last copied onto straight
};

} // namespace tk::detail
