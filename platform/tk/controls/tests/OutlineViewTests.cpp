#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/OutlineView.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/TableCellView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace tk {
namespace {

using Item = OutlineView::Item;

// A small tree of named nodes:  a (a1, a2 (a2x)), b
struct Node {
    std::string name;
    std::vector<std::shared_ptr<Node>> children;
};
std::shared_ptr<Node> node(std::string name, std::vector<std::shared_ptr<Node>> children = {}) {
    return std::make_shared<Node>(Node{std::move(name), std::move(children)});
}

struct Tree : OutlineView::DataSource {
    std::vector<std::shared_ptr<Node>> roots;
    int numberOfChildren(const Item& item) override {
        return int(item ? static_cast<Node*>(item.get())->children.size() : roots.size());
    }
    Item child(int index, const Item& item) override {
        return item ? static_cast<Node*>(item.get())->children[std::size_t(index)]
                    : roots[std::size_t(index)];
    }
    bool isItemExpandable(const Item& item) override {
        return !static_cast<Node*>(item.get())->children.empty();
    }
};

class Outline : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 200}};
    std::shared_ptr<Node> a2x = node("a2x");
    std::shared_ptr<Node> a2 = node("a2", {a2x});
    std::shared_ptr<Node> a1 = node("a1");
    std::shared_ptr<Node> a = node("a", {a1, a2});
    std::shared_ptr<Node> b = node("b");
    std::shared_ptr<Tree> tree = std::make_shared<Tree>();
    std::shared_ptr<OutlineView> outline = View::make<OutlineView>(Rect{0, 0, 200, 200});

    void SetUp() override {
        tree->roots = {a, b};
        outline->setDataSource(tree);
        w.contentView().addSubview(outline);
    }
};

TEST_F(Outline, RowsFollowExpansionAndKeepTheSelectedItems) {
    EXPECT_EQ(outline->numberOfRows(), 2);
    outline->selectRowIndexes({1}, false); // b
    outline->expandItem(a);
    EXPECT_EQ(outline->numberOfRows(), 4);
    EXPECT_EQ(outline->item(2), a2);
    EXPECT_EQ(outline->selectedRowIndexes(), (IndexSet{3})) << "b is still selected, one row further down";
    EXPECT_EQ(outline->parent(a2), a);
    EXPECT_EQ(outline->childIndex(a2), 1);
    EXPECT_EQ(outline->level(2), 1);

    outline->expandItem(a2);
    outline->selectRowIndexes({3}, true); // a2x
    EXPECT_EQ(outline->numberOfSelectedRows(), 2);
    outline->collapseItem(a);
    EXPECT_EQ(outline->numberOfRows(), 2);
    EXPECT_EQ(outline->selectedRowIndexes(), (IndexSet{0, 1})) << "a takes the place of a2x, hidden";
    EXPECT_EQ(outline->row(a2x), -1);
    outline->expandItem(a);
    EXPECT_TRUE(outline->isItemExpanded(a2)) << "a2 remembers it was expanded";
    EXPECT_EQ(outline->numberOfRows(), 5);
}

TEST_F(Outline, ClicksSetTheClickedRowAndTheSelection) {
    outline->expandItem(a);
    w.click({50, 25}); // row 1: a1
    EXPECT_EQ(outline->clickedRow(), 1);
    EXPECT_EQ(outline->selectedRowIndexes(), (IndexSet{1}));
    w.click({50, 65}, ModifierFlags::command); // row 3: b, added
    EXPECT_EQ(outline->selectedRowIndexes(), (IndexSet{1, 3}));
    w.rightClick({50, 45}); // row 2: clicked, selection unchanged
    EXPECT_EQ(outline->clickedRow(), 2);
    EXPECT_EQ(outline->selectedRowIndexes(), (IndexSet{1, 3}));
    // The outline's height follows its rows; in a scroll view it fills the part below them too.
    auto scroll = View::make<ScrollView>(Rect{0, 0, 200, 200});
    w.contentView().addSubview(scroll);
    scroll->setDocumentView(outline);
    w.window().layoutIfNeeded();
    w.click({50, 150}); // below the rows
    EXPECT_EQ(outline->clickedRow(), -1);
    EXPECT_TRUE(outline->selectedRowIndexes().empty());
}

