#include "platform/tk/controls/ComboBoxCell.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <algorithm>

namespace tk {

ComboBoxCell::ComboBoxCell() {
    setBezeled(true);
}

Rect ComboBoxCell::buttonRect(const Rect& bounds) const {
    return Rect{bounds.maxX() - kButtonWidth, bounds.minY(), kButtonWidth, bounds.height()};
}

Rect ComboBoxCell::titleRect(const Rect& bounds) const {
    const double left = bounds.minX() + kTextInset;
    return Rect{left, bounds.minY(), std::max(0.0, buttonRect(bounds).minX() - kTextGap - left),
                bounds.height()};
}

void ComboBoxCell::drawBezel(const Rect& frame, View&, GraphicsContext& context) {
    const Rect r = frame.insetBy(0.5, 0.5);
    context.fillPath(Path::roundedRect(r, 4), textBackgroundColor());
    context.strokePath(Path::roundedRect(r, 4), separatorColor());
    const Rect b = buttonRect(frame);
    StrokeStyle style;
    style.lineWidth = 1.5;
    style.lineCap = LineCap::round;
    style.lineJoin = LineJoin::round;
    Path chevron;
    chevron.moveTo({b.midX() - 3.5, b.midY() - 1.5});
    chevron.lineTo({b.midX(), b.midY() + 2});
    chevron.lineTo({b.midX() + 3.5, b.midY() - 1.5});
    context.strokePath(chevron, isEnabled() ? controlTextColor() : disabledControlTextColor(), style);
}

void ComboBoxCell::draw(const Rect& frame, View& controlView, GraphicsContext& context) {
    if (isBordered() || isBezeled())
        drawBezel(frame, controlView, context);
    drawInterior(frame, controlView, context);
}

} // namespace tk
