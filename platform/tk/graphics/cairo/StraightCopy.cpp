#include "platform/tk/graphics/cairo/StraightCopy.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace tk::detail {

namespace {

struct RectangleListDeleter {
    void operator()(cairo_rectangle_list_t* list) const { cairo_rectangle_list_destroy(list); }
};
using RectangleList = std::unique_ptr<cairo_rectangle_list_t, RectangleListDeleter>;

// Whether every pixel of `box` is clear: OVER them comes to a plain copy, which pixman makes several
// times faster (cairo copies so onto a surface it knows is clear). A box over drawn pixels mostly
// shows them at a corner; past those, rows are tested whole, so that the loop stays simple.
bool allClear(const unsigned char* data, int stride, const PixelBox& box) {
    auto row = [&](int y) {
        return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    };
    if (row(box.y0)[box.x0] | row(box.y0)[box.x1 - 1] | row(box.y1 - 1)[box.x0] | row(box.y1 - 1)[box.x1 - 1])
        return false;
    for (int y = box.y0; y < box.y1; ++y) {
        const std::uint32_t* pixels = row(y);
        std::uint32_t any = 0;
        for (int x = box.x0; x < box.x1; ++x)
            any |= pixels[x];
        if (any)
            return false;
    }
    return true;
}

} // namespace

std::optional<ToPixels> toPixels(cairo_t* cr) {
    ToPixels t;
    cairo_surface_t* target = cairo_get_group_target(cr);
    cairo_surface_get_device_scale(target, &t.scaleX, &t.scaleY);
    cairo_surface_get_device_offset(target, &t.offsetX, &t.offsetY);
    double xx = 1, yx = 0, xy = 0, yy = 1;
    cairo_user_to_device_distance(cr, &xx, &yx);
    cairo_user_to_device_distance(cr, &xy, &yy);
    if (yx != 0 || xy != 0 || !(xx > 0) || !(yy > 0) || !(t.scaleX > 0) || !(t.scaleY > 0))
        return std::nullopt;
    t.userScaleX = xx * t.scaleX;
    t.userScaleY = yy * t.scaleY;
    return t;
}

std::optional<PixelClip> wholePixelClip(cairo_t* cr, const ToPixels& to) {
    const RectangleList list(cairo_copy_clip_rectangle_list(cr));
    if (list->status != CAIRO_STATUS_SUCCESS)
        return std::nullopt;
    PixelClip clip;
    for (int i = 0; i < list->num_rectangles; ++i) {
        const cairo_rectangle_t& r = list->rectangles[i];
        const Point a = to.pixel(cr, {r.x, r.y}), b = to.pixel(cr, {r.x + r.width, r.y + r.height});
        if (!onWholePixel(a.x) || !onWholePixel(a.y) || !onWholePixel(b.x) || !onWholePixel(b.y))
            return std::nullopt;
        if (clip.count == kMaxClipBoxes)
            clip.complete = false;
        else
            clip.boxes[clip.count++] = {wholePixel(std::min(a.x, b.x)), wholePixel(std::min(a.y, b.y)),
                                        wholePixel(std::max(a.x, b.x)), wholePixel(std::max(a.y, b.y))};
    }
    return clip;
}

ImagePixels::~ImagePixels() {
    if (pixels_)
        pixman_image_unref(pixels_);
}

pixman_image_t* ImagePixels::of(cairo_surface_t* image) {
    unsigned char* data = cairo_image_surface_get_data(image);
    const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
    const int stride = cairo_image_surface_get_stride(image);
    if (holds(data, width, height, stride))
        return pixels_;
    if (pixels_)
        pixman_image_unref(pixels_);
    pixels_ = pixman_image_create_bits_no_clear(PIXMAN_a8r8g8b8, width, height,
                                                reinterpret_cast<std::uint32_t*>(data), stride);
    data_ = data;
    width_ = width;
    height_ = height;
    stride_ = stride;
    return pixels_;
}

bool copyStraight(cairo_t* cr, const ToPixels& to, const PixelClip& clip, pixman_image_t* source, PixelBox at,
                  ImagePixels& targetPixels, int sourceX, int sourceY) {
    cairo_surface_t* target = cairo_get_group_target(cr);
    if (!source || !clip.complete || cairo_status(cr) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_status(target) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(target) != CAIRO_FORMAT_ARGB32)
        return false;
    // Changed pixels are reported to cairo in whole pixels less the surface's offset.
    if (!onWholePixel(to.offsetX) || !onWholePixel(to.offsetY))
        return false;
    const int width = cairo_image_surface_get_width(target), height = cairo_image_surface_get_height(target);
    unsigned char* data = cairo_image_surface_get_data(target);
    if (!data)
        return false;
    const PixelBox shown = intersection(at, {0, 0, width, height});
    std::array<PixelBox, kMaxClipBoxes> boxes;
    std::size_t count = 0;
    for (std::size_t i = 0; i < clip.count; ++i) {
        const PixelBox box = intersection(shown, clip.boxes[i]);
        if (box.empty())
            continue;
        // Cairo's clip rectangles do not overlap; were two to, copying through each would copy twice.
        const auto end = boxes.begin() + static_cast<std::ptrdiff_t>(count);
        if (std::any_of(boxes.begin(), end, [&](const PixelBox& o) { return o.overlaps(box); }))
            return false;
        boxes[count++] = box;
    }
    if (count == 0)
        return true; // all of it clipped away
    pixman_image_t* pixels = targetPixels.of(target);
    if (!pixels)
        return false;
    cairo_surface_flush(target);
    for (std::size_t i = 0; i < count; ++i) {
        const PixelBox& box = boxes[i];
        const pixman_op_t op =
            allClear(data, cairo_image_surface_get_stride(target), box) ? PIXMAN_OP_SRC : PIXMAN_OP_OVER;
        pixman_image_composite32(op, source, nullptr, pixels, sourceX + box.x0 - at.x0,
                                 sourceY + box.y0 - at.y0, 0, 0, box.x0, box.y0, box.x1 - box.x0,
                                 box.y1 - box.y0);
    }
    const int offsetX = wholePixel(to.offsetX), offsetY = wholePixel(to.offsetY);
    for (std::size_t i = 0; i < count; ++i) {
        const PixelBox& box = boxes[i];
        cairo_surface_mark_dirty_rectangle(target, box.x0 - offsetX, box.y0 - offsetY, box.x1 - box.x0,
                                           box.y1 - box.y0);
    }
    return true;
}

} // namespace tk::detail
