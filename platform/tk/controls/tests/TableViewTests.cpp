// Tables: Ctrl- and Command-clicks add and remove rows; Shift-clicks and Shift-arrows select a
// range from an anchor that grows and shrinks; Home, End, Page Up and Page Down move through a
// scrolled table and Ctrl+A selects it all; group rows (headings) are never selected - not by
// clicks, keys or ranges - and their row views show the group style.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/TableView.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
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
        {"Ctrl+Shift-click adds the range", {click(1), click(5, ctrl), click(7, ctrl | shift)}, {1, 5, 6, 7}},
        {"Ctrl+Shift-click inside the range shrinks nothing",
         {click(5), click(8, shift), click(6, ctrl | shift)},
         {5, 6, 7, 8}},
        {"a Shift-click after it keeps the rows selected before it",
         {click(1), click(5, ctrl), click(7, ctrl | shift), click(3, shift)},
         {1, 3, 4, 5}},
        {"Ctrl+Shift-click with nothing selected", {click(7, ctrl | shift)}, {7}},
        {"Ctrl+Shift-click leaves the heading out",
         {click(2), click(10, ctrl), click(14, ctrl | shift)},
         {2, 10, 11, 13, 14}},
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

// Thirty rows in a scroll view that shows five of them; rows 0 and 20 are headings.
struct ScrolledTable {
    TestMainLoop loop;
    HeadlessWindow w{{200, 120}};
    std::shared_ptr<ScrollView> scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
    std::shared_ptr<TableView> table = View::make<TableView>(Rect{0, 0, 185, 100});

    ScrolledTable() {
        table->setNumberOfRows([] { return 30; });
        table->setCellViewProvider([](TableView&, int) { return View::make<View>(); });
        table->setGroupRowPredicate([](const TableView&, int row) { return row == 0 || row == 20; });
        scroll->setHasVerticalScroller(true);
        scroll->setDocumentView(table);
        w.contentView().addSubview(scroll);
        w.window().layoutIfNeeded();
        w.window().makeFirstResponder(table.get());
    }
    // A click lands on the row where it is in view: the clip view is scrolled there first.
    void send(const Input& input) {
        if (input.row >= 0) {
            table->scrollRowToVisible(input.row);
            w.click(table->convertToWindow({50, input.row * 20 + 10.0}), input.modifiers);
        } else {
            w.key(input.key, input.modifiers);
        }
    }
    // The first row the clip view shows.
    int topRow() const { return int(scroll->contentView().bounds().minY() / 20); }
};

