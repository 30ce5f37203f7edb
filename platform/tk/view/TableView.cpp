#include "platform/tk/view/TableView.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tk {

// --- TableView -----------------------------------------------------------------------------------

int TableView::numberOfRows() const {
    return rowCount_ ? std::max(0, rowCount_()) : 0;
}

void TableView::setRowHeight(double height) {
    rowHeight_ = height > 0 ? height : kDefaultRowHeight;
    setNeedsDisplay();
}

int TableView::rowAt(double y) const {
    if (y < 0)
        return -1;
    const int row = int(std::floor(y / rowHeight_));
    return row < numberOfRows() ? row : -1;
}

Rect TableView::rectOfRow(int row) const {
    return {0, row * rowHeight_, bounds().width(), rowHeight_};
}

void TableView::setSelection(IndexSet rows) {
    if (rows == selection_)
        return;
    const IndexSet previous = std::exchange(selection_, std::move(rows));
    setNeedsDisplay();
    selectionDidChange(previous);
    if (selectionDidChange_)
        selectionDidChange_(*this);
}

void TableView::selectRowIndexes(const IndexSet& rows, bool byExtendingSelection) {
    IndexSet next = byExtendingSelection ? selection_ : IndexSet{};
    const int count = numberOfRows();
    for (int r : rows)
        if (r >= 0 && r < count)
            next.insert(r);
    setSelection(std::move(next));
}

void TableView::deselectAll() {
    setSelection({});
}

void TableView::rowsDidChange() {
    const int count = numberOfRows();
    IndexSet kept;
    for (int r : selection_)
        if (r < count)
            kept.insert(r);
    if (clickedRow_ >= count)
        clickedRow_ = -1;
    setSelection(std::move(kept));
    setNeedsDisplay();
}

bool TableView::mouseDown(const Event& event) {
    const int row = rowAt(locationOf(event).y);
    clickedRow_ = row;
    if (contains(event.modifierFlags, ModifierFlags::control)) {
        // Control-click is the one-button right click: the menu, no selection change.
        if (Window* w = window())
            if (auto menu = menuForEvent(event))
                w->popUpMenu(std::move(menu), event.locationInWindow);
        return true;
    }
    if (row < 0) {
        deselectAll();
        return true;
    }
    if (contains(event.modifierFlags, ModifierFlags::command)) {
        IndexSet next = selection_;
        if (!next.erase(row))
            next.insert(row);
        setSelection(std::move(next));
    } else if (contains(event.modifierFlags, ModifierFlags::shift) && !selection_.empty()) {
        IndexSet next = selection_;
        const int anchor = selectedRow();
        for (int r = std::min(anchor, row); r <= std::max(anchor, row); ++r)
            next.insert(r);
        setSelection(std::move(next));
    } else {
        setSelection({row});
    }
    return true;
}

bool TableView::rightMouseDown(const Event& event) {
    clickedRow_ = rowAt(locationOf(event).y);
    return false; // the window shows the menu
}

void TableView::draw(GraphicsContext& context, const Rect&) {
    for (int r : selection_)
        context.fillRect(rectOfRow(r), Color::rgba8(60, 110, 200));
}

// --- OutlineView ---------------------------------------------------------------------------------

void OutlineView::setDataSource(std::weak_ptr<DataSource> dataSource) {
    dataSource_ = std::move(dataSource);
    reloadData();
}

std::vector<OutlineView::Item> OutlineView::selectedItemsNow() const {
    std::vector<Item> items;
    for (int r : selectedRowIndexes())
        if (r < int(rows_.size()))
            items.push_back(rows_[std::size_t(r)].item);
    return items;
}

void OutlineView::reloadData() {
    rebuildRows(selectedItemsNow());
}

void OutlineView::addChildren(const Item& parent, int level) {
    auto source = dataSource_.lock();
    if (!source)
        return;
    const int n = source->numberOfChildren(parent);
    for (int i = 0; i < n; ++i) {
        Item child = source->child(i, parent);
        rows_.push_back({child, parent, i, level});
        if (child && expanded_.count(child) && source->isItemExpandable(child))
            addChildren(child, level + 1);
    }
}

void OutlineView::rebuildRows(const std::vector<Item>& keepSelected) {
    rows_.clear();
    addChildren(nullptr, 0);
    IndexSet selection;
    for (const Item& item : keepSelected)
        if (int r = row(item); r >= 0)
            selection.insert(r);
    setSelection(std::move(selection));
    rowsDidChange();
}

OutlineView::Item OutlineView::item(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].item : nullptr;
}

int OutlineView::row(const Item& item) const {
    if (!item)
        return -1;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].item == item)
            return int(i);
    return -1;
}

OutlineView::Item OutlineView::parent(const Item& item) const {
    const int r = row(item);
    return r >= 0 ? rows_[std::size_t(r)].parent : nullptr;
}

int OutlineView::childIndex(const Item& item) const {
    const int r = row(item);
    return r >= 0 ? rows_[std::size_t(r)].childIndex : -1;
}

int OutlineView::level(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].level : -1;
}

bool OutlineView::isExpandable(const Item& item) const {
    auto source = dataSource_.lock();
    return source && item && source->isItemExpandable(item);
}

bool OutlineView::isItemExpanded(const Item& item) const {
    return item && expanded_.count(item) && isExpandable(item);
}

void OutlineView::expandItem(const Item& item, bool children) {
    if (!isExpandable(item))
        return;
    expanded_.insert(item);
    if (children)
        if (auto source = dataSource_.lock())
            for (int i = 0, n = source->numberOfChildren(item); i < n; ++i)
                expandItem(source->child(i, item), true);
    rebuildRows(selectedItemsNow());
}

void OutlineView::collapseItem(const Item& item) {
    if (!item || !expanded_.erase(item))
        return;
    rebuildRows(selectedItemsNow());
}

void OutlineView::draw(GraphicsContext& context, const Rect& dirtyRect) {
    TableView::draw(context, dirtyRect);
    const Color mark = Color::gray(0.7);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (!isExpandable(rows_[i].item))
            continue;
        const Rect r = rectOfRow(int(i));
        const double x = 6 + rows_[i].level * 14.0;
        const double y = r.midY();
        Path triangle;
        if (isItemExpanded(rows_[i].item)) {
            triangle.moveTo({x, y - 3});
            triangle.lineTo({x + 8, y - 3});
            triangle.lineTo({x + 4, y + 3});
        } else {
            triangle.moveTo({x + 1, y - 4});
            triangle.lineTo({x + 7, y});
            triangle.lineTo({x + 1, y + 4});
        }
        triangle.closeSubpath();
        context.fillPath(triangle, mark);
    }
}

} // namespace tk
