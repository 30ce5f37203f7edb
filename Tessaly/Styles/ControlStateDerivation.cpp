#include "Tessaly/Styles/ControlStateDerivation.h"

namespace Tessaly {

StyledControlState deriveControlState(const ControlStateInputs& inputs) {
    using S = StyledControlState;
    S state = S::defaultState;
    if (inputs.cellState == -1)
        state.insert(S::mixed);
    else if (inputs.cellState == 1)
        state.insert(S::on);
    if (!inputs.enabled)
        state.insert(S::disabled);
    else if (inputs.highlighted)
        state.insert(S::highlighted);
    if (inputs.isSelected.value_or(false))
        state.insert(S::selected);
    if (!inputs.isValid.value_or(true))
        state.insert(S::invalid);
    return state;
}

} // namespace Tessaly