TEST(TableView, HomeEndAndPageKeysMoveThroughAScrolledTableAndCtrlASelectsAll) {
    const auto shift = ModifierFlags::shift, ctrl = ModifierFlags::control, cmd = ModifierFlags::command;
    const auto home = KeyCode::home, end = KeyCode::end, pageUp = KeyCode::pageUp,
               pageDown = KeyCode::pageDown;
    const auto a = KeyCode::a, down = KeyCode::downArrow;
    IndexSet all;
    for (int r = 1; r < 30; ++r)
        if (r != 20)
            all.insert(r);
    struct Case {
        const char* what;
        std::vector<Input> inputs;
        IndexSet selected;
        int anchor;
        int topRow;
    };
    const Case cases[] = {
        {"End selects the last row", {click(3), press(end)}, {29}, 29, 25},
        {"Home steps over the heading", {click(7), press(end), press(home)}, {1}, 1, 1},
        {"End with nothing selected", {press(end)}, {29}, 29, 25},
        {"Page Down moves five rows", {click(3), press(pageDown)}, {8}, 8, 4},
        {"Page Down goes on from there",
         {click(3), press(pageDown), press(pageDown), press(pageDown)},
         {18},
         18,
         14},
        {"Page Down over a heading", {click(15), press(pageDown)}, {21}, 21, 17},
        {"Page Down stops at the last row", {click(27), press(pageDown)}, {29}, 29, 25},
        {"Page Up moves five rows", {click(22), press(pageUp)}, {17}, 17, 17},
        {"Page Up onto the heading at the top", {click(3), press(pageUp)}, {1}, 1, 0},
        {"Page Down with nothing selected", {press(pageDown)}, {1}, 1, 0},
        {"Page Up with nothing selected", {press(pageUp)}, {29}, 29, 25},
        {"Shift+End extends from the anchor", {click(25), press(end, shift)}, {25, 26, 27, 28, 29}, 25, 25},
        {"Shift+Home extends from the anchor", {click(3), press(home, shift)}, {1, 2, 3}, 3, 0},
        {"Shift+Page Down and back",
         {click(3), press(pageDown, shift), press(pageDown, shift), press(pageUp, shift)},
         {3, 4, 5, 6, 7, 8},
         3,
         8},
        {"Shift+Page Down leaves the heading out",
         {click(17), press(pageDown, shift)},
         {17, 18, 19, 21, 22},
         17,
         18},
        {"Shift+End keeps the Ctrl-clicked rows",
         {click(2), click(26, ctrl), press(end, shift)},
         {2, 26, 27, 28, 29},
         26,
         25},
        {"Ctrl+A selects every row but the headings", {click(5), press(a, ctrl)}, all, 5, 1},
        {"Command+A too", {click(5), press(a, cmd)}, all, 5, 1},
        {"Ctrl+A with nothing selected", {press(a, ctrl)}, all, 1, 0},
        {"Shift after Ctrl+A ranges from the anchor alone",
         {click(5), press(a, ctrl), press(down, shift)},
         {5, 6},
         5,
         2},
        {"Down after Ctrl+A", {click(5), press(a, ctrl), press(down)}, {6}, 6, 2},
        {"Ctrl+Shift+A is no Select All", {click(5), press(a, ctrl | shift)}, {5}, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScrolledTable f;
        for (const Input& input : c.inputs)
            f.send(input);
        EXPECT_EQ(f.table->selectedRowIndexes(), c.selected);
        EXPECT_EQ(f.table->selectionRange().anchor, c.anchor);
        EXPECT_EQ(f.topRow(), c.topRow);
    }

    // Without a clip view a page is the part of the window the table covers: all of its 20 rows.
    LongTable f;
    f.send(click(3));
    f.send(press(pageDown));
    EXPECT_EQ(f.table->selectedRowIndexes(), IndexSet{19});
    f.table->setNumberOfRows([] { return 0; });
    f.table->reloadData();
    for (KeyCode key : {home, end, pageUp, pageDown, a})
        f.w.key(key, key == a ? ctrl : ModifierFlags::none);
    EXPECT_TRUE(f.table->selectedRowIndexes().empty()) << "no rows, nothing to select";
}

// A table follows its rows whether it draws them itself or shows them as views, and a table shorter
// than its clip view fills it: a click below the last row lands on the table and clears the
// selection.
TEST(TableView, ItsHeightFollowsItsRowsAndFillsTheClipView) {
    for (const bool viewBased : {false, true}) {
        SCOPED_TRACE(viewBased ? "view-based" : "plain");
        TestMainLoop loop;
        HeadlessWindow w{{200, 120}};
        auto scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
        auto table = View::make<TableView>(Rect{0, 0, 185, 200});
        int rows = 100;
        table->setNumberOfRows([&rows] { return rows; });
        if (viewBased)
            table->setCellViewProvider([](TableView&, int) { return View::make<View>(); });
        scroll->setHasVerticalScroller(true);
        scroll->setDocumentView(table);
        w.contentView().addSubview(scroll);
        w.window().layoutIfNeeded();
        EXPECT_DOUBLE_EQ(table->frame().height(), 2000);
        table->scrollRowToVisible(50);
        EXPECT_DOUBLE_EQ(scroll->contentView().bounds().minY(), 51 * 20 - 100) << "row 50 can be scrolled to";
        table->selectRowIndexes({50}, false);

        rows = 3;
        table->reloadData();
        EXPECT_DOUBLE_EQ(table->frame().height(), 100) << "three rows: as high as the clip view";
        EXPECT_DOUBLE_EQ(scroll->contentView().bounds().minY(), 0);
        EXPECT_TRUE(scroll->verticalScroller().isHidden() || !scroll->autohidesScrollers());
        table->selectRowIndexes({1}, false);
        w.click(table->convertToWindow({50, 80}));
        EXPECT_TRUE(table->selectedRowIndexes().empty()) << "a click below the last row clears the selection";
        EXPECT_EQ(table->clickedRow(), -1);

        table->setRowHeight(30);
        EXPECT_DOUBLE_EQ(table->frame().height(), 100);
        rows = 10;
        table->reloadData();
        EXPECT_DOUBLE_EQ(table->frame().height(), 300);
        table->scrollRowToVisible(9);
        EXPECT_DOUBLE_EQ(scroll->contentView().bounds().minY(), 200);
        scroll->setFrameSize({200, 400});
        w.window().layoutIfNeeded();
        EXPECT_DOUBLE_EQ(table->frame().height(), 400) << "and it grows with the clip view";

        // Outside a clip view there is nothing to fill: the rows alone.
        table->removeFromSuperview();
        w.contentView().addSubview(table);
        EXPECT_DOUBLE_EQ(table->frame().height(), 300);
    }
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
