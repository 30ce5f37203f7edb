#include "platform/tk/graphics/cairo/CairoGraphicsContext.h"

#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/cairo/CairoInternal.h"
#include "platform/tk/graphics/cairo/PangoInternal.h"
#include "platform/tk/graphics/cairo/ShadowBlur.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tk {

namespace {

AffineTransform fromCairo(const cairo_matrix_t& m) {
    return {m.xx, m.yx, m.xy, m.yy, m.x0, m.y0};
}

cairo_matrix_t toCairo(const AffineTransform& t) {
    cairo_matrix_t m;
    cairo_matrix_init(&m, t.a, t.b, t.c, t.d, t.tx, t.ty);
    return m;
}

bool isInvertible(const AffineTransform& t) {
    const double det = t.a * t.d - t.b * t.c;
    return std::isfinite(det) && det != 0 && std::isfinite(t.tx) && std::isfinite(t.ty);
}

// Whether cr's inverse transform is what cairo_set_matrix(cr, &m) would make of its transform `m`
// (the sign of a zero aside: it cannot change what is drawn).
bool hasFreshInverse(cairo_t* cr, const cairo_matrix_t& m) {
    cairo_matrix_t fresh = m;
    if (cairo_matrix_invert(&fresh) != CAIRO_STATUS_SUCCESS)
        return false;
    double xx = 1, yx = 0, xy = 0, yy = 1, x0 = 0, y0 = 0;
    cairo_device_to_user_distance(cr, &xx, &yx);
    cairo_device_to_user_distance(cr, &xy, &yy);
    cairo_device_to_user(cr, &x0, &y0);
    return xx == fresh.xx && yx == fresh.yx && xy == fresh.xy && yy == fresh.yy && x0 == fresh.x0 &&
           y0 == fresh.y0;
}

bool isFinite(const Rect& r) {
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
           std::isfinite(r.height());
}

cairo_fill_rule_t fillRule(FillRule rule) {
    return rule == FillRule::evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING;
}

// `shrink` is how many source pixels go into one device pixel along the axis that loses most.
// Cairo's good filter turns a picture shrunk by more than a third into pixman's convolution, many
// times slower than bilinear sampling; up to half size bilinear still reads every source pixel, so
// the convolution is kept for pictures shrunk further.
cairo_filter_t filterFor(ImageInterpolation i, double shrink) {
    switch (i) {
    case ImageInterpolation::none:
        return CAIRO_FILTER_NEAREST;
    case ImageInterpolation::low:
        return CAIRO_FILTER_BILINEAR;
    case ImageInterpolation::high:
        return shrink <= 2 ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_GOOD;
    }
    return CAIRO_FILTER_GOOD;
}

void applyStroke(cairo_t* cr, const StrokeStyle& s) {
    cairo_set_line_width(cr, std::max(0.0, s.lineWidth));
    cairo_set_line_cap(cr, s.lineCap == LineCap::round    ? CAIRO_LINE_CAP_ROUND
                           : s.lineCap == LineCap::square ? CAIRO_LINE_CAP_SQUARE
                                                          : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, s.lineJoin == LineJoin::round   ? CAIRO_LINE_JOIN_ROUND
                            : s.lineJoin == LineJoin::bevel ? CAIRO_LINE_JOIN_BEVEL
                                                            : CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, s.miterLimit);
    // Cairo rejects dashes that are negative or all zero; such a dash draws solid.
    const bool valid = !s.dash.empty() &&
                       std::all_of(s.dash.begin(), s.dash.end(), [](double d) { return d >= 0; }) &&
                       std::any_of(s.dash.begin(), s.dash.end(), [](double d) { return d > 0; });
    if (valid)
        cairo_set_dash(cr, s.dash.data(), static_cast<int>(s.dash.size()), s.dashPhase);
    else
        cairo_set_dash(cr, nullptr, 0, 0);
}

// User-space bounds of `path` as filled or stroked with cr's current settings; leaves cr with no
// path.
Rect pathExtents(cairo_t* cr, const Path& path, bool stroke) {
    cairo_new_path(cr);
    detail::appendPath(cr, path);
    double x0, y0, x1, y1;
    if (stroke)
        cairo_stroke_extents(cr, &x0, &y0, &x1, &y1);
    else
        cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    cairo_new_path(cr);
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace

CairoGraphicsContext::CairoGraphicsContext(cairo_t* cr, double backingScale)
    : cr_(cr), scale_(backingScale > 0 ? backingScale : 1) {
    cairo_save(cr_);
}

CairoGraphicsContext::~CairoGraphicsContext() {
    while (!layers_.empty())
        endTransparencyLayer();
    while (!stack_.empty()) {
        if (stack_.back().cairoSaved)
            cairo_restore(cr_);
        stack_.pop_back();
    }
    cairo_restore(cr_);
}

void CairoGraphicsContext::resetState() {
    while (!layers_.empty())
        endTransparencyLayer();
    while (!stack_.empty())
        restore();
    cairo_restore(cr_);
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_reset_clip(cr_);
    cairo_new_path(cr_);
    inverseFresh_ = true;
    state_ = State{};
}

void CairoGraphicsContext::save() {
    Saved saved{state_, {}};
    cairo_get_matrix(cr_, &saved.matrix);
    if (!inverseFresh_)
        inverseFresh_ = hasFreshInverse(cr_, saved.matrix);
    saved.lightRestore = inverseFresh_;
    stack_.push_back(saved);
    if (!saved.lightRestore)
        saveCairoState();
}

void CairoGraphicsContext::saveCairoState() {
    if (stack_.empty() || stack_.back().cairoSaved)
        return;
    cairo_save(cr_);
    stack_.back().cairoSaved = true;
    stack_.back().inverseWhenSaved = inverseFresh_;
}

void CairoGraphicsContext::restore() {
    if (stack_.size() <= (layers_.empty() ? 0 : layers_.back().depth))
        return;
    const Saved& saved = stack_.back();
    if (saved.cairoSaved) {
        cairo_restore(cr_);
        inverseFresh_ = saved.inverseWhenSaved;
    }
    if (saved.lightRestore) {
        // Cairo's transform is as it was when its state was saved, or the save's own moved on:
        // it is set back only when its bits differ, as setting it drops cairo's scaled font.
        cairo_matrix_t current;
        cairo_get_matrix(cr_, &current);
        if (std::memcmp(&current, &saved.matrix, sizeof current) != 0) {
            cairo_set_matrix(cr_, &saved.matrix);
        } else if (!inverseFresh_) {
            // Moved and back to the same bits: the inverse may not be back.
            cairo_identity_matrix(cr_);
            cairo_set_matrix(cr_, &saved.matrix);
        }
        inverseFresh_ = true;
    }
    state_ = saved.state;
    stack_.pop_back();
}

void CairoGraphicsContext::beginTransparencyLayer(double opacity) {
    opacity = std::isfinite(opacity) ? std::clamp(opacity, 0.0, 1.0) : 1.0;
    const Layer layer{stack_.size() + 1, state_.alpha * opacity, state_.blendMode};
    save();
    // Ending the layer sets the group as the source and the layer's operator: its restore() undoes
    // them.
    saveCairoState();
    layers_.push_back(layer);
    // The group covers the current clip only, so a small view makes a small group.
    cairo_push_group(cr_);
    state_.alpha = 1;
    state_.blendMode = BlendMode::normal;
    state_.shadow.reset();
}

void CairoGraphicsContext::endTransparencyLayer() {
    if (layers_.empty())
        return;
    const Layer layer = layers_.back();
    while (stack_.size() > layer.depth)
        restore();
    layers_.pop_back();
    cairo_pop_group_to_source(cr_);
    if (!state_.collapsed) {
        cairo_set_operator(cr_, detail::cairoOperator(layer.blendMode));
        cairo_paint_with_alpha(cr_, layer.alpha);
    }
    restore();
}

void CairoGraphicsContext::concatTransform(const AffineTransform& t) {
    if (t.a == 1 && t.b == 0 && t.c == 0 && t.d == 1) {
        // Moving the origin, as most views do: cairo_translate() comes to the same bits as
        // cairo_transform() by a translation, without inverting it first.
        if (t.tx == 0 && t.ty == 0)
            return;
        cairo_matrix_t m;
        cairo_get_matrix(cr_, &m);
        if (!std::isfinite(t.tx * m.xx + t.ty * m.xy + m.x0) ||
            !std::isfinite(t.tx * m.yx + t.ty * m.yy + m.y0)) {
            state_.collapsed = true;
            return;
        }
        cairo_translate(cr_, t.tx, t.ty);
        inverseFresh_ = false;
        return;
    }
    // A singular transform would put Cairo into an error state for good. Drawing through it
    // covers no area, so the context draws nothing until the state is restored.
    if (!isInvertible(t.concatenating(transform()))) {
        state_.collapsed = true;
        return;
    }
    const cairo_matrix_t m = toCairo(t);
    cairo_transform(cr_, &m);
    inverseFresh_ = false;
}

AffineTransform CairoGraphicsContext::transform() const {
    cairo_matrix_t m;
    cairo_get_matrix(cr_, &m);
    return fromCairo(m);
}

void CairoGraphicsContext::clipToRect(const Rect& rect) {
    saveCairoState();
    cairo_new_path(cr_);
    const Rect r = isFinite(rect) ? rect.standardized() : Rect{};
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_clip(cr_);
}

void CairoGraphicsContext::clipToPath(const Path& path, FillRule rule) {
    saveCairoState();
    cairo_new_path(cr_);
    detail::appendPath(cr_, path);
    cairo_set_fill_rule(cr_, fillRule(rule));
    cairo_clip(cr_);
}

Rect CairoGraphicsContext::clipBounds() const {
    double x0, y0, x1, y1;
    cairo_clip_extents(cr_, &x0, &y0, &x1, &y1);
    return {x0, y0, x1 - x0, y1 - y0};
}

void CairoGraphicsContext::setAlpha(double alpha) {
    state_.alpha = std::isfinite(alpha) ? std::clamp(alpha, 0.0, 1.0) : 1.0;
}

template <typename Bounds, typename Draw>
void CairoGraphicsContext::withShadow(Bounds&& boundsOf, Draw&& draw) {
    const cairo_operator_t op = detail::cairoOperator(state_.blendMode);
    if (!state_.shadow || state_.shadow->color.a <= 0) {
        draw(op, state_.alpha);
        return;
    }
    const Rect bounds = boundsOf();
    if (bounds.isEmpty()) {
        draw(op, state_.alpha);
        return;
    }
    const Shadow shadow = *state_.shadow;
    // Limit the temporary surface to what the draw and its shadow can reach (base space).
    const Rect base = transform().apply(bounds);
    const double reach = std::max(0.0, shadow.blur) * 1.5 + 2;
    const Rect area =
        base.unionWith(base.offsetBy(shadow.offset.width, shadow.offset.height)).insetBy(-reach, -reach);
    cairo_save(cr_);
    cairo_matrix_t current;
    cairo_get_matrix(cr_, &current);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, area.x(), area.y(), area.width(), area.height());
    cairo_clip(cr_);
    cairo_set_matrix(cr_, &current);
    cairo_push_group(cr_);
    draw(CAIRO_OPERATOR_OVER, 1.0);
    cairo_pattern_t* group = cairo_pop_group(cr_);
    castShadow(group, shadow);
    cairo_set_source(cr_, group);
    cairo_set_operator(cr_, op);
    cairo_paint_with_alpha(cr_, state_.alpha);
    cairo_pattern_destroy(group);
    cairo_restore(cr_);
}

void CairoGraphicsContext::castShadow(cairo_pattern_t* group, const Shadow& shadow) {
    cairo_surface_t* surface = nullptr;
    if (cairo_pattern_get_surface(group, &surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE)
        return;
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    if (w <= 0 || h <= 0)
        return;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    const int srcStride = cairo_image_surface_get_stride(surface);
    const int maskStride = cairo_image_surface_get_stride(mask);
    const unsigned char* src = cairo_image_surface_get_data(surface);
    unsigned char* dst = cairo_image_surface_get_data(mask);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(src + y * srcStride);
        for (int x = 0; x < w; ++x)
            dst[y * maskStride + x] = static_cast<unsigned char>(row[x] >> 24);
    }
    detail::blurAlpha(dst, w, h, maskStride, std::max(0.0, shadow.blur) * scale_ / 2);
    cairo_surface_mark_dirty(mask);
    // The mask takes the group's device transform, so the group's pattern matrix addresses both.
    double dsx = 1, dsy = 1, dox = 0, doy = 0;
    cairo_surface_get_device_scale(surface, &dsx, &dsy);
    cairo_surface_get_device_offset(surface, &dox, &doy);
    cairo_surface_set_device_scale(mask, dsx, dsy);
    cairo_surface_set_device_offset(mask, dox, doy);

    // A point drawn in user space samples the mask where the shape was, the offset (base space)
    // earlier: user -> base -> shifted back -> user -> group pattern.
    cairo_matrix_t patternMatrix;
    cairo_pattern_get_matrix(group, &patternMatrix);
    cairo_pattern_t* maskPattern = cairo_pattern_create_for_surface(mask);
    cairo_matrix_t ctm;
    cairo_get_matrix(cr_, &ctm);
    cairo_matrix_t baseToUser = ctm;
    if (cairo_matrix_invert(&baseToUser) == CAIRO_STATUS_SUCCESS) {
        cairo_matrix_t shift;
        cairo_matrix_init_translate(&shift, -shadow.offset.width, -shadow.offset.height);
        cairo_matrix_t userToPattern;
        cairo_matrix_multiply(&userToPattern, &ctm, &shift);
        cairo_matrix_multiply(&userToPattern, &userToPattern, &baseToUser);
        cairo_matrix_multiply(&userToPattern, &userToPattern, &patternMatrix);
        cairo_pattern_set_matrix(maskPattern, &userToPattern);
        cairo_save(cr_);
        detail::setSourceColor(cr_, shadow.color, state_.alpha);
        cairo_set_operator(cr_, detail::cairoOperator(state_.blendMode));
        cairo_mask(cr_, maskPattern);
        cairo_restore(cr_);
    }
    cairo_pattern_destroy(maskPattern);
    cairo_surface_destroy(mask);
}

void CairoGraphicsContext::fillPath(const Path& path, const Color& color, FillRule rule) {
    if (path.isEmpty() || state_.collapsed)
        return;
    withShadow([&] { return pathExtents(cr_, path, false); },
               [&](cairo_operator_t op, double alpha) {
                   cairo_new_path(cr_);
                   detail::appendPath(cr_, path);
                   cairo_set_fill_rule(cr_, fillRule(rule));
                   cairo_set_operator(cr_, op);
                   detail::setSourceColor(cr_, color, alpha);
                   cairo_fill(cr_);
               });
}

void CairoGraphicsContext::fillPath(const Path& path, const LinearGradient& gradient, FillRule rule) {
    if (path.isEmpty() || gradient.stops.empty() || state_.collapsed)
        return;
    withShadow([&] { return pathExtents(cr_, path, false); },
               [&](cairo_operator_t op, double alpha) {
                   cairo_pattern_t* p = cairo_pattern_create_linear(gradient.start.x, gradient.start.y,
                                                                    gradient.end.x, gradient.end.y);
                   for (const GradientStop& s : gradient.stops) {
                       const Color c = s.color.clamped();
                       cairo_pattern_add_color_stop_rgba(p, std::clamp(s.location, 0.0, 1.0), c.r, c.g, c.b,
                                                         c.a * alpha);
                   }
                   cairo_pattern_set_extend(p, CAIRO_EXTEND_PAD);
                   cairo_new_path(cr_);
                   detail::appendPath(cr_, path);
                   cairo_set_fill_rule(cr_, fillRule(rule));
                   cairo_set_operator(cr_, op);
                   cairo_set_source(cr_, p);
                   cairo_fill(cr_);
                   cairo_pattern_destroy(p);
               });
}

void CairoGraphicsContext::strokePath(const Path& path, const Color& color, const StrokeStyle& style) {
    if (path.isEmpty() || !(style.lineWidth > 0) || state_.collapsed)
        return;
    cairo_save(cr_);
    applyStroke(cr_, style);
    withShadow([&] { return pathExtents(cr_, path, true); },
               [&](cairo_operator_t op, double alpha) {
                   cairo_new_path(cr_);
                   detail::appendPath(cr_, path);
                   cairo_set_operator(cr_, op);
                   detail::setSourceColor(cr_, color, alpha);
                   cairo_stroke(cr_);
               });
    cairo_restore(cr_);
}

void CairoGraphicsContext::clearRect(const Rect& rect) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    const Rect r = rect.standardized();
    cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr_);
    cairo_restore(cr_);
}

