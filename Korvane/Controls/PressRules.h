#pragma once

// The small decisions that the parameter buttons share: when a button counts as on, where a
// release counts as inside, and what value a press sets.

#include "platform/tk/base/Geometry.h"

namespace Korvane {

// [any] A pick-one button is on when the value truncated toward zero is its index. Values that are
// not finite are on for no index.
bool isOnAtIndex(float value, int valueIndex);

// [any] A two-way toggle flips 0 to 1 and everything else to 0.
constexpr float toggledValue(float current) {
    return current == 0.0f ? 1.0f : 0.0f;
}

// [any] Inside the rect (0, 0, size); the right and bottom edges count as outside.
constexpr bool isInsideButton(tk::Point location, tk::Size size) {
    return location.x >= 0 && location.y >= 0 && location.x < size.width && location.y < size.height;
}

} // namespace Korvane
