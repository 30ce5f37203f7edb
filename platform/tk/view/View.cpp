#include "platform/tk/view/View.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/GestureRecognizer.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <memory_resource>

namespace tk {

View::View(Rect frame) : frame_(frame) {}

View::~View() {
    for (auto& recognizer : recognizers_)
        recognizer->view_ = nullptr;
    for (auto& child : subviews_) {
        child->superview_ = nullptr;
        if (child->window_)
            child->setWindowRecursively(nullptr);
    }
}

std::shared_ptr<View> View::sharedView() {
    return std::static_pointer_cast<View>(weak_from_this().lock());
}

std::weak_ptr<View> View::weakView() {
    return sharedView();
}

// --- Geometry ----------------------------------------------------------------------------------

void View::setFrame(const Rect& frame) {
    if (frame == frame_)
        return;
    const Rect old = frame_;
    const Size oldBoundsSize = bounds().size;
    markSubtreeForDisplay(); // where it was
    frame_ = frame;
    if (old.size != frame.size) {
        resizeSubviewsWithOldSize(oldBoundsSize);
        if (resizingNeedsLayout_)
            setNeedsLayout();
        updateTrackingAreas();
    }
    frameDidChange(old);
    needsDisplay_ = true;
    markSubtreeForDisplay();
    if (!pinnedViews_.empty()) {
        auto pinned = pinnedViews_;
        for (auto& weak : pinned)
            if (auto view = weak.lock())
                view->applyEdgePin();
    }
}

void View::pinToEdges(View* other, EdgeInsets insets) {
    if (!other || other == this)
        return;
    if (auto previous = pinnedTo_.lock())
        std::erase_if(previous->pinnedViews_,
                      [this](const std::weak_ptr<View>& w) { return w.lock().get() == this; });
    translatesAutoresizingMask_ = false;
    pinnedTo_ = other->weakView();
    pinInsets_ = insets;
    other->pinnedViews_.push_back(weakView());
    applyEdgePin();
}

void View::applyEdgePin() {
    auto other = pinnedTo_.lock();
    if (!other || !superview_)
        return;
    // The other view's bounds in this view's superview's coordinates.
    const Rect edges = other.get() == superview_ ? superview_->bounds()
                                                 : superview_->convertFrom(other->bounds(), other.get());
    const EdgeInsets& i = pinInsets_;
    const Rect span{edges.x() + i.left, edges.y() + i.top, edges.width() - i.left - i.right,
                    edges.height() - i.top - i.bottom};
    const bool holds = std::max({hugging_[0], hugging_[1], compressionResistance_[0],
                                 compressionResistance_[1]}) >= kLayoutPriorityRequired;
    if (!holds) {
        setFrame(span);
        return;
    }
    // Only a required priority holds against the pin: the view keeps its size, centred.
    const Size intrinsic = intrinsicContentSize();
    const auto keep = [](double spanLength, double metric, LayoutPriority hugging,
                         LayoutPriority resistance) {
        if (metric == kNoIntrinsicMetric || metric < 0)
            return spanLength;
        if ((spanLength > metric && hugging >= kLayoutPriorityRequired) ||
            (spanLength < metric && resistance >= kLayoutPriorityRequired))
            return metric;
        return spanLength;
    };
    const double width = keep(span.width(), intrinsic.width, hugging_[0], compressionResistance_[0]);
    const double height = keep(span.height(), intrinsic.height, hugging_[1], compressionResistance_[1]);
    setFrame({width == span.width() ? span.x() : span.midX() - width / 2,
              height == span.height() ? span.y() : span.midY() - height / 2, width, height});
}

LayoutPriority View::contentHuggingPriority(LayoutOrientation orientation) const {
    return hugging_[orientation == LayoutOrientation::vertical];
}

void View::setContentHuggingPriority(LayoutPriority priority, LayoutOrientation orientation) {
    hugging_[orientation == LayoutOrientation::vertical] = priority;
    applyEdgePin();
}

LayoutPriority View::contentCompressionResistancePriority(LayoutOrientation orientation) const {
    return compressionResistance_[orientation == LayoutOrientation::vertical];
}

void View::setContentCompressionResistancePriority(LayoutPriority priority, LayoutOrientation orientation) {
    compressionResistance_[orientation == LayoutOrientation::vertical] = priority;
    applyEdgePin();
}

void View::setFrameOrigin(Point origin) {
    setFrame({origin, frame_.size});
}

void View::setFrameSize(Size size) {
    setFrame({frame_.origin, size});
}

void View::setBoundsOrigin(Point origin) {
    if (origin == boundsOrigin_)
        return;
    markSubtreeForDisplay();
    boundsOrigin_ = origin;
    needsDisplay_ = true;
    markSubtreeForDisplay();
}

void View::setBoundsSize(Size size) {
    const Size oldBoundsSize = bounds().size;
    auto scaleFor = [](double frameSide, double boundsSide) {
        return (frameSide > 0 && boundsSide > 0 && std::isfinite(boundsSide)) ? frameSide / boundsSide : 1.0;
    };
    const double scaleX = scaleFor(frame_.size.width, size.width);
    const double scaleY = scaleFor(frame_.size.height, size.height);
    if (scaleX == boundsScaleX_ && scaleY == boundsScaleY_)
        return;
    markSubtreeForDisplay(); // drawn at the old scale
    boundsScaleX_ = scaleX;
    boundsScaleY_ = scaleY;
    if (bounds().size != oldBoundsSize) {
        resizeSubviewsWithOldSize(oldBoundsSize);
        setNeedsLayout();
    }
    needsDisplay_ = true;
    markSubtreeForDisplay();
}

void View::frameDidChange(const Rect&) {}

void View::resizeSubviewsWithOldSize(Size oldSize) {
    const Size newSize = bounds().size;
    const double dw = newSize.width - oldSize.width;
    const double dh = newSize.height - oldSize.height;
    if (dw == 0 && dh == 0)
        return;
    for (auto& child : subviews_) {
        const AutoresizingMask m = child->autoresizingMask_;
        if (m == AutoresizingMask::none || !child->translatesAutoresizingMask_)
            continue;
        Rect f = child->frame_;
        // The change is shared equally among the flexible parts of each axis.
        auto share = [](double delta, bool minFlex, bool sizeFlex, bool maxFlex, double& origin,
                        double& length) {
            const int parts = int(minFlex) + int(sizeFlex) + int(maxFlex);
            if (parts == 0)
                return;
            const double each = delta / parts;
            if (minFlex)
                origin += each;
            if (sizeFlex)
                length = std::max(0.0, length + each);
        };
        share(dw, contains(m, AutoresizingMask::minXMargin), contains(m, AutoresizingMask::widthSizable),
              contains(m, AutoresizingMask::maxXMargin), f.origin.x, f.size.width);
        share(dh, contains(m, AutoresizingMask::minYMargin), contains(m, AutoresizingMask::heightSizable),
              contains(m, AutoresizingMask::maxYMargin), f.origin.y, f.size.height);
        child->setFrame(f);
    }
}

// --- Tree --------------------------------------------------------------------------------------

void View::addSubview(std::shared_ptr<View> view) {
    addSubview(std::move(view), SubviewOrder::above, nullptr);
}

void View::addSubview(std::shared_ptr<View> view, SubviewOrder order, const View* relativeTo) {
    std::size_t index = order == SubviewOrder::above ? subviews_.size() : 0;
    if (relativeTo) {
        auto it = std::find_if(subviews_.begin(), subviews_.end(),
                               [&](const std::shared_ptr<View>& v) { return v.get() == relativeTo; });
        if (it != subviews_.end())
            index = std::size_t(it - subviews_.begin()) + (order == SubviewOrder::above ? 1 : 0);
    }
    insertSubview(std::move(view), index);
}

void View::insertSubview(std::shared_ptr<View> view, std::size_t index) {
    TK_CHECK_MAIN_THREAD();
    if (!view || isDescendantOf(*view))
        return;
    if (view->superview_ == this) {
        // A move within the same superview is a reordering: focus and gestures are unaffected.
        auto it = std::find(subviews_.begin(), subviews_.end(), view);
        const std::size_t from = std::size_t(it - subviews_.begin());
        subviews_.erase(it);
        if (index > from)
            --index;
        subviews_.insert(subviews_.begin() + std::ptrdiff_t(std::min(index, subviews_.size())), view);
        setNeedsDisplay();
        view->markSubtreeForDisplay();
        return;
    }
    if (view->superview_) {
        // Leaving the old place within the same window keeps its focus and gesture.
        if (view->window_ && view->window_ != window_)
            view->window_->viewSubtreeWillDisappear(*view);
        view->superview_->willRemoveSubview(*view);
        view->viewWillMoveToSuperview(this);
        auto& siblings = view->superview_->subviews_;
        siblings.erase(std::find(siblings.begin(), siblings.end(), view));
        view->superview_ = nullptr;
    } else {
        view->viewWillMoveToSuperview(this);
    }
    subviews_.insert(subviews_.begin() + std::ptrdiff_t(std::min(index, subviews_.size())), view);
    view->superview_ = this;
    if (view->needsLayout_ || view->subviewNeedsLayout_)
        view->markAncestorsForLayout();
    view->setWindowRecursively(window_);
    view->viewDidMoveToSuperview();
    view->applyEdgePin();
    didAddSubview(*view);
    if (window_)
        window_->viewNeedsLayout();
    setNeedsDisplay();
    view->markSubtreeForDisplay();
}

namespace {
// Where `view` stands among `siblings`, looked for from the top (the end of the list), so that
// views leaving from the top down (removeAllSubviews(), a table giving back its rows) take no
// search and leave the rest of the list where it is.
std::vector<std::shared_ptr<View>>::iterator findFromTop(std::vector<std::shared_ptr<View>>& siblings,
                                                         const View* view) {
    const auto it = std::find_if(siblings.rbegin(), siblings.rend(),
                                 [view](const std::shared_ptr<View>& v) { return v.get() == view; });
    return std::prev(it.base());
}
} // namespace

void View::removeFromSuperview() {
    TK_CHECK_MAIN_THREAD();
    View* parent = superview_;
    if (!parent) {
        if (window_ && window_->isOverlayView(this))
            window_->removeOverlayView(this);
        return;
    }
    // Keeps this view alive until the removal is complete, whoever else holds it.
    std::shared_ptr<View> self = *findFromTop(parent->subviews_, this);
    if (window_)
        window_->viewSubtreeWillDisappear(*this);
    if (superview_ != parent)
        return; // a handler above already moved it
    markSubtreeForDisplay();
    parent->willRemoveSubview(*this);
    viewWillMoveToSuperview(nullptr);
    setWindowRecursively(nullptr);
    parent->subviews_.erase(findFromTop(parent->subviews_, this));
    superview_ = nullptr;
    viewDidMoveToSuperview();
    parent->setNeedsDisplay();
}

void View::removeAllSubviews() {
    auto children = subviews_;
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        (*it)->removeFromSuperview();
}

void View::setSubviews(std::vector<std::shared_ptr<View>> views) {
    auto current = subviews_;
    for (auto& v : current)
        if (std::find(views.begin(), views.end(), v) == views.end())
            v->removeFromSuperview();
    for (std::size_t i = 0; i < views.size(); ++i)
        insertSubview(views[i], i);
}

bool View::isDescendantOf(const View& ancestor) const {
    for (const View* v = this; v; v = v->superview_)
        if (v == &ancestor)
            return true;
    return false;
}

void View::setWindowRecursively(Window* window) {
    if (window_ == window)
        return;
    viewWillMoveToWindow(window);
    window_ = window;
    auto children = subviews_;
    for (auto& child : children)
        child->setWindowRecursively(window);
    if (window_) {
        if (needsLayout_)
            window_->viewNeedsLayout();
        setNeedsDisplay(); // each view of the tree marks its own drawing
        updateTrackingAreas();
    }
    viewDidMoveToWindow();
}

void View::viewWillMoveToSuperview(View*) {}
void View::viewDidMoveToSuperview() {}
void View::viewWillMoveToWindow(Window*) {}
void View::viewDidMoveToWindow() {}
void View::didAddSubview(View&) {}
void View::willRemoveSubview(View&) {}

// --- Appearance --------------------------------------------------------------------------------

void View::setHidden(bool hidden) {
    if (hidden == hidden_)
        return;
    if (hidden && window_)
        window_->viewSubtreeWillDisappear(*this);
    hidden_ = hidden;
    needsDisplay_ = true;
    markSubtreeForDisplay();
}

bool View::isHiddenOrHasHiddenAncestor() const {
    for (const View* v = this; v; v = v->superview_)
        if (v->hidden_)
            return true;
    return false;
}

void View::setAlpha(double alpha) {
    alpha = std::isnan(alpha) ? 0 : std::clamp(alpha, 0.0, 1.0);
    if (alpha == alpha_)
        return;
    alpha_ = alpha;
    needsDisplay_ = true;
    markSubtreeForDisplay();
}

void View::setClipsToBounds(bool clips) {
    if (clips == clipsToBounds_)
        return;
    markSubtreeForDisplay(); // what showed beyond the bounds
    clipsToBounds_ = clips;
    needsDisplay_ = true;
}

// --- Drawing (the tree walk is in ViewDrawing.cpp) -------------------------------------------

void View::setNeedsDisplay() {
    needsDisplay_ = true;
    markForDisplay(drawingBounds());
}

void View::setNeedsDisplayInRect(const Rect& rectInBounds) {
    needsDisplay_ = true;
    markForDisplay(rectInBounds);
}

// The view that draws this one when it is not in a window: the drawer of its tree's top, if any.
View* View::drawerOfTree() const {
    const View* top = this;
    while (top->superview_)
        top = top->superview_;
    return top->drawnBy_;
}

void View::markForDisplay(const Rect& rectInBounds) {
    if (window_) {
        if (window_->displayMarksDeferred())
            return;
        if (!window_->wholeNeedsDisplay() && !rectInBounds.isEmpty())
            window_->setNeedsDisplayInRect(rectInWindow(rectInBounds));
        else
            window_->setNeedsDisplayInRect({}); // asks for a display pass all the same
    } else if (View* drawer = drawerOfTree())
        drawer->setNeedsDisplay();
}

Rect View::rectInWindow(const Rect& rectInBounds) const {
    const Rect r = rectInBounds.standardized().insetBy(-kDrawingSlop, -kDrawingSlop);
    // Both corners in one walk up the tree.
    Point a = r.origin;
    Point b{r.maxX(), r.maxY()};
    for (const View* v = this; v; v = v->superview_) {
        a = v->convertToSuperview(a);
        b = v->convertToSuperview(b);
    }
    return Rect{a, Size{b.x - a.x, b.y - a.y}}.standardized();
}

void View::markSubtreeForDisplay() {
    if (window_) {
        if (window_->wholeNeedsDisplay() || window_->displayMarksDeferred())
            return;
        // Nothing drawn yet (a view not placed yet has no size) leaves nothing to clear.
        const Rect drawn = subtreeDrawingRect();
        if (!drawn.isEmpty())
            window_->setNeedsDisplayInRect(rectInWindow(drawn));
    } else if (View* drawer = drawerOfTree())
        drawer->setNeedsDisplay();
}

Rect View::subtreeDrawingRect() const {
    const Rect own = drawingBounds();
    if (clipsToBounds_)
        return own.intersection(bounds());
    if (subviews_.empty())
        return own;
    // The union is kept as edges (every view of a branch is visited at each display mark).
    bool any = !own.isEmpty();
    double x0 = own.minX(), y0 = own.minY(), x1 = own.maxX(), y1 = own.maxY();
    for (const auto& child : subviews_) {
        const Rect inChild = child->subtreeDrawingRect();
        if (inChild.isEmpty())
            continue;
        const Point a = child->convertToSuperview(inChild.origin);
        const Point b = child->convertToSuperview(Point{inChild.maxX(), inChild.maxY()});
        const double cx0 = std::min(a.x, b.x), cx1 = std::max(a.x, b.x);
        const double cy0 = std::min(a.y, b.y), cy1 = std::max(a.y, b.y);
        if (!(cx1 > cx0 && cy1 > cy0))
            continue; // nothing left of it at this scale
        if (!any) {
            x0 = cx0, y0 = cy0, x1 = cx1, y1 = cy1;
            any = true;
            continue;
        }
        x0 = std::min(x0, cx0), y0 = std::min(y0, cy0);
        x1 = std::max(x1, cx1), y1 = std::max(y1, cy1);
    }
    return any ? Rect{x0, y0, x1 - x0, y1 - y0} : own;
}

void View::draw(GraphicsContext&, const Rect&) {}

// --- Layout ------------------------------------------------------------------------------------

void View::layout() {}

void View::setNeedsLayout() {
    needsLayout_ = true;
    markAncestorsForLayout();
    if (window_)
        window_->viewNeedsLayout();
}

void View::markAncestorsForLayout() {
    for (View* v = superview_; v && !v->subviewNeedsLayout_; v = v->superview_)
        v->subviewNeedsLayout_ = true;
}

void View::layoutSubtreeIfNeeded() {
    if (needsLayout_) {
        needsLayout_ = false;
        layout();
    }
    if (!subviewNeedsLayout_)
        return;
    subviewNeedsLayout_ = false;
    // The subviews as they are now (a layout may change them), on the stack for the usual few.
    std::array<std::byte, 256> scratch;
    std::pmr::monotonic_buffer_resource arena(scratch.data(), scratch.size());
    std::pmr::vector<std::shared_ptr<View>> children(subviews_.begin(), subviews_.end(), &arena);
    for (auto& child : children)
        if (child->superview_ == this && (child->needsLayout_ || child->subviewNeedsLayout_))
            child->layoutSubtreeIfNeeded();
}

Size View::intrinsicContentSize() const {
    return {kNoIntrinsicMetric, kNoIntrinsicMetric};
}

void View::invalidateIntrinsicContentSize() {
    if (superview_)
        superview_->setNeedsLayout();
    setNeedsLayout();
    applyEdgePin();
}

// --- Coordinates -------------------------------------------------------------------------------

Point View::convertFromSuperview(Point p) const {
    return {(p.x - frame_.origin.x) / boundsScaleX_ + boundsOrigin_.x,
            (p.y - frame_.origin.y) / boundsScaleY_ + boundsOrigin_.y};
}

Point View::convertToWindow(Point p) const {
    for (const View* v = this; v; v = v->superview_)
        p = v->convertToSuperview(p);
    return p;
}

Point View::convertFromWindow(Point p) const {
    std::vector<const View*> chain;
    for (const View* v = this; v; v = v->superview_)
        chain.push_back(v);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        p = (*it)->convertFromSuperview(p);
    return p;
}

Point View::convertFrom(Point p, const View* from) const {
    return convertFromWindow(from ? from->convertToWindow(p) : p);
}

Point View::convertTo(Point p, const View* to) const {
    const Point inWindow = convertToWindow(p);
    return to ? to->convertFromWindow(inWindow) : inWindow;
}

namespace {
Rect rectFromCorners(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}
} // namespace

Rect View::convertFrom(const Rect& r, const View* from) const {
    const Rect s = r.standardized();
    return rectFromCorners(convertFrom(s.origin, from), convertFrom(Point{s.maxX(), s.maxY()}, from));
}

Rect View::convertTo(const Rect& r, const View* to) const {
    const Rect s = r.standardized();
    return rectFromCorners(convertTo(s.origin, to), convertTo(Point{s.maxX(), s.maxY()}, to));
}

// --- Hit testing -------------------------------------------------------------------------------

View* View::hitTest(Point pointInSelf) {
    if (hidden_ || !allowsHitTesting_)
        return nullptr;
    if (clipsToBounds_ && !bounds().contains(pointInSelf))
        return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it)
        if (View* hit = (*it)->hitTest((*it)->convertFromSuperview(pointInSelf)))
            return hit;
    return hitTestSelf(pointInSelf) ? this : nullptr;
}

