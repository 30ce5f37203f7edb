#include "Tessaly/Views/OutlineViewExtensions.h"

#include <algorithm>

namespace Tessaly {

tk::IndexSet allRowIndexes(const tk::TableView& table) {
    tk::IndexSet rows;
    for (int r = 0, n = table.numberOfRows(); r < n; ++r)
        rows.insert(r);
    return rows;
}

std::vector<OutlineItem> allItems(const tk::OutlineView& outline) {
    std::vector<OutlineItem> items;
    for (int r = 0, n = outline.numberOfRows(); r < n; ++r)
        if (auto item = outline.item(r))
            items.push_back(std::move(item));
    return items;
}

OutlineItem clickedItem(const tk::OutlineView& outline) {
    return outline.item(outline.clickedRow());
}

std::vector<OutlineItem> selectedItems(const tk::OutlineView& outline) {
    std::vector<OutlineItem> items;
    for (int r : outline.selectedRowIndexes())
        if (auto item = outline.item(r))
            items.push_back(std::move(item));
    return items;
}

void setSelectedItems(tk::OutlineView& outline, const std::vector<OutlineItem>& items) {
    tk::IndexSet rows;
    for (const OutlineItem& item : items)
        if (int r = outline.row(item); r >= 0)
            rows.insert(r);
    outline.selectRowIndexes(rows, false);
}

std::vector<OutlineItem> clickedOrSelectedItems(const tk::OutlineView& outline) {
    const int clicked = outline.clickedRow();
    if (clicked >= 0 && outline.isRowSelected(clicked))
        return selectedItems(outline);
    if (auto item = outline.item(clicked))
        return {item};
    return {};
}

OutlineItem singleSelectedItem(const tk::OutlineView& outline) {
    return outline.numberOfSelectedRows() == 1 ? outline.item(outline.selectedRow()) : nullptr;
}

bool isItemCollapsed(const tk::OutlineView& outline, const OutlineItem& item) {
    return !outline.isItemExpanded(item);
}

std::optional<std::vector<int>> indexPath(const tk::OutlineView& outline, const OutlineItem& item) {
    if (outline.childIndex(item) < 0)
        return std::nullopt;
    std::vector<int> path;
    for (OutlineItem at = item; at; at = outline.parent(at))
        path.push_back(outline.childIndex(at));
    std::reverse(path.begin(), path.end());
    return path;
}

} // namespace Tessaly
