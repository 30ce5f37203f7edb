#include "platform/tk/controls/TableHeaderView.h"

namespace tk {

void TableHeaderView::setTableView(View* table) {
    tableView_ = table ? table->weakView() : std::weak_ptr<View>{};
}

void TableHeaderView::setColumns(std::vector<std::shared_ptr<TableColumn>> columns) {
    columns_ = std::move(columns);
    setNeedsDisplay();
}

Rect TableHeaderView::headerRectOfColumn(int index) const {
    if (index < 0 || index >= int(columns_.size()) || columns_[std::size_t(index)]->isHidden())
        return {};
    double x = 0;
    for (int i = 0; i < index; ++i)
        if (!columns_[std::size_t(i)]->isHidden())
            x += columns_[std::size_t(i)]->width();
    return Rect{x, 0, columns_[std::size_t(index)]->width(), bounds().height()};
}

void TableHeaderView::draw(GraphicsContext& context, const Rect&) {
    for (int i = 0; i < int(columns_.size()); ++i)
        if (!columns_[std::size_t(i)]->isHidden())
            columns_[std::size_t(i)]->headerCell().draw(headerRectOfColumn(i), *this, context);
}

} // namespace tk
