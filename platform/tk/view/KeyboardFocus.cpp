#include "platform/tk/view/KeyboardFocus.h"

#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

namespace tk {

bool hasKeyboardFocus(const View& view) {
    const Window* window = view.window();
    return window && window->firstResponder() == &view;
}

} // namespace tk
