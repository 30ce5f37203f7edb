#include "Tessaly/Styles/ControlStyle.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

ControlStyle::ControlStyle()
    : font_(Styles::Control::font()), textColor_(Styles::Control::textColor()),
      textBackgroundColor_(Styles::Control::textBackgroundColor()), selectedFont_(Styles::Control::font()),
      selectedTextColor_(Styles::Control::selectedTextColor()),
      selectedBackgroundColor_(Styles::Control::selectedBackgroundColor()),
      disabledTextColor_(Styles::Control::disabledTextColor()),
      disabledBackgroundColor_(Styles::Control::disabledBackgroundColor()),
      highlightedTextColor_(Styles::Control::highlightedTextColor()),
      highlightedBackgroundColor_(Styles::Control::highlightedBackgroundColor()),
      invalidTextColor_(Styles::Control::invalidTextColor()),
      invalidBackgroundColor_(Styles::Control::invalidBackgroundColor()),
      focusRingColor_(Styles::Control::selectedBackgroundColor()),
      invalidFocusRingColor_(Styles::Control::invalidFocusRingColor()) {
    BaseStyle::setAppearanceName(AppearanceName::dark);
    BaseStyle::setBackgroundStyle(BackgroundStyle::emphasized);
    BaseStyle::setInteriorBackgroundStyle(BackgroundStyle::emphasized);
    BaseStyle::setOpaque(false);
    BaseStyle::setBackgroundColor(color(ColorResources::backgroundNormal));
}

const StateTable& ControlStyle::bezelImages() const {
    if (!bezelImages_)
        bezelImages_.emplace();
    return *bezelImages_;
}

const StateTable& ControlStyle::declarativeBezelImages() const {
    if (!declarativeBezelImages_)
        declarativeBezelImages_.emplace();
    return *declarativeBezelImages_;
}

namespace {
constexpr StyledControlState kPressedOrOn{StyledControlState::highlighted, StyledControlState::on,
                                          StyledControlState::mixed};

bool holdsAny(StyledControlState state, StyledControlState flags) {
    return !state.isDisjoint(flags);
}
} // namespace

tk::Color ControlStyle::focusRingColor(StyledControlState state) const {
    if (state.contains(StyledControlState::invalid))
        return invalidFocusRingColor();
    return focusRingColor();
}

tk::Color ControlStyle::textColor(StyledControlState state) const {
    if (state.contains(StyledControlState::disabled))
        return disabledTextColor();
    if (state.contains(StyledControlState::invalid))
        return invalidTextColor();
    if (state.contains(StyledControlState::selected))
        return selectedTextColor();
    if (holdsAny(state, kPressedOrOn))
        return highlightedTextColor();
    return textColor();
}

tk::Color ControlStyle::backgroundColor(StyledControlState state) const {
    if (state.contains(StyledControlState::invalid))
        return invalidBackgroundColor();
    if (holdsAny(state, kPressedOrOn))
        return highlightedBackgroundColor();
    if (state.contains(StyledControlState::selected))
        return selectedBackgroundColor();
    if (state.contains(StyledControlState::disabled))
        return disabledBackgroundColor();
    return storedBackgroundColor();
}

std::optional<tk::Image> ControlStyle::bezelImage(StyledControlState state) const {
    return bestMatchImage(state, bezelImages());
}

} // namespace Tessaly
