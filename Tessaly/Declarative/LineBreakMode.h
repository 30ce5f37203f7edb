#pragma once

#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/graphics/TextAttributes.h"

namespace Tessaly {

// [any] The classic line-break mode of a declarative truncation mode: head, tail and middle truncate
// there, none clips. A value outside the modes stops the program ("Unknown truncation mode").
tk::LineBreakMode lineBreakMode(tk::TruncationMode mode);

} // namespace Tessaly
