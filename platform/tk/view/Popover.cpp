#include "platform/tk/view/Popover.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/view/Event.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>

namespace tk {

// The panel in the window: draws the popover's background and holds the content view.
class Popover::FrameView : public View {
public:
    explicit FrameView(const Popover& owner) : owner_(&owner) {}
    void draw(GraphicsContext& context, const Rect&) override { owner_->drawBackground(context, bounds()); }
    // Clicks on the panel leave the focus with whoever has it (the field that opened it).
    bool clicksKeepFocus() const override { return true; }
    bool mouseDown(const Event&) override { return true; }

private:
    const Popover* owner_;
};

Popover::Popover() : frameView_(View::make<FrameView>(*this)) {}

Popover::~Popover() {
    close();
}

void Popover::setContentView(std::shared_ptr<View> view) {
    if (content_)
        content_->removeFromSuperview();
    content_ = std::move(view);
    if (content_)
        frameView_->addSubview(content_);
    place();
}

void Popover::setContentSize(Size size) {
    contentSize_ = size;
    place();
}

void Popover::setBackgroundColor(Color color) {
    backgroundColor_ = color;
    frameView_->setNeedsDisplay();
}

bool Popover::isShown() const {
    return frameView_->window() != nullptr;
}

Rect Popover::frame() const {
    return isShown() ? frameView_->frame() : Rect::zero();
}

void Popover::show(const Rect& rect, View& positioningView, RectEdge preferredEdge) {
    Window* window = positioningView.window();
    if (!window)
        return;
    if (isShown() && frameView_->window() != window)
        close();
    positioningView_ = std::static_pointer_cast<View>(positioningView.shared_from_this());
    positioningRect_ = rect;
    preferredEdge_ = preferredEdge;
    if (!isShown()) {
        window->addOverlayView(frameView_);
        windowClose_ = window->observeWillClose([this](Window&) { close(); });
        watchForDismissal(*window);
    }
    place();
}

void Popover::setBehavior(Behavior behavior) {
    behavior_ = behavior;
    if (Window* window = frameView_->window())
        watchForDismissal(*window);
}

void Popover::watchForDismissal(Window& window) {
    dismissal_.cancel();
    keyLoss_.cancel();
    if (behavior_ != Behavior::transient)
        return;
    dismissal_ = window.monitorEvents([this](const Event& event) { return dismisses(event); });
    keyLoss_ = window.observeKeyState([this](Window&, bool isKey) {
        if (!isKey)
            close();
    });
}

bool Popover::dismisses(const Event& event) {
    if (event.type == EventType::mouseDown && !frameView_->frame().contains(event.locationInWindow)) {
        close();
        return false; // the press still reaches what it landed on
    }
    if (event.type == EventType::keyDown && event.keyCode == KeyCode::escape &&
        (event.modifierFlags & kShortcutModifierMask) == ModifierFlags::none) {
        close();
        return true;
    }
    return false;
}

void Popover::close() {
    windowClose_.cancel();
    dismissal_.cancel();
    keyLoss_.cancel();
    if (isShown())
        frameView_->removeFromSuperview();
    positioningView_.reset();
}

void Popover::performClose() {
    close();
}

namespace {
RectEdge opposite(RectEdge edge) {
    switch (edge) {
    case RectEdge::minX:
        return RectEdge::maxX;
    case RectEdge::maxX:
        return RectEdge::minX;
    case RectEdge::minY:
        return RectEdge::maxY;
    case RectEdge::maxY:
        return RectEdge::minY;
    }
    return edge;
}

bool isVertical(RectEdge edge) {
    return edge == RectEdge::minY || edge == RectEdge::maxY;
}

// The panel's size, arrow included, on `edge`.
Size panelSize(Size content, RectEdge edge) {
    return isVertical(edge) ? Size{content.width, content.height + Popover::kArrowHeight}
                            : Size{content.width + Popover::kArrowHeight, content.height};
}

// Where the panel of `size` starts on `edge` of `anchor` (window coordinates).
Point panelOrigin(const Rect& anchor, Size size, RectEdge edge) {
    switch (edge) {
    case RectEdge::maxY:
        return {anchor.midX() - size.width / 2, anchor.maxY()};
    case RectEdge::minY:
        return {anchor.midX() - size.width / 2, anchor.minY() - size.height};
    case RectEdge::maxX:
        return {anchor.maxX(), anchor.midY() - size.height / 2};
    case RectEdge::minX:
        return {anchor.minX() - size.width, anchor.midY() - size.height / 2};
    }
    return {};
}

// Whether the panel on `edge` stays inside the window across the edge (along it, it is moved in).
bool fitsAcross(const Rect& anchor, Size content, RectEdge edge, Size room) {
    const Size size = panelSize(content, edge);
    const Point origin = panelOrigin(anchor, size, edge);
    return isVertical(edge) ? origin.y >= 0 && origin.y + size.height <= room.height
                            : origin.x >= 0 && origin.x + size.width <= room.width;
}
} // namespace

void Popover::place() {
    auto view = positioningView_.lock();
    Window* window = view ? view->window() : nullptr;
    const bool placing = isShown() && window;
    const Rect anchor = placing ? view->convertTo(positioningRect_, nullptr) : Rect::zero();
    // The preferred edge, or the opposite one when only that has room (not over the rect itself).
    edge_ = preferredEdge_;
    if (placing && !fitsAcross(anchor, contentSize_, edge_, window->contentSize()) &&
        fitsAcross(anchor, contentSize_, opposite(edge_), window->contentSize()))
        edge_ = opposite(edge_);

    const Size size = panelSize(contentSize_, edge_);
    Rect contentFrame{0, 0, contentSize_.width, contentSize_.height};
    if (edge_ == RectEdge::maxY)
        contentFrame.origin.y = kArrowHeight;
    else if (edge_ == RectEdge::maxX)
        contentFrame.origin.x = kArrowHeight;
    if (content_)
        content_->setFrame(contentFrame);
    if (!placing)
        return;
    Point origin = panelOrigin(anchor, size, edge_);
    // Inside the window where it would stick out (the arrow keeps pointing at the rect).
    const Size room = window->contentSize();
    origin.x = std::clamp(origin.x, 0.0, std::max(0.0, room.width - size.width));
    origin.y = std::clamp(origin.y, 0.0, std::max(0.0, room.height - size.height));
    frameView_->setFrame(Rect{origin, size}.integral());
    frameView_->setNeedsDisplay();
}

void Popover::drawBackground(GraphicsContext& context, const Rect& bounds) const {
    const double arrow = kArrowHeight;
    Rect panel = bounds;
    Path tip;
    // The arrow points at the middle of the positioning rect's side, within the panel's corners.
    const Rect f = frame();
    auto view = positioningView_.lock();
    const Rect anchor = view && view->window() ? view->convertTo(positioningRect_, nullptr) : f;
    const double half = kArrowWidth / 2;
    switch (edge_) {
    case RectEdge::maxY: {
        panel = Rect{bounds.x(), bounds.y() + arrow, bounds.width(), bounds.height() - arrow};
        const double x =
            std::clamp(anchor.midX() - f.x(), kCornerRadius + half, bounds.width() - kCornerRadius - half);
        tip.moveTo({x - half, panel.minY() + 0.5});
        tip.lineTo({x, bounds.minY()});
        tip.lineTo({x + half, panel.minY() + 0.5});
        break;
    }
    case RectEdge::minY: {
        panel = Rect{bounds.x(), bounds.y(), bounds.width(), bounds.height() - arrow};
        const double x =
            std::clamp(anchor.midX() - f.x(), kCornerRadius + half, bounds.width() - kCornerRadius - half);
        tip.moveTo({x - half, panel.maxY() - 0.5});
        tip.lineTo({x, bounds.maxY()});
        tip.lineTo({x + half, panel.maxY() - 0.5});
        break;
    }
    case RectEdge::maxX: {
        panel = Rect{bounds.x() + arrow, bounds.y(), bounds.width() - arrow, bounds.height()};
        const double y =
            std::clamp(anchor.midY() - f.y(), kCornerRadius + half, bounds.height() - kCornerRadius - half);
        tip.moveTo({panel.minX() + 0.5, y - half});
        tip.lineTo({bounds.minX(), y});
        tip.lineTo({panel.minX() + 0.5, y + half});
        break;
    }
    case RectEdge::minX: {
        panel = Rect{bounds.x(), bounds.y(), bounds.width() - arrow, bounds.height()};
        const double y =
            std::clamp(anchor.midY() - f.y(), kCornerRadius + half, bounds.height() - kCornerRadius - half);
        tip.moveTo({panel.maxX() - 0.5, y - half});
        tip.lineTo({bounds.maxX(), y});
        tip.lineTo({panel.maxX() - 0.5, y + half});
        break;
    }
    }
    tip.closeSubpath();
    const Path body = Path::roundedRect(panel.insetBy(0.5, 0.5), kCornerRadius);
    const Color border = Color{1, 1, 1, 0.18};
    context.strokePath(tip, border);
    context.strokePath(body, border);
    context.fillPath(body, backgroundColor_);
    context.fillPath(tip, backgroundColor_);
}

} // namespace tk
