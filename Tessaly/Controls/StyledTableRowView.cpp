#include "Tessaly/Controls/StyledTableRowView.h"

#include "Tessaly/Controls/StyledTableView.h"
#include "Tessaly/Geometry/RoundedPath.h"

#include "platform/tk/graphics/GraphicsContext.h"

namespace Tessaly {

void fillSelectionBand(tk::GraphicsContext& context, const tk::Rect& r, double inset, double radius,
                       bool above, bool below, tk::Color color) {
    const tk::Rect band{r.minX() + inset, r.minY(), r.width() - 2 * inset, r.height()};
    if (above && below) {
        context.fillRect(band, color);
        return;
    }
    CornerRadii radii{radius, radius, radius, radius};
    if (below) // first row of a run
        radii = {radius, radius, 0, 0};
    else if (above) // last row of a run
        radii = {0, 0, radius, radius};
    context.fillPath(roundedRectPath(band, radii), color);
}

std::string& StyledTableRowView::identifier() {
    static std::string id = "StyledTableRowView";
    return id;
}

std::shared_ptr<TableViewStyle> StyledTableRowView::style() {
    return std::make_shared<TableViewStyle>();
}

StyledTableRowView::StyledTableRowView(const tk::Rect& frame) : tk::View(frame) {
    setIdentifier(identifier());
}

void StyledTableRowView::setSelectionHorizontalInset(double inset) {
    selectionHorizontalInset_ = inset;
    setNeedsDisplay();
}

void StyledTableRowView::setSelectionCornerRadius(double radius) {
    selectionCornerRadius_ = radius;
    setNeedsDisplay();
}

void StyledTableRowView::setSelectionHighlightStyle(SelectionHighlightStyle style) {
    highlightStyle_ = style;
    setNeedsDisplay();
}

StyledControlState StyledTableRowView::controlState() const {
    return selected_ ? StyledControlState::defaultState | StyledControlState::selected
                     : StyledControlState::defaultState;
}

void StyledTableRowView::setSelected(bool selected) {
    selected_ = selected;
    setNeedsDisplay();
    setSubviewsSelected(*this, selected_, true);
}

void StyledTableRowView::prepareForReuse() {
    setSelected(false);
}

void StyledTableRowView::didAddSubview(tk::View&) {
    setSubviewsSelected(*this, selected_, true);
}

void StyledTableRowView::draw(tk::GraphicsContext& context, const tk::Rect&) {
    if (selected_)
        drawSelectionInRect(context, bounds());
}

void StyledTableRowView::drawPlainSelection(tk::GraphicsContext& context, const tk::Rect& rect) const {
    if (highlightStyle_ != SelectionHighlightStyle::none)
        context.fillRect(rect, tk::Color::rgba8(60, 110, 200));
}

void StyledTableRowView::drawSelectionInRect(tk::GraphicsContext& context, const tk::Rect& r) {
    auto* table = dynamic_cast<StyledTableView*>(superview());
    if (highlightStyle_ == SelectionHighlightStyle::none || !table) {
        drawPlainSelection(context, r);
        return;
    }
    const tk::Color fill = style()->rowBackgroundColor(controlState());
    // A row the table does not know (-1) has no selected neighbours.
    const int row = table->rowForView(*this);
    const bool above = row >= 0 && table->isRowSelected(row - 1);
    const bool below = row >= 0 && table->isRowSelected(row + 1);
    fillSelectionBand(context, r, selectionHorizontalInset_, selectionCornerRadius_, above, below, fill);
}

} // namespace Tessaly
