#include "platform/tk/graphics/cairo/CairoInternal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tk::detail {

SurfacePtr adoptSurface(cairo_surface_t* surface) {
    return SurfacePtr(surface, cairo_surface_destroy);
}

SurfacePtr makeSurface(int pixelWidth, int pixelHeight, double scale) {
    SurfacePtr s = adoptSurface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(pixelWidth, 0), std::max(pixelHeight, 0)));
    cairo_surface_set_device_scale(s.get(), scale, scale);
    return s;
}

SurfacePtr copySurface(cairo_surface_t* source) {
    cairo_surface_flush(source);
    const int w = cairo_image_surface_get_width(source);
    const int h = cairo_image_surface_get_height(source);
    SurfacePtr copy = makeSurface(w, h, 1);
    cairo_t* cr = cairo_create(copy.get());
    double sx = 1, sy = 1;
    cairo_surface_get_device_scale(source, &sx, &sy);
    // Paint pixel for pixel: a source with a device scale is addressed in its own units.
    cairo_scale(cr, sx, sy);
    cairo_set_source_surface(cr, source, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(copy.get());
    return copy;
}

cairo_operator_t cairoOperator(BlendMode mode) {
    switch (mode) {
    case BlendMode::normal:
        return CAIRO_OPERATOR_OVER;
    case BlendMode::copy:
        return CAIRO_OPERATOR_SOURCE;
    case BlendMode::clear:
        return CAIRO_OPERATOR_CLEAR;
    case BlendMode::sourceIn:
        return CAIRO_OPERATOR_IN;
    case BlendMode::sourceOut:
        return CAIRO_OPERATOR_OUT;
    case BlendMode::sourceAtop:
        return CAIRO_OPERATOR_ATOP;
    case BlendMode::destinationOver:
        return CAIRO_OPERATOR_DEST_OVER;
    case BlendMode::destinationIn:
        return CAIRO_OPERATOR_DEST_IN;
    case BlendMode::destinationOut:
        return CAIRO_OPERATOR_DEST_OUT;
    case BlendMode::destinationAtop:
        return CAIRO_OPERATOR_DEST_ATOP;
    case BlendMode::xorMode:
        return CAIRO_OPERATOR_XOR;
    case BlendMode::plusLighter:
        return CAIRO_OPERATOR_ADD;
    case BlendMode::multiply:
        return CAIRO_OPERATOR_MULTIPLY;
    case BlendMode::screen:
        return CAIRO_OPERATOR_SCREEN;
    case BlendMode::overlay:
        return CAIRO_OPERATOR_OVERLAY;
    case BlendMode::darken:
        return CAIRO_OPERATOR_DARKEN;
    case BlendMode::lighten:
        return CAIRO_OPERATOR_LIGHTEN;
    case BlendMode::colorDodge:
        return CAIRO_OPERATOR_COLOR_DODGE;
    case BlendMode::colorBurn:
        return CAIRO_OPERATOR_COLOR_BURN;
    case BlendMode::softLight:
        return CAIRO_OPERATOR_SOFT_LIGHT;
    case BlendMode::hardLight:
        return CAIRO_OPERATOR_HARD_LIGHT;
    case BlendMode::difference:
        return CAIRO_OPERATOR_DIFFERENCE;
    case BlendMode::exclusion:
        return CAIRO_OPERATOR_EXCLUSION;
    case BlendMode::hue:
        return CAIRO_OPERATOR_HSL_HUE;
    case BlendMode::saturation:
        return CAIRO_OPERATOR_HSL_SATURATION;
    case BlendMode::color:
        return CAIRO_OPERATOR_HSL_COLOR;
    case BlendMode::luminosity:
        return CAIRO_OPERATOR_HSL_LUMINOSITY;
    }
    return CAIRO_OPERATOR_OVER;
}

void appendPath(cairo_t* cr, const Path& path) {
    for (const Path::Element& e : path.elements()) {
        switch (e.type) {
        case Path::ElementType::moveTo:
            cairo_move_to(cr, e.points[0].x, e.points[0].y);
            break;
        case Path::ElementType::lineTo:
            cairo_line_to(cr, e.points[0].x, e.points[0].y);
            break;
        case Path::ElementType::curveTo:
            cairo_curve_to(cr, e.points[0].x, e.points[0].y, e.points[1].x, e.points[1].y, e.points[2].x,
                           e.points[2].y);
            break;
        case Path::ElementType::closeSubpath:
            cairo_close_path(cr);
            break;
        }
    }
}

Color sourceColor(const Color& color, double alpha) {
    const Color c = color.clamped();
    return c.withAlpha(c.a * std::clamp(alpha, 0.0, 1.0));
}

void setSourceColor(cairo_t* cr, const Color& color, double alpha) {
    const Color c = sourceColor(color, alpha);
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

Color unpremultipliedPixel(cairo_surface_t* surface, int px, int py) {
    if (!surface || cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)
        return Color::clear();
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    if (px < 0 || py < 0 || px >= w || py >= h)
        return Color::clear();
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + py * cairo_image_surface_get_stride(surface);
    std::uint32_t word = 0;
    std::memcpy(&word, row + 4 * px, 4);
    const double a = ((word >> 24) & 0xff) / 255.0;
    if (a == 0)
        return Color::clear();
    auto channel = [&](int shift) { return std::min(1.0, ((word >> shift) & 0xff) / 255.0 / a); };
    return Color{channel(16), channel(8), channel(0), a};
}

} // namespace tk::detail
