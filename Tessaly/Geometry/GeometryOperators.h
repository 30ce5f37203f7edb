#pragma once

// Small arithmetic on the toolkit's geometry values that the controls' drawing and layout share:
// componentwise minimum, maximum, sum and difference of two-component values, a rect's far corner,
// whether something has area, and the sums of edge insets.

#include "platform/tk/base/Geometry.h"

namespace Tessaly {

inline tk::Point min(tk::Point a, tk::Point b) {
    return {a.x < b.x ? a.x : b.x, a.y < b.y ? a.y : b.y};
}
inline tk::Point max(tk::Point a, tk::Point b) {
    return {a.x > b.x ? a.x : b.x, a.y > b.y ? a.y : b.y};
}
inline tk::Size min(tk::Size a, tk::Size b) {
    return {a.width < b.width ? a.width : b.width, a.height < b.height ? a.height : b.height};
}
inline tk::Size max(tk::Size a, tk::Size b) {
    return {a.width > b.width ? a.width : b.width, a.height > b.height ? a.height : b.height};
}

inline tk::Size operator+(tk::Size a, tk::Size b) {
    return {a.width + b.width, a.height + b.height};
}
inline tk::Size operator-(tk::Size a, tk::Size b) {
    return {a.width - b.width, a.height - b.height};
}
inline tk::Size& operator+=(tk::Size& a, tk::Size b) {
    return a = a + b;
}
inline tk::Size& operator-=(tk::Size& a, tk::Size b) {
    return a = a - b;
}
inline tk::Point& operator+=(tk::Point& a, tk::Point b) {
    return a = a + b;
}
inline tk::Point& operator-=(tk::Point& a, tk::Point b) {
    return a = a - b;
}

// (maxX, maxY).
inline tk::Point farCorner(const tk::Rect& r) {
    return {r.maxX(), r.maxY()};
}

// Both sides non-zero; a negative side counts as area.
inline bool hasArea(tk::Size s) {
    return s.width != 0 && s.height != 0;
}
inline bool hasArea(const tk::Rect& r) {
    return hasArea(r.size);
}

// The size left inside the insets.
inline tk::Size reduced(tk::Size s, tk::EdgeInsets insets) {
    return {s.width - insets.left - insets.right, s.height - insets.top - insets.bottom};
}
// left + right wide, top + bottom high.
inline tk::Size size(tk::EdgeInsets insets) {
    return {insets.horizontal(), insets.vertical()};
}
inline tk::EdgeInsets operator-(tk::EdgeInsets insets) {
    return {-insets.top, -insets.left, -insets.bottom, -insets.right};
}

} // namespace Tessaly
