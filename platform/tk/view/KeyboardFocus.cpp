#include "platform/tk/view/KeyboardFocus.h"

#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

namespace tk {

bool hasKeyboardFocus(const View& view) {
    const Window* window = view.window();
    if (!window)
        return false;
    const View* focused = window->firstResponderView();
    return focused && (focused == &view || focused->fieldEditorClient() == &view);
}

} // namespace tk
