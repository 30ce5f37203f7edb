#include "platform/tk/graphics/BitmapContext.h"

#include "platform/tk/graphics/cairo/CairoGraphicsContext.h"
#include "platform/tk/graphics/cairo/CairoInternal.h"

#include <cmath>

namespace tk {

struct BitmapContext::Impl {
    Impl(Size s, double sc)
        : size(s), scale(sc),
          surface(detail::makeSurface(static_cast<int>(std::ceil(s.width * sc - 1e-9)),
                                      static_cast<int>(std::ceil(s.height * sc - 1e-9)), sc)),
          cr(cairo_create(surface.get()), cairo_destroy), context(cr.get(), sc) {}

    Size size;
    double scale;
    detail::SurfacePtr surface;
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr;
    // Declared last: restores its state on `cr` before `cr` goes.
    CairoGraphicsContext context;
};

namespace {
double validScale(double scale) {
    return scale > 0 && std::isfinite(scale) ? scale : 1;
}
Size validSize(Size s) {
    auto ok = [](double v) { return std::isfinite(v) && v > 0 ? v : 0.0; };
    return {ok(s.width), ok(s.height)};
}
} // namespace

BitmapContext::BitmapContext(Size size, double scale)
    : impl_(std::make_unique<Impl>(validSize(size), validScale(scale))) {}

BitmapContext::~BitmapContext() = default;

Size BitmapContext::size() const {
    return impl_->size;
}
int BitmapContext::pixelWidth() const {
    return cairo_image_surface_get_width(impl_->surface.get());
}
int BitmapContext::pixelHeight() const {
    return cairo_image_surface_get_height(impl_->surface.get());
}

Image BitmapContext::makeImage() const {
    detail::SurfacePtr copy = detail::copySurface(impl_->surface.get());
    const Size size{pixelWidth() / impl_->scale, pixelHeight() / impl_->scale};
    return detail::ImageAccess::make(size, {detail::ImageRepresentation{impl_->scale, copy}});
}

bool BitmapContext::writePNG(const std::filesystem::path& file) const {
    cairo_surface_flush(impl_->surface.get());
    return cairo_surface_write_to_png(impl_->surface.get(), file.c_str()) == CAIRO_STATUS_SUCCESS;
}

Color BitmapContext::pixelColor(int px, int py) const {
    return detail::unpremultipliedPixel(impl_->surface.get(), px, py);
}

const std::uint8_t* BitmapContext::pixelData() const {
    cairo_surface_flush(impl_->surface.get());
    return cairo_image_surface_get_data(impl_->surface.get());
}

int BitmapContext::stride() const {
    return cairo_image_surface_get_stride(impl_->surface.get());
}

void BitmapContext::resetState() {
    impl_->context.resetState();
}

void BitmapContext::reset() {
    impl_->context.resetState();
    cairo_save(impl_->cr.get());
    cairo_set_operator(impl_->cr.get(), CAIRO_OPERATOR_CLEAR);
    cairo_paint(impl_->cr.get());
    cairo_restore(impl_->cr.get());
}

double BitmapContext::backingScale() const {
    return impl_->scale;
}
void BitmapContext::save() {
    impl_->context.save();
}
void BitmapContext::restore() {
    impl_->context.restore();
}
void BitmapContext::concatTransform(const AffineTransform& t) {
    impl_->context.concatTransform(t);
}
AffineTransform BitmapContext::transform() const {
    return impl_->context.transform();
}
void BitmapContext::clipToRect(const Rect& rect) {
    impl_->context.clipToRect(rect);
}
void BitmapContext::clipToPath(const Path& path, FillRule rule) {
    impl_->context.clipToPath(path, rule);
}
Rect BitmapContext::clipBounds() const {
    return impl_->context.clipBounds();
}
void BitmapContext::beginTransparencyLayer(double opacity) {
    impl_->context.beginTransparencyLayer(opacity);
}
void BitmapContext::endTransparencyLayer() {
    impl_->context.endTransparencyLayer();
}
void BitmapContext::setAlpha(double alpha) {
    impl_->context.setAlpha(alpha);
}
double BitmapContext::alpha() const {
    return impl_->context.alpha();
}
void BitmapContext::setBlendMode(BlendMode mode) {
    impl_->context.setBlendMode(mode);
}
BlendMode BitmapContext::blendMode() const {
    return impl_->context.blendMode();
}
void BitmapContext::setShadow(const Shadow& shadow) {
    impl_->context.setShadow(shadow);
}
void BitmapContext::clearShadow() {
    impl_->context.clearShadow();
}
void BitmapContext::fillPath(const Path& path, const Color& color, FillRule rule) {
    impl_->context.fillPath(path, color, rule);
}
void BitmapContext::fillPath(const Path& path, const LinearGradient& gradient, FillRule rule) {
    impl_->context.fillPath(path, gradient, rule);
}
void BitmapContext::strokePath(const Path& path, const Color& color, const StrokeStyle& style) {
    impl_->context.strokePath(path, color, style);
}
void BitmapContext::clearRect(const Rect& rect) {
    impl_->context.clearRect(rect);
}
void BitmapContext::drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                                      const ImageDrawOptions& options) {
    impl_->context.drawImageNinePart(image, rect, caps, options);
}

void BitmapContext::drawScaledImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) {
    impl_->context.drawScaledImage(image, rect, options);
}
void BitmapContext::drawText(const TextLayout& layout, const Rect& rect) {
    impl_->context.drawText(layout, rect);
}

} // namespace tk
