#include "Tessaly/Controls/StyledComboBox.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/SemanticColors.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cstdint>

namespace Tessaly {

namespace {
std::optional<double> numberIn(const std::any& object) {
    if (const auto* d = std::any_cast<double>(&object))
        return *d;
    if (const auto* f = std::any_cast<float>(&object))
        return *f;
    if (const auto* i = std::any_cast<int>(&object))
        return *i;
    if (const auto* l = std::any_cast<std::int64_t>(&object))
        return double(*l);
    return std::nullopt;
}
} // namespace

std::shared_ptr<ComboBoxStyle> StyledComboBoxCell::style() {
    static const auto shared = std::make_shared<ComboBoxStyle>();
    return shared;
}

StyledControlState StyledComboBoxCell::controlState() const {
    ControlStateInputs inputs;
    inputs.cellState = int(state());
    inputs.enabled = isEnabled();
    inputs.highlighted = isHighlighted();
    return deriveControlState(inputs);
}

void StyledComboBoxCell::setPopupOpen(bool open) {
    popupOpen_ = open;
    updateControlView();
    if (tk::View* box = controlView())
        box->setNeedsLayout();
}

tk::Image StyledComboBoxCell::backgroundImage() const {
    return Tessaly::image(ImageResources::tuiCombobox).tinted(tk::controlTextColor());
}

tk::Image StyledComboBoxCell::indicatorImage() const {
    return Tessaly::image(popupOpen_ ? ImageResources::tuiCombobox : ImageResources::tuiComboboxUp)
        .tinted(tk::controlTextColor());
}

tk::Rect StyledComboBoxCell::bezelRect(const tk::Rect& frame) const {
    return tk::Rect{frame.minX(), 0, frame.width() - indicatorImage().size().width,
                    backgroundImage().size().height};
}

tk::Rect StyledComboBoxCell::buttonRect(const tk::Rect& bounds) const {
    const double left = bezelRect(bounds).maxX();
    return tk::Rect{left, bounds.minY(), bounds.maxX() - left, bounds.height()};
}

tk::Rect StyledComboBoxCell::titleRect(const tk::Rect& bounds) const {
    return centeredOnY(insetRect(tk::ComboBoxCell::titleRect(bounds), style()->titleEdgeInsets()), bounds);
}

void StyledComboBoxCell::drawBezel(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    const double opacity = isEnabled() ? 1.0 : 0.5;
    drawTintedImage(context, backgroundImage(), bezelRect(frame), opacity);
    const tk::Image indicator = indicatorImage();
    const tk::Rect at{frame.maxX() - indicator.size().width, 0, indicator.size().width,
                      indicator.size().height};
    // The open indicator is the field's plain box: it shades the button instead of replacing it,
    // so the button keeps its chevron while the list is open.
    if (popupOpen_)
        drawTintedImage(context, Tessaly::image(ImageResources::tuiComboboxUp).tinted(tk::controlTextColor()),
                        at, opacity);
    drawTintedImage(context, indicator, at, opacity);
}

void StyledComboBoxCell::draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    if (isBordered() || isBezeled())
        drawBezel(frame, controlView, context);
    drawInterior(insetRect(frame, style()->titleEdgeInsets()), controlView, context);
}

// --- Box ---------------------------------------------------------------------------------------

std::unique_ptr<tk::ComboBoxCell> StyledComboBox::makeCell() const {
    return std::make_unique<StyledComboBoxCell>();
}

void StyledComboBox::willPopUp() {
    if (auto* c = styledCell())
        c->setPopupOpen(true);
}

void StyledComboBox::willDismiss() {
    if (auto* c = styledCell())
        c->setPopupOpen(false);
}

tk::Rect StyledComboBox::focusRingMaskBounds() const {
    const auto* c = styledCell();
    return c ? c->bezelRect(bounds()) : bounds();
}

tk::EdgeInsets StyledComboBox::alignmentRectInsets() const {
    return styledCell() ? StyledComboBoxCell::style()->alignmentRectInsets()
                        : tk::ComboBox::alignmentRectInsets();
}

void StyledComboBox::applySelectedItem() {
    const int index = indexOfSelectedItem();
    if (index < 0)
        return;
    const auto number = numberIn(itemObjectValueAtIndex(index));
    if (!number)
        return;
    setDoubleValue(*number);
    sendAction();
}

tk::Size StyledComboBox::intrinsicContentSize() const {
    const double w = tk::ComboBox::intrinsicContentSize().width;
    const tk::EdgeInsets insets = alignmentRectInsets();
    return tk::Size{std::max(w, 47.0) - (insets.left + insets.right), 26 - (insets.top + insets.bottom)};
}

void StyledComboBox::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::ComboBox::draw(context, dirtyRect);
    const auto* c = styledCell();
    const tk::Window* w = window();
    const bool focused =
        w && w->isKeyWindow() && (w->firstResponder() == this || w->firstResponder() == &textField());
    if (c && focused)
        drawFocusRing(context, focusRingMaskBounds(),
                      StyledComboBoxCell::style()->focusRingColor(c->controlState()));
}

} // namespace Tessaly
