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

RowSelection addRangeToRow(const RowSelection& current, int row, const SelectableRow& selectable) {
    if (current.range.anchor < 0) {
        IndexSet rows = current.rows;
        rows.insert(row);
        IndexSet kept = rows;
        return {std::move(rows), {row, row, std::move(kept)}};
    }
    return extendToRow({current.rows, {current.range.anchor, current.range.farEnd, current.rows}}, row,
                       selectable);
}

int keyRow(const RowSelection& current, int count) {
    if (current.rows.empty() || count <= 0)
        return -1;
    const int farEnd = current.range.farEnd;
    return farEnd >= 0 && farEnd < count ? farEnd : std::min(*current.rows.rbegin(), count - 1);
}

namespace {
// The first selectable row from `row` on in `direction` within 0..count-1; -1 for none.
int selectableFrom(int row, int direction, int count, const SelectableRow& selectable) {
    for (; row >= 0 && row < count; row += direction)
        if (!selectable || selectable(row))
            return row;
    return -1;
}
} // namespace

RowSelection moveToRow(const RowSelection& current, int row, int direction, int count, bool extend,
                       const SelectableRow& selectable) {
    if (count <= 0)
        return current;
    row = std::clamp(row, 0, count - 1);
    direction = direction < 0 ? -1 : 1;
    int found = selectableFrom(row, direction, count, selectable);
    if (found < 0)
        found = selectableFrom(row, -direction, count, selectable);
    if (found < 0)
        return current; // nothing selectable at all
    return extend && !current.rows.empty() ? extendToRow(current, found, selectable) : clickRow(found);
}

RowSelection stepRow(const RowSelection& current, int step, int count, bool extend,
                     const SelectableRow& selectable) {
    const int from = keyRow(current, count);
    // Past the edge the move comes back to the edge row, so the far end stays there.
    const int row = from < 0 ? (step < 0 ? count - 1 : 0) : from + step;
    return moveToRow(current, row, step, count, extend, selectable);
}

RowSelection selectAllRows(const RowSelection& current, int count, const SelectableRow& selectable) {
    RowSelection all;
    for (int r = 0; r < count; ++r)
        if (!selectable || selectable(r))
            all.rows.insert(r);
    if (all.rows.empty())
        return current;
    const auto chosen = [&all](int r) { return all.rows.count(r) != 0; };
    const int first = *all.rows.begin();
    all.range.anchor = chosen(current.range.anchor) ? current.range.anchor : first;
    all.range.farEnd = chosen(current.range.farEnd) ? current.range.farEnd : all.range.anchor;
    return all;
}

} // namespace tk
