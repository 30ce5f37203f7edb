#include "platform/tk/view/ToolTips.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

constexpr double kPaddingX = 7;
constexpr double kPaddingY = 4;
constexpr double kBelowPointer = 20;
constexpr double kMaxTextWidth = 300;

TextAttributes tipAttributes() {
    TextAttributes a;
    a.font = Font::system(11);
    a.color = labelColor();
    return a;
}

// The nearest view from `view` upwards that has a tool tip.
View* tipOwner(View* view) {
    for (; view; view = view->superview())
        if (!view->shownToolTip().empty())
            return view;
    return nullptr;
}

class ToolTipView final : public View {
public:
    explicit ToolTipView(std::string text) : text_(std::move(text)) {
        const Size s = measureText(text_, tipAttributes(), kMaxTextWidth);
        setFrameSize({std::ceil(s.width) + 2 * kPaddingX, std::ceil(s.height) + 2 * kPaddingY});
        setAllowsHitTesting(false);
    }
    const std::string& text() const { return text_; }
    void draw(GraphicsContext& context, const Rect&) override {
        const Rect b = bounds().insetBy(0.5, 0.5);
        const Path shape = Path::roundedRect(b, 4);
        context.fillPath(shape, controlBackgroundColor().blended(0.1, Color::white()));
        context.strokePath(shape, separatorColor().withAlpha(0.25));
        context.drawText(text_, bounds().insetBy(kPaddingX, kPaddingY), tipAttributes());
    }

private:
    std::string text_;
};

} // namespace

ToolTipController::ToolTipController(Window& window) : window_(window) {}

ToolTipController::~ToolTipController() = default;

std::string ToolTipController::shownText() const {
    return tip_ ? static_cast<const ToolTipView&>(*tip_).text() : std::string();
}

void ToolTipController::pointerMoved(View* hit, Point locationInWindow) {
    pointer_ = locationInWindow;
    View* owner = tipOwner(hit);
    if (View* s = suppressed_.lock().get(); s && s != owner)
        suppressed_.reset();
    if (owner && owner == suppressed_.lock().get())
        return;
    if (owner && owner == owner_.lock().get())
        return; // pending or shown for this view already
    hide();
    owner_.reset();
    if (!owner)
        return;
    owner_ = owner->weakView();
    timer_ = RunLoop::main().scheduleTimer(
        kToolTipDelay, false, [this] { show(); }, TimerModes::defaultOnly);
}

void ToolTipController::dismiss() {
    if (auto owner = owner_.lock())
        suppressed_ = owner;
    owner_.reset();
    hide();
}

void ToolTipController::viewWillDisappear(View& view) {
    if (auto owner = owner_.lock(); owner && owner->isDescendantOf(view)) {
        owner_.reset();
        hide();
    }
}

void ToolTipController::show() {
    auto owner = owner_.lock();
    if (!owner || owner->window() != &window_ || owner->isHiddenOrHasHiddenAncestor() ||
        owner->shownToolTip().empty())
        return;
    hide();
    tip_ = View::make<ToolTipView>(owner->shownToolTip());
    const Size size = tip_->frame().size;
    const Size room = window_.contentSize();
    const double x = std::clamp(pointer_.x, 0.0, std::max(0.0, room.width - size.width));
    double y = pointer_.y + kBelowPointer;
    if (y + size.height > room.height) // no room below: above the pointer
        y = pointer_.y - size.height - 4;
    tip_->setFrameOrigin({std::round(x), std::round(std::max(0.0, y))});
    window_.addOverlayView(tip_);
}

void ToolTipController::hide() {
    timer_.invalidate();
    if (auto tip = std::exchange(tip_, nullptr))
        window_.removeOverlayView(tip.get());
}

} // namespace tk
