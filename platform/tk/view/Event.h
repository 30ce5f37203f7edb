#pragma once

// Input events as the view tree sees them: pointer, scroll, key, text input and the cancel that
// ends a pointer gesture which can no longer finish normally.
//
// Locations are in points in the window's content coordinates (top-left origin, y down); a view
// turns them into its own coordinates with View::convertFromWindow() or View::locationOf(event).
// Key codes and modifier flags carry the classic desktop numbers (shift 1 << 17, control 1 << 18,
// option 1 << 19, command 1 << 20) so that code written against those numbers reads the same here.
// On this platform Alt is option; the backend reports the Super key as command.

#include "platform/tk/base/Geometry.h"

#include <cstdint>
#include <string>

namespace tk {

enum class ModifierFlags : std::uint64_t {
    none = 0,
    capsLock = 1ull << 16,
    shift = 1ull << 17,
    control = 1ull << 18,
    option = 1ull << 19,
    command = 1ull << 20,
    numericPad = 1ull << 21,
    help = 1ull << 22,
    function = 1ull << 23,
};

constexpr std::uint64_t rawValue(ModifierFlags f) {
    return static_cast<std::uint64_t>(f);
}
constexpr ModifierFlags operator|(ModifierFlags a, ModifierFlags b) {
    return static_cast<ModifierFlags>(rawValue(a) | rawValue(b));
}
constexpr ModifierFlags operator&(ModifierFlags a, ModifierFlags b) {
    return static_cast<ModifierFlags>(rawValue(a) & rawValue(b));
}
constexpr ModifierFlags operator~(ModifierFlags a) {
    return static_cast<ModifierFlags>(~rawValue(a));
}
constexpr ModifierFlags& operator|=(ModifierFlags& a, ModifierFlags b) {
    return a = a | b;
}
constexpr ModifierFlags& operator&=(ModifierFlags& a, ModifierFlags b) {
    return a = a & b;
}
// Whether every flag of `wanted` is set in `flags` (false for an empty `wanted`).
constexpr bool contains(ModifierFlags flags, ModifierFlags wanted) {
    return wanted != ModifierFlags::none && (rawValue(flags) & rawValue(wanted)) == rawValue(wanted);
}
// The four keys that shortcuts and gestures compare (caps lock, keypad and function bits dropped).
inline constexpr ModifierFlags kShortcutModifierMask =
    ModifierFlags::shift | ModifierFlags::control | ModifierFlags::option | ModifierFlags::command;

// Virtual key codes of a US keyboard, by position (the classic desktop numbering).
enum class KeyCode : std::uint16_t {
    a = 0,
    s = 1,
    d = 2,
    f = 3,
    h = 4,
    g = 5,
    z = 6,
    x = 7,
    c = 8,
    v = 9,
    b = 11,
    q = 12,
    w = 13,
    e = 14,
    r = 15,
    y = 16,
    t = 17,
    digit1 = 18,
    digit2 = 19,
    digit3 = 20,
    digit4 = 21,
    digit6 = 22,
    digit5 = 23,
    equal = 24,
    digit9 = 25,
    digit7 = 26,
    minus = 27,
    digit8 = 28,
    digit0 = 29,
    rightBracket = 30,
    o = 31,
    u = 32,
    leftBracket = 33,
    i = 34,
    p = 35,
    returnKey = 36,
    l = 37,
    j = 38,
    quote = 39,
    k = 40,
    semicolon = 41,
    backslash = 42,
    comma = 43,
    slash = 44,
    n = 45,
    m = 46,
    period = 47,
    tab = 48,
    space = 49,
    grave = 50,
    deleteBackward = 51,
    escape = 53,
    command = 55,
    shift = 56,
    capsLock = 57,
    option = 58,
    control = 59,
    rightShift = 60,
    rightOption = 61,
    rightControl = 62,
    function = 63,
    keypadDecimal = 65,
    keypadMultiply = 67,
    keypadPlus = 69,
    keypadClear = 71,
    keypadDivide = 75,
    keypadEnter = 76,
    keypadMinus = 78,
    keypadEquals = 81,
    keypad0 = 82,
    keypad1 = 83,
    keypad2 = 84,
    keypad3 = 85,
    keypad4 = 86,
    keypad5 = 87,
    keypad6 = 88,
    keypad7 = 89,
    keypad8 = 91,
    keypad9 = 92,
    f5 = 96,
    f6 = 97,
    f7 = 98,
    f3 = 99,
    f8 = 100,
    f9 = 101,
    f11 = 103,
    f10 = 109,
    f12 = 111,
    help = 114,
    home = 115,
    pageUp = 116,
    deleteForward = 117,
    f4 = 118,
    end = 119,
    f2 = 120,
    pageDown = 121,
    f1 = 122,
    leftArrow = 123,
    rightArrow = 124,
    downArrow = 125,
    upArrow = 126,
    unknown = 0xFFFF,
};

enum class EventType {
    mouseDown,
    mouseDragged,
    mouseUp,
    mouseMoved,
    mouseEntered,   // a tracking area was entered (Event::trackingArea says which)
    mouseExited,    // a tracking area was left
    mouseCancelled, // the gesture of the captured view ended without a mouse-up (see View)
    scrollWheel,
    keyDown,
    keyUp,
    flagsChanged, // only the modifier keys changed
    textInput,    // committed text (UTF-8) for the first responder
};

enum class MouseButton { left, right, middle };

class TrackingArea;

struct Event {
    EventType type = EventType::mouseMoved;
    // Seconds on a monotonic clock (its origin is the backend's business); only differences mean
    // something.
    double timestamp = 0;
    // Points, window content coordinates, top-left origin.
    Point locationInWindow;
    // The modifier keys held when the event happened.
    ModifierFlags modifierFlags = ModifierFlags::none;