TEST_F(Outline, ViewBasedRowsHoldADisclosureButtonThatOpensAndClosesTheItem) {
    EXPECT_TRUE(outline->subviews().empty()) << "a plain outline has no row views";
    std::vector<std::string> asked;
    outline->setCellViewProvider([&](TableView& table, int row) {
        asked.push_back(static_cast<Node*>(static_cast<OutlineView&>(table).item(row).get())->name);
        return View::make<View>();
    });
    outline->reloadData();
    EXPECT_EQ(asked, (std::vector<std::string>{"a", "b"}));
    const auto disclosure = [&](int row) -> Button* {
        TableRowView* view = outline->rowView(row);
        for (const auto& sub : view ? view->subviews() : std::vector<std::shared_ptr<View>>{})
            if (sub->identifier() == OutlineView::kDisclosureButtonKey)
                return dynamic_cast<Button*>(sub.get());
        return nullptr;
    };
    ASSERT_NE(disclosure(0), nullptr);
    EXPECT_EQ(disclosure(1), nullptr) << "b has nothing to open";
    EXPECT_EQ(outline->frameOfOutlineCellAtRow(1), Rect{});

    w.click(outline->convertToWindow(outline->frameOfOutlineCellAtRow(0).center()));
    EXPECT_TRUE(outline->isItemExpanded(a));
    EXPECT_EQ(outline->numberOfRows(), 4);
    EXPECT_EQ(disclosure(0)->state(), CellState::on);
    ASSERT_NE(disclosure(2), nullptr) << "a2 can open";
    EXPECT_EQ(outline->frameOfOutlineCellAtRow(2).minX(),
              outline->frameOfOutlineCellAtRow(0).minX() + OutlineView::kIndentationPerLevel);
    EXPECT_TRUE(outline->selectedRowIndexes().empty());

    w.click(outline->convertToWindow(outline->frameOfOutlineCellAtRow(0).center()));
    EXPECT_FALSE(outline->isItemExpanded(a));
    EXPECT_EQ(outline->numberOfRows(), 2);
    EXPECT_EQ(disclosure(0)->state(), CellState::off);
}

// What an outline shows, row by row: each row's item, level and parent, and for the rows in view
// the row view's frame and selection, the disclosure button's state and frame and the cell view's
// frame and content.
std::string picture(OutlineView& outline) {
    const auto name = [](const Item& item) { return item ? static_cast<Node*>(item.get())->name : "-"; };
    std::ostringstream out;
    for (int r = 0; r < outline.numberOfRows(); ++r) {
        const Item item = outline.item(r);
        out << r << ' ' << name(item) << " level " << outline.level(r) << " in " << name(outline.parent(item))
            << " #" << outline.childIndex(item);
        if (TableRowView* view = outline.rowView(r)) {
            const Rect f = view->frame();
            out << " | row " << f.minY() << ' ' << f.height() << (view->isSelected() ? " selected" : "");
            for (const auto& sub : view->subviews()) {
                const Rect s = sub->frame();
                out << " [" << s.minX() << ' ' << s.minY() << ' ' << s.width();
                if (auto* button = dynamic_cast<Button*>(sub.get()))
                    out << (button->state() == CellState::on ? " open" : " closed");
                if (auto* cell = dynamic_cast<TableCellView*>(sub.get()))
                    out << ' ' << cell->objectValue().value_or("?");
                out << ']';
            }
        }
        out << '\n';
    }
    return out.str();
}

