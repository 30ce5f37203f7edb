// A selection carried over rows put in or taken out in the middle: rows and range move with their
// rows, rows of the replaced part go where they are told, and a range that lost a row starts anew.

#include "platform/tk/controls/RowSplice.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(RowSplice, RowsAndRangeMoveWithTheirRows) {
    const RowSelection twoToSix{{2, 3, 4, 5, 6, 9}, {2, 6, {9}}};
    // Rows of the replaced part 3-4 that are shown again: 4 is now the second new row.
    const MovedRow fourShownAgain = [](int row) { return row == 4 ? 4 : -1; };
    struct Case {
        const char* what;
        RowSelection current;
        int at, removed, inserted;
        MovedRow moved;
        RowSelection expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"two rows put in at 4", twoToSix, 4, 0, 2, nullptr, {{2, 3, 6, 7, 8, 11}, {2, 8, {11}}}},
             {"put in after every row", twoToSix, 10, 0, 5, nullptr, twoToSix},
             {"put in before every row", twoToSix, 0, 0, 1, nullptr, {{3, 4, 5, 6, 7, 10}, {3, 7, {10}}}},
             {"rows taken out inside the range", twoToSix, 3, 2, 0, nullptr, {{2, 3, 4, 7}, {2, 4, {7}}}},
             {"the far end taken out: anew from what is left",
              twoToSix,
              6,
              1,
              0,
              nullptr,
              {{2, 3, 4, 5, 8}, {8, 8, {2, 3, 4, 5, 8}}}},
             {"a kept row taken out: anew",
              twoToSix,
              8,
              2,
              0,
              nullptr,
              {{2, 3, 4, 5, 6}, {6, 6, {2, 3, 4, 5, 6}}}},
             {"3-4 read again as three rows, 4 among them",
              twoToSix,
              3,
              2,
              3,
              fourShownAgain,
              {{2, 4, 6, 7, 10}, {2, 7, {10}}}},
             {"nothing selected", {}, 0, 3, 1, nullptr, {}}}) {
        SCOPED_TRACE(c.what);
        const RowSelection next = spliceRows(c.current, c.at, c.removed, c.inserted, c.moved);
        EXPECT_EQ(next.rows, c.expected.rows);
        EXPECT_EQ(next.range.anchor, c.expected.range.anchor);
        EXPECT_EQ(next.range.farEnd, c.expected.range.farEnd);
        EXPECT_EQ(next.range.kept, c.expected.range.kept);
    }
}

} // namespace
} // namespace tk