void CairoGraphicsContext::drawScaledImage(const Image& image, const Rect& rect,
                                           const ImageDrawOptions& options) {
    const AffineTransform t = transform();
    const double deviceScale = scale_ * std::sqrt(std::abs(t.a * t.d - t.b * t.c));
    const detail::ImageRepresentation* rep = detail::ImageAccess::representationFor(image, deviceScale);
    const Rect dest = rect.standardized();
    const Rect whole{Point{}, image.size()};
    const Rect source = options.source ? options.source->standardized().intersection(whole) : whole;
    if (!rep || dest.isEmpty() || source.isEmpty() || !isFinite(dest) || !isFinite(source) ||
        !(options.opacity > 0) || state_.collapsed)
        return;
    const double s = rep->scale;
    cairo_surface_t* full = rep->surface.get();
    Rect pixelSource{source.x() * s, source.y() * s, source.width() * s, source.height() * s};
    if (imageCopy_ != ImageCopy::throughCairo && copyImageStraight(full, dest, pixelSource, options))
        return;
    if (imageCopy_ == ImageCopy::straight)
        return;
    // A sub-surface for a part, so sampling at its edges does not reach the neighbouring pixels.
    cairo_surface_t* sub = nullptr;
    if (options.source) {
        const Rect px = pixelSource.integral();
        sub = cairo_surface_create_for_rectangle(full, px.x(), px.y(), px.width(), px.height());
        pixelSource = pixelSource.offsetBy(-px.x(), -px.y());
    }
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(sub ? sub : full);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, pixelSource.x(), pixelSource.y());
    cairo_matrix_scale(&m, pixelSource.width() / dest.width(), pixelSource.height() / dest.height());
    cairo_matrix_translate(&m, -dest.x(), -dest.y());
    cairo_pattern_set_matrix(pattern, &m);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    const double shrink = std::max(pixelSource.width() / (dest.width() * scale_ * std::hypot(t.a, t.b)),
                                   pixelSource.height() / (dest.height() * scale_ * std::hypot(t.c, t.d)));
    cairo_pattern_set_filter(pattern, filterFor(options.interpolation, shrink));

    const BlendMode savedMode = state_.blendMode;
    if (options.blendMode)
        state_.blendMode = *options.blendMode;
    const double opacity = std::clamp(options.opacity, 0.0, 1.0);
    withShadow([&] { return dest; },
               [&](cairo_operator_t op, double alpha) {
                   cairo_save(cr_);
                   cairo_new_path(cr_);
                   cairo_rectangle(cr_, dest.x(), dest.y(), dest.width(), dest.height());
                   cairo_clip(cr_);
                   cairo_set_operator(cr_, op);
                   if (options.tint) {
                       detail::setSourceColor(cr_, *options.tint, alpha * opacity);
                       cairo_mask(cr_, pattern);
                   } else {
                       cairo_set_source(cr_, pattern);
                       cairo_paint_with_alpha(cr_, alpha * opacity);
                   }
                   cairo_restore(cr_);
               });
    state_.blendMode = savedMode;
    cairo_pattern_destroy(pattern);
    if (sub)
        cairo_surface_destroy(sub);
}

