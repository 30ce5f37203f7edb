#include "platform/tk/controls/OwnedCell.h"

#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/Window.h"

namespace tk {

bool showsCellFocusRing(const View& view, const Cell& cell) {
    const Window* w = view.window();
    return w && w->isKeyWindow() && hasKeyboardFocus(view) && cell.focusRingType() != FocusRingType::none;
}

Subscription redrawOnKeyStateChanges(View& view) {
    Window* w = view.window();
    if (!w)
        return {};
    return w->observeKeyState([&view](Window&, bool) { view.setNeedsDisplay(); });
}

} // namespace tk
