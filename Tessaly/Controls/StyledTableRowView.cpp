#include "Tessaly/Controls/StyledTableRowView.h"

#include "platform/tk/controls/TableView.h"

#include "platform/tk/graphics/GraphicsContext.h"

namespace Tessaly {

std::string& StyledTableRowView::identifier() {
    static std::string id = "StyledTableRowView";
    return id;
}

std::shared_ptr<TableViewStyle> StyledTableRowView::style() {
    return std::make_shared<TableViewStyle>();
}

StyledTableRowView::StyledTableRowView(const tk::Rect& frame) : tk::TableRowView(frame) {
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

StyledControlState StyledTableRowView::controlState() const {
    return isSelected() ? StyledControlState::defaultState | StyledControlState::selected
                        : StyledControlState::defaultState;
}

void StyledTableRowView::setSelected(bool selected) {
    tk::TableRowView::setSelected(selected);
    setNeedsDisplay();
    setSubviewsSelected(*this, isSelected(), true);
}

void StyledTableRowView::didAddSubview(tk::View&) {
    setSubviewsSelected(*this, isSelected(), true);
}

void StyledTableRowView::drawSelectionInRect(tk::GraphicsContext& context, const tk::Rect& r) {
    auto* table = dynamic_cast<tk::TableView*>(superview());
    if (selectionHighlightStyle() == SelectionHighlightStyle::none || !table) {
        tk::TableRowView::drawSelectionInRect(context, r);
        return;
    }
    const tk::Color fill = style()->rowBackgroundColor(controlState());
    // A row the table does not know (-1) has no selected neighbours.
    const int row = table->rowForView(*this);
    const bool above = row >= 0 && table->isRowSelected(row - 1);
    const bool below = row >= 0 && table->isRowSelected(row + 1);
    fillSelectionBand(context, r, selectionHorizontalInset_, selectionCornerRadius_, above, below, fill,
                      &bandEnds_);
}

} // namespace Tessaly
