#include "Tessaly/Geometry/Multiplicable.h"

namespace Tessaly {

tk::Point multiplied(tk::Point point, double factor) {
    return {point.x * factor, point.y * factor};
}

tk::Size multiplied(tk::Size size, double factor) {
    return {size.width * factor, size.height * factor};
}

tk::Rect multiplied(const tk::Rect& rect, double factor) {
    return {multiplied(rect.origin, factor), multiplied(rect.size, factor)};
}

} // namespace Tessaly
