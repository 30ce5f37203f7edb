#include "platform/tk/graphics/GraphicsContext.h"

#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/NinePart.h"
#include "platform/tk/graphics/TextLayout.h"

#include <string>

namespace tk {

void GraphicsContext::beginTransparencyLayer(double opacity) {
    save();
    ++foldedLayers_;
    setAlpha(alpha() * opacity);
}

void GraphicsContext::endTransparencyLayer() {
    if (foldedLayers_ == 0)
        return;
    --foldedLayers_;
    restore();
}

void GraphicsContext::translate(double dx, double dy) {
    concatTransform(AffineTransform::translation(dx, dy));
}

void GraphicsContext::scale(double sx, double sy) {
    concatTransform(AffineTransform::scale(sx, sy));
}

void GraphicsContext::rotate(double radians) {
    concatTransform(AffineTransform::rotation(radians));
}

void GraphicsContext::fillRect(const Rect& rect, const Color& color) {
    fillPath(Path::rect(rect), color);
}

void GraphicsContext::strokeRect(const Rect& rect, const Color& color, const StrokeStyle& style) {
    strokePath(Path::rect(rect), color, style);
}

void GraphicsContext::fillEllipse(const Rect& rect, const Color& color) {
    fillPath(Path::ellipse(rect), color);
}

void GraphicsContext::strokeLine(Point from, Point to, const Color& color, const StrokeStyle& style) {
    strokePath(Path::line(from, to), color, style);
}

void GraphicsContext::drawImage(const Image& image, const Rect& rect, const ImageDrawOptions& options) {
    if (!options.source && !image.capInsets().isZero() && rect.standardized().size != image.size())
        drawImageNinePart(image, rect, image.capInsets(), options);
    else
        drawScaledImage(image, rect, options);
}

void GraphicsContext::drawImage(const Image& image, Point origin, const ImageDrawOptions& options) {
    const Size size = options.source ? options.source->size : image.size();
    drawImage(image, Rect{origin, size}, options);
}

void GraphicsContext::drawImage(const Image& image, const Rect& rect, ContentMode mode,
                                const ImageDrawOptions& options) {
    const Size size = options.source ? options.source->size : image.size();
    switch (mode) {
    case ContentMode::stretch:
        drawImage(image, rect, options);
        return;
    case ContentMode::aspectFit:
        drawImage(image, aspectFitRect(size, rect), options);
        return;
    case ContentMode::aspectFill: {
        GraphicsStateGuard guard(*this);
        clipToRect(rect);
        drawImage(image, aspectFillRect(size, rect), options);
        return;
    }
    case ContentMode::center: {
        const Rect s = rect.standardized();
        drawImage(image, Rect{s.midX() - size.width / 2, s.midY() - size.height / 2, size.width, size.height},
                  options);
        return;
    }
    }
}

void GraphicsContext::drawImageNinePart(const Image& image, const Rect& rect,
                                        const ImageDrawOptions& options) {
    drawImageNinePart(image, rect, image.capInsets(), options);
}

void GraphicsContext::drawImageNinePart(const Image& image, const Rect& rect, EdgeInsets caps,
                                        const ImageDrawOptions& options) {
    const bool tile = image.resizingMode() == ImageResizingMode::tile;
    for (const NinePartPiece& piece : ninePartPieces(image.size(), caps, rect)) {
        ImageDrawOptions pieceOptions = options;
        pieceOptions.source = piece.source;
        const Rect& src = piece.source;
        const Rect& dst = piece.destination;
        // Tiling repeats a part that must grow at its own size, clipped to where it goes.
        if (!tile || (dst.width() <= src.width() + 1e-9 && dst.height() <= src.height() + 1e-9)) {
            drawScaledImage(image, dst, pieceOptions);
            continue;
        }
        GraphicsStateGuard guard(*this);
        clipToRect(dst);
        const double stepX = dst.width() > src.width() ? src.width() : dst.width();
        const double stepY = dst.height() > src.height() ? src.height() : dst.height();
        for (double y = dst.minY(); y < dst.maxY() - 1e-9; y += stepY)
            for (double x = dst.minX(); x < dst.maxX() - 1e-9; x += stepX)
                drawScaledImage(image, Rect{x, y, stepX, stepY}, pieceOptions);
    }
}

void GraphicsContext::drawTemplateImage(const Image& image, const Rect& rect, const Color& tint,
                                        const ImageDrawOptions& options) {
    ImageDrawOptions tinted = options;
    tinted.tint = tint;
    drawImage(image, rect, tinted);
}

void GraphicsContext::drawText(const TextLayout& layout, Point origin) {
    drawText(layout, Rect{origin, layout.size()});
}

void GraphicsContext::drawText(std::string_view text, const Rect& rect, const TextAttributes& attributes) {
    drawText(TextLayout(std::string(text), attributes, rect.standardized().width()), rect);
}

void GraphicsContext::drawText(std::string_view text, Point origin, const TextAttributes& attributes) {
    drawText(TextLayout(std::string(text), attributes), origin);
}

} // namespace tk