bool View::hitTestSelf(Point pointInSelf) const {
    return bounds().contains(pointInSelf);
}

// --- Tracking areas, cursor --------------------------------------------------------------------

TrackingArea* View::addTrackingArea(TrackingArea area) {
    auto owned = std::make_unique<TrackingArea>(std::move(area));
    owned->view_ = this;
    TrackingArea* raw = owned.get();
    trackingAreas_.push_back(std::move(owned));
    return raw;
}

void View::removeTrackingArea(const TrackingArea* area) {
    auto it = std::find_if(trackingAreas_.begin(), trackingAreas_.end(),
                           [&](const std::unique_ptr<TrackingArea>& a) { return a.get() == area; });
    if (it == trackingAreas_.end())
        return;
    if (window_)
        window_->trackingAreaWillBeRemoved(area);
    trackingAreas_.erase(it);
}

void View::removeAllTrackingAreas() {
    while (!trackingAreas_.empty())
        removeTrackingArea(trackingAreas_.back().get());
}

void View::updateTrackingAreas() {}

void View::setCursor(std::optional<Cursor> cursor) {
    cursor_ = cursor;
    if (window_)
        window_->updateCursor();
}

std::shared_ptr<Menu> View::menuForEvent(const Event&) {
    return menu_;
}

// --- Responder ---------------------------------------------------------------------------------

