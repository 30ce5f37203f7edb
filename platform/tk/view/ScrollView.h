#pragma once

// Scroll views: a ClipView shows part of its document view (its first subview) and scrolls by
// moving its bounds origin; a ScrollView holds the clip view, an optional vertical Scroller
// kScrollerWidth wide along its right edge (its knob dragged, its track clicked: see Scroller.h),
// and its background.
//
// Notifications (NotificationCenter::defaultCenter, posted with the ClipView* as the object, on
// the main thread): kViewBoundsDidChange after a scroll and kViewFrameDidChange after a frame
// change, each only while the clip view's posts...Notifications flag is on.
//
// The wheel scrolls the clip view by the event's delta, within the document.
//
// All members are [main].

#include "platform/tk/base/Color.h"
#include "platform/tk/view/Scroller.h"
#include "platform/tk/view/View.h"

#include <memory>

namespace tk {

inline constexpr const char* kViewFrameDidChange = "ViewFrameDidChange";
inline constexpr const char* kViewBoundsDidChange = "ViewBoundsDidChange";

class ClipView : public View {
public:
    ClipView();

    View* documentView() const { return subviews().empty() ? nullptr : subviews().front().get(); }
    void setDocumentView(std::shared_ptr<View> view);

    bool postsBoundsChangedNotifications() const { return postsBounds_; }
    void setPostsBoundsChangedNotifications(bool posts) { postsBounds_ = posts; }
    bool postsFrameChangedNotifications() const { return postsFrame_; }
    void setPostsFrameChangedNotifications(bool posts) { postsFrame_ = posts; }

    // Moves the visible part of the document to `origin`, kept within the document.
    void scrollToPoint(Point origin);

    void frameDidChange(const Rect& oldFrame) override;

private:
    bool postsBounds_ = false;
    bool postsFrame_ = false;
};

class ScrollView : public View {
public:
    static constexpr double kScrollerWidth = 15;

    using View::View;

    ClipView& contentView() const { return *clip_; }
    View* documentView() const { return clip_->documentView(); }
    void setDocumentView(std::shared_ptr<View> view) { clip_->setDocumentView(std::move(view)); }
    bool hasVerticalScroller() const { return hasVerticalScroller_; }
    void setHasVerticalScroller(bool has);
    Scroller& verticalScroller() const { return *scroller_; }
    // The clip view scrolled: the scroller shows where.
    void reflectScrolledClipView(ClipView& clip);
    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool draws);
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color);

    void layout() override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool scrollWheel(const Event& event) override;

protected:
    void setup() override;

private:
    std::shared_ptr<ClipView> clip_ = std::make_shared<ClipView>();
    std::shared_ptr<Scroller> scroller_ = View::make<Scroller>();
    Color backgroundColor_ = Color::clear();
    bool hasVerticalScroller_ = false;
    bool drawsBackground_ = false;
};

// The nearest ScrollView above `view`, or none.
ScrollView* enclosingScrollView(const View& view);

} // namespace tk
