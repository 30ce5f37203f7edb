#include "platform/tk/controls/RowSelection.h"

#include <algorithm>
#include <utility>

namespace tk {

RowSelection selectionOf(IndexSet rows) {
    const int last = rows.empty() ? -1 : *rows.rbegin();
    IndexSet kept = rows;
    return {std::move(rows), {last, last, std::move(kept)}};
}

RowSelection clickRow(int row) {
    return {{row}, {row, row, {}}};
}

RowSelection toggleRow(const RowSelection& current, int row) {
    IndexSet rows = current.rows;
    if (rows.erase(row)) {
        // Taking a row out leaves the anchor where it was: only an added row anchors a range.
        IndexSet kept = rows;
        return {std::move(rows), {current.range.anchor, current.range.farEnd, std::move(kept)}};
    }
    rows.insert(row);
    IndexSet kept = rows;
    return {std::move(rows), {row, row, std::move(kept)}};
}

RowSelection extendToRow(const RowSelection& current, int row, const SelectableRow& selectable) {
    const int anchor = current.range.anchor;
    if (anchor < 0)
        return clickRow(row);
    RowSelection next{current.range.kept, {anchor, row, current.range.kept}};
    for (int r = std::min(anchor, row); r <= std::max(anchor, row); ++r)
        if (!selectable || selectable(r))
            next.rows.insert(r);
    return next;
}

RowSelection stepRow(const RowSelection& current, int step, int count, bool extend,
                     const SelectableRow& selectable) {
    if (count <= 0)
        return current;
    const auto inRange = [count](int r) { return r >= 0 && r < count; };
    int from = -1;
    if (!current.rows.empty())
        from = inRange(current.range.farEnd) ? current.range.farEnd
                                             : std::min(*current.rows.rbegin(), count - 1);
    int row = from < 0 ? (step < 0 ? count - 1 : 0) : from + step;
    while (inRange(row) && selectable && !selectable(row))
        row += step;
    if (!inRange(row)) {
        if (from < 0)
            return current; // nothing selectable at all
        row = from;         // the far end stays on the edge row
    }
    return extend && from >= 0 ? extendToRow(current, row, selectable) : clickRow(row);
}

} // namespace tk