bool CairoGraphicsContext::copyImageStraight(cairo_surface_t* image, const Rect& dest,
                                             const Rect& pixelSource, const ImageDrawOptions& options) {
    // The picture's own pixels composited over, at full strength, with nothing cast under them.
    const BlendMode mode = options.blendMode.value_or(state_.blendMode);
    if (options.tint || options.opacity < 1 || state_.alpha != 1 ||
        (state_.shadow && state_.shadow->color.a > 0) || detail::cairoOperator(mode) != CAIRO_OPERATOR_OVER)
        return false;
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(image) != CAIRO_SURFACE_TYPE_IMAGE ||
        cairo_image_surface_get_format(image) != CAIRO_FORMAT_ARGB32)
        return false;
    double imageScaleX = 0, imageScaleY = 0, imageOffsetX = 1, imageOffsetY = 1;
    cairo_surface_get_device_scale(image, &imageScaleX, &imageScaleY);
    cairo_surface_get_device_offset(image, &imageOffsetX, &imageOffsetY);
    if (imageScaleX != 1 || imageScaleY != 1 || imageOffsetX != 0 || imageOffsetY != 0)
        return false;
    const auto to = detail::toPixels(cr_);
    if (!to)
        return false;
    // The part's pixels land on whole pixels of the target, one on one, and lie within the picture
    // (past its edges cairo's sampling repeats the edge pixels).
    const Point a = to->pixel(cr_, dest.origin), b = to->pixel(cr_, {dest.maxX(), dest.maxY()});
    const std::array edges{
        a.x, a.y, b.x, b.y, pixelSource.minX(), pixelSource.minY(), pixelSource.maxX(), pixelSource.maxY()};
    if (!std::all_of(edges.begin(), edges.end(),
                     [](double v) { return std::abs(v) < 1e9 && onWholePixel(v); }))
        return false;
    const detail::PixelBox at{detail::wholePixel(a.x), detail::wholePixel(a.y), detail::wholePixel(b.x),
                              detail::wholePixel(b.y)};
    const detail::PixelBox from{
        detail::wholePixel(pixelSource.minX()), detail::wholePixel(pixelSource.minY()),
        detail::wholePixel(pixelSource.maxX()), detail::wholePixel(pixelSource.maxY())};
    const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
    if (at.x1 - at.x0 != from.x1 - from.x0 || at.y1 - at.y0 != from.y1 - from.y0 || from.x0 < 0 ||
        from.y0 < 0 || from.x1 > width || from.y1 > height)
        return false;
    const std::optional<detail::PixelClip> clip = detail::wholePixelClip(cr_, *to);
    unsigned char* data = cairo_image_surface_get_data(image);
    if (!clip || !data)
        return false;
    const int stride = cairo_image_surface_get_stride(image);
    auto kept = std::find_if(sourcePixels_.begin(), sourcePixels_.end(), [&](const detail::ImagePixels& p) {
        return p.holds(data, width, height, stride);
    });
    if (kept == sourcePixels_.end()) {
        kept = sourcePixels_.begin() + static_cast<std::ptrdiff_t>(replacedSource_);
        replacedSource_ = (replacedSource_ + 1) % sourcePixels_.size();
    }
    return detail::copyStraight(cr_, *to, *clip, kept->of(image), at, targetPixels_, from.x0, from.y0);
}

