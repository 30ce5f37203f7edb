// Tables: Ctrl- and Command-clicks add and remove rows; Shift-clicks and Shift-arrows select a
// range from an anchor that grows and shrinks; group rows (headings) are never selected - not by
// clicks, keys or ranges - and their row views show the group style.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/TableView.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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

// One step of a sequence: a click on a row, or an arrow key, with modifiers held.
struct Input {
    int row; // -1: a key
    KeyCode key;
    ModifierFlags modifiers;
};
Input click(int row, ModifierFlags modifiers = ModifierFlags::none) {
    return {row, KeyCode::downArrow, modifiers};
}
Input press(KeyCode key, ModifierFlags modifiers = ModifierFlags::none) {
    return {-1, key, modifiers};
}

// Twenty rows, row 12 a heading.
struct LongTable {
    TestMainLoop loop;
    HeadlessWindow w{{200, 400}};
    std::shared_ptr<TableView> table = View::make<TableView>(Rect{0, 0, 200, 400});

    LongTable() {
        table->setNumberOfRows([] { return 20; });
        table->setGroupRowPredicate([](const TableView&, int row) { return row == 12; });
        w.contentView().addSubview(table);
        w.window().makeFirstResponder(table.get());
    }
    void send(const Input& input) {
        if (input.row >= 0)
            w.click(table->convertToWindow({50, input.row * 20 + 10.0}), input.modifiers);
        else
            w.key(input.key, input.modifiers);
    }
};

TEST(TableView, ShiftClicksAndShiftArrowsReplaceTheRangeFromTheAnchor) {
    const auto shift = ModifierFlags::shift, ctrl = ModifierFlags::control, cmd = ModifierFlags::command;
    const auto up = KeyCode::upArrow, down = KeyCode::downArrow;
    struct Case {
        const char* what;
        std::vector<Input> inputs;
        IndexSet selected;
    };
    const Case cases[] = {
        {"the range shrinks", {click(5), click(8, shift), click(6, shift)}, {5, 6}},
        {"the range turns over the anchor", {click(5), click(8, shift), click(2, shift)}, {2, 3, 4, 5}},
        {"a Ctrl-click anchors the range",
         {click(5), click(2, ctrl), click(8, shift)},
         {2, 3, 4, 5, 6, 7, 8}},
        {"rows selected before the range stay",
         {click(1), click(5, cmd), click(8, shift), click(6, shift)},
         {1, 5, 6}},
        {"Shift-arrows move the far end",
         {click(5), press(down, shift), press(down, shift), press(up, shift)},
         {5, 6}},
        {"Shift-arrows pass the anchor",
         {click(5), press(down, shift), press(up, shift), press(up, shift)},
         {4, 5}},
        {"Down goes on from the far end",
         {click(5), press(down, shift), press(down, shift), press(down)},
         {8}},
        {"Up goes on from the far end", {click(5), click(2, shift), press(up)}, {1}},
        {"Shift-Down after a Ctrl-click", {click(1), click(5, ctrl), press(down, shift)}, {1, 5, 6}},
        {"a Ctrl-click that takes a row out leaves the anchor",
         {click(5), click(9, ctrl), click(5, ctrl), click(7, shift)},
         {7, 8, 9}},
        {"the far end stays on the first row", {click(1), press(up, shift), press(up, shift)}, {0, 1}},
        {"Shift-click with nothing selected", {click(7, shift)}, {7}},
        {"a range leaves the heading out", {click(10), click(14, shift)}, {10, 11, 13, 14}},
        {"Shift-Down steps over the heading", {click(11), press(down, shift)}, {11, 13}},
        {"a click on the heading keeps the anchor", {click(5), click(12), click(7, shift)}, {5, 6, 7}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LongTable f;
        for (const Input& input : c.inputs)
            f.send(input);
        EXPECT_EQ(f.table->selectedRowIndexes(), c.selected);
    }

    LongTable f;
    f.table->selectRowIndexes({2, 7}, false);
    f.send(click(9, shift));
    EXPECT_EQ(f.table->selectedRowIndexes(), (IndexSet{2, 7, 8, 9})) << "rows selected by code are kept";
    f.table->reloadData();
    f.send(click(8, shift));
    EXPECT_EQ(f.table->selectedRowIndexes(), (IndexSet{2, 7, 8})) << "the range outlives a reload";
}

std::vector<std::uint8_t> pixelsOf(const BitmapContext& frame) {
    return {frame.pixelData(), frame.pixelData() + frame.stride() * frame.pixelHeight()};
}

// A plain table draws its selection itself: a change marks the rows it touches, no more, and the
// frame drawn over the last one matches the whole window drawn again.
TEST(TableView, APlainTableDrawsTheRowsWhoseSelectionChanged) {
    LongTable f;
    f.send(click(3));
    f.w.window().display();
    for (const Input& input : {click(6, ModifierFlags::shift), click(4, ModifierFlags::shift), click(9)}) {
        SCOPED_TRACE(input.row);
        f.send(input);
        ASSERT_TRUE(f.w.window().needsDisplay());
        EXPECT_FALSE(f.w.window().wholeNeedsDisplay());
        f.w.window().displayIfNeeded();
        const auto partial = pixelsOf(*f.w.window().lastFrame());
        f.w.window().display();
        EXPECT_TRUE(partial == pixelsOf(*f.w.window().lastFrame()));
    }
}

} // namespace
} // namespace tk
