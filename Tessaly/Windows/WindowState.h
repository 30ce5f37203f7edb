#pragma once

// The window that shows a piece of declarative content, handed to the content through its
// environment (WindowStateKey) so that it can close, resize or place its window. Reads are tracked
// like an observable's; writing the window it already holds notifies nobody. It never keeps the
// window alive.
//
// All members are [main].

#include "platform/tk/base/ChangeNotifier.h"
#include "platform/tk/base/Subscription.h"

#include <functional>
#include <memory>

namespace tk {
class Window;
}

namespace Tessaly {

class WindowState {
public:
    tk::Window* parentWindow() const;
    void setParentWindow(const std::shared_ptr<tk::Window>& window);
    [[nodiscard]] tk::Subscription observe(std::function<void()> onChange) const;

private:
    std::weak_ptr<tk::Window> window_;
    tk::ChangeNotifier notifier_;
};

struct WindowStateKey {
    using Value = std::shared_ptr<WindowState>;
    static Value defaultValue() { return nullptr; }
};

} // namespace Tessaly