void CairoGraphicsContext::drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                                             const ImageDrawOptions& options) {
    const AffineTransform t = transform();
    const Rect dest = rect.standardized();
    const double s = scale_ * t.a;
    auto onPixel = [](double v) { return std::abs(v - std::round(v)) < 1e-6; };
    const double px = s * dest.x() + scale_ * t.tx;
    const double py = s * dest.y() + scale_ * t.ty;
    const double pw = s * dest.width();
    const double ph = s * dest.height();
    // Only an upright, unskewed picture on whole pixels can be a copy drawn pixel for pixel.
    const bool onPixels = t.b == 0 && t.c == 0 && t.a > 0 && std::abs(t.d - t.a) < 1e-9 && isFinite(dest) &&
                          onPixel(px) && onPixel(py) && onPixel(pw) && onPixel(ph) && pw >= 1 && ph >= 1 &&
                          pw * ph <= 4096.0 * 1024;
    if (!onPixels || image.isEmpty() || state_.collapsed) {
        GraphicsContext::drawImageNinePart(image, rect, caps, options);
        return;
    }
    const detail::NinePartCopies::Key key{
        caps, image.resizingMode(), int(std::lround(pw)), int(std::lround(ph)), s, options.interpolation};
    detail::NinePartCopies& copies = *detail::ImageAccess::ninePartCopies(image);
    std::optional<Image> copy = copies.find(key);
    if (!copy) {
        detail::SurfacePtr surface = detail::makeSurface(key.pixelWidth, key.pixelHeight, s);
        cairo_t* cr = cairo_create(surface.get());
        {
            CairoGraphicsContext pieces(cr, s);
            // Opacity, tint and compositing apply when the copy is drawn; the parts do not overlap.
            pieces.GraphicsContext::drawImageNinePart(
                image, Rect{Point{}, dest.size}, caps,
                ImageDrawOptions{}.withInterpolation(options.interpolation));
        }
        cairo_destroy(cr);
        cairo_surface_flush(surface.get());
        cairo_surface_set_device_scale(surface.get(), 1, 1);
        copy = detail::ImageAccess::make(dest.size, {detail::ImageRepresentation{s, surface}}, false, {},
                                         image.name());
        copies.keep(key, *copy);
    }
    ImageDrawOptions copyOptions = options;
    copyOptions.source.reset();
    drawScaledImage(*copy, dest, copyOptions);
}

