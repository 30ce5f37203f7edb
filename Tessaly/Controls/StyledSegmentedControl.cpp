#include "Tessaly/Controls/StyledSegmentedControl.h"

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>

namespace Tessaly {

using S = StyledControlState;

StyledSegmentedCell::StyledSegmentedCell() = default;

std::shared_ptr<SegmentedCellStyle> StyledSegmentedCell::style() {
    static const auto shared = std::make_shared<SegmentedCellStyle>();
    return shared;
}

StyledControlState StyledSegmentedCell::controlState() const {
    ControlStateInputs inputs;
    inputs.cellState = int(state());
    inputs.enabled = tk::Cell::isEnabled();
    inputs.highlighted = isHighlighted();
    return deriveControlState(inputs);
}

int StyledSegmentedCell::styledHighlightState(int segment) const {
    const int r = segmentHighlightState(segment);
    if (r >= 1 && r <= 5)
        return r - 1;
    return segment == selectedSegment() ? 3 : 0;
}

StyledControlState StyledSegmentedCell::controlState(int segment) const {
    S state = S::defaultState;
    if (!tk::Cell::isEnabled())
        state = state.unioned(S::disabled);
    const int h = styledHighlightState(segment);
    if (h == 1 || h == 2 || h == 4)
        state = state.unioned(S::highlighted);
    if (segment == selectedSegment() && !hideSelection_)
        state = state.unioned(S::selected);
    return state;
}

tk::TextAttributes StyledSegmentedCell::labelAttributes(StyledControlState state) const {
    tk::TextAttributes attributes;
    attributes.font = style()->font();
    attributes.color = style()->textColor(state);
    attributes.alignment = tk::TextAlignment::center;
    attributes.lineLimit = 1;
    return attributes;
}

tk::Rect StyledSegmentedCell::bezelRect(int segment, const tk::Rect& frame) const {
    const auto image = style()->bezelImage(controlState(segment));
    const double h = image ? image->size().height : 0;
    const tk::EdgeInsets m = style()->segmentMargin();
    const tk::Rect r = tk::Rect{frame.x() + m.left, frame.y() + m.bottom, frame.width() - (m.left + m.right),
                                h - (m.top + m.bottom)}
                           .integral();
    return centeredOnY(r, frame);
}

void StyledSegmentedCell::setWidth(double width, int segment) {
    const std::string& text = label(segment);
    if (!text.empty()) {
        // Measured in the font that draws the labels, so the padding is what shows around them.
        tk::TextAttributes measure;
        measure.font = style()->font();
        const tk::EdgeInsets padding = style()->segmentPadding();
        width = tk::measureText(text, measure).width + padding.left + padding.right;
    }
    tk::SegmentedCell::setWidth(width, segment);
}

tk::Rect StyledSegmentedCell::focusRingMaskBounds(const tk::Rect&, const tk::View&) const {
    const auto it = cachedFrames_.find(keySegment());
    return it == cachedFrames_.end() ? tk::Rect{} : bezelRect(it->first, it->second);
}

void StyledSegmentedCell::draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) {
    drawInterior(frame, controlView, context);
}

void StyledSegmentedCell::drawSegment(int segment, const tk::Rect& frame, tk::View& controlView,
                                      tk::GraphicsContext& context) {
    cachedFrames_[segment] = frame;
    const S state = controlState(segment);
    const tk::Rect r = bezelRect(segment, frame);
    if (const auto image = style()->bezelImage(state))
        drawTintedImage(context, *image, r, 1.0);

    const tk::Window* window = controlView.window();
    if (segment == keySegment() && window && window->isKeyWindow() &&
        window->firstResponder() == &controlView)
        drawFocusRing(context, focusRingMaskBounds(r, controlView), style()->focusRingColor(controlState()),
                      2);

    const std::string& text = label(segment);
    if (text.empty())
        return;
    const tk::TextLayout layout(text, labelAttributes(state), r.width());
    const double y = r.minY() + (r.height() - layout.size().height) * 0.5;
    context.drawText(layout, tk::Rect{r.minX(), y, r.width(), r.height()});
}

// --- Control -----------------------------------------------------------------------------------

std::unique_ptr<tk::Cell> StyledSegmentedControl::makeCell() const {
    return std::make_unique<StyledSegmentedCell>();
}

bool StyledSegmentedControl::hideSelection() const {
    const auto* c = styledCell();
    return c && c->hideSelection();
}

void StyledSegmentedControl::setHideSelection(bool hide) {
    if (auto* c = styledCell())
        c->setHideSelection(hide);
    setNeedsDisplay();
}

tk::Size StyledSegmentedControl::intrinsicContentSize() const {
    tk::Size size = tk::SegmentedControl::intrinsicContentSize();
    const auto* c = styledCell();
    if (!c)
        return size;
    if (const auto image = StyledSegmentedCell::style()->bezelImage(c->controlState()))
        size =
            tk::Size{std::max(size.width, image->size().width), std::max(size.height, image->size().height)};
    return size;
}

} // namespace Tessaly
