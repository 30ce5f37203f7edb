#include "platform/tk/view/Layer.h"

#include "platform/tk/view/View.h"

#include <algorithm>

namespace tk {

void Layer::setOpacity(double opacity) {
    opacity_ = std::clamp(opacity, 0.0, 1.0);
    view_.setNeedsDisplay();
}

void Layer::setBackgroundColor(std::optional<Color> color) {
    backgroundColor_ = color;
    view_.setNeedsDisplay();
}

} // namespace tk
