#pragma once

// An immutable picture with a size in points and one or more pixel representations (1x, 2x: pixel
// size = point size x scale). Copies share the pixels. A context draws the representation that
// suits its backing scale: the smallest scale at least as large as the context's, else the largest.
// An image may be a template (only its alpha counts; drawn tinted with a colour) and may carry
// cap insets for nine-part stretching. A default-constructed Image is empty and draws nothing.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tk {

class GraphicsContext;

// Layouts of raw pixel buffers.
enum class PixelFormat {
    argb32Premultiplied, // 32-bit native-endian words 0xAARRGGBB, premultiplied (BitmapContext)
    rgba8,               // bytes R, G, B, A, not premultiplied (PNG decoders, GL read-back)
    rgba8Premultiplied,  // bytes R, G, B, A, premultiplied
};

namespace detail {
struct ImageAccess;
}

// How the parts between the cap insets fill a larger rect: stretched, or repeated at their own size.
enum class ImageResizingMode { tile, stretch };

class Image {
public:
    Image();

    // One PNG file at the given scale (its point size is its pixel size / scale).
    static std::optional<Image> fromPNGFile(const std::filesystem::path& file, double scale = 1);
    static std::optional<Image> fromPNGData(std::span<const std::uint8_t> png, double scale = 1);
    // `path` names the 1x file ("dir/name.png"); for scale 2 "dir/name@2x.png" is taken when it
    // exists, else the 1x file. nullopt when neither can be read.
    static std::optional<Image> load(const std::filesystem::path& path, double scale);
    // Both "name.png" and "name@2x.png", whichever exist, as representations of one image.
    static std::optional<Image> loadAllScales(const std::filesystem::path& path);
    // A copy of raw pixels: `width` x `height` pixels, rows `stride` bytes apart, top row first
    // unless `bottomUp` (as OpenGL reads back). nullopt when the sizes do not fit the data.
    static std::optional<Image> fromPixels(std::span<const std::uint8_t> data, int width, int height,
                                           int stride, PixelFormat format, double scale = 1,
                                           bool bottomUp = false);
    // Puts raw pixels (as fromPixels takes them) into this image in place, for a producer that
    // shows frame after frame in one picture. Only when nothing else shares the picture (no copy of
    // this image exists) and it is one representation of exactly width x height pixels; otherwise
    // false and the image is unchanged (make a new one with fromPixels).
    bool overwritePixels(std::span<const std::uint8_t> data, int width, int height, int stride,
                         PixelFormat format, bool bottomUp = false);
    // A picture of `size` points at `scale`, drawn by `draw` into a transparent context whose
    // origin is the top-left corner.
    static Image draw(Size size, double scale, const std::function<void(GraphicsContext&)>& draw);

    bool isEmpty() const;
    explicit operator bool() const { return !isEmpty(); }

    Size size() const;
    // Scale of the finest representation.
    double scale() const;
    // Pixel size of the finest representation.
    Size pixelSize() const;
    // Scales of all representations, ascending.
    std::vector<double> scales() const;

    // One picture of the image: its point size, its scale and its pixel size. The representations
    // of an image usually share the image's size; an icon also carries smaller and larger ones.
    struct Representation {
        Size size;
        double scale = 1;
        Size pixelSize;
    };
    std::vector<Representation> representations() const;
    // A new image holding only the representations `keep` accepts (its size is the first kept one's;
    // empty when none is kept). An exception `keep` throws passes through.
    Image filteringRepresentations(const std::function<bool(const Representation&)>& keep) const;
    // One image of `images[0]`'s size carrying every representation of all of them, each at its
    // own point size (an icon's 16, 32 and 128 point pictures).
    static Image combining(const std::vector<Image>& images);

    bool isTemplate() const;
    EdgeInsets capInsets() const;
    ImageResizingMode resizingMode() const;
    // The asset name it was loaded under (empty for drawn images); shown by recording contexts.
    const std::string& name() const;

    Image withTemplate(bool isTemplate) const;
    Image withCapInsets(EdgeInsets insets) const;
    Image withResizingMode(ImageResizingMode mode) const;
    Image withName(std::string name) const;
    // This image with another image's representations added (same point size expected; a
    // representation of a scale it already has is replaced).
    Image addingRepresentations(const Image& other) const;

    // A template image filled with `color` over its shape (source-atop), no longer a template.
    // A non-template image is returned unchanged (the same image).
    Image tinted(const Color& color) const;
    // The part inside `rect` (points), at every scale.
    Image subImage(const Rect& rect) const;

    // Colour of one pixel of the representation at `scale` (the finest when 0), unpremultiplied;
    // clear outside the picture.
    Color pixelColor(int px, int py, double scale = 0) const;

    // PNG of the finest representation (or of the one at `scale`).
    bool writePNG(const std::filesystem::path& file, double scale = 0) const;
    std::vector<std::uint8_t> pngData(double scale = 0) const;

    // True when both share one picture (copies of each other).
    bool isSameImage(const Image& other) const { return impl_ == other.impl_; }

private:
    struct Impl;
    explicit Image(std::shared_ptr<const Impl> impl);
    std::shared_ptr<const Impl> impl_;
    friend struct detail::ImageAccess;
};

} // namespace tk
