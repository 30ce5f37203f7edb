#pragma once

// How a selection follows rows put in or taken out in the middle of a table: plain data and the
// rule, apart from any view.
//
//     rows 2 and 6 selected, rows 3-4 give way to 3 new rows     2 and 7
//
// Rows before the changed part keep their index, rows after it move by the change in length, and
// rows inside it go where the caller says: to a row of the new part, or out of the selection.

#include "platform/tk/controls/RowSelection.h"

#include <functional>

namespace tk {

// Where a row of the replaced part is now (a row of the new part), or -1: no longer shown.
using MovedRow = std::function<int(int oldRow)>;

// The selection after rows [at, at + removed) gave way to `inserted` rows (`moved` none: no row of
// the part is shown any more). The range moves with its rows; when its anchor, far end or one of
// its kept rows is no longer shown it starts anew from the rows still selected.
RowSelection spliceRows(const RowSelection& current, int at, int removed, int inserted,
                        const MovedRow& moved);

} // namespace tk
