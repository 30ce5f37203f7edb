#include "Tessaly/Windows/WindowState.h"

#include "platform/tk/base/MainThread.h"

namespace Tessaly {

tk::Window* WindowState::parentWindow() const {
    TK_CHECK_MAIN_THREAD();
    notifier_.recordRead();
    return window_.lock().get();
}

void WindowState::setParentWindow(const std::shared_ptr<tk::Window>& window) {
    TK_CHECK_MAIN_THREAD();
    if (window_.lock() == window)
        return;
    window_ = window;
    notifier_.notify();
}

tk::Subscription WindowState::observe(std::function<void()> onChange) const {
    return notifier_.subscribe(std::move(onChange));
}

} // namespace Tessaly
