#pragma once

#include "platform/tk/base/Range.h"

#include <cassert>

// clamped(value, range): a comparable value kept within a range.
//   - a closed range: raised to the lower bound, then lowered to the upper bound;
//   - a range from a bound: the larger of value and bound (the bound when equal);
//   - a range through a bound: the smaller of value and bound (the bound when equal).
// Bounds must compare equal to themselves (no NaN bounds). A NaN value stays NaN.

namespace tk {

template <class T> T clamped(const T& value, const ClosedRange<T>& range) {
    assert(range.lowerBound == range.lowerBound && range.upperBound == range.upperBound);
    const T raised = value < range.lowerBound ? range.lowerBound : value;
    return range.upperBound < raised ? range.upperBound : raised;
}

template <class T> T clamped(const T& value, const PartialRangeFrom<T>& range) {
    assert(range.lowerBound == range.lowerBound);
    return range.lowerBound < value ? value : range.lowerBound;
}

template <class T> T clamped(const T& value, const PartialRangeThrough<T>& range) {
    assert(range.upperBound == range.upperBound);
    return value < range.upperBound ? value : range.upperBound;
}

} // namespace tk
