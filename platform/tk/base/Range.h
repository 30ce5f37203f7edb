#pragma once

// Ranges of comparable values, as a value's valid span is usually written: a...b, a..., ...b.

namespace tk {

// lower...upper, both included.
template <class T> struct ClosedRange {
    T lowerBound;
    T upperBound;
    bool contains(const T& value) const { return !(value < lowerBound) && !(upperBound < value); }
    bool operator==(const ClosedRange&) const = default;
};

// lower..., from a bound upwards.
template <class T> struct PartialRangeFrom {
    T lowerBound;
    bool contains(const T& value) const { return !(value < lowerBound); }
};

// ...upper, up to and including a bound.
template <class T> struct PartialRangeThrough {
    T upperBound;
    bool contains(const T& value) const { return !(upperBound < value); }
};

} // namespace tk
