#pragma once

// How clicks and keys change the selected rows of a table: plain data and the rules, apart from
// any view.
//
// A selection holds a range that runs from an anchor to a far end, and the rows that were selected
// before the range began. A Shift-click or Shift-key moves the far end and replaces the range, so
// it grows and shrinks while the rows kept from before stay; a Ctrl+Shift-click keeps every row
// selected before it:
//
//     click 5, Shift-click 8, Shift-click 6          5-6
//     click 5, Ctrl-click 2, Shift-click 8           2-8   (5 kept, the range anchored at 2)
//     click 5, Shift-Down, Shift-Down, Shift-Up      5-6
//     click 1, Ctrl-click 5, Ctrl+Shift-click 7      1 5-7
//     click 5, Shift-click 8, Ctrl+Shift-click 6     5-8
//
// The anchor is the row last clicked without Shift, or last added with Ctrl or Command; plain
// keys move on from the far end. Rows that cannot be selected (a table's group rows) stay out
// of every range and are stepped over by the keys.

#include <functional>
#include <set>

namespace tk {

using IndexSet = std::set<int>;

struct SelectionRange {
    int anchor = -1; // where the range starts; -1: no range
    int farEnd = -1; // where it ends: the row the keys move on from; -1: none
    IndexSet kept;   // rows selected before the range began
};

struct RowSelection {
    IndexSet rows;
    SelectionRange range;
};

// Whether `row` can be selected.
using SelectableRow = std::function<bool(int row)>;

// Rows selected some other way (by code): their last row is anchor and far end, and all of them
// are kept.
RowSelection selectionOf(IndexSet rows);
// A plain click on `row`: that row alone, anchored there.
RowSelection clickRow(int row);
// A Ctrl- or Command-click: `row` added (a new range anchored there) or taken out (the anchor
// stays), the rest kept.
RowSelection toggleRow(const RowSelection& current, int row);
// A Shift-click: the kept rows and the selectable rows from the anchor to `row` (a plain click
// when there is no anchor).
RowSelection extendToRow(const RowSelection& current, int row, const SelectableRow& selectable);
// A Ctrl+Shift-click: the range from the anchor to `row` added to the rows selected now, which
// all stay while the range grows and shrinks from there (`row` added alone, anchored there, when
// there is no anchor).
RowSelection addRangeToRow(const RowSelection& current, int row, const SelectableRow& selectable);
// The row the keys move on from among `count` rows: the far end while it is one of them, else the
// last selected row (kept within them); -1 with nothing selected.
int keyRow(const RowSelection& current, int count);
// A key's move to `row` among `count` rows (kept within them): the first selectable row from there
// on in `direction` (-1 up, +1 down), else the nearest one back the other way. With `extend`
// (Shift) the far end moves there and the range follows; otherwise that row is selected alone.
// Unchanged when no row can be selected.
RowSelection moveToRow(const RowSelection& current, int row, int direction, int count, bool extend,
                       const SelectableRow& selectable);
// Up (`step` -1) or Down (+1) among `count` rows, over rows that cannot be selected. With `extend`
// (Shift) the far end moves and the range follows; otherwise the next row after the far end is
// selected alone. With nothing selected Down takes the first row and Up the last; at the first or
// last selectable row the far end stays. Unchanged when no row can be selected.
RowSelection stepRow(const RowSelection& current, int step, int count, bool extend,
                     const SelectableRow& selectable);
// Every selectable row of `count` (Select All). The anchor and far end stay where they were (on the
// first selectable row when they were on none), with no rows kept from before: a Shift-click or
// Shift-key after it selects the range from the anchor alone.
RowSelection selectAllRows(const RowSelection& current, int count, const SelectableRow& selectable);

} // namespace tk
