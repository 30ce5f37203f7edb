#include "Tessaly/Controls/CellDrawing.h"

#include "Tessaly/Geometry/PixelAlignment.h"
#include "Tessaly/Styles/ControlStyle.h"
#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

tk::Rect insetRect(const tk::Rect& rect, const tk::EdgeInsets& insets) {
    return tk::Rect{rect.x() + insets.left, rect.y() + insets.bottom,
                    rect.width() - (insets.left + insets.right), rect.height() - (insets.top + insets.bottom)}
        .integral();
}

tk::Rect centeredOnY(const tk::Rect& rect, const tk::Rect& bounds) {
    return tk::Rect{rect.x(), std::round(bounds.midY() - rect.height() / 2), rect.width(), rect.height()}
        .integral();
}

tk::Rect imageDestination(tk::Size imageSize, const tk::Rect& frame, tk::ImageScaling scaling) {
    const double w = imageSize.width;
    const double h = imageSize.height;
    switch (scaling) {
    case tk::ImageScaling::axesIndependently:
        return frame;
    case tk::ImageScaling::none:
        // Centred on whole points (the container's origin is added back).
        return centeredPixelAlignedRect(imageSize, frame, 1).offsetBy(frame.x(), frame.y());
    case tk::ImageScaling::proportionallyDown:
    case tk::ImageScaling::proportionallyUpOrDown:
        break;
    }
    return tk::Rect{std::max(frame.minX(), std::min(frame.maxX(), w) - w),
                    std::max(frame.minY(), std::min(frame.maxY(), h) - h), w, h};
}

void drawTintedImage(tk::GraphicsContext& context, const tk::Image& image, const tk::Rect& rect,
                     double opacity) {
    if (image.isEmpty())
        return;
    context.drawImage(image.tinted(tk::controlTextColor()), rect,
                      tk::ImageDrawOptions{}.withOpacity(opacity));
}

void drawStateBezel(tk::GraphicsContext& context, const ControlStyle& style, StyledControlState state,
                    const tk::Rect& rect, bool enabled) {
    if (const auto image = style.bezelImage(state))
        drawTintedImage(context, *image, rect, enabled ? 1.0 : 0.5);
}

tk::Size sizedToBezel(tk::Size size, tk::Size bezelSize, const tk::EdgeInsets& alignmentInsets) {
    return tk::Size{std::max(size.width, bezelSize.width) - (alignmentInsets.left + alignmentInsets.right),
                    bezelSize.height - (alignmentInsets.top + alignmentInsets.bottom)};
}

bool hasVisibleFocus(const tk::View& view) {
    const tk::Window* w = view.window();
    return w && w->isKeyWindow() && tk::hasKeyboardFocus(view);
}

void drawFocusRing(tk::GraphicsContext& context, const tk::Rect& maskBounds, const tk::Color& color,
                   double inset) {
    const tk::Path path = tk::Path::roundedRect(maskBounds.insetBy(inset, inset), 3);
    tk::StrokeStyle style;
    style.lineWidth = 2;
    style.lineCap = tk::LineCap::round;
    style.lineJoin = tk::LineJoin::round;
    context.fillPath(path, color.withAlpha(0.3));
    context.strokePath(path, color, style);
}

double cellImageOpacity(const tk::Cell& cell) {
    return cell.isHighlighted() || !cell.isEnabled() ? 0.5 : 1.0;
}

void drawCellImage(const tk::ButtonCell& cell, const tk::Image& image, const tk::Rect& frame,
                   tk::GraphicsContext& context) {
    if (image.isEmpty())
        return;
    context.drawImage(image, imageDestination(image.size(), frame, cell.imageScaling()),
                      tk::ImageDrawOptions{}.withOpacity(cellImageOpacity(cell)));
}

} // namespace Tessaly
