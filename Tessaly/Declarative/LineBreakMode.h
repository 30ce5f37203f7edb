#pragma once

#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/graphics/TextAttributes.h"

namespace Tessaly {

// [any] The classic line-break mode of a declarative truncation mode: head, tail and middle truncate
// there. Any other mode stops the program ("Unknown truncation mode").
tk::LineBreakMode lineBreakMode(tk::TruncationMode mode);

} // namespace Tessaly
