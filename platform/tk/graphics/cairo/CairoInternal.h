#pragma once

// Backend only: what the Cairo implementation files share. Nothing outside platform/tk/graphics
// (and the platform's backends) includes this.

#include "platform/tk/graphics/GraphicsTypes.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/Path.h"

#include <cairo.h>

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace tk {

namespace detail {

using SurfacePtr = std::shared_ptr<cairo_surface_t>;

// Takes over one reference of `surface`.
SurfacePtr adoptSurface(cairo_surface_t* surface);
// A new ARGB32 surface of the given pixel size with the given device scale, transparent.
SurfacePtr makeSurface(int pixelWidth, int pixelHeight, double scale);
// An ARGB32 copy of `source` (any format, any device scale), pixel for pixel, device scale 1.
SurfacePtr copySurface(cairo_surface_t* source);

// Pixels of one scale. The surface's device scale is 1: sampling addresses pixels.
// `size` is the representation's own point size when it differs from the image's (the small and
// large pictures of an icon); empty means the image's size.
struct ImageRepresentation {
    ImageRepresentation() = default;
    ImageRepresentation(double repScale, SurfacePtr repSurface, Size repSize = {})
        : scale(repScale), surface(std::move(repSurface)), size(repSize) {}

    double scale = 1;
    SurfacePtr surface;
    Size size;
};

// Nine-part copies of one picture at whole-pixel sizes, so that a bezel drawn again at a size it
// had is one blit of its pixels. Shared by the copies of an image that keep its pixels; any
// thread may use it.
class NinePartCopies {
public:
    struct Key {
        EdgeInsets caps;
        ImageResizingMode mode = ImageResizingMode::stretch;
        int pixelWidth = 0;
        int pixelHeight = 0;
        double scale = 1;
        ImageInterpolation interpolation = ImageInterpolation::high;
        friend bool operator==(const Key&, const Key&) = default;
    };
    std::optional<Image> find(const Key& key);
    void keep(const Key& key, Image copy);
    void clear();

private:
    static constexpr std::size_t kKept = 8; // sizes per picture, the least recently drawn go
    std::mutex mutex_;
    std::vector<std::pair<Key, Image>> copies_; // most recently drawn last
};

// The last tinted copy of a template picture, so a control that tints its bezel at every frame
// fills it once. Any thread may use it.
class TintedCopy {
public:
    std::optional<Image> find(const Color& color);
    void keep(const Color& color, Image copy);
    void clear();

private:
    std::mutex mutex_;
    std::optional<std::pair<Color, Image>> copy_;
};

struct ImageAccess {
    static Image make(Size size, std::vector<ImageRepresentation> representations, bool isTemplate = false,
                      EdgeInsets capInsets = {}, std::string name = {});
    static const std::vector<ImageRepresentation>& representations(const Image& image);
    // The representation for drawing at `deviceScale` pixels per point (see Image.h); null when
    // the image is empty.
    static const ImageRepresentation* representationFor(const Image& image, double deviceScale);
    // The nine-part copies kept with a non-empty image.
    static const std::shared_ptr<NinePartCopies>& ninePartCopies(const Image& image);
};

cairo_operator_t cairoOperator(BlendMode mode);
void appendPath(cairo_t* cr, const Path& path);
// `color` as a drawing shows it: clamped, its alpha times the drawing's `alpha` (itself clamped).
Color sourceColor(const Color& color, double alpha);
void setSourceColor(cairo_t* cr, const Color& color, double alpha);
Color unpremultipliedPixel(cairo_surface_t* surface, int px, int py);

} // namespace detail

struct Image::Impl {
    Size size;
    std::vector<detail::ImageRepresentation> representations; // ascending scale
    bool isTemplate = false;
    EdgeInsets capInsets;
    ImageResizingMode resizingMode = ImageResizingMode::stretch;
    std::string name;
    std::shared_ptr<detail::NinePartCopies> ninePartCopies = std::make_shared<detail::NinePartCopies>();
    std::shared_ptr<detail::TintedCopy> tintedCopy = std::make_shared<detail::TintedCopy>();
};

} // namespace tk