void CairoGraphicsContext::drawText(const TextLayout& layout, const Rect& rect) {
    if (layout.displayedText().empty() || state_.collapsed)
        return;
    Point origin = rect.origin;
    if (!layout.width()) {
        const double room = rect.width() - layout.size().width;
        switch (layout.attributes().alignment) {
        case TextAlignment::center:
            origin.x += room / 2;
            break;
        case TextAlignment::right:
            origin.x += room;
            break;
        default:
            break;
        }
    }
    if (state_.shadow && state_.shadow->blur <= 0 && state_.shadow->color.a > 0 &&
        state_.blendMode == BlendMode::normal) {
        // A shadow without blur is the text again, moved and in the shadow's colour (its alpha
        // times the text's, as the text's coverage masks it): drawn so, it needs none of the
        // group and mask a blurred shadow takes.
        const Shadow& shadow = *state_.shadow;
        double dx = shadow.offset.width, dy = shadow.offset.height; // base space
        cairo_device_to_user_distance(cr_, &dx, &dy);
        const Color colour = shadow.color.withAlpha(shadow.color.a * layout.attributes().color.clamped().a);
        // Every drawing sets the operator it needs: it is not put back.
        cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
        detail::showLayout(cr_, layout, Point{origin.x + dx, origin.y + dy}, state_.alpha, &colour);
        detail::showLayout(cr_, layout, origin, state_.alpha);
        return;
    }
    const Rect bounds{origin,
                      Size{std::max(layout.size().width, layout.width().value_or(0)), layout.size().height}};
    withShadow([&] { return bounds.insetBy(-2, -2); },
               [&](cairo_operator_t op, double alpha) {
                   cairo_set_operator(cr_, op);
                   detail::showLayout(cr_, layout, origin, alpha);
               });
}

} // namespace tk
