#pragma once

// A GraphicsContext that draws into its own pixel buffer with Cairo: premultiplied ARGB32,
// `size` points at `scale` pixels per point (1 or 2), starting transparent. Headless windows
// render into one and write it to PNG; the SDL backend uploads its pixels.

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Image.h"

#include <cstdint>
#include <filesystem>
#include <memory>

namespace tk {

class BitmapContext final : public GraphicsContext {
public:
    // Sizes are rounded up to whole pixels; a scale that is not positive counts as 1.
    BitmapContext(Size size, double scale = 1);
    ~BitmapContext() override;

    Size size() const;
    int pixelWidth() const;
    int pixelHeight() const;

    // A copy of the pixels as an image of this context's size and scale.
    Image makeImage() const;
    bool writePNG(const std::filesystem::path& file) const;
    // Unpremultiplied colour of one pixel; clear outside.
    Color pixelColor(int px, int py) const;

    // Raw pixels for backends: rows of 32-bit native-endian words 0xAARRGGBB, premultiplied,
    // `stride()` bytes apart. Valid until the context is destroyed.
    const std::uint8_t* pixelData() const;
    int stride() const;

    // Back to the state of a new context: transparent pixels, identity transform, no clip,
    // alpha 1, normal blending, no shadow.
    void reset();
    // The same state, the pixels as they are.
    void resetState();

    double backingScale() const override;
    void save() override;
    void restore() override;
    void concatTransform(const AffineTransform& t) override;
    AffineTransform transform() const override;
    void clipToRect(const Rect& rect) override;
    void clipToPath(const Path& path, FillRule rule = FillRule::nonZero) override;
    Rect clipBounds() const override;
    void setAlpha(double alpha) override;
    double alpha() const override;
    void setBlendMode(BlendMode mode) override;
    BlendMode blendMode() const override;
    void setShadow(const Shadow& shadow) override;
    void clearShadow() override;
    void beginTransparencyLayer(double opacity) override;
    void endTransparencyLayer() override;
    void fillPath(const Path& path, const Color& color, FillRule rule = FillRule::nonZero) override;
    void fillPath(const Path& path, const LinearGradient& gradient,
                  FillRule rule = FillRule::nonZero) override;
    void strokePath(const Path& path, const Color& color, const StrokeStyle& style = {}) override;
    void clearRect(const Rect& rect) override;
    void drawText(const TextLayout& layout, const Rect& rect) override;
    void drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                           const ImageDrawOptions& options = {}) override;

    using GraphicsContext::clipToPath;
    using GraphicsContext::drawImageNinePart;
    using GraphicsContext::drawText;
    using GraphicsContext::fillPath;
    using GraphicsContext::strokePath;

protected:
    void drawScaledImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace tk
