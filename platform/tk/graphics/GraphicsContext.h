#pragma once

// The drawing interface every view draws through. Coordinates are points with the origin at the
// top-left and y growing downwards; the current transform maps user space into the context's base
// space. save() and restore() keep the transform, clip, alpha, blend mode and shadow.
//
// Implementations: BitmapContext (Cairo on an ARGB32 image surface with a backing scale; also
// what headless windows render into) and RecordingContext (records every draw for tests). Only
// the implementations know the backend; this header and its users do not.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/GraphicsTypes.h"
#include "platform/tk/graphics/Path.h"

#include <string_view>

namespace tk {

class Image;
class TextLayout;
struct TextAttributes;

class GraphicsContext {
public:
    GraphicsContext() = default;
    GraphicsContext(const GraphicsContext&) = delete;
    GraphicsContext& operator=(const GraphicsContext&) = delete;
    virtual ~GraphicsContext() = default;

    // Device pixels per point of the base space.
    virtual double backingScale() const = 0;

    // --- state
    virtual void save() = 0;
    // Does nothing without a matching save().
    virtual void restore() = 0;
    virtual void concatTransform(const AffineTransform& t) = 0;
    // Current transform from user space to base space.
    virtual AffineTransform transform() const = 0;
    void translate(double dx, double dy);
    void scale(double sx, double sy);
    void rotate(double radians);

    // The clip only shrinks (intersection) until restore().
    virtual void clipToRect(const Rect& rect) = 0;
    virtual void clipToPath(const Path& path, FillRule rule = FillRule::nonZero) = 0;
    // Bounding box of the clip in user space.
    virtual Rect clipBounds() const = 0;

    // Multiplies everything drawn (0..1).
    virtual void setAlpha(double alpha) = 0;
    virtual double alpha() const = 0;
    virtual void setBlendMode(BlendMode mode) = 0;
    virtual BlendMode blendMode() const = 0;
    virtual void setShadow(const Shadow& shadow) = 0;
    virtual void clearShadow() = 0;

    // Everything drawn until the matching endTransparencyLayer() is drawn into a group of its own
    // and composited once, at `opacity` times the current alpha, so that overlapping parts do not
    // show through each other. Inside the layer the alpha starts at 1, with normal blending and no
    // shadow. The default only folds `opacity` into the alpha (enough for contexts that record).
    virtual void beginTransparencyLayer(double opacity);
    // Does nothing without a matching beginTransparencyLayer().
    virtual void endTransparencyLayer();

    // --- shapes
    virtual void fillPath(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) = 0;
    virtual void fillPath(const Path& path, const LinearGradient& gradient,
                          FillRule rule = FillRule::nonZero) = 0;
    virtual void strokePath(const Path& path, const Color& color, const StrokeStyle& style = {}) = 0;
    // Makes the rect transparent (ignores alpha, blend mode and shadow).
    virtual void clearRect(const Rect& rect) = 0;

    void fillRect(const Rect& rect, const Color& color);
    void strokeRect(const Rect& rect, const Color& color, const StrokeStyle& style = {});
    void fillEllipse(const Rect& rect, const Color& color);
    void strokeLine(Point from, Point to, const Color& color, const StrokeStyle& style = {});

    // --- images
    // The picture (or options.source of it) drawn into `rect`. A whole picture that carries cap
    // insets goes in nine parts by them (in its resizing mode) when `rect` is not its own size, so
    // its corners keep their pixels; anything else is scaled into the rect.
    void drawImage(const Image& image, const Rect& rect, const ImageDrawOptions& options = {});
    // At its own size with its top-left corner at `origin`.
    void drawImage(const Image& image, Point origin, const ImageDrawOptions& options = {});
    // Fitted into `rect` by `mode` (aspectFill clips to the rect).
    void drawImage(const Image& image, const Rect& rect, ContentMode mode,
                   const ImageDrawOptions& options = {});
    // Nine-part stretched by the image's own cap insets, or by `caps` (none: scaled whole).
    void drawImageNinePart(const Image& image, const Rect& rect, const ImageDrawOptions& options = {});
    virtual void drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                                   const ImageDrawOptions& options = {});
    // The picture's shape filled with `tint` (for template images).
    void drawTemplateImage(const Image& image, const Rect& rect, const Color& tint,
                           const ImageDrawOptions& options = {});

    // --- text
    // The layout with its top-left corner at rect's origin. When the layout has no width of its
    // own, its alignment places it within rect.width.
    virtual void drawText(const TextLayout& layout, const Rect& rect) = 0;
    void drawText(const TextLayout& layout, Point origin);
    // Laid out within rect.width and drawn from the rect's top-left corner.
    void drawText(std::string_view text, const Rect& rect, const TextAttributes& attributes);
    // On one line per paragraph from `origin` (top-left).
    void drawText(std::string_view text, Point origin, const TextAttributes& attributes);

protected:
    // The picture (or options.source of it) scaled into `rect`; cap insets play no part here.
    virtual void drawScaledImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) = 0;

private:
    int foldedLayers_ = 0; // open layers of the default implementation
};

// save() now, restore() when the guard goes out of scope.
class GraphicsStateGuard {
public:
    explicit GraphicsStateGuard(GraphicsContext& context) : context_(context) { context_.save(); }
    ~GraphicsStateGuard() { context_.restore(); }
    GraphicsStateGuard(const GraphicsStateGuard&) = delete;
    GraphicsStateGuard& operator=(const GraphicsStateGuard&) = delete;

private:
    GraphicsContext& context_;
};

// beginTransparencyLayer(opacity) now, endTransparencyLayer() when the guard goes out of scope.
class TransparencyLayerGuard {
public:
    TransparencyLayerGuard(GraphicsContext& context, double opacity) : context_(context) {
        context_.beginTransparencyLayer(opacity);
    }
    ~TransparencyLayerGuard() { context_.endTransparencyLayer(); }
    TransparencyLayerGuard(const TransparencyLayerGuard&) = delete;
    TransparencyLayerGuard& operator=(const TransparencyLayerGuard&) = delete;

private:
    GraphicsContext& context_;
};

} // namespace tk
