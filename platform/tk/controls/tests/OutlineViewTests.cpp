#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/OutlineView.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
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
    EXPECT_EQ(outline->selectedRowIndexes(), (IndexSet{1})) << "a collapsed-away item is deselected";
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
