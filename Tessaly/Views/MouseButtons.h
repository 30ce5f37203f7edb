#pragma once

// Which mouse buttons are held right now, as the window's event dispatch last saw them (bit 0 and
// bit 1 of tk::pressedMouseButtons()). Both are [main].

#include "platform/tk/view/Event.h"

namespace Tessaly {

inline bool isLeftMouseButtonPressed() {
    return (tk::pressedMouseButtons() & 1u) != 0;
}
inline bool isRightMouseButtonPressed() {
    return (tk::pressedMouseButtons() & 2u) != 0;
}

} // namespace Tessaly
