#pragma once

// The message popover of the validating fields: SimpleTextViewPopover, a popover holding one
// read-only text field in the PopoverStyle's font and colour, 12 points inside its content view;
// and SimpleTextViewPopoverController, which shows a message in it beside a view.
//
// Showing a message sizes the popover to the message: the text's size plus, on each side, the
// style's padding and at least the 12 points the text sits inside the content, so no message is
// clipped. Replacing the message of a shown popover (setMessage) sizes it again and keeps it
// pointing where it points. The popover closes only when told (application-defined behaviour), and
// with its window.
//
// All members are [main].

#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/WindowStyle.h"

#include "platform/tk/controls/CellTextField.h"
#include "platform/tk/view/Popover.h"

#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class SimpleTextViewPopover : public tk::Popover {
public:
    using ViewStyle = PopoverStyle;
    static constexpr double kTextInset = 12;

    SimpleTextViewPopover();

    // One style shared by every popover, made on first use.
    static std::shared_ptr<PopoverStyle> style();
    StyledControlState controlState() const { return controlState_; }
    void setControlState(StyledControlState state) { controlState_ = state; }

    tk::CellTextField& contentTextField() const { return *contentTextField_; }
    // The view it is shown against while shown.
    tk::View* currentPositioningView() const { return currentPositioningView_.lock().get(); }

    void show(const tk::Rect& rect, tk::View& positioningView, tk::RectEdge preferredEdge) override;
    void close() override;

private:
    std::shared_ptr<tk::CellTextField> contentTextField_;
    std::weak_ptr<tk::View> currentPositioningView_;
    StyledControlState controlState_ = StyledControlState::defaultState;
};

class SimpleTextViewPopoverController {
public:
    SimpleTextViewPopoverController() = default;

    SimpleTextViewPopover& popover() { return popover_; }
    // The message (empty for none), sized to it, on `edge` of `view`'s bounds.
    void show(const std::optional<std::string>& message, tk::View& view, tk::RectEdge edge);
    // A new message for the shown popover: sized again, same place.
    void setMessage(const std::string& message);
    void close();

private:
    tk::Size contentSizeFor(const std::string& message);

    SimpleTextViewPopover popover_;
};

} // namespace Tessaly
