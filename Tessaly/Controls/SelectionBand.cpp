#include "Tessaly/Controls/SelectionBand.h"

#include "Tessaly/Geometry/RoundedPath.h"

#include "platform/tk/graphics/PixelGrid.h"

#include <cmath>
#include <optional>

namespace Tessaly {

namespace {

// One rounded end of a band, `end` in user space with its corners on one side, drawn from the
// picture `ends` keeps of it: the outline filled under the context's own mapping moved by whole
// pixels, so it falls on the same places within its pixels as a fill straight onto the context.
void fillEnd(tk::GraphicsContext& context, const tk::PixelGrid& grid, SelectionBandEnds& ends,
             const tk::Rect& end, const CornerRadii& radii, tk::Color color) {
    const double x0 = std::floor(grid.pixelX(end.minX())), y0 = std::round(grid.pixelY(end.minY()));
    const double x1 = std::ceil(grid.pixelX(end.maxX())), y1 = std::round(grid.pixelY(end.maxY()));
    const SelectionBandEnds::Key key{
        .rect = {grid.pixelX(end.minX()) - x0, grid.pixelY(end.minY()) - y0, grid.pixelX(end.maxX()) - x0,
                 grid.pixelY(end.maxY()) - y0},
        .radii = {radii.topLeft, radii.topRight, radii.bottomRight, radii.bottomLeft},
        .scale = {grid.scaleX, grid.scaleY},
        .color = color};
    const tk::Image& picture = ends.picture(key, [&] {
        return tk::Image::draw({x1 - x0, y1 - y0}, 1, [&](tk::GraphicsContext& into) {
            into.translate(grid.offsetX - x0, grid.offsetY - y0);
            into.scale(grid.scaleX, grid.scaleY);
            into.fillPath(roundedRectPath(end, radii), color);
        });
    });
    tk::ImageDrawOptions options;
    options.interpolation = tk::ImageInterpolation::none;
    const double left = grid.userX(x0), top = grid.userY(y0);
    context.drawImage(picture, tk::Rect{left, top, grid.userX(x1) - left, grid.userY(y1) - top}, options);
}

} // namespace

void fillSelectionBand(tk::GraphicsContext& context, const tk::Rect& r, double inset, double radius,
                       bool above, bool below, tk::Color color, SelectionBandEnds* ends) {
    const tk::Rect band{r.minX() + inset, r.minY(), r.width() - 2 * inset, r.height()};
    if (above && below) {
        context.fillRect(band, color);
        return;
    }
    CornerRadii radii{radius, radius, radius, radius};
    if (below) // first row of a run
        radii = {radius, radius, 0, 0};
    else if (above) // last row of a run
        radii = {0, 0, radius, radius};
    // The ends are split off at whole device pixel columns, so each pixel is drawn once; their
    // pictures give the pixels a fill of the same outline gives, but that the rasteriser's rounding
    // at the corners' edges depends on the path (a level or two). A band off whole pixel rows, or
    // with corners too large for it, is drawn whole.
    const auto grid = ends ? tk::pixelGrid(context) : std::nullopt;
    if (grid && radius > 0 && 2 * radius <= band.height() && tk::onWholePixel(grid->pixelY(band.minY())) &&
        tk::onWholePixel(grid->pixelY(band.maxY()))) {
        const double left = grid->userX(std::ceil(grid->pixelX(band.minX() + radius)));
        const double right = grid->userX(std::floor(grid->pixelX(band.maxX() - radius)));
        if (left < right) {
            fillEnd(context, *grid, *ends, {band.minX(), band.minY(), left - band.minX(), band.height()},
                    {radii.topLeft, 0, 0, radii.bottomLeft}, color);
            context.fillRect({left, band.minY(), right - left, band.height()}, color);
            fillEnd(context, *grid, *ends, {right, band.minY(), band.maxX() - right, band.height()},
                    {0, radii.topRight, radii.bottomRight, 0}, color);
            return;
        }
    }
    context.fillPath(roundedRectPath(band, radii), color);
}

} // namespace Tessaly
