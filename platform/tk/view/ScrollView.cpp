#include "platform/tk/view/ScrollView.h"

#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/PixelGrid.h"
#include "platform/tk/view/Layer.h"

#include <algorithm>
#include <vector>

namespace tk {

ClipView::ClipView() {
    setClipsToBounds(true);
}

void ClipView::setDocumentView(std::shared_ptr<View> view) {
    if (View* old = documentView())
        old->removeFromSuperview();
    if (view)
        insertSubview(std::move(view), 0);
    scrollToPoint(bounds().origin);
}

void ClipView::scrollToPoint(Point origin) {
    const View* document = documentView();
    const Size content = document ? document->frame().size : Size{};
    const Size visible = bounds().size;
    origin.x = std::clamp(origin.x, 0.0, std::max(0.0, content.width - visible.width));
    origin.y = std::clamp(origin.y, 0.0, std::max(0.0, content.height - visible.height));
    if (origin == bounds().origin)
        return;
    setBoundsOrigin(origin);
    if (auto* scroll = dynamic_cast<ScrollView*>(superview()))
        scroll->reflectScrolledClipView(*this);
    if (postsBounds_)
        NotificationCenter::defaultCenter().post(kViewBoundsDidChange, this);
}

void ClipView::frameDidChange(const Rect& oldFrame) {
    View::frameDidChange(oldFrame);
    if (postsFrame_)
        NotificationCenter::defaultCenter().post(kViewFrameDidChange, this);
}

void ScrollView::setup() {
    View::setup();
    addSubview(clip_);
    headerClip_->setHidden(true);
    addSubview(headerClip_);
    scroller_->setHidden(true);
    addSubview(scroller_);
    horizontalScroller_->setOrientation(Scroller::Orientation::horizontal);
    horizontalScroller_->setHidden(true);
    addSubview(horizontalScroller_);
}

void ScrollView::setHasVerticalScroller(bool has) {
    hasVerticalScroller_ = has;
    scroller_->setHidden(!has);
    setNeedsLayout();
}

void ScrollView::setHasHorizontalScroller(bool has) {
    hasHorizontalScroller_ = has;
    horizontalScroller_->setHidden(!has);
    setNeedsLayout();
}

void ScrollView::setAutohidesScrollers(bool autohides) {
    autohidesScrollers_ = autohides;
    setNeedsLayout();
}

void ScrollView::setHeaderView(std::shared_ptr<View> header) {
    if (header.get() == headerView())
        return;
    headerClip_->setDocumentView(std::move(header));
    headerClip_->setHidden(!headerView());
    tile();
}

void ScrollView::reflectScrolledClipView(ClipView& clip) {
    if (&clip != clip_.get())
        return;
    if (hasVerticalScroller_)
        scroller_->setNeedsDisplay();
    if (hasHorizontalScroller_)
        horizontalScroller_->setNeedsDisplay();
    if (headerView())
        headerClip_->scrollToPoint({clip.bounds().minX(), 0});
}

void ScrollView::tile() {
    const Rect b = bounds();
    const View* document = documentView();
    const Size content = document ? document->frame().size : Size{};
    const double headerHeight = headerView() ? headerView()->frame().height() : 0;
    const double visibleHeight = std::max(0.0, b.height() - headerHeight);
    bool vertical = hasVerticalScroller_;
    bool horizontal = hasHorizontalScroller_;
    if (autohidesScrollers_) {
        // Each scroller's room may be what makes the other one needed.
        vertical = hasVerticalScroller_ && content.height > visibleHeight;
        horizontal = hasHorizontalScroller_ && content.width > b.width() - (vertical ? kScrollerWidth : 0);
        if (hasVerticalScroller_ && !vertical && horizontal)
            vertical = content.height > visibleHeight - kScrollerWidth;
    }
    const double v = vertical ? kScrollerWidth : 0;
    const double h = horizontal ? kScrollerWidth : 0;
    scroller_->setHidden(!vertical);
    horizontalScroller_->setHidden(!horizontal);
    const Rect clip{0, headerHeight, std::max(0.0, b.width() - v), std::max(0.0, visibleHeight - h)};
    clip_->setFrame(clip);
    scroller_->setFrame(Rect{b.maxX() - v, headerHeight, v, clip.height()});
    horizontalScroller_->setFrame(Rect{0, b.maxY() - h, clip.width(), h});
    if (View* header = headerView()) {
        headerClip_->setFrame(Rect{0, 0, b.width(), headerHeight});
        const double width = std::max(content.width, clip.width()) + (b.width() - clip.width());
        header->setFrame(Rect{0, 0, width, headerHeight});
        headerClip_->scrollToPoint({clip_->bounds().minX(), 0});
    }
}

void ScrollView::setDrawsBackground(bool draws) {
    drawsBackground_ = draws;
    setNeedsDisplay();
}

void ScrollView::setBackgroundColor(Color color) {
    backgroundColor_ = color;
    setNeedsDisplay();
}

void ScrollView::layout() {
    View::layout();
    tile();
}

namespace {

// Whether `view` is drawn at full strength: not hidden, faded or in a faded layer.
bool drawnWhole(const View& view) {
    return !view.isHidden() && view.alpha() >= 1 && (!view.layer() || view.layer()->opacity() >= 1);
}

} // namespace

Rect ScrollView::coveredByDocument() const {
    const View* document = documentView();
    if (!document || !document->isOpaque() || !drawnWhole(*document) || !drawnWhole(*clip_))
        return {};
    return clip_->frame().intersection(document->convertTo(document->bounds(), this));
}

void ScrollView::draw(GraphicsContext& context, const Rect&) {
    if (!drawsBackground_)
        return;
    // An opaque document paints over all of the clip view it covers: the background is filled
    // around that only, and under the pixels along its edges, which the document may cover in part.
    const auto grid = pixelGrid(context);
    const Rect hidden = grid ? grid->wholePixelsInside(coveredByDocument()) : Rect{};
    if (hidden.isEmpty()) {
        context.fillRect(bounds(), backgroundColor_);
        return;
    }
    std::vector<Rect> shown;
    subtractRect(bounds(), hidden, shown);
    for (const Rect& part : shown)
        context.fillRect(part, backgroundColor_);
}

bool ScrollView::scrollWheel(const Event& event) {
    const Point origin = clip_->bounds().origin;
    clip_->scrollToPoint({origin.x - event.scrollingDelta.x, origin.y - event.scrollingDelta.y});
    return true;
}

ScrollView* enclosingScrollView(const View& view) {
    for (View* v = view.superview(); v; v = v->superview())
        if (auto* scroll = dynamic_cast<ScrollView*>(v))
            return scroll;
    return nullptr;
}

} // namespace tk
