#pragma once

// Popover: a small panel beside a rect of a view, with an arrow pointing at it, holding a content
// view of a given content size. It floats above the window's content (an overlay view), so showing
// it takes the focus from nobody.
//
//   - show(rect, view, preferredEdge): on that edge of `rect` (in `view`'s coordinates, where maxY
//     is the bottom edge), the arrow centred on the rect's side, the panel moved inside the window
//     where it would stick out along that edge. When the window has no room on the preferred edge
//     but has on the opposite one, it goes there, so that it never covers the rect. Showing a shown
//     popover moves it.
//   - setContentSize while shown: resized in place, still pointing at the same rect.
//   - close(): taken out of the window. The window closing closes it too.
//   - behaviour: applicationDefined closes only when told; transient also closes at a press outside
//     the panel (the press goes on to what is under it), when its window stops being key (a press
//     in another window) and at Escape (which it takes, so the focused view does not see it).
//
// Neither showing nor closing moves the keyboard focus, and clicks on the panel keep it where it
// is: the field that opened the popover goes on editing.
//
// The panel draws its background (drawBackground: a rounded panel and the arrow in
// backgroundColor, a faint border); a subclass draws its own. [main]

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/base/Subscription.h"

#include <memory>

namespace tk {

class GraphicsContext;
struct Event;
class View;
class Window;

enum class RectEdge : int { minX = 0, minY = 1, maxX = 2, maxY = 3 };

class Popover {
public:
    enum class Behavior : int { applicationDefined = 0, transient = 1 };
    static constexpr double kArrowHeight = 8;
    static constexpr double kArrowWidth = 16;
    static constexpr double kCornerRadius = 6;

    Popover();
    virtual ~Popover();
    Popover(const Popover&) = delete;
    Popover& operator=(const Popover&) = delete;

    View* contentView() const { return content_.get(); }
    // Sized to the content size when shown.
    void setContentView(std::shared_ptr<View> view);
    Size contentSize() const { return contentSize_; }
    void setContentSize(Size size);
    Behavior behavior() const { return behavior_; }
    // Takes effect at once, also while shown.
    void setBehavior(Behavior behavior);
    bool animates() const { return animates_; }
    void setAnimates(bool animates) { animates_ = animates; }
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color);

    bool isShown() const;
    virtual void show(const Rect& rect, View& positioningView, RectEdge preferredEdge);
    virtual void close();
    // close(), as an action.
    void performClose();

    // Where the panel is now (window coordinates, arrow included), and the edge of the
    // positioning rect it sits on (the preferred one or its opposite); zero when not shown.
    Rect frame() const;
    RectEdge edge() const { return edge_; }

    virtual void drawBackground(GraphicsContext& context, const Rect& bounds) const;

private:
    class FrameView;
    void place();
    // Watches the window's events while a transient popover shows there.
    void watchForDismissal(Window& window);
    bool dismisses(const Event& event);

    std::shared_ptr<FrameView> frameView_;
    std::shared_ptr<View> content_;
    Size contentSize_;
    Behavior behavior_ = Behavior::applicationDefined;
    Color backgroundColor_{0.16, 0.16, 0.17, 1};
    bool animates_ = true;
    // Where it points: a rect of a view, kept weakly.
    std::weak_ptr<View> positioningView_;
    Rect positioningRect_;
    RectEdge preferredEdge_ = RectEdge::maxY;
    RectEdge edge_ = RectEdge::maxY;
    Subscription windowClose_;
    Subscription dismissal_;
    Subscription keyLoss_;
};

} // namespace tk
