#include "platform/tk/controls/TableRowView.h"

#include "platform/tk/graphics/GraphicsContext.h"

namespace tk {

TableRowView::TableRowView(const Rect& frame) : View(frame) {
    setIdentifier(kIdentifier);
}

void TableRowView::setSelected(bool selected) {
    if (selected_ == selected)
        return;
    selected_ = selected;
    setNeedsDisplay();
}

void TableRowView::setSelectionHighlightStyle(SelectionHighlightStyle style) {
    highlightStyle_ = style;
    setNeedsDisplay();
}

void TableRowView::setGroupRowStyle(bool groupRow) {
    groupRowStyle_ = groupRow;
    setNeedsDisplay();
}

void TableRowView::prepareForReuse() {
    setSelected(false);
    setGroupRowStyle(false);
}

View* TableRowView::viewAtColumn(int column) const {
    if (column < 0 || column >= int(columnViews_.size()))
        return nullptr;
    View* view = columnViews_[std::size_t(column)].lock().get();
    return view && view->superview() == this ? view : nullptr;
}

void TableRowView::setViewAtColumn(int column, const std::shared_ptr<View>& view) {
    if (column < 0)
        return;
    if (column >= int(columnViews_.size()))
        columnViews_.resize(std::size_t(column) + 1);
    columnViews_[std::size_t(column)] = view;
}

void TableRowView::draw(GraphicsContext& context, const Rect&) {
    if (isSelected())
        drawSelectionInRect(context, bounds());
}

void TableRowView::drawSelectionInRect(GraphicsContext& context, const Rect& rect) {
    if (highlightStyle_ != SelectionHighlightStyle::none)
        context.fillRect(rect, Color::rgba8(60, 110, 200));
}

} // namespace tk
