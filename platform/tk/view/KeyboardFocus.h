#pragma once

// Whether a view holds the keyboard focus of its window: the window's first responder is the view
// itself. (A text field is its own field editor, so an editing field answers true as well.) False
// without a window. [main]

namespace tk {

class View;

bool hasKeyboardFocus(const View& view);

} // namespace tk
