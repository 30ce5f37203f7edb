#include "platform/tk/controls/RowSplice.h"

#include <algorithm>
#include <utility>

namespace tk {

RowSelection spliceRows(const RowSelection& current, int at, int removed, int inserted,
                        const MovedRow& moved) {
    const int end = at + removed;
    const auto place = [&](int row) {
        if (row < at)
            return row;
        if (row >= end)
            return row + inserted - removed;
        return moved ? moved(row) : -1;
    };
    // Rows before the part keep their order and index: only the rest is read again.
    const auto spliced = [&](const IndexSet& rows) {
        IndexSet next(rows.begin(), rows.lower_bound(at));
        for (auto it = rows.lower_bound(at); it != rows.end(); ++it)
            if (const int row = place(*it); row >= 0)
                next.insert(next.end(), row);
        return next;
    };
    RowSelection next{spliced(current.rows), {}};
    const SelectionRange& range = current.range;
    const IndexSet kept = spliced(range.kept);
    const int anchor = range.anchor < 0 ? -1 : place(range.anchor);
    const int farEnd = range.farEnd < 0 ? -1 : place(range.farEnd);
    if (anchor < 0 || farEnd < 0 || kept.size() != range.kept.size())
        next.range = selectionOf(next.rows).range;
    else
        next.range = {anchor, farEnd, kept};
    return next;
}

} // namespace tk
