#pragma once

// The library's default rule for the state of a control or cell, from what the control knows of
// itself. Controls and cells that adopt StyledControl compute their controlState() with it:
//   1. the cell state: mixed (-1) gives default+mixed, on (1) default+on, anything else default;
//   2. not enabled adds disabled;
//   3. highlighted adds highlighted, only when enabled;
//   4. a Selectable that is selected adds selected;
//   5. a Validating that is not valid adds invalid.
// It never adds focused: a control that shows focus adds it itself.

#include "Tessaly/Styles/StyledControlState.h"

#include <optional>

namespace Tessaly {

struct ControlStateInputs {
    int cellState = 0; // -1 mixed, 0 off, 1 on
    bool enabled = true;
    bool highlighted = false;
    std::optional<bool> isSelected{}; // set when the control is Selectable
    std::optional<bool> isValid{};    // set when the control is Validating
};

// [any]
StyledControlState deriveControlState(const ControlStateInputs& inputs);

} // namespace Tessaly
