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
}

void ScrollView::setHasVerticalScroller(bool has) {
    hasVerticalScroller_ = has;
    setNeedsLayout();
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
}

void ScrollView::draw(GraphicsContext& context, const Rect&) {
    if (drawsBackground_)
        context.fillRect(bounds(), backgroundColor_);
    if (!hasVerticalScroller_)
        return;
    const Rect b = bounds();
    const Rect track{b.maxX() - kScrollerWidth, 0, kScrollerWidth, b.height()};
    context.fillRect(track, Color::gray(0.5, 0.08));
    const View* document = documentView();
    const double content = document ? document->frame().height() : 0;
    if (content <= b.height())
        return;
    const double length = std::max(20.0, b.height() * b.height() / content);
    const double y = clip_->bounds().minY() / (content - b.height()) * (b.height() - length);
    context.fillPath(Path::roundedRect(Rect{track.minX() + 4, y + 2, kScrollerWidth - 8, length - 4}, 3.5),
                     Color::gray(0.6, 0.6));
}

bool ScrollView::scrollWheel(const Event& event) {
    const Point origin = clip_->bounds().origin;
    clip_->scrollToPoint({origin.x - event.scrollingDelta.x, origin.y - event.scrollingDelta.y});
    setNeedsDisplay();
    return true;
}

ScrollView* enclosingScrollView(const View& view) {
    for (View* v = view.superview(); v; v = v->superview())
        if (auto* scroll = dynamic_cast<ScrollView*>(v))
            return scroll;
    return nullptr;
}

} // namespace tk
