#include "platform/tk/graphics/SemanticColors.h"

namespace tk {

Color labelColor() {
    return Color::gray(1, 0.85);
}
Color secondaryLabelColor() {
    return Color::gray(1, 0.55);
}
Color tertiaryLabelColor() {
    return Color::gray(1, 0.25);
}
Color controlTextColor() {
    return Color::gray(1, 0.85);
}
Color disabledControlTextColor() {
    return Color::gray(1, 0.25);
}
Color selectedControlTextColor() {
    return Color::gray(1, 1);
}

Color windowBackgroundColor() {
    return Color::rgba8(0x32, 0x32, 0x32);
}
Color controlBackgroundColor() {
    return Color::rgba8(0x1E, 0x1E, 0x1E);
}
Color textBackgroundColor() {
    return Color::rgba8(0x1E, 0x1E, 0x1E);
}
Color controlColor() {
    return Color::rgba8(0x5D, 0x5D, 0x60);
}
Color controlHighlightColor() {
    return Color::rgba8(0x7A, 0x7A, 0x7E);
}
Color selectedControlColor() {
    return Color::rgba8(0x2F, 0x6F, 0xD0);
}
Color separatorColor() {
    return Color::gray(1, 0.1);
}
std::array<Color, 2> alternatingContentBackgroundColors() {
    return {controlBackgroundColor(), Color::rgba8(0x2A, 0x2A, 0x2A)};
}

Color controlAccentColor() {
    return Color::rgba8(0x0A, 0x84, 0xFF);
}
Color keyboardFocusIndicatorColor() {
    return Color::rgba8(0x1A, 0xA9, 0xFF, 0x80);
}
Color selectedTextBackgroundColor() {
    return Color::rgba8(0x3F, 0x63, 0x8B);
}

} // namespace tk
