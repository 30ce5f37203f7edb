#include "Tessaly/Controls/ValidatingFields.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

#include "platform/tk/controls/OwnedCell.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Path.h"
#include "platform/tk/view/KeyboardFocus.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace Tessaly {

namespace {

std::optional<std::string> optionalText(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    return text;
}

// The popover rule both fields share.
void updatePopover(SimpleTextViewPopoverController& controller, bool focused,
                   const std::optional<std::string>& message, tk::View& control) {
    SimpleTextViewPopover& popover = controller.popover();
    if (focused && message) {
        if (popover.isShown())
            controller.setMessage(*message);
        else
            controller.show(message, control, tk::RectEdge::maxY);
    } else if (popover.isShown()) {
        controller.close();
    }
}

// A control leaving its window takes its popover along.
void closeWhenLeaving(SimpleTextViewPopoverController& controller, tk::View& control, tk::Window* newWindow) {
    if (newWindow != control.window() && controller.popover().isShown())
        controller.close();
}

} // namespace

// --- ValidatingTextField ---------------------------------------------------------------------------

std::unique_ptr<tk::TextFieldCell> ValidatingTextField::makeCell() const {
    return std::make_unique<ValidatingTextFieldCell>();
}

void ValidatingTextField::setValid(bool valid) {
    valid_ = valid;
    if (auto* c = dynamic_cast<ValidatingTextFieldCell*>(cell()))
        c->setValid(valid);
    setNeedsDisplay();
}

std::optional<std::string> ValidatingTextField::toolTip() const {
    return optionalText(tk::View::toolTip());
}

void ValidatingTextField::setToolTip(std::optional<std::string> toolTip) {
    tk::View::setToolTip(toolTip.value_or(std::string{}));
}

void ValidatingTextField::textDidChange() {
    StyledTextField::textDidChange();
    updateMessagePopover();
}

void ValidatingTextField::firstResponderStatusChanged(bool) {
    updateMessagePopover();
}

void ValidatingTextField::viewWillMoveToWindow(tk::Window* newWindow) {
    StyledTextField::viewWillMoveToWindow(newWindow);
    closeWhenLeaving(*popoverController_, *this, newWindow);
}

void ValidatingTextField::updateMessagePopover() {
    updatePopover(*popoverController_, tk::hasKeyboardFocus(*this), message_, *this);
}

// --- ValidatingPropertiesField ---------------------------------------------------------------------

namespace {

// The inner field's cell: its text `inset` further in from both sides, and edited in "Grey 85%"
// whatever the resting text colour, as a styled field's editor is (red text would not read on the
// red-tinted ring fill of an invalid field).
class InnerFieldCell : public tk::TextFieldCell {
public:
    void setInset(double inset) {
        inset_ = inset;
        updateControlView(true);
    }
    tk::Rect drawingRect(const tk::Rect& bounds) const override {
        return tk::TextFieldCell::drawingRect(bounds).insetBy(inset_, 0);
    }
    tk::FieldEditorAttributes setUpFieldEditorAttributes(tk::FieldEditorAttributes a) const override {
        a = tk::TextFieldCell::setUpFieldEditorAttributes(a);
        a.textColor = color(ColorResources::grey85);
        a.insertionPointColor = a.textColor;
        return a;
    }

private:
    double inset_ = 0;
};

} // namespace

// The inner field: tells the composite after each text change.
class ValidatingPropertiesField::InnerField : public FirstResponderAwareTextField {
public:
    using FirstResponderAwareTextField::FirstResponderAwareTextField;
    std::function<void()> afterTextChange;

    void setTextInset(double inset) {
        if (auto* c = dynamic_cast<InnerFieldCell*>(cell()))
            c->setInset(inset);
    }

protected:
    std::unique_ptr<tk::TextFieldCell> makeCell() const override {
        return std::make_unique<InnerFieldCell>();
    }
    void textDidChange() override {
        FirstResponderAwareTextField::textDidChange();
        if (afterTextChange)
            afterTextChange();
    }
};

ValidatingPropertiesField::ValidatingPropertiesField() = default;

ValidatingPropertiesField::ValidatingPropertiesField(tk::Image image) : iconImage_(std::move(image)) {}

void ValidatingPropertiesField::setup() {
    tk::View::setup();
    auto field = tk::View::make<InnerField>();
    field->afterTextChange = [this] { updateMessagePopover(); };
    textField_ = field;
    if (iconImage_) {
        icon_ = TrackingSlider::imageViewWithImage(*iconImage_);
        icon_->setContinuous(true);
        addSubview(icon_);
        addSubview(textField_);
        // A click on the handle puts the caret in the field.
        iconClicks_ = icon_->clicked().sink(
            [weak = std::weak_ptr<tk::Control>(textField_)](const ClickableImageView::Click&) {
                if (auto f = weak.lock())
                    focusInWindow(*f);
            });
    } else {
        addSubview(textField_);
        // Pinned to all four edges; the text keeps a styled field's distance from the ring.
        field->setTextInset(kTextInset);
        textField_->setFrame(bounds());
        textField_->setAutoresizingMask(tk::AutoresizingMask::widthSizable |
                                        tk::AutoresizingMask::heightSizable);
    }
    setUpTextField();
}

