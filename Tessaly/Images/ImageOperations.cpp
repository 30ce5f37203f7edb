#include "Tessaly/Images/ImageOperations.h"

#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>

namespace Tessaly {

tk::Image resized(const tk::Image& image, tk::Size size) {
    return tk::Image::draw(size, image.isEmpty() ? 1 : image.scale(), [&](tk::GraphicsContext& context) {
        context.drawImage(image, tk::Rect{tk::Point{}, size});
    });
}

tk::Image leftPadded(const tk::Image& image, double padding) {
    const tk::Size size{image.size().width + padding, image.size().height};
    return tk::Image::draw(size, image.isEmpty() ? 1 : image.scale(), [&](tk::GraphicsContext& context) {
        context.drawImage(image, tk::Rect{tk::Point{padding, 0}, image.size()});
    });
}

std::optional<tk::Image::Representation> bitmapRepresentation(const tk::Image& image, const tk::Rect& rect,
                                                              double scale) {
    const auto reps = image.representations();
    if (reps.empty())
        return std::nullopt;
    // The smallest representation that covers the rect's pixels, else the largest.
    const double wanted = std::max(rect.width(), rect.height()) * std::max(scale, 1.0);
    const tk::Image::Representation* best = nullptr;
    for (const auto& r : reps) {
        const double pixels = std::max(r.pixelSize.width, r.pixelSize.height);
        const bool covers = pixels >= wanted - 1e-9;
        if (!best) {
            best = &r;
            continue;
        }
        const double bestPixels = std::max(best->pixelSize.width, best->pixelSize.height);
        const bool bestCovers = bestPixels >= wanted - 1e-9;
        if ((covers && (!bestCovers || pixels < bestPixels)) ||
            (!covers && !bestCovers && pixels > bestPixels))
            best = &r;
    }
    return *best;
}

} // namespace Tessaly
