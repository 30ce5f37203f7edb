#include "Tessaly/Publishers/SinkFocus.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

namespace Tessaly {

void focus(const std::weak_ptr<tk::View>& weakView) {
    TK_CHECK_MAIN_THREAD();
    auto view = weakView.lock();
    if (!view)
        return;
    tk::Window* window = view->window();
    if (!window)
        return;
    if (!window->isKeyWindow())
        window->makeKeyAndOrderFront();
    window->makeFirstResponder(view.get());
}

} // namespace Tessaly
