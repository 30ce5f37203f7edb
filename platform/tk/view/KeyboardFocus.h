#pragma once

// Whether a view holds the keyboard focus of its window: the window's first responder is the view
// itself, or a field editor editing it (View::fieldEditorClient). A text field that edits its own
// text is its own first responder. False without a window, or when the window itself is first
// responder. [main]

namespace tk {

class View;

bool hasKeyboardFocus(const View& view);

} // namespace tk