// Items opened and closed one call at a time show the same rows and row views as an outline that
// reads the whole tree with the same items open.
TEST(OutlineRows, OpeningAndClosingShowsWhatAFreshOutlineShows) {
    TestMainLoop loop;
    HeadlessWindow w{{200, 160}}; // 8 rows in view
    auto a2x = node("a2x"), a2y = node("a2y"), b1x = node("b1x");
    auto a1 = node("a1"), a2 = node("a2", {a2x, a2y}), b1 = node("b1", {b1x}), b2 = node("b2");
    auto d1 = node("d1", {node("d1x")}), d2 = node("d2"), d3 = node("d3");
    auto a = node("a", {a1, a2}), b = node("b", {b1, b2}), c = node("c"), d = node("d", {d1, d2, d3});
    const std::vector<std::shared_ptr<Node>> all{a, a1, a2, a2x, a2y, b, b1, b1x, b2, c, d, d1, d2, d3};
    const auto cells = [](TableView& table, int row) {
        auto cell = std::dynamic_pointer_cast<TableCellView>(table.makeViewWithIdentifier("cell"));
        if (!cell) {
            cell = View::make<TableCellView>();
            cell->setIdentifier("cell");
        }
        const Item item = static_cast<OutlineView&>(table).item(row);
        cell->setObjectValue(static_cast<Node*>(item.get())->name + " at " + std::to_string(row));
        return cell;
    };
    enum Call { open, openAll, close };
    struct Step {
        Call call;
        std::shared_ptr<Node> item;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    for (const Case& test : std::initializer_list<Case>{
             {"one item open and closed", {{open, a}, {close, a}}},
             {"a child opened and its parent closed and opened again",
              {{open, a}, {open, a2}, {close, a}, {open, a}, {close, a2}}},
             {"a hidden item opened, then its parent", {{open, a2}, {open, a}}},
             {"all the way down, then a middle item closed",
              {{openAll, b}, {openAll, d}, {close, b1}, {close, d}}},
             {"an open item opened all the way down", {{open, a}, {openAll, a}}},
             {"rows below the part in view", {{open, d}, {open, d1}, {open, a}, {open, b}, {close, d1}}},
             {"items that cannot open, or are not open", {{open, c}, {open, a1}, {close, b}, {openAll, c}}},
             {"an item opened again", {{open, b}, {open, b}, {close, b}, {close, b}}}}) {
        SCOPED_TRACE(test.what);
        auto tree = std::make_shared<Tree>();
        tree->roots = {a, b, c, d};
        auto outline = View::make<OutlineView>(Rect{0, 0, 200, 160});
        outline->setCellViewProvider(cells);
        outline->setDataSource(tree);
        w.contentView().addSubview(outline);
        outline->selectRowIndexes({outline->row(c)}, false);
        for (const Step& step : test.steps) {
            SCOPED_TRACE(step.item->name);
            if (step.call == close)
                outline->collapseItem(step.item);
            else
                outline->expandItem(step.item, step.call == openAll);

            // The fresh outline: the same items open while none is shown, then the whole tree read.
            auto freshTree = std::make_shared<Tree>();
            auto fresh = View::make<OutlineView>(Rect{0, 0, 200, 160});
            fresh->setCellViewProvider(cells);
            fresh->setDataSource(freshTree);
            for (const auto& item : all)
                if (outline->isItemExpanded(item))
                    fresh->expandItem(item);
            freshTree->roots = tree->roots;
            fresh->reloadData();
            fresh->selectRowIndexes({fresh->row(c)}, false);
            w.contentView().addSubview(fresh);
            EXPECT_EQ(picture(*outline), picture(*fresh));
            fresh->removeFromSuperview();
        }
        outline->removeFromSuperview();
    }
}

// Closing an item that hides selected rows selects the item instead and anchors the range there:
// Shift-Down goes on from it, and the rows selected elsewhere stay.
TEST_F(Outline, ClosingAnItemOverSelectedRowsSelectsItAndAnchorsThere) {
    auto c = node("c"), d = node("d");
    tree->roots = {a, b, c, d};
    outline->reloadData();
    w.window().makeFirstResponder(outline.get());
    int changes = 0;
    outline->setSelectionDidChange([&](TableView&) { ++changes; });
    const auto selectedItems = [&] {
        std::vector<Item> items;
        for (int r : outline->selectedRowIndexes())
            items.push_back(outline->item(r));
        return items;
    };
    const auto clickOn = [&](const Item& item, ModifierFlags flags) {
        w.click(outline->convertToWindow(outline->rectOfRow(outline->row(item)).center()), flags);
    };
    struct Case {
        const char* what;
        std::function<void()> select; // with a and a2 open: a, a1, a2, a2x, b, c, d
        std::vector<Item> afterClosing;
        std::vector<Item> afterShiftDown;
    };
    for (const Case& test : std::initializer_list<Case>{{"a run inside",
                                                         [&] {
                                                             clickOn(a1, {});
                                                             w.key(KeyCode::downArrow, ModifierFlags::shift);
                                                             w.key(KeyCode::downArrow, ModifierFlags::shift);
                                                         },
                                                         {a},
                                                         {a, b}},
                                                        {"one row inside, one outside",
                                                         [&] {
                                                             clickOn(d, {});
                                                             clickOn(a2x, ModifierFlags::command);
                                                         },
                                                         {a, d},
                                                         {a, b, d}}}) {
        SCOPED_TRACE(test.what);
        outline->expandItem(a);
        outline->expandItem(a2);
        test.select();
        changes = 0;
        outline->collapseItem(a);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(selectedItems(), test.afterClosing);
        EXPECT_EQ(outline->selectionRange().anchor, 0);
        EXPECT_EQ(outline->selectionRange().farEnd, 0);
        w.key(KeyCode::downArrow, ModifierFlags::shift);
        EXPECT_EQ(selectedItems(), test.afterShiftDown);
    }
}

// Right opens the item the keys are on; Left closes an open one, and on one that is closed or
// cannot open goes up to its parent.
TEST_F(Outline, LeftClosesTheItemOrGoesUpToItsParent) {
    outline->expandItem(a);
    outline->expandItem(a2); // a, a1, a2, a2x, b
    w.window().makeFirstResponder(outline.get());
    w.click({50, 65}); // row 3: a2x
    ASSERT_EQ(outline->item(outline->selectedRow()), a2x);
    struct Step {
        const char* what;
        KeyCode key;
        std::shared_ptr<Node> selected;
        int rows;
    };
    for (const Step& step :
         {Step{"a2x cannot open: its parent", KeyCode::leftArrow, a2, 5},
          Step{"a2 open: closed", KeyCode::leftArrow, a2, 4},
          Step{"a2 closed: its parent", KeyCode::leftArrow, a, 4},
          Step{"a open: closed", KeyCode::leftArrow, a, 2},
          Step{"a closed at the top: stays", KeyCode::leftArrow, a, 2},
          Step{"a opened again", KeyCode::rightArrow, a, 4}, Step{"down to a1", KeyCode::downArrow, a1, 4},
          Step{"a1 cannot open: its parent", KeyCode::leftArrow, a, 4}}) {
        SCOPED_TRACE(step.what);
        w.key(step.key);
        EXPECT_EQ(outline->item(outline->selectedRow()), step.selected);
        EXPECT_EQ(outline->numberOfSelectedRows(), 1);
        EXPECT_EQ(outline->numberOfRows(), step.rows);
    }
}

// Click b, Shift-Down twice (b-d), then the rows are read again or items open and close: the range
// goes on from where it was, moved with its items, so Shift-Up twice shrinks it as in a plain table.
TEST_F(Outline, AShiftRangeOutlivesReloadsAndExpansion) {
    auto c1 = node("c1"), d1 = node("d1");
    auto c = node("c", {c1}), d = node("d", {d1});
    tree->roots = {a, b, c, d};
    outline->reloadData();
    w.window().makeFirstResponder(outline.get());
    const auto selectedItems = [&] {
        std::vector<Item> items;
        for (int r : outline->selectedRowIndexes())
            items.push_back(outline->item(r));
        return items;
    };
    const auto shift = ModifierFlags::shift;
    struct Case {
        const char* what;
        std::vector<std::shared_ptr<Node>> openBefore;
        std::function<void()> change;
        std::vector<Item> afterTwoUps;
    };
    for (const Case& step : std::initializer_list<Case>{
             {"a reload", {}, [&] { outline->reloadData(); }, {b}},
             {"an item opened above: the range moves down", {}, [&] { outline->expandItem(a); }, {b}},
             {"an item closed above: it moves up", {a}, [&] { outline->collapseItem(a); }, {b}},
             {"an item opened below", {}, [&] { outline->expandItem(d); }, {b}},
             {"an item opened inside: its children join the range as it moves",
              {},
              [&] { outline->expandItem(c); },
              {b, c}}}) {
        SCOPED_TRACE(step.what);
        for (const auto& item : {a, c, d})
            outline->collapseItem(item);
        for (const auto& item : step.openBefore)
            outline->expandItem(item);
        w.click(outline->convertToWindow(outline->rectOfRow(outline->row(b)).center()));
        w.key(KeyCode::downArrow, shift);
        w.key(KeyCode::downArrow, shift);
        step.change();
        EXPECT_EQ(selectedItems(), (std::vector<Item>{b, c, d}));
        EXPECT_EQ(outline->selectionRange().anchor, outline->row(b));
        EXPECT_EQ(outline->selectionRange().farEnd, outline->row(d));
        w.key(KeyCode::upArrow, shift);
        w.key(KeyCode::upArrow, shift);
        EXPECT_EQ(selectedItems(), step.afterTwoUps);
    }

    // The far end gone: the range starts anew from the rows still selected.
    for (const auto& item : {a, c, d})
        outline->collapseItem(item);
    w.click(outline->convertToWindow(outline->rectOfRow(1).center())); // b
    w.key(KeyCode::downArrow, shift);
    w.key(KeyCode::downArrow, shift);
    tree->roots = {a, b, c};
    outline->reloadData();
    EXPECT_EQ(selectedItems(), (std::vector<Item>{b, c}));
    EXPECT_EQ(outline->selectionRange().anchor, outline->row(c));
}

} // namespace
} // namespace tk