void ValidatingPropertiesField::viewWillMoveToWindow(tk::Window* newWindow) {
    tk::View::viewWillMoveToWindow(newWindow);
    closeWhenLeaving(*popoverController_, *this, newWindow);
}

void ValidatingPropertiesField::viewDidMoveToWindow() {
    tk::View::viewDidMoveToWindow();
    keyState_ = tk::redrawOnKeyStateChanges(*this);
}

void ValidatingPropertiesField::layout() {
    tk::View::layout();
    placeHandleAndText();
}

// At once, so that the parts can be hit before the next layout pass.
void ValidatingPropertiesField::frameDidChange(const tk::Rect& oldFrame) {
    tk::View::frameDidChange(oldFrame);
    placeHandleAndText();
}

void ValidatingPropertiesField::placeHandleAndText() {
    if (!icon_)
        return;
    const tk::Rect b = bounds();
    // Centred on the view's middle, rounded to whole points as the layout would.
    auto centredY = [&](double height) { return std::round(b.midY() - height / 2); };
    icon_->setFrame({b.minX() + kIconLeading, centredY(kIconSize.height), kIconSize.width, kIconSize.height});
    const double x = icon_->frame().maxX() + kTextGap;
    double height = textField_->intrinsicContentSize().height;
    if (height < 0)
        height = b.height();
    textField_->setFrame({x, centredY(height), std::max(0.0, b.maxX() - kTextTrailing - x), height});
}

void ValidatingPropertiesField::setUpTextField() {
    textField_->setBordered(false);
    textField_->setBezeled(false);
    textField_->setDrawsBackground(false);
    textField_->cell()->setFocusRingType(tk::FocusRingType::none);
    textField_->setFont(Styles::BaseStyles::regular10());
    textField_->setTextColor(color(valid_ ? ColorResources::grey85 : ColorResources::error));
    focusChanges_ = textField_->firstResponderPublisher().sink(
        [weak = std::weak_ptr<tk::View>(std::static_pointer_cast<tk::View>(shared_from_this()))](
            const FirstResponderChange& change) {
            if (auto self = std::static_pointer_cast<ValidatingPropertiesField>(weak.lock())) {
                self->setSelected(change.isFirstResponder);
                self->updateMessagePopover();
                self->setNeedsDisplay();
            }
        });
}

void ValidatingPropertiesField::setValid(bool valid) {
    valid_ = valid;
    textField_->setTextColor(color(valid ? ColorResources::grey85 : ColorResources::error));
    setNeedsDisplay(); // the bezel and ring change with it
}

void ValidatingPropertiesField::setSelected(bool selected) {
    selected_ = selected;
    updateMessagePopover();
    setNeedsDisplay();
}

std::optional<std::string> ValidatingPropertiesField::toolTip() const {
    return optionalText(tk::View::toolTip());
}

void ValidatingPropertiesField::setToolTip(std::optional<std::string> toolTip) {
    tk::View::setToolTip(toolTip.value_or(std::string{}));
}

void ValidatingPropertiesField::updateMessagePopover() {
    updatePopover(*popoverController_, tk::hasKeyboardFocus(*textField_), message_, *this);
}

void ValidatingPropertiesField::draw(tk::GraphicsContext& context, const tk::Rect&) {
    const tk::Rect b = bounds().insetBy(-2, 0);
    // The focus shows only in the key window, as every other field's does.
    const tk::Window* w = window();
    if (!selected_ || !w || !w->isKeyWindow()) {
        drawTintedImage(context,
                        image(valid_ ? ImageResources::tuiTextfield : ImageResources::tuiTextfieldError), b);
        return;
    }
    const tk::Color ring = color(valid_ ? ColorResources::highlightSystem : ColorResources::error);
    drawTintedImage(context, image(ImageResources::tuiTextfield), b);
    drawFocusRing(context, ring, ring.withAlpha(0.3));
}

void ValidatingPropertiesField::drawFocusRing(tk::GraphicsContext& context, const tk::Color& ringColor,
                                              std::optional<tk::Color> fill) const {
    const tk::Path path = tk::Path::roundedRect(bounds().insetBy(-2, 0).insetBy(2, 2), 3);
    if (fill)
        context.fillPath(path, *fill);
    context.strokePath(
        path, ringColor,
        tk::StrokeStyle{}.withLineWidth(2).withLineCap(tk::LineCap::round).withLineJoin(tk::LineJoin::round));
}

} // namespace Tessaly
