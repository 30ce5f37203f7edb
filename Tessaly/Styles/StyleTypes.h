#pragma once

// Small value types the styles hand to the views and cells that draw from them.

#include "platform/tk/controls/CellTypes.h"

namespace Tessaly {

// The appearance a control is drawn in. The library's controls all draw dark.
enum class AppearanceName { light, dark };

// How a cell's content stands against its background (the numbering cells use).
using tk::BackgroundStyle;

// How the part of a bezel picture between its caps fills a larger rectangle.
enum class ImageResizingMode { tile = 0, stretch = 1 };

} // namespace Tessaly
