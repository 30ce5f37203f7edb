#include "platform/tk/graphics/cairo/TextPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace tk::detail {

namespace {

// Past this many pixels a picture costs more memory than drawing the glyphs costs time.
constexpr double kMaxPixels = 1 << 20;
// Room around the ink for the antialiasing of its edges.
constexpr int kPadding = 2;

// The smallest box holding every pixel of `image` (32-bit) that is not clear; empty where none is.
PixelBox inkedPixels(cairo_surface_t* image) {
    const unsigned char* data = cairo_image_surface_get_data(image);
    const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
    const int stride = cairo_image_surface_get_stride(image);
    PixelBox inked{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        int first = 0, last = width;
        while (first < width && row[first] == 0)
            ++first;
        if (first == width)
            continue;
        while (row[last - 1] == 0)
            --last;
        inked.x0 = std::min(inked.x0, first);
        inked.x1 = std::max(inked.x1, last);
        inked.y0 = std::min(inked.y0, y);
        inked.y1 = y + 1;
    }
    return inked;
}

// `box` of `image` (32-bit) as an image of its own, taking `image`; null where there is no memory.
cairo_surface_t* cropped(cairo_surface_t* image, PixelBox box) {
    const int width = box.x1 - box.x0, height = box.y1 - box.y0;
    cairo_surface_t* crop = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(crop) == CAIRO_STATUS_SUCCESS) {
        const unsigned char* from = cairo_image_surface_get_data(image);
        unsigned char* to = cairo_image_surface_get_data(crop);
        const int fromStride = cairo_image_surface_get_stride(image),
                  toStride = cairo_image_surface_get_stride(crop);
        for (int y = 0; y < height; ++y)
            std::memcpy(to + static_cast<std::ptrdiff_t>(y) * toStride,
                        from + static_cast<std::ptrdiff_t>(box.y0 + y) * fromStride + box.x0 * 4,
                        static_cast<std::size_t>(width) * 4);
        cairo_surface_mark_dirty(crop);
    } else {
        cairo_surface_destroy(crop);
        crop = nullptr;
    }
    cairo_surface_destroy(image);
    return crop;
}

} // namespace

TextPicture::~TextPicture() {
    clear();
}

void TextPicture::Picture::clear() {
    if (pixels)
        pixman_image_unref(pixels);
    pixels = nullptr;
    if (surface)
        cairo_surface_destroy(surface);
    surface = nullptr;
    key.reset();
}

void TextPicture::clear() {
    for (Picture& picture : pictures_)
        picture.clear();
}

bool TextPicture::show(cairo_t* cr, PangoLayout* layout, Point origin, Copy copy) {
    if (cairo_get_operator(cr) != CAIRO_OPERATOR_OVER)
        return false;
    Key key;
    if (cairo_pattern_get_rgba(cairo_get_source(cr), &key.colour[0], &key.colour[1], &key.colour[2],
                               &key.colour[3]) != CAIRO_STATUS_SUCCESS)
        return false;
    const auto to = toPixels(cr);
    if (!to)
        return false;
    // A clip with soft edges has cairo combine the glyphs into one mask with it, which a copy of the
    // picture through that clip would not match.
    const std::optional<PixelClip> clip = wholePixelClip(cr, *to);
    if (!clip)
        return false;
    const Point pixel = to->pixel(cr, origin);
    if (!(std::abs(pixel.x) < 1e9) || !(std::abs(pixel.y) < 1e9))
        return false;
    const Point whole{std::floor(pixel.x), std::floor(pixel.y)};
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    key.scale = {m.xx, m.yy, to->userScaleX, to->userScaleY};
    key.phase = {pixel.x - whole.x, pixel.y - whole.y};
    key.surfaceType = static_cast<int>(cairo_surface_get_type(cairo_get_group_target(cr)));
    auto kept =
        std::find_if(pictures_.begin(), pictures_.end(), [&](const Picture& p) { return p.key == key; });
    if (kept == pictures_.end()) {
        kept = pictures_.begin() + static_cast<std::ptrdiff_t>(replaced_);
        replaced_ = (replaced_ + 1) % pictures_.size();
        if (!make(*kept, cr, layout, origin, key, pixel))
            return false;
    }
    const Picture& picture = *kept;
    if (!picture.surface)
        return true; // no ink

    // The picture's pixels land on the pixels it was made for.
    const double left = whole.x + picture.offsetX, top = whole.y + picture.offsetY;
    if (copy != Copy::throughCairo) {
        const PixelBox at{static_cast<int>(left), static_cast<int>(top),
                          static_cast<int>(left) + picture.width, static_cast<int>(top) + picture.height};
        if (copyStraight(cr, *to, *clip, picture.pixels, at, target_))
            return true;
        if (copy == Copy::straight)
            return false;
    }
    const double sx = to->userScaleX, sy = to->userScaleY;
    cairo_matrix_t toPicture;
    cairo_matrix_init(&toPicture, sx, 0, 0, sy, pixel.x - sx * origin.x - left,
                      pixel.y - sy * origin.y - top);
    cairo_save(cr);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(picture.surface);
    cairo_pattern_set_matrix(pattern, &toPicture);
    cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
    cairo_new_path(cr);
    cairo_rectangle(cr, origin.x + (left - pixel.x) / sx, origin.y + (top - pixel.y) / sy, picture.width / sx,
                    picture.height / sy);
    cairo_fill(cr);
    cairo_restore(cr);
    return true;
}

