#pragma once

// How views, controls and cells are tied to their styles.
//
// StyledView: a class names the style class its drawing reads (`ViewStyle`, a Style) and answers
// a class-level `style()`: usually one instance made on first use and kept for the program's life
// (a static local), a new one on each call where a class wants that. A subclass that needs another
// look answers its own.
//
//     class StyledButtonCell : public tk::ButtonCell {
//     public:
//         using ViewStyle = ButtonCellStyle;
//         static std::shared_ptr<ButtonCellStyle> style() {
//             static const auto shared = std::make_shared<ButtonCellStyle>();
//             return shared;
//         }
//         StyledControlState controlState() const;
//     };
//
// Code that must reach the style of an object's dynamic class (a base class drawing for its
// subclasses) gives the class a virtual `dynamicStyle()` that each class answers with its own
// style(); styleOf() and the current...() reads below prefer it when it is there.
//
// StyledControl: a StyledView that also reports the state it is in (`controlState()`). The
// current...() reads ask the style for the control's state.
//
// All of it is [main].

#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/ControlStyle.h"
#include "Tessaly/Styles/SliderCellStyle.h"
#include "Tessaly/Styles/TableViewStyle.h"

#include <concepts>
#include <memory>

namespace Tessaly {

template <class T>
concept StyledView = requires {
    typename T::ViewStyle;
    requires std::derived_from<typename T::ViewStyle, Style>;
    { T::style() } -> std::convertible_to<std::shared_ptr<typename T::ViewStyle>>;
};

template <class T>
concept StyledControl = StyledView<T> && requires(const T& control) {
    { control.controlState() } -> std::same_as<StyledControlState>;
};

// The style `view` draws from: its dynamic class's when the class offers dynamicStyle(), else
// the static class's style().
template <StyledView T> auto styleOf(const T& view) {
    if constexpr (requires { view.dynamicStyle(); })
        return view.dynamicStyle();
    else
        return T::style();
}

// The style's colours and pictures for the control's current state.
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, ControlStyle> tk::Color currentTextColor(const T& control) {
    return styleOf(control)->textColor(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, ControlStyle> tk::Color
currentBackgroundColor(const T& control) {
    return styleOf(control)->backgroundColor(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, ControlStyle> tk::Color
currentFocusRingColor(const T& control) {
    return styleOf(control)->focusRingColor(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, ControlStyle> std::optional<tk::Image>
currentBezelImage(const T& control) {
    return styleOf(control)->bezelImage(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, SliderCellStyle> std::optional<tk::Image>
currentBarImage(const T& control) {
    return styleOf(control)->barImage(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, SliderCellStyle> std::optional<tk::Image>
currentKnobImage(const T& control) {
    return styleOf(control)->knobImage(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, TableViewStyle> tk::Color
currentRowBackgroundColor(const T& control) {
    return styleOf(control)->rowBackgroundColor(control.controlState());
}
template <StyledControl T>
requires std::derived_from<typename T::ViewStyle, CheckBoxCellStyle> std::optional<tk::Image>
currentButtonImage(const T& control) {
    return styleOf(control)->buttonImage(control.controlState());
}

} // namespace Tessaly
