#include "Tessaly/Controls/ButtonCellState.h"

#include "Tessaly/Protocols/Validating.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "platform/tk/controls/ButtonCell.h"

namespace Tessaly {

StyledControlState buttonCellState(const tk::ButtonCell& cell, bool selected) {
    ControlStateInputs inputs;
    inputs.cellState = cell.showsStateBy() == tk::CellMask::none ? 0 : int(cell.state());
    inputs.enabled = cell.isEnabled();
    inputs.highlighted = cell.isHighlighted();
    inputs.isSelected = selected;
    if (const auto* validating = dynamic_cast<const Validating*>(&cell))
        inputs.isValid = validating->isValid();
    return deriveControlState(inputs);
}

} // namespace Tessaly
