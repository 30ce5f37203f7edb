#include "Tessaly/Styles/ButtonCellStyles.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

namespace {

using S = StyledControlState;
namespace img = ImageResources;

// The insets and colour the pop-up and pop-down styles share, set in this order.
void applyPopUpLayout(ButtonCellStyle& style) {
    style.setAlignmentRectInsets({3, 2, 3, 2});
    style.setEdgeInsets({3, 0, 2, 12});
    style.setSelectedTextColor(style.textColor());
}

} // namespace

ButtonCellStyle::ButtonCellStyle() {
    setBackgroundColor(tk::Color::clear());
    setFont(Styles::BaseStyles::medium10());
    setBezelImages({
        {S::defaultState, image(img::tuiButton)},
        {S::on, image(img::tuiButtonSelected)},
        {S::highlighted, image(img::tuiButtonDown)},
    });
}

BackButtonCellStyle::BackButtonCellStyle() {
    setBezelImages({
        {S::defaultState, image(img::organiserNavbarBack)},
        {S::on, image(img::organiserNavbarBackDown)},
        {S::highlighted, image(img::organiserNavbarBackDown)},
    });
}

ComboBoxStyle::ComboBoxStyle() {
    applyPopUpLayout(*this);
    setTitleEdgeInsets({3, 7, 2, 0});
}

ToolButtonCellStyle::ToolButtonCellStyle() {
    setImageEdgeInsets({-1, 0, 1, 0});
    setBezelImages({
        {S::defaultState, image(img::cornerToolBackground)},
        {S::on, image(img::cornerToolBackgroundSelected)},
        {S::highlighted, image(img::cornerToolBackgroundDown)},
    });
}

PopUpButtonCellStyle::PopUpButtonCellStyle() {
    applyPopUpLayout(*this);
    setTitleEdgeInsets({});
    setBezelImages({
        {S::defaultState, image(img::tuiPopup)},
        {S::highlighted, image(img::tuiPopupDown)},
    });
}

ToolPopUpButtonCellStyle::ToolPopUpButtonCellStyle() {
    setAlignmentRectInsets({});
    setEdgeInsets(tk::EdgeInsets::all(1));
    setTitleEdgeInsets({0, 4, 0, 14});
    setSelectedTextColor(textColor());
    setBezelImages({
        {S::defaultState, image(img::tuiPopupTool)},
        {S::highlighted, image(img::tuiPopupToolDown)},
    });
}

StyledPopDownButtonCellStyle::StyledPopDownButtonCellStyle() {
    applyPopUpLayout(*this);
    setTitleEdgeInsets({});
    setBezelImages({
        {S::defaultState, image(img::tuiPopdown)},
        {S::highlighted, image(img::tuiPopdownDown)},
    });
}

CheckBoxCellStyle::CheckBoxCellStyle() {
    setHighlightedTextColor(textColor());
    setHighlightedBackgroundColor(textBackgroundColor());
    setSelectedBackgroundColor(textBackgroundColor());
    // Only the first key holds default: a plain check box in any other state is matched by the
    // flags it has.
    setButtonImages({
        {S::defaultState, image(img::tuiCheckbox)},
        {S::on, image(img::tuiCheckboxOn)},
        {S::mixed, image(img::tuiCheckboxMixed)},
        {S::highlighted, image(img::tuiCheckboxDown)},
        {{S::highlighted, S::on}, image(img::tuiCheckboxOnDown)},
        {{S::highlighted, S::mixed}, image(img::tuiCheckboxMixedDown)},
        {S::selected, image(img::tuiCheckboxDown)},
        {{S::selected, S::on}, image(img::tuiCheckboxOnDown)},
        {{S::selected, S::mixed}, image(img::tuiCheckboxMixedDown)},
    });
}

const StateTable& CheckBoxCellStyle::buttonImages() const {
    if (!buttonImages_)
        buttonImages_.emplace();
    return *buttonImages_;
}

std::optional<tk::Image> CheckBoxCellStyle::buttonImage(StyledControlState state) const {
    return bestMatchImage(state, buttonImages());
}

FavouriteCheckBoxCellStyle::FavouriteCheckBoxCellStyle() {
    setButtonImages({
        {S::defaultState, image(img::organiserIconStarEmpty)},
        {S::on, image(img::organiserIconStar)},
    });
}

} // namespace Tessaly
