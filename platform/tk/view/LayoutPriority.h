#pragma once

// Layout priorities: how strongly a view keeps its intrinsic size along one orientation. Hugging
// resists being made larger than the intrinsic size, compression resistance being made smaller.
// Views start at kLayoutPriorityDefaultLow hugging and kLayoutPriorityDefaultHigh compression
// resistance.

namespace tk {

using LayoutPriority = float;
inline constexpr LayoutPriority kLayoutPriorityRequired = 1000;
inline constexpr LayoutPriority kLayoutPriorityDefaultHigh = 750;
inline constexpr LayoutPriority kLayoutPriorityDefaultLow = 250;
inline constexpr LayoutPriority kLayoutPriorityFittingSizeCompression = 50;

enum class LayoutOrientation { horizontal = 0, vertical = 1 };

} // namespace tk
