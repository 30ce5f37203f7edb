#pragma once

// Sliders: a bar ("tui-slider-alley", the filled "tui-slider" while dragged) and a knob
// ("tui-slider-handle", "-down" while dragged, "-multi" for a mixed value). Both tables are made on
// first read and fixed from then on.

#include "Tessaly/Styles/ControlStyle.h"

namespace Tessaly {

class SliderCellStyle : public ControlStyle {
public:
    virtual const StateTable& barImages() const;
    virtual const StateTable& knobImages() const;
    // bestMatchImage over the two tables.
    virtual std::optional<tk::Image> barImage(StyledControlState state) const;
    virtual std::optional<tk::Image> knobImage(StyledControlState state) const;

private:
    mutable std::optional<StateTable> barImages_;
    mutable std::optional<StateTable> knobImages_;
};

} // namespace Tessaly
