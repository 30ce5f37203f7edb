// Gesture recognition for the nodes that carry gestures (see Gesture.h).

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/NodeView.h"
#include "platform/tk/view/Window.h"

#include <optional>
#include <vector>

namespace tk::ui {
namespace {

struct GestureNodeData final : NodeData {
    Node content;
    std::vector<TapGesture> taps;
    std::vector<DragGesture> drags;
    std::function<std::optional<DragItem>()> dragOut;
    std::shared_ptr<NodeView> makeView() const override;
};

class GestureView final : public WrapperView {
public:
    GestureView() { measuresAsChild_ = true; }

    // The whole rect takes the pointer, including the parts the content leaves empty.
    bool hitTestSelf(Point p) const override { return Rect(Point{}, bounds().size).contains(p); }

    bool mouseDown(const Event& e) override {
        TK_CHECK_MAIN_THREAD();
        if (!context_.environment.get<IsEnabledKey>() || (taps_.empty() && drags_.empty() && !dragOut_))
            return false;
        auto keepAlive = sharedView(); // a handler may rebuild the tree around this view
        EnvironmentScope scope(context_.environment);
        const Point loc = locationOf(e);
        press_ = Press{loc, loc, e.clickCount, false, false, std::vector<bool>(drags_.size(), false)};
        for (std::size_t i = 0; i < drags_.size(); ++i) {
            if (drags_[i].minimumDistance <= 0) {
                press_->active[i] = true;
                call(drags_[i].onChanged, value(loc, e));
            }
        }
        return true;
    }

    bool mouseDragged(const Event& e) override {
        if (!press_)
            return false;
        auto keepAlive = sharedView();
        EnvironmentScope scope(context_.environment);
        const Point loc = locationOf(e);
        const double moved = loc.distanceTo(press_->start);
        if (press_->draggedOut)
            return true;
        if (moved > kTapSlop)
            press_->tapFailed = true;
        if (dragOut_ && moved >= kDragOutDistance) {
            press_->draggedOut = true;
            press_->tapFailed = true;
            auto provider = dragOut_;
            if (auto item = provider())
                beginDraggingSession(*item, e);
            return true;
        }
        press_->active.resize(drags_.size(), false);
        for (std::size_t i = 0; i < drags_.size() && press_; ++i) {
            if (!press_->active[i] && moved >= drags_[i].minimumDistance) {
                press_->active[i] = true;
                press_->tapFailed = true;
            }
            if (press_ && press_->active[i])
                call(drags_[i].onChanged, value(loc, e));
        }
        return true;
    }

    bool mouseUp(const Event& e) override {
        if (!press_)
            return false;
        auto keepAlive = sharedView();
        EnvironmentScope scope(context_.environment);
        const Press p = *std::exchange(press_, std::nullopt);
        const Point loc = locationOf(e);
        const auto drags = drags_;
        const auto taps = taps_;
        for (std::size_t i = 0; i < drags.size() && i < p.active.size(); ++i)
            if (p.active[i])
                call(drags[i].onEnded, value(loc, e, p.start));
        if (p.tapFailed)
            return true;
        const int clicks = e.clickCount > 0 ? e.clickCount : (p.clickCount > 0 ? p.clickCount : 1);
        const ModifierFlags held = e.modifierFlags & kShortcutModifierMask;
        for (const auto& t : taps) {
            if (t.count <= 0 || clicks % t.count != 0)
                continue;
            if (t.modifiers != ModifierFlags::none && !contains(held, t.modifiers & kShortcutModifierMask))
                continue;
            if (t.onEnded)
                t.onEnded(loc);
        }
        return true;
    }

    void mouseCancelled(const Event& e) override { cancel(locationOf(e), e.modifierFlags); }

    void dismantle() override {
        // A press in progress ends through the window's cancel path when it has one, else here.
        if (press_ && window() && window()->mouseCaptureView() == this)
            window()->cancelTracking();
        if (press_)
            cancel(press_->last, ModifierFlags::none);
        WrapperView::dismantle();
    }

protected:
    void update(const NodeData& node) override {
        const auto& d = static_cast<const GestureNodeData&>(node);
        taps_ = d.taps;
        drags_ = d.drags;
        dragOut_ = d.dragOut;
        setContent(d.content, context_);
    }

private:
    struct Press {
        Point start;
        Point last;
        int clickCount = 0;
        bool tapFailed = false;
        bool draggedOut = false;
        std::vector<bool> active;
    };

    DragValue value(Point loc, const Event& e, std::optional<Point> start = std::nullopt) {
        const Point from = start ? *start : press_->start;
        if (press_)
            press_->last = loc;
        return DragValue{loc, from, loc - from, bounds().size, e.modifierFlags, false};
    }

    static void call(const std::function<void(const DragValue&)>& f, const DragValue& v) {
        if (f) {
            auto copy = f; // the handler may lead to this gesture being replaced
            copy(v);
        }
    }

    void cancel(Point loc, ModifierFlags flags) {
        if (!press_)
            return;
        auto keepAlive = sharedView();
        EnvironmentScope scope(context_.environment);
        const Press p = *std::exchange(press_, std::nullopt);
        const auto drags = drags_;
        for (std::size_t i = 0; i < drags.size() && i < p.active.size(); ++i) {
            if (!p.active[i])
                continue;
            DragValue v{loc, p.start, loc - p.start, bounds().size, flags, true};
            if (drags[i].onCancelled)
                call(drags[i].onCancelled, v);
            else
                call(drags[i].onEnded, v);
        }
    }

    std::vector<TapGesture> taps_;
    std::vector<DragGesture> drags_;
    std::function<std::optional<DragItem>()> dragOut_;
    std::optional<Press> press_;
};

std::shared_ptr<NodeView> GestureNodeData::makeView() const {
    return View::make<GestureView>();
}

// The gesture data of `node` to add to: a copy of its own when it already carries gestures (so
// all gestures of one node share one press), else a new wrapper.
std::shared_ptr<GestureNodeData> gestureData(const Node& node) {
    if (auto* g = dynamic_cast<const GestureNodeData*>(node.data()); g && !g->identity)
        return std::make_shared<GestureNodeData>(*g);
    auto d = std::make_shared<GestureNodeData>();
    d->content = node;
    return d;
}

} // namespace

Node Node::gesture(TapGesture tap) const {
    auto d = gestureData(*this);
    d->taps.push_back(std::move(tap));
    return Node(std::move(d));
}

Node Node::gesture(DragGesture drag) const {
    auto d = gestureData(*this);
    d->drags.push_back(std::move(drag));
    return Node(std::move(d));
}

Node Node::onDrag(std::function<std::optional<DragItem>()> provider) const {
    auto d = gestureData(*this);
    d->dragOut = std::move(provider);
    return Node(std::move(d));
}

Node Node::onTapGesture(std::function<void()> action, int count) const {
    return gesture(TapGesture{count, ModifierFlags::none, [action = std::move(action)](Point) {
                                  if (action)
                                      action();
                              }});
}

} // namespace tk::ui
