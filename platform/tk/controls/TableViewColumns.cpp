// The table's columns: their rects side by side, the cells placed in them, and what follows when a
// column is added, hidden or resized.

#include "platform/tk/controls/TableHeaderView.h"
#include "platform/tk/controls/TableView.h"
#include "platform/tk/view/ScrollView.h"

#include <algorithm>

namespace tk {

void TableView::addTableColumn(std::shared_ptr<TableColumn> column) {
    if (!column)
        return;
    column->setTableView(this);
    columns_.push_back(std::move(column));
    columnsDidChange();
}

void TableView::removeTableColumn(const TableColumn& column) {
    const auto found =
        std::find_if(columns_.begin(), columns_.end(), [&column](const auto& c) { return c.get() == &column; });
    if (found == columns_.end())
        return;
    (*found)->setTableView(nullptr);
    columns_.erase(found);
    columnsDidChange();
}

int TableView::columnWithIdentifier(std::string_view identifier) const {
    for (int i = 0; i < int(columns_.size()); ++i)
        if (columns_[std::size_t(i)]->identifier() == identifier)
            return i;
    return -1;
}

TableColumn* TableView::tableColumnWithIdentifier(std::string_view identifier) const {
    const int index = columnWithIdentifier(identifier);
    return index < 0 ? nullptr : columns_[std::size_t(index)].get();
}

void TableView::setIntercellSpacing(Size spacing) {
    intercellSpacing_ = {std::max(0.0, spacing.width), std::max(0.0, spacing.height)};
    columnsDidChange();
}

Rect TableView::rectOfColumn(int column) const {
    if (columns_.empty())
        return column == 0 ? Rect{0, 0, bounds().width(), bounds().height()} : Rect{};
    if (column < 0 || column >= int(columns_.size()) || columns_[std::size_t(column)]->isHidden())
        return {};
    double x = 0;
    for (int i = 0; i < column; ++i)
        if (const TableColumn& c = *columns_[std::size_t(i)]; !c.isHidden())
            x += c.width() + intercellSpacing_.width;
    return {x, 0, columns_[std::size_t(column)]->width() + intercellSpacing_.width, bounds().height()};
}

int TableView::columnAt(double x) const {
    if (x < 0)
        return -1;
    int found = -1;
    forEachCellColumn([&](int index, TableColumn*) {
        if (found < 0) {
            const Rect r = rectOfColumn(index);
            if (x >= r.minX() && x < r.maxX())
                found = index;
        }
    });
    return found;
}

int TableView::firstVisibleColumn() const {
    int first = -1;
    forEachCellColumn([&first](int index, TableColumn*) {
        if (first < 0)
            first = index;
    });
    return first;
}

double TableView::columnsWidth() const {
    if (columns_.empty())
        return bounds().width();
    double width = 0;
    for (const auto& column : columns_)
        if (!column->isHidden())
            width += column->width() + intercellSpacing_.width;
    return width;
}

Rect TableView::frameOfCellAtColumn(int column, int row) const {
    const Rect c = rectOfColumn(column);
    if (c.width() <= 0)
        return {};
    const Rect r = rectOfRow(row);
    // The implicit column has no neighbours to keep apart from.
    const Size spacing = columns_.empty() ? Size{} : intercellSpacing_;
    return {c.minX() + spacing.width / 2, r.minY() + spacing.height / 2, std::max(0.0, c.width() - spacing.width),
            std::max(0.0, r.height() - spacing.height)};
}

View* TableView::viewAtColumn(int column, int row) const {
    const TableRowView* view = rowView(row);
    return view ? view->viewAtColumn(column) : nullptr;
}

void TableView::setCellViewProvider(RowCellViewProvider provider) {
    if (!provider) {
        cellViewProvider_ = {};
        return;
    }
    cellViewProvider_ = [provider = std::move(provider)](TableView& table, TableColumn* column,
                                                         int row) -> std::shared_ptr<View> {
        const int first = table.firstVisibleColumn();
        if (column && (first < 0 || table.tableColumns()[std::size_t(first)].get() != column))
            return nullptr; // one view a row, in the first column
        return provider(table, row);
    };
}

void TableView::columnDidResize(const TableColumn& column) {
    if (column.isHidden())
        return; // it takes no room
    fitFrameToRowsAndColumns();
    tile();
    for (const auto& [row, view] : visible_)
        layoutRowContent(*view, row);
    setNeedsDisplay();
    if (headerView_) {
        headerView_->setNeedsDisplay();
        headerView_->updateTrackingAreas();
    }
}

void TableView::columnsDidChange() {
    fitFrameToRowsAndColumns();
    setNeedsDisplay();
    reloadRowViews();
    if (headerView_) {
        headerView_->setNeedsDisplay();
        headerView_->updateTrackingAreas();
    }
}

void TableView::columnResizingDidChange(const TableColumn&) {
    if (headerView_)
        headerView_->updateTrackingAreas();
}

ScrollView* TableView::headerScrollView() const {
    ScrollView* scroll = headerView_ ? enclosingScrollView(*this) : nullptr;
    return scroll && scroll->headerView() == headerView_.get() ? scroll : nullptr;
}

void TableView::setHeaderView(std::shared_ptr<TableHeaderView> header) {
    if (header == headerView_)
        return;
    if (ScrollView* scroll = headerScrollView())
        scroll->setHeaderView(nullptr);
    if (headerView_)
        headerView_->setTableView(nullptr);
    headerView_ = std::move(header);
    if (!headerView_)
        return;
    if (headerView_->frame().height() <= 0)
        headerView_->setFrameSize({headerView_->frame().width(), TableHeaderView::kDefaultHeight});
    headerView_->setTableView(this);
    if (ScrollView* scroll = enclosingScrollView(*this))
        scroll->setHeaderView(headerView_);
}

} // namespace tk
