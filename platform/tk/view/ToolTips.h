#pragma once

// The tool tips of one window. When the pointer rests over a view with a tool tip (its own or its
// nearest ancestor's) for kToolTipDelay on the main run loop's clock, the tip is shown as an
// overlay below the pointer, kept inside the window. It goes when the pointer leaves that view,
// the view leaves the window or is hidden, or on a press, a key, a scroll or the window closing;
// after a press or key it comes back only once the pointer has left the view and returned.
//
// The window owns one and feeds it (pointerMoved, dismiss, viewWillDisappear). All members are
// [main].

#include "platform/tk/base/Clock.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/base/Timer.h"

#include <memory>
#include <string>

namespace tk {

class View;
class Window;

inline constexpr Clock::Duration kToolTipDelay = seconds(1.0);

class ToolTipController {
public:
    explicit ToolTipController(Window& window);
    ~ToolTipController();
    ToolTipController(const ToolTipController&) = delete;
    ToolTipController& operator=(const ToolTipController&) = delete;

    // The pointer moved to `locationInWindow`, over `hit` (null: over no view).
    void pointerMoved(View* hit, Point locationInWindow);
    // Hides the tip and forgets the pending one (see the class comment).
    void dismiss();
    // `view` and its subtree leave the window or are hidden.
    void viewWillDisappear(View& view);

    // The tip view shown now (an overlay of the window), or none; its text.
    View* shownTip() const { return tip_.get(); }
    std::string shownText() const;

private:
    void show();
    void hide();

    Window& window_;
    std::weak_ptr<View> owner_;      // the view whose tip is pending or shown
    std::weak_ptr<View> suppressed_; // dismissed over this view: wait until the pointer leaves it
    Point pointer_;
    Timer timer_;
    std::shared_ptr<View> tip_;
};

} // namespace tk
