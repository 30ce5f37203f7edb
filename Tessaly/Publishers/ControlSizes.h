#pragma once

// Control sizes between the classic controls and the declarative ones.
//
//   classic -> declarative: regular, small, mini and large as themselves; the raw value 4 (the
//   classic layer's extra size) as large. Any other raw value stops the program.
//   declarative -> classic: mini, small, regular as themselves; large and extra large as large.

#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/ui/ControlSize.h"

namespace Tessaly {

// [any]
tk::ui::ControlSize declarativeControlSize(tk::ControlSize size);
tk::ControlSize classicControlSize(tk::ui::ControlSize size);

} // namespace Tessaly
