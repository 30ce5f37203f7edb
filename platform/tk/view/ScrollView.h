#pragma once

// Scroll views: a ClipView shows part of its document view (its first subview) and scrolls by
// moving its bounds origin; a ScrollView holds the clip view, an optional vertical Scroller
// kScrollerWidth wide along its right edge and an optional horizontal one as high along its bottom
// edge (their knobs dragged, their tracks clicked: see Scroller.h), and its background. With
// autohidesScrollers, a scroller whose direction the document fits in is hidden and gives its room
// to the clip view.
//
// A header view (a table's column headers) sits above the clip view, across the scroll view's
// whole width, in a clip view of its own that follows the content's horizontal scroll; it is as
// high as its own frame and as wide as the document plus the part of the header over the vertical
// scroller, so its coordinates are the document's. The vertical scroller starts below it.
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
    bool hasHorizontalScroller() const { return hasHorizontalScroller_; }
    void setHasHorizontalScroller(bool has);
    Scroller& horizontalScroller() const { return *horizontalScroller_; }
    bool autohidesScrollers() const { return autohidesScrollers_; }
    void setAutohidesScrollers(bool autohides);

    // None until set; setting one replaces the previous header.
    View* headerView() const { return headerClip_->documentView(); }
    void setHeaderView(std::shared_ptr<View> header);
    ClipView& headerClipView() const { return *headerClip_; }

    // The clip view scrolled: the scrollers show where, the header follows sideways.
    void reflectScrolledClipView(ClipView& clip);
    // Places the header, the clip view and the scrollers for the bounds and the document's size
    // (run by layout; the document calls it when its size changes).
    void tile();
    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool draws);
    Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Color color);

    void layout() override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    // While it draws its background in an opaque colour.
    bool isOpaque() const override { return drawsBackground_ && backgroundColor_.a >= 1; }
    bool scrollWheel(const Event& event) override;

protected:
    void setup() override;

private:
    // What of the bounds an opaque document view paints over (where it covers the clip view);
    // empty when none does.
    Rect coveredByDocument() const;

    std::shared_ptr<ClipView> clip_ = std::make_shared<ClipView>();
    std::shared_ptr<Scroller> scroller_ = View::make<Scroller>();
    std::shared_ptr<Scroller> horizontalScroller_ = View::make<Scroller>();
    std::shared_ptr<ClipView> headerClip_ = std::make_shared<ClipView>();
    Color backgroundColor_ = Color::clear();
    bool hasVerticalScroller_ = false;
    bool hasHorizontalScroller_ = false;
    bool autohidesScrollers_ = false;
    bool drawsBackground_ = false;
};

// The nearest ScrollView above `view`, or none.
ScrollView* enclosingScrollView(const View& view);

} // namespace tk
