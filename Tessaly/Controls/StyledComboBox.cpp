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

std::shared_ptr<ComboBoxStyle> StyledComboBox::style() {
    static const auto shared = std::make_shared<ComboBoxStyle>();
    return shared;
}

StyledControlState StyledComboBox::controlState() const {
    ControlStateInputs inputs;
    inputs.enabled = isEnabled();
    inputs.highlighted = isHighlighted();
    return deriveControlState(inputs);
}

void StyledComboBox::setPopupOpen(bool open) {
    popupOpen_ = open;
    setNeedsDisplay();
}

tk::Image StyledComboBox::backgroundImage() const {
    return image(ImageResources::tuiCombobox).tinted(tk::controlTextColor());
}

tk::Image StyledComboBox::indicatorImage() const {
    return image(popupOpen_ ? ImageResources::tuiCombobox : ImageResources::tuiComboboxUp)
        .tinted(tk::controlTextColor());
}

tk::Rect StyledComboBox::bezelRect(const tk::Rect& frame) const {
    return tk::Rect{frame.minX(), 0, frame.width() - indicatorImage().size().width,
                    backgroundImage().size().height};
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

tk::Rect StyledComboBox::textRect(const tk::Rect& bounds) const {
    const tk::Rect r = insetRect(tk::ComboBox::textRect(bounds), style()->titleEdgeInsets());
    return centeredOnY(r, bounds);
}

void StyledComboBox::drawBezel(tk::GraphicsContext& context, const tk::Rect& bounds) {
    const double opacity = isEnabled() ? 1.0 : 0.5;
    drawTintedImage(context, backgroundImage(), bezelRect(bounds), opacity);
    const tk::Image indicator = indicatorImage();
    drawTintedImage(
        context, indicator,
        tk::Rect{bounds.maxX() - indicator.size().width, 0, indicator.size().width, indicator.size().height},
        opacity);
}

tk::Size StyledComboBox::intrinsicContentSize() const {
    const double w = tk::ComboBox::intrinsicContentSize().width;
    const tk::EdgeInsets insets = alignmentRectInsets();
    return tk::Size{std::max(w, 47.0) - (insets.left + insets.right), 26 - (insets.top + insets.bottom)};
}

void StyledComboBox::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::ComboBox::draw(context, dirtyRect);
    const tk::Window* w = window();
    const bool focused =
        w && w->isKeyWindow() && (w->firstResponder() == this || w->firstResponder() == &textField());
    if (focused)
        drawFocusRing(context, focusRingMaskBounds(), style()->focusRingColor(controlState()));
}

} // namespace Tessaly