Responder* View::nextResponder() const {
    if (superview_)
        return superview_;
    if (window_ && (window_->contentView() == this || window_->isOverlayView(this)))
        return window_;
    return nullptr;
}

bool View::isFirstResponder() const {
    return window_ && window_->firstResponder() == this;
}

bool View::canBecomeKeyView() const {
    return window_ && acceptsFirstResponder() && !isHiddenOrHasHiddenAncestor();
}

void View::setNextKeyView(const std::shared_ptr<View>& view) {
    if (View* old = nextKeyView(); old && old->previousKeyView() == this)
        old->previousKeyView_.reset();
    nextKeyView_ = view;
    if (view)
        view->previousKeyView_ = weakView();
}

bool View::performKeyEquivalent(const Event& event) {
    const auto subviews = subviews_; // a view taking the key may change the tree
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it)
        if (!(*it)->isHidden() && (*it)->performKeyEquivalent(event))
            return true;
    return false;
}

DragOperation View::draggingEntered(const DraggingInfo&) {
    return DragOperation::none;
}

std::optional<DragOperation> View::draggingUpdated(const DraggingInfo&) {
    return std::nullopt;
}

void View::draggingExited(const DraggingInfo&) {}

bool View::prepareForDragOperation(const DraggingInfo&) {
    return true;
}

bool View::performDragOperation(const DraggingInfo&) {
    return false;
}

void View::concludeDragOperation(const DraggingInfo&) {}

bool View::beginDraggingSession(const DragItem& item, const Event& event) {
    return window_ && window_->beginDraggingSession(item, *this, event);
}

void View::addGestureRecognizer(std::shared_ptr<GestureRecognizer> recognizer) {
    if (!recognizer || recognizer->view_)
        return;
    recognizer->view_ = this;
    recognizers_.push_back(std::move(recognizer));
}

void View::removeGestureRecognizer(const GestureRecognizer* recognizer) {
    for (auto it = recognizers_.begin(); it != recognizers_.end(); ++it)
        if (it->get() == recognizer) {
            (*it)->handleCancel();
            (*it)->view_ = nullptr;
            recognizers_.erase(it);
            return;
        }
}

} // namespace tk
