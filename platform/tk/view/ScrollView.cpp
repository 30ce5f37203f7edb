#include "platform/tk/view/ScrollView.h"

#include "platform/tk/base/NotificationCenter.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <algorithm>

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
    scroller_->setHidden(true);
    addSubview(scroller_);
}

void ScrollView::setHasVerticalScroller(bool has) {
    hasVerticalScroller_ = has;
    scroller_->setHidden(!has);
    setNeedsLayout();
}

void ScrollView::reflectScrolledClipView(ClipView& clip) {
    if (&clip == clip_.get() && hasVerticalScroller_)
        scroller_->setNeedsDisplay();
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
    const Rect b = bounds();
    const double scroller = hasVerticalScroller_ ? kScrollerWidth : 0;
    clip_->setFrame(Rect{0, 0, std::max(0.0, b.width() - scroller), b.height()});
    scroller_->setFrame(Rect{b.maxX() - scroller, 0, scroller, b.height()});
}

void ScrollView::draw(GraphicsContext& context, const Rect&) {
    if (drawsBackground_)
        context.fillRect(bounds(), backgroundColor_);
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
