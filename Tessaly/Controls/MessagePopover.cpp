#include "Tessaly/Controls/MessagePopover.h"

#include "platform/tk/view/View.h"

#include <algorithm>

namespace Tessaly {

namespace {
// The popover's content: the text pinned 12 points inside it on every side.
class MessageContentView : public tk::View {
public:
    using tk::View::View;
    void frameDidChange(const tk::Rect& oldFrame) override {
        tk::View::frameDidChange(oldFrame);
        for (auto& child : subviews())
            child->setFrame(
                bounds().insetBy(SimpleTextViewPopover::kTextInset, SimpleTextViewPopover::kTextInset));
    }
};
} // namespace

SimpleTextViewPopover::SimpleTextViewPopover() {
    const auto s = style();
    setAnimates(true);
    setBehavior(Behavior::applicationDefined);
    setBackgroundColor(s->backgroundColor());

    contentTextField_ = tk::View::make<tk::CellTextField>();
    contentTextField_->setFont(s->font());
    contentTextField_->setTextColor(s->textColor());
    contentTextField_->setBordered(false);
    contentTextField_->setBezeled(false);
    contentTextField_->setDrawsBackground(false);
    contentTextField_->setEditable(false);
    contentTextField_->setSelectable(false);
    contentTextField_->cell()->setFocusRingType(tk::FocusRingType::none);

    auto content = tk::View::make<MessageContentView>();
    content->addSubview(contentTextField_);
    setContentView(std::move(content));
}

std::shared_ptr<PopoverStyle> SimpleTextViewPopover::style() {
    static const auto shared = std::make_shared<PopoverStyle>();
    return shared;
}

void SimpleTextViewPopover::show(const tk::Rect& rect, tk::View& positioningView,
                                 tk::RectEdge preferredEdge) {
    currentPositioningView_ = std::static_pointer_cast<tk::View>(positioningView.shared_from_this());
    tk::Popover::show(rect, positioningView, preferredEdge);
}

void SimpleTextViewPopover::close() {
    currentPositioningView_.reset();
    tk::Popover::close();
}

tk::Size SimpleTextViewPopoverController::contentSizeFor(const std::string& message) {
    popover_.contentTextField().setText(message);
    const tk::Size text = popover_.contentTextField().intrinsicContentSize();
    const tk::Size padding = SimpleTextViewPopover::style()->padding();
    // The style's padding, but never less than the inset the text sits at: nothing is clipped.
    const double inset = SimpleTextViewPopover::kTextInset;
    return {text.width + 2 * std::max(padding.width, inset),
            text.height + 2 * std::max(padding.height, inset)};
}

void SimpleTextViewPopoverController::show(const std::optional<std::string>& message, tk::View& view,
                                           tk::RectEdge edge) {
    popover_.setContentSize(contentSizeFor(message.value_or(std::string{})));
    popover_.show(view.bounds(), view, edge);
}

void SimpleTextViewPopoverController::setMessage(const std::string& message) {
    if (message == popover_.contentTextField().text())
        return;
    popover_.setContentSize(contentSizeFor(message));
}

void SimpleTextViewPopoverController::close() {
    popover_.performClose();
}

} // namespace Tessaly
