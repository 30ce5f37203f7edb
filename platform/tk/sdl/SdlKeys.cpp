#include "platform/tk/sdl/SdlKeys.h"

#include "platform/tk/view/KeyboardLayout.h"

#include <array>
#include <utility>

namespace tk::sdl {

namespace {
constexpr std::array<std::pair<SDL_Scancode, KeyCode>, 99> kScancodes{{
    {SDL_SCANCODE_A, KeyCode::a},
    {SDL_SCANCODE_B, KeyCode::b},
    {SDL_SCANCODE_C, KeyCode::c},
    {SDL_SCANCODE_D, KeyCode::d},
    {SDL_SCANCODE_E, KeyCode::e},
    {SDL_SCANCODE_F, KeyCode::f},
    {SDL_SCANCODE_G, KeyCode::g},
    {SDL_SCANCODE_H, KeyCode::h},
    {SDL_SCANCODE_I, KeyCode::i},
    {SDL_SCANCODE_J, KeyCode::j},
    {SDL_SCANCODE_K, KeyCode::k},
    {SDL_SCANCODE_L, KeyCode::l},
    {SDL_SCANCODE_M, KeyCode::m},
    {SDL_SCANCODE_N, KeyCode::n},
    {SDL_SCANCODE_O, KeyCode::o},
    {SDL_SCANCODE_P, KeyCode::p},
    {SDL_SCANCODE_Q, KeyCode::q},
    {SDL_SCANCODE_R, KeyCode::r},
    {SDL_SCANCODE_S, KeyCode::s},
    {SDL_SCANCODE_T, KeyCode::t},
    {SDL_SCANCODE_U, KeyCode::u},
    {SDL_SCANCODE_V, KeyCode::v},
    {SDL_SCANCODE_W, KeyCode::w},
    {SDL_SCANCODE_X, KeyCode::x},
    {SDL_SCANCODE_Y, KeyCode::y},
    {SDL_SCANCODE_Z, KeyCode::z},
    {SDL_SCANCODE_1, KeyCode::digit1},
    {SDL_SCANCODE_2, KeyCode::digit2},
    {SDL_SCANCODE_3, KeyCode::digit3},
    {SDL_SCANCODE_4, KeyCode::digit4},
    {SDL_SCANCODE_5, KeyCode::digit5},
    {SDL_SCANCODE_6, KeyCode::digit6},
    {SDL_SCANCODE_7, KeyCode::digit7},
    {SDL_SCANCODE_8, KeyCode::digit8},
    {SDL_SCANCODE_9, KeyCode::digit9},
    {SDL_SCANCODE_0, KeyCode::digit0},
    {SDL_SCANCODE_RETURN, KeyCode::returnKey},
    {SDL_SCANCODE_ESCAPE, KeyCode::escape},
    {SDL_SCANCODE_BACKSPACE, KeyCode::deleteBackward},
    {SDL_SCANCODE_TAB, KeyCode::tab},
    {SDL_SCANCODE_SPACE, KeyCode::space},
    {SDL_SCANCODE_MINUS, KeyCode::minus},
    {SDL_SCANCODE_EQUALS, KeyCode::equal},
    {SDL_SCANCODE_LEFTBRACKET, KeyCode::leftBracket},
    {SDL_SCANCODE_RIGHTBRACKET, KeyCode::rightBracket},
    {SDL_SCANCODE_BACKSLASH, KeyCode::backslash},
    {SDL_SCANCODE_SEMICOLON, KeyCode::semicolon},
    {SDL_SCANCODE_APOSTROPHE, KeyCode::quote},
    {SDL_SCANCODE_GRAVE, KeyCode::grave},
    {SDL_SCANCODE_COMMA, KeyCode::comma},
    {SDL_SCANCODE_PERIOD, KeyCode::period},
    {SDL_SCANCODE_SLASH, KeyCode::slash},
    {SDL_SCANCODE_CAPSLOCK, KeyCode::capsLock},
    {SDL_SCANCODE_F1, KeyCode::f1},
    {SDL_SCANCODE_F2, KeyCode::f2},
    {SDL_SCANCODE_F3, KeyCode::f3},
    {SDL_SCANCODE_F4, KeyCode::f4},
    {SDL_SCANCODE_F5, KeyCode::f5},
    {SDL_SCANCODE_F6, KeyCode::f6},
    {SDL_SCANCODE_F7, KeyCode::f7},
    {SDL_SCANCODE_F8, KeyCode::f8},
    {SDL_SCANCODE_F9, KeyCode::f9},
    {SDL_SCANCODE_F10, KeyCode::f10},
    {SDL_SCANCODE_F11, KeyCode::f11},
    {SDL_SCANCODE_F12, KeyCode::f12},
    {SDL_SCANCODE_INSERT, KeyCode::help},
    {SDL_SCANCODE_HOME, KeyCode::home},
    {SDL_SCANCODE_PAGEUP, KeyCode::pageUp},
    {SDL_SCANCODE_DELETE, KeyCode::deleteForward},
    {SDL_SCANCODE_END, KeyCode::end},
    {SDL_SCANCODE_PAGEDOWN, KeyCode::pageDown},
    {SDL_SCANCODE_RIGHT, KeyCode::rightArrow},
    {SDL_SCANCODE_LEFT, KeyCode::leftArrow},
    {SDL_SCANCODE_DOWN, KeyCode::downArrow},
    {SDL_SCANCODE_UP, KeyCode::upArrow},
    {SDL_SCANCODE_KP_DIVIDE, KeyCode::keypadDivide},
    {SDL_SCANCODE_KP_MULTIPLY, KeyCode::keypadMultiply},
    {SDL_SCANCODE_KP_MINUS, KeyCode::keypadMinus},
    {SDL_SCANCODE_KP_PLUS, KeyCode::keypadPlus},
    {SDL_SCANCODE_KP_ENTER, KeyCode::keypadEnter},
    {SDL_SCANCODE_KP_1, KeyCode::keypad1},
    {SDL_SCANCODE_KP_2, KeyCode::keypad2},
    {SDL_SCANCODE_KP_3, KeyCode::keypad3},
    {SDL_SCANCODE_KP_4, KeyCode::keypad4},
    {SDL_SCANCODE_KP_5, KeyCode::keypad5},
    {SDL_SCANCODE_KP_6, KeyCode::keypad6},
    {SDL_SCANCODE_KP_7, KeyCode::keypad7},
    {SDL_SCANCODE_KP_8, KeyCode::keypad8},
    {SDL_SCANCODE_KP_9, KeyCode::keypad9},
    {SDL_SCANCODE_KP_0, KeyCode::keypad0},
    {SDL_SCANCODE_KP_PERIOD, KeyCode::keypadDecimal},
    {SDL_SCANCODE_KP_EQUALS, KeyCode::keypadEquals},
    {SDL_SCANCODE_LCTRL, KeyCode::control},
    {SDL_SCANCODE_LSHIFT, KeyCode::shift},
    {SDL_SCANCODE_LALT, KeyCode::option},
    {SDL_SCANCODE_LGUI, KeyCode::command},
    {SDL_SCANCODE_RCTRL, KeyCode::rightControl},
    {SDL_SCANCODE_RSHIFT, KeyCode::rightShift},
    {SDL_SCANCODE_RALT, KeyCode::rightOption},
}};
} // namespace

KeyCode keyCodeFromScancode(SDL_Scancode scancode) {
    for (const auto& [sc, code] : kScancodes)
        if (sc == scancode)
            return code;
    return KeyCode::unknown;
}

ModifierFlags modifierFlagsFromSdl(Uint16 mod) {
    ModifierFlags flags = ModifierFlags::none;
    if (mod & KMOD_SHIFT)
        flags |= ModifierFlags::shift;
    if (mod & KMOD_CTRL)
        flags |= ModifierFlags::control;
    if (mod & KMOD_ALT)
        flags |= ModifierFlags::option;
    if (mod & KMOD_GUI)
        flags |= ModifierFlags::command;
    if (mod & KMOD_CAPS)
        flags |= ModifierFlags::capsLock;
    return flags;
}

std::string charactersIgnoringModifiers(const SDL_Keysym& keysym) {
    // The layout's own character for printable ASCII keys; the US position otherwise.
    if (keysym.sym >= 0x20 && keysym.sym < 0x7F)
        return std::string(1, char(keysym.sym));
    return charactersIgnoringModifiersForKey(keyCodeFromScancode(keysym.scancode));
}

} // namespace tk::sdl
