#pragma once

// Buttons and button styles.
//
// Button(action, label) shows its label through the button style of the environment (set with
// Node::buttonStyle; the plain style shows the label as it is). The style is asked for a body
// every time the pressed state changes:
//
//     struct BadgeStyle {            // or derive from tk::ui::ButtonStyle
//         tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& c) const {
//             return c.label.padding(4).background(tk::ui::RoundedRectangle(4).fill(kBadge))
//                 .opacity(c.isPressed ? 0.8 : 1);
//         }
//     };
//     Button([&] { openUpdate(); }, Text("1.2.0 AVAILABLE")).buttonStyle(BadgeStyle{})
//
// A press shows as pressed while the pointer is down inside the styled body; releasing inside
// runs the action; releasing outside, or a cancelled press, does not. A disabled button
// (Node::disabled) ignores the pointer.
//
// Under Node::buttonsTakeFocus the enabled buttons are in the window's key view loop: Tab and
// Shift-Tab bring the keyboard focus to them in tree order (a click does not), the style is asked
// for a body with isFocused while the button has the focus in the key window (to draw its ring),
// and Space or Return runs the action of the focused button.

#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Node.h"

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace tk::ui {

struct ButtonStyleConfiguration {
    Node label;
    bool isPressed = false;
    // The environment where the button stands (enabled state, fonts, colours, ...).
    EnvironmentValues environment;
    // The button has the keyboard focus and its window is key (see buttonsTakeFocus above).
    bool isFocused = false;

    bool isEnabled() const { return environment.get<IsEnabledKey>(); }
};

class ButtonStyle {
public:
    virtual ~ButtonStyle() = default;
    // [main] The button's look for one configuration.
    virtual Node makeBody(const ButtonStyleConfiguration& configuration) const = 0;
};

// The label as it is.
class PlainButtonStyle final : public ButtonStyle {
public:
    Node makeBody(const ButtonStyleConfiguration& configuration) const override {
        return configuration.label;
    }
};

struct ButtonStyleKey {
    using Value = std::shared_ptr<const ButtonStyle>;
    static Value defaultValue() { return std::make_shared<const PlainButtonStyle>(); }
};

namespace detail {
// Lets any type with a makeBody serve as a style.
template <class S> class ButtonStyleHolder final : public ButtonStyle {
public:
    explicit ButtonStyleHolder(S style) : style_(std::move(style)) {}
    Node makeBody(const ButtonStyleConfiguration& configuration) const override {
        return style_.makeBody(configuration);
    }

private:
    S style_;
};
} // namespace detail

template <class Style> Node Node::buttonStyle(Style style) const {
    if constexpr (std::is_base_of_v<ButtonStyle, Style>)
        return buttonStyle(
            std::shared_ptr<const ButtonStyle>(std::make_shared<const Style>(std::move(style))));
    else
        return buttonStyle(std::shared_ptr<const ButtonStyle>(
            std::make_shared<const detail::ButtonStyleHolder<Style>>(std::move(style))));
}

Node Button(std::function<void()> action, Node label);
// A button labelled with a text.
Node Button(std::string title, std::function<void()> action);

} // namespace tk::ui
