#pragma once

// Shortcuts for reading and setting what an outline view shows and selects. Items are the outline's
// own item objects. All functions are [main].

#include "platform/tk/controls/OutlineView.h"

#include <optional>
#include <vector>

namespace Tessaly {

using OutlineItem = tk::OutlineView::Item;

// 0 up to the number of rows.
tk::IndexSet allRowIndexes(const tk::TableView& table);
// The item of every row, in row order (rows without one skipped).
std::vector<OutlineItem> allItems(const tk::OutlineView& outline);
OutlineItem clickedItem(const tk::OutlineView& outline);
std::vector<OutlineItem> selectedItems(const tk::OutlineView& outline);
// Selects exactly the rows of `items` that are shown; items without a row are ignored.
void setSelectedItems(tk::OutlineView& outline, const std::vector<OutlineItem>& items);
// The selection when the clicked row is part of it, else the clicked item alone; empty with neither.
std::vector<OutlineItem> clickedOrSelectedItems(const tk::OutlineView& outline);
// The selected item when exactly one row is selected.
OutlineItem singleSelectedItem(const tk::OutlineView& outline);
bool isItemCollapsed(const tk::OutlineView& outline, const OutlineItem& item);
// The child indices from the top level down to the item; none for an item not shown.
std::optional<std::vector<int>> indexPath(const tk::OutlineView& outline, const OutlineItem& item);

} // namespace Tessaly
