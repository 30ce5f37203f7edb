#include "Tessaly/Controls/PushButton.h"

#include "Tessaly/Controls/ButtonCellState.h"
#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Styles/Styles.h"
#include "platform/tk/graphics/GraphicsContext.h"

namespace Tessaly {

WendlePushButtonCell::WendlePushButtonCell() : WendlePushButtonCell(std::string()) {}

WendlePushButtonCell::WendlePushButtonCell(std::string title) : tk::ButtonCell(std::move(title)) {
    setHighlightsBy(tk::CellMask::none);
}

std::shared_ptr<ButtonCellStyle> WendlePushButtonCell::style() {
    static const auto shared = std::make_shared<ButtonCellStyle>();
    return shared;
}

StyledControlState WendlePushButtonCell::controlState() const {
    return buttonCellState(*this, selected_);
}

tk::Rect WendlePushButtonCell::drawingRect(const tk::Rect& bounds) const {
    return isBezeled() || isBordered() ? tk::ButtonCell::drawingRect(bounds) : bounds;
}

tk::Rect WendlePushButtonCell::imageRect(const tk::Rect& bounds) const {
    const tk::Rect r = insetRect(bounds, imageEdgeInsets_);
    if (imagePosition() == tk::ImagePosition::imageOnly)
        return r;
    return centeredOnY(tk::ButtonCell::imageRect(r), bounds);
}

tk::Rect WendlePushButtonCell::titleRect(const tk::Rect& bounds) const {
    return insetRect(tk::ButtonCell::titleRect(bounds), titleEdgeInsets_);
}

void WendlePushButtonCell::draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    if (isBordered() || isBezeled())
        drawBezel(frame, controlView, context);
    drawInterior(frame, controlView, context);
}

void WendlePushButtonCell::drawBezel(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) {
    const tk::Rect rect = bezelStyle() == tk::BezelStyle::rounded ? insetRect(frame, edgeInsets_) : frame;
    // A copy of the picture in stretch mode: its middle parts stretch, whatever mode it came in.
    if (const auto image = style()->bezelImage(controlState()))
        drawTintedImage(context, image->withResizingMode(tk::ImageResizingMode::stretch), rect,
                        isEnabled() ? 1.0 : 0.5);
}

tk::Rect WendlePushButtonCell::drawTitle(const tk::AttributedString& title, const tk::Rect& frame,
                                         tk::View& controlView, tk::GraphicsContext& context) {
    tk::TextAttributes attributes;
    attributes.font = Styles::BaseStyles::regular10();
    attributes.color = style()->textColor(controlState());
    attributes.alignment = tk::TextAlignment::center;
    attributes.truncation = tk::TruncationMode::tail;
    return tk::ButtonCell::drawTitle(tk::AttributedString(title.string(), attributes), frame, controlView,
                                     context);
}

void WendlePushButtonCell::drawImage(const tk::Image& image, const tk::Rect& frame, tk::View&,
                                     tk::GraphicsContext& context) {
    drawCellImage(*this, image, frame, context);
}

// --- Button ------------------------------------------------------------------------------------

std::unique_ptr<tk::Cell> WendlePushButton::makeCell() const {
    return std::make_unique<WendlePushButtonCell>();
}

void WendlePushButton::setup() {
    tk::Button::setup();
    if (auto* c = pushCell())
        c->setHighlightsBy(tk::CellMask::none);
}

void WendlePushButton::setFixedHeight(std::optional<double> height) {
    fixedHeight_ = height;
    invalidateIntrinsicContentSize();
}

void WendlePushButton::setFixedWidth(std::optional<double> width) {
    fixedWidth_ = width;
    invalidateIntrinsicContentSize();
}

bool WendlePushButton::isSelected() const {
    const auto* c = pushCell();
    return c && c->isSelected();
}

void WendlePushButton::setSelected(bool selected) {
    if (auto* c = pushCell())
        c->setSelected(selected);
    setNeedsDisplay();
}

tk::Size WendlePushButton::intrinsicContentSize() const {
    tk::Size size = tk::Button::intrinsicContentSize();
    if (fixedWidth_)
        size.width = *fixedWidth_;
    if (fixedHeight_)
        size.height = *fixedHeight_;
    return size;
}

void WendlePushButton::draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) {
    tk::Button::draw(context, dirtyRect);
    const auto* c = pushCell();
    if (!c || !showsFocusRing())
        return;
    drawFocusRing(context, bounds(), WendlePushButtonCell::style()->focusRingColor(c->controlState()));
}

} // namespace Tessaly
