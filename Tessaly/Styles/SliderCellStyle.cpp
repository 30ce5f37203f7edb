#include "Tessaly/Styles/SliderCellStyle.h"

#include "Tessaly/Resources/AssetLookup.h"

namespace Tessaly {

using S = StyledControlState;

const StateTable& SliderCellStyle::barImages() const {
    if (!barImages_)
        barImages_ = StateTable{
            {S::defaultState, image(ImageResources::tuiSliderAlley)},
            {S::highlighted, image(ImageResources::tuiSlider)},
        };
    return *barImages_;
}

const StateTable& SliderCellStyle::knobImages() const {
    if (!knobImages_)
        knobImages_ = StateTable{
            {S::defaultState, image(ImageResources::tuiSliderHandle)},
            {S::highlighted, image(ImageResources::tuiSliderHandleDown)},
            {S::mixed, image(ImageResources::tuiSliderHandleMulti)},
        };
    return *knobImages_;
}

std::optional<tk::Image> SliderCellStyle::barImage(StyledControlState state) const {
    return bestMatchImage(state, barImages());
}

std::optional<tk::Image> SliderCellStyle::knobImage(StyledControlState state) const {
    return bestMatchImage(state, knobImages());
}

} // namespace Tessaly
