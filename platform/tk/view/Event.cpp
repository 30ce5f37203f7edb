#include "platform/tk/view/Event.h"

namespace tk {

namespace {
// The keyboard is one per process; this mirrors its modifier state as the backend reports it.
ModifierFlags& modifierState() {
    static ModifierFlags flags = ModifierFlags::none;
    return flags;
}
} // namespace

ModifierFlags currentModifierFlags() {
    return modifierState();
}

void setCurrentModifierFlags(ModifierFlags flags) {
    modifierState() = flags;
}

namespace {
std::uint32_t& buttonState() {
    static std::uint32_t buttons = 0;
    return buttons;
}
std::uint32_t buttonBit(MouseButton button) {
    return button == MouseButton::left ? 1u : button == MouseButton::right ? 2u : 4u;
}
} // namespace

std::uint32_t pressedMouseButtons() {
    return buttonState();
}

void notePressedMouseButtons(const Event& event) {
    if (event.type == EventType::mouseDown)
        buttonState() |= buttonBit(event.button);
    else if (event.type == EventType::mouseUp)
        buttonState() &= ~buttonBit(event.button);
    else if (event.type == EventType::mouseCancelled)
        buttonState() = 0;
}

bool isRightClick(const Event& event) {
    if (event.type != EventType::mouseDown)
        return false;
    return event.button == MouseButton::right ||
           (event.button == MouseButton::left && contains(event.modifierFlags, ModifierFlags::control));
}

} // namespace tk
