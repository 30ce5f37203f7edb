#include "platform/tk/view/Box.h"

#include "platform/tk/graphics/GraphicsContext.h"

namespace tk {

void Box::setBoxType(BoxType type) {
    type_ = type;
    setNeedsDisplay();
}

void Box::draw(GraphicsContext& context, const Rect&) {
    if (type_ != BoxType::separator)
        return;
    const Rect b = bounds();
    const Color line = Color::gray(0.5, 0.5);
    if (b.width() >= b.height())
        context.fillRect(Rect{b.minX(), b.midY() - 0.5, b.width(), 1}, line);
    else
        context.fillRect(Rect{b.midX() - 0.5, b.minY(), 1, b.height()}, line);
}

} // namespace tk