    // Pointer events.
    MouseButton button = MouseButton::left;
    int clickCount = 0; // 1 single, 2 double, ... (mouse down and up)
    // Scroll: points to scroll the content by (positive y: content moves down, towards the top).
    Point scrollingDelta;
    bool hasPreciseScrollingDeltas = false;
    // The user set the device to scroll the content the other way ("natural" scrolling off/on).
    bool isDirectionInvertedFromDevice = false;
    // Entered/exited: the area concerned (owned by its view; valid during the call only).
    const TrackingArea* trackingArea = nullptr;

    // Key events.
    KeyCode keyCode = KeyCode::unknown;
    std::string characters;                  // what the key types with the modifiers applied
    std::string charactersIgnoringModifiers; // the key's own character (lower case letter, digit ...)
    bool isARepeat = false;

    // Text input: the committed UTF-8 text.
    std::string text;

    bool isMouseEvent() const {
        return type == EventType::mouseDown || type == EventType::mouseDragged ||
               type == EventType::mouseUp || type == EventType::mouseMoved ||
               type == EventType::mouseEntered || type == EventType::mouseExited ||
               type == EventType::mouseCancelled || type == EventType::scrollWheel;
    }
    bool isKeyEvent() const {
        return type == EventType::keyDown || type == EventType::keyUp || type == EventType::flagsChanged;
    }
};

// [main] The modifier keys held right now, as the backend last reported them (the event being
// dispatched sets them too). Code that reads "the current modifier flags" of the platform reads this.
ModifierFlags currentModifierFlags();
// [main] Backends (and the event dispatch) keep it current.
void setCurrentModifierFlags(ModifierFlags flags);

// [main] The mouse buttons held right now as a bit set: bit 0 left, bit 1 right, bit 2 middle.
std::uint32_t pressedMouseButtons();
// [main] The event dispatch keeps it current from the presses and releases it delivers.
void notePressedMouseButtons(const Event& event);

// A right-button press, or a left-button press with Control held (the one-button right click).
bool isRightClick(const Event& event);
// [any] Seconds within which a second click counts as a double click; also how long a press must
// be held before it counts as held.
constexpr double doubleClickInterval() {
    return 0.5;
}

} // namespace tk
