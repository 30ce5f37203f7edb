#pragma once

// Text inputs that show whether their content is valid and, while they have the keyboard focus,
// why not, in a message popover below them. The client decides validity: it sets isValid and
// message; these controls only show them.
//
// ValidatingTextField: a styled text field whose cell (ValidatingTextFieldCell) draws the invalid
// look through its control state. Its popover is brought up to date (updateMessagePopover) after
// every text change - after onChange, so a client that validates there has set the message of the
// new text already - and at every published focus change.
//
// ValidatingPropertiesField: a small composite of a plain text field and, when made with an image,
// a drag handle before it (a continuous TrackingSlider showing the image, 14 x 24 points, 3 points
// in from the leading edge and centred vertically; the text follows 8 points after it, up to 3
// points before the trailing edge, centred vertically at its own height). A click on the handle
// makes the window key and puts the caret in the field; dragging the handle is the slider's own
// business (the field does not watch its value). Without an image the text field fills the view,
// its text kTextInset further in from the sides. The text is "Grey 85%" while valid, "Error" while
// not; the field editor writes it in "Grey 85%" always, as a styled field's editor does, so it reads
// on the red-tinted fill of the focused invalid look.
// It draws its own bezel and ring, and brings its popover up to date when its focus mirror
// isSelected is set (at every focus change of the inner field) and after every text change of the
// inner field.
//
// updateMessagePopover: with the keyboard focus and a message, the popover shows it (a shown
// popover takes the new message, sized to it, in the same place); otherwise a shown popover closes.
// isValid plays no part: any message shows while focused. A control taken out of its window
// closes its popover there and then (no focus change is published for a field that left).
//
// The properties field draws its focused look (plain bezel and ring) only while its window is key,
// as the other fields do, and redraws as the window gains or loses key state.
//
// All members are [main].

#include "Tessaly/Controls/MessagePopover.h"
#include "Tessaly/Controls/StyledTextField.h"
#include "Tessaly/Controls/TrackingSlider.h"
#include "Tessaly/Protocols/Selectable.h"
#include "Tessaly/Protocols/Validating.h"

#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class ValidatingTextFieldCell : public StyledTextFieldCell, public Validating {
public:
    using StyledTextFieldCell::StyledTextFieldCell;
    bool isValid() const override { return valid_; }
    void setValid(bool valid) { valid_ = valid; }
    std::optional<bool> validity() const override { return valid_; }

private:
    bool valid_ = true;
};

class ValidatingTextField : public StyledTextField, public ValidatingField {
public:
    using StyledTextField::StyledTextField;

    bool isValid() const override { return valid_; }
    // Stores, hands the flag to the cell and redraws.
    void setValid(bool valid) override;
    std::optional<std::string> message() const override { return message_; }
    // Stores only: the popover follows at the next text or focus change.
    void setMessage(std::optional<std::string> message) override { message_ = std::move(message); }
    std::optional<std::string> toolTip() const override;
    void setToolTip(std::optional<std::string> toolTip) override;
    tk::TextField& textField() override { return *this; }

    SimpleTextViewPopoverController& popoverController() { return *popoverController_; }
    virtual void updateMessagePopover();
    // Leaving the window closes a shown popover (it would point at nothing).
    void viewWillMoveToWindow(tk::Window* newWindow) override;

protected:
    std::unique_ptr<tk::TextFieldCell> makeCell() const override;
    void textDidChange() override;
    void firstResponderStatusChanged(bool isFirstResponder) override;

private:
    bool valid_ = true;
    std::optional<std::string> message_;
    std::unique_ptr<SimpleTextViewPopoverController> popoverController_ =
        std::make_unique<SimpleTextViewPopoverController>();
};

class ValidatingPropertiesField : public tk::View, public Selectable, public ValidatingField {
public:
    static constexpr double kIconLeading = 3;
    static constexpr tk::Size kIconSize{14, 24};
    static constexpr double kTextGap = 8;
    static constexpr double kTextTrailing = 3;
    // Without a handle: between each side and the text's line padding, so that the text starts as
    // far inside the ring as a styled text field's.
    static constexpr double kTextInset = 4;

    // Without a handle.
    ValidatingPropertiesField();
    // With a drag handle showing `image`.
    explicit ValidatingPropertiesField(tk::Image image);

    bool isValid() const override { return valid_; }
    // Stores, sets the text colour ("Grey 85%" valid, "Error" not) and redraws; see the file comment
    // for the popover.
    void setValid(bool valid) override;
    bool isSelected() const override { return selected_; }
    // Stores, brings the popover up to date and redraws.
    void setSelected(bool selected) override;
    std::optional<std::string> message() const override { return message_; }
    void setMessage(std::optional<std::string> message) override { message_ = std::move(message); }
    // Kept for clients; the field does not read it.
    const std::optional<std::string>& overrideText() const { return override_; }
    void setOverrideText(std::optional<std::string> text) { override_ = std::move(text); }
    std::optional<std::string> toolTip() const override;
    void setToolTip(std::optional<std::string> toolTip) override;
    tk::TextField& textField() override { return *textField_; }
    FirstResponderAwareTextField& innerField() const { return *textField_; }
    // The drag handle, when made with an image.
    TrackingSlider* icon() const { return icon_.get(); }

    SimpleTextViewPopoverController& popoverController() { return *popoverController_; }
    void updateMessagePopover();

    // Leaving the window closes a shown popover (it would point at nothing).
    void viewWillMoveToWindow(tk::Window* newWindow) override;
    void viewDidMoveToWindow() override;
    void layout() override;
    void frameDidChange(const tk::Rect& oldFrame) override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    void drawFocusRing(tk::GraphicsContext& context, const tk::Color& color,
                       std::optional<tk::Color> fill) const;

protected:
    void setup() override;
    virtual void setUpTextField();

private:
    class InnerField;
    // The handle and the text in place for the current bounds.
    void placeHandleAndText();

    bool valid_ = true;
    bool selected_ = false;
    std::optional<std::string> message_;
    std::optional<std::string> override_;
    std::optional<tk::Image> iconImage_;
    std::shared_ptr<FirstResponderAwareTextField> textField_;
    std::shared_ptr<TrackingSlider> icon_;
    tk::Subscription focusChanges_;
    tk::Subscription keyState_; // redraws the ring as the window gains or loses key state
    tk::Cancellable iconClicks_;
    std::unique_ptr<SimpleTextViewPopoverController> popoverController_ =
        std::make_unique<SimpleTextViewPopoverController>();
};

} // namespace Tessaly