bool TextPicture::make(Picture& made, cairo_t* cr, PangoLayout* layout, Point origin, const Key& key,
                       Point pixel) {
    made.clear();
    PangoRectangle ink;
    pango_layout_get_extents(layout, &ink, nullptr);
    const double sx = key.scale[2], sy = key.scale[3];
    const Point whole{std::floor(pixel.x), std::floor(pixel.y)};
    if (ink.width > 0 && ink.height > 0) {
        const double inkLeft = pixel.x + sx * ink.x / PANGO_SCALE;
        const double inkTop = pixel.y + sy * ink.y / PANGO_SCALE;
        const double left = std::floor(inkLeft) - kPadding, top = std::floor(inkTop) - kPadding;
        const double width = std::ceil(inkLeft + sx * ink.width / PANGO_SCALE) + kPadding - left;
        const double height = std::ceil(inkTop + sy * ink.height / PANGO_SCALE) + kPadding - top;
        if (width * height > kMaxPixels)
            return false;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width),
                                                              static_cast<int>(height));
        if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
            cairo_surface_destroy(surface);
            return false;
        }
        // The target's user-to-pixel mapping moved by whole pixels: the glyphs fall on the same
        // places within their pixels and are rasterised at the same scale.
        cairo_matrix_t m;
        cairo_matrix_init(&m, sx, 0, 0, sy, pixel.x - sx * origin.x - left, pixel.y - sy * origin.y - top);
        cairo_t* picture = cairo_create(surface);
        cairo_set_matrix(picture, &m);
        cairo_set_antialias(picture, cairo_get_antialias(cr));
        cairo_set_source(picture, cairo_get_source(cr));
        cairo_move_to(picture, origin.x, origin.y);
        pango_cairo_show_layout(picture, layout);
        cairo_destroy(picture);
        cairo_surface_flush(surface);
        // Copying clear pixels over the target leaves them as they are: the picture keeps only the
        // box the glyphs' pixels fill.
        const PixelBox inked = inkedPixels(surface);
        if (inked.empty()) {
            cairo_surface_destroy(surface);
        } else {
            if (inked.x1 - inked.x0 < width || inked.y1 - inked.y0 < height)
                surface = cropped(surface, inked);
            if (!surface)
                return false;
            made.surface = surface;
            made.offsetX = static_cast<int>(left - whole.x) + inked.x0;
            made.offsetY = static_cast<int>(top - whole.y) + inked.y0;
            made.width = inked.x1 - inked.x0;
            made.height = inked.y1 - inked.y0;
            // Null where pixman has no memory for it: the picture is then copied through cairo.
            made.pixels = pixman_image_create_bits_no_clear(
                PIXMAN_a8r8g8b8, made.width, made.height,
                reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface)),
                cairo_image_surface_get_stride(surface));
        }
    }
    made.key = key;
    return true;
}

} // namespace tk::detail
