#pragma once

// The state of the library's push and styled button cells, by deriveControlState: on or mixed from
// the cell state only while the cell shows a state (showsStateBy not none); not enabled;
// highlighted; `selected`; and not valid when the cell is a Validating that is not valid. [main]

#include "Tessaly/Styles/StyledControlState.h"

namespace tk {
class ButtonCell;
} // namespace tk

namespace Tessaly {

StyledControlState buttonCellState(const tk::ButtonCell& cell, bool selected);

} // namespace Tessaly
