// Tables: Ctrl- and Command-clicks add and remove rows; group rows (headings) are never selected -
// not by clicks, keys or ranges - and their row views show the group style.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/TableView.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// Ten rows; rows 0 and 4 head the runs below them.
struct GroupedTable {
    TestMainLoop loop;
    HeadlessWindow w{{200, 200}};
    std::shared_ptr<TableView> table = View::make<TableView>(Rect{0, 0, 200, 200});

    GroupedTable() {
        table->setNumberOfRows([] { return 10; });
        table->setCellViewProvider([](TableView&, int) { return View::make<View>(); });
        table->setGroupRowPredicate([](const TableView&, int row) { return row == 0 || row == 4; });
        w.contentView().addSubview(table);
        w.window().makeFirstResponder(table.get());
    }
    Point rowPoint(int row) const { return table->convertToWindow({50, row * 20 + 10.0}); }
};

TEST(TableView, GroupRowsAreNeverSelected) {
    GroupedTable f;
    EXPECT_TRUE(f.table->isGroupRow(4));
    EXPECT_FALSE(f.table->isGroupRow(-1)) << "no row, no group";
    ASSERT_NE(f.table->rowView(4), nullptr);
    EXPECT_TRUE(f.table->rowView(4)->isGroupRowStyle());
    EXPECT_FALSE(f.table->rowView(3)->isGroupRowStyle());

    f.w.click(f.rowPoint(2));
    f.w.click(f.rowPoint(4));
    EXPECT_EQ(f.table->selectedRowIndexes(), IndexSet{2}) << "a click on a heading changes nothing";
    EXPECT_EQ(f.table->clickedRow(), 4);
    f.w.click(f.rowPoint(6), ModifierFlags::shift);
    EXPECT_EQ(f.table->selectedRowIndexes(), (IndexSet{2, 3, 5, 6})) << "the range leaves the heading out";

    struct Step {
        KeyCode key;
        int selected;
    };
    f.w.click(f.rowPoint(3));
    for (const Step step : {Step{KeyCode::downArrow, 5}, Step{KeyCode::upArrow, 3}, Step{KeyCode::upArrow, 2},
                            Step{KeyCode::upArrow, 1}, Step{KeyCode::upArrow, 1}}) {
        f.w.key(step.key);
        EXPECT_EQ(f.table->selectedRowIndexes(), IndexSet{step.selected}) << int(step.key);
    }
    f.table->selectRowIndexes({0, 1, 4}, false);
    EXPECT_EQ(f.table->selectedRowIndexes(), IndexSet{1});
}

TEST(TableView, CtrlOrCommandClicksAddAndRemoveRowsAndTheRightButtonKeepsTheSelection) {
    GroupedTable f;
    f.w.click(f.rowPoint(1));
    f.w.click(f.rowPoint(3), ModifierFlags::control);
    f.w.click(f.rowPoint(6), ModifierFlags::command);
    EXPECT_EQ(f.table->selectedRowIndexes(), (IndexSet{1, 3, 6}));
    f.w.click(f.rowPoint(3), ModifierFlags::control);
    EXPECT_EQ(f.table->selectedRowIndexes(), (IndexSet{1, 6})) << "a second Ctrl-click takes the row out";
    f.w.rightClick(f.rowPoint(2));
    EXPECT_EQ(f.table->clickedRow(), 2);
    EXPECT_EQ(f.table->selectedRowIndexes(), (IndexSet{1, 6}));
}

} // namespace
} // namespace tk
