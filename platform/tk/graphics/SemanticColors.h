#pragma once

// The desktop's semantic colours, by role rather than by value, in their dark-appearance shades
// (the only appearance the toolkit draws). Controls that draw "in the control text colour" or
// "in the secondary label colour" take them from here, so one table decides the whole look.

#include "platform/tk/base/Color.h"

#include <array>

namespace tk {

// Text.
Color labelColor();
Color secondaryLabelColor();
Color tertiaryLabelColor();
Color controlTextColor();
Color disabledControlTextColor();
Color selectedControlTextColor();

// Surfaces.
Color windowBackgroundColor();
Color controlBackgroundColor();
Color textBackgroundColor();
// The face of a bezel at rest, pressed, and on (a pushed-in toggle).
Color controlColor();
Color controlHighlightColor();
Color selectedControlColor();
Color separatorColor();
// The backgrounds that rows of a list or table take in turn, the first row on the first.
std::array<Color, 2> alternatingContentBackgroundColors();

// Accents.
Color controlAccentColor();
Color keyboardFocusIndicatorColor();
Color selectedTextBackgroundColor();

} // namespace tk
