#pragma once

// Geometry values that scale by a factor: every component multiplied (a point's x and y, a size's
// width and height, a rect's origin and size - the rect is not standardised first, so a negative
// size stays negative). `value * factor` and `value / divisor` are offered on every such value.

#include "platform/tk/base/Geometry.h"

#include <concepts>

namespace Tessaly {

tk::Point multiplied(tk::Point point, double factor);
tk::Size multiplied(tk::Size size, double factor);
tk::Rect multiplied(const tk::Rect& rect, double factor);

template <class T>
concept Multiplicable = requires(const T& value, double factor) {
    { multiplied(value, factor) } -> std::same_as<T>;
};

template <Multiplicable T> T operator*(const T& value, double factor) {
    return multiplied(value, factor);
}
template <Multiplicable T> T operator/(const T& value, double divisor) {
    return multiplied(value, 1.0 / divisor);
}

} // namespace Tessaly
