// Tables by columns: cells at their columns' x and width, hidden columns taking no room, the
// implicit column of a table without columns, the header in the scroll view following the
// horizontal scroll and drawing its bottom line on past the last column, divider drags that resize
// a column within its limits (also where the table scrolls under the pointer), follow their column
// as others come and go, and leave the resize cursor over the divider they end on, rows made as
// views only once in view, and an outline's indentation kept in its first column.

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/OutlineView.h"
#include "platform/tk/controls/TableHeaderView.h"
#include "platform/tk/controls/TableView.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tk {
namespace {

std::shared_ptr<TableColumn> column(std::string id, double width) {
    auto c = std::make_shared<TableColumn>(std::move(id));
    c->setWidth(width);
    return c;
}

// Each cell remembers the column and row it was asked for.
std::shared_ptr<View> cellFor(TableView& table, TableColumn* c, int row) {
    const std::string id = c ? c->identifier() : "";
    auto cell = table.makeViewWithIdentifier(id);
    if (!cell) {
        cell = View::make<View>();
        cell->setIdentifier(id);
    }
    cell->setTag(row);
    return cell;
}

// A 200 x 100 scroll view (a 15-point vertical scroller, a horizontal one while the columns do not
// fit) around a table of 50 rows with columns "a" 60, "hidden" 40 (hidden), "b" 80, and a header.
struct ColumnsFixture {
    TestMainLoop loop;
    HeadlessWindow w{{220, 140}};
    std::shared_ptr<ScrollView> scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
    std::shared_ptr<TableView> table = View::make<TableView>(Rect{0, 0, 200, 100});
    std::shared_ptr<TableHeaderView> header = View::make<TableHeaderView>();
    std::shared_ptr<TableColumn> a = column("a", 60);
    std::shared_ptr<TableColumn> hidden = column("hidden", 40);
    std::shared_ptr<TableColumn> b = column("b", 80);

    ColumnsFixture() {
        hidden->setHidden(true);
        for (const auto& c : {a, hidden, b})
            table->addTableColumn(c);
        table->setNumberOfRows([] { return 50; });
        table->setCellViewProvider(cellFor);
        table->setHeaderView(header);
        scroll->setHasVerticalScroller(true);
        scroll->setHasHorizontalScroller(true);
        scroll->setAutohidesScrollers(true);
        scroll->setDocumentView(table);
        w.contentView().addSubview(scroll);
        w.window().layoutIfNeeded();
    }
    // Where a cell sits in the table.
    Rect cellFrame(int column, int row) const {
        View* cell = table->viewAtColumn(column, row);
        return cell ? table->convertFrom(cell->bounds(), cell) : Rect{};
    }
    Point divider(const TableColumn& c) const {
        const int index = table->columnWithIdentifier(c.identifier());
        return header->convertToWindow({header->headerRectOfColumn(index).maxX(), 12});
    }
};

TEST(TableColumns, CellsSitAtTheirColumnsAndHiddenColumnsTakeNoRoom) {
    ColumnsFixture f;
    EXPECT_EQ(f.table->rectOfColumn(0), (Rect{0, 0, 63, 1000})) << "the width and the spacing";
    EXPECT_EQ(f.table->rectOfColumn(1), Rect{});
    EXPECT_EQ(f.table->rectOfColumn(2), (Rect{63, 0, 83, 1000}));
    EXPECT_EQ(f.cellFrame(0, 3), (Rect{1.5, 60, 60, 20})) << "inset by half the spacing";
    EXPECT_EQ(f.cellFrame(2, 3), (Rect{64.5, 60, 80, 20}));
    EXPECT_EQ(f.table->viewAtColumn(1, 3), nullptr) << "no cell for the hidden column";
    EXPECT_EQ(f.table->viewAtColumn(2, 3)->identifier(), "b");
    EXPECT_EQ(f.table->viewAtColumn(2, 3)->tag(), 3);
    EXPECT_EQ(f.table->columnAt(70), 2);
    EXPECT_EQ(f.table->columnAt(150), -1) << "past the last column";
    EXPECT_DOUBLE_EQ(f.table->frame().width(), 185) << "the columns fit: as wide as the clip view";
    EXPECT_TRUE(f.scroll->horizontalScroller().isHidden());

    f.hidden->setHidden(false);
    EXPECT_EQ(f.cellFrame(2, 3).minX(), 64.5 + 43) << "shown, it pushes the next column along";
    EXPECT_EQ(f.table->viewAtColumn(1, 3)->identifier(), "hidden");
    EXPECT_DOUBLE_EQ(f.table->frame().width(), 189);
    EXPECT_FALSE(f.scroll->horizontalScroller().isHidden()) << "no longer fits: a horizontal scroller";
    EXPECT_DOUBLE_EQ(f.scroll->contentView().frame().height(), 100 - 24 - 15);

    f.table->setIntercellSpacing({0, 4});
    EXPECT_EQ(f.cellFrame(0, 3), (Rect{0, 62, 60, 16})) << "rows keep half the height spacing apart";
}

TEST(TableColumns, WithoutColumnsOneImplicitColumnFillsTheRow) {
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    auto table = View::make<TableView>(Rect{0, 0, 170, 100});
    table->setNumberOfRows([] { return 3; });
    std::vector<TableColumn*> asked;
    table->setCellViewProvider([&](TableView& t, TableColumn* c, int row) {
        asked.push_back(c);
        return cellFor(t, c, row);
    });
    w.contentView().addSubview(table);
    EXPECT_EQ(asked, (std::vector<TableColumn*>{nullptr, nullptr, nullptr}));
    EXPECT_EQ(table->viewAtColumn(0, 1)->frame(), (Rect{0, 0, 170, 20})) << "the whole row, no spacing";
    EXPECT_DOUBLE_EQ(table->frame().width(), 170) << "the table keeps its width";
    table->setFrameSize({190, 60});
    EXPECT_DOUBLE_EQ(table->viewAtColumn(0, 1)->frame().width(), 190) << "and its cells follow it";

    // A provider of one view a row puts it in the first visible column only.
    auto first = column("first", 50), second = column("second", 50);
    table->addTableColumn(first);
    table->addTableColumn(second);
    int rows = 0;
    table->setCellViewProvider([&rows](TableView&, int) {
        ++rows;
        return View::make<View>();
    });
    table->reloadData();
    EXPECT_EQ(rows, 3);
    EXPECT_NE(table->viewAtColumn(0, 0), nullptr);
    EXPECT_EQ(table->viewAtColumn(1, 0), nullptr);
    first->setHidden(true);
    EXPECT_NE(table->viewAtColumn(1, 0), nullptr) << "the second column is the first visible one now";
}

TEST(TableColumns, TheHeaderSitsAboveTheClipViewAndFollowsTheHorizontalScroll) {
    ColumnsFixture f;
    f.hidden->setHidden(false); // 189 points of columns in a 185-point clip view
    f.a->setWidth(160);
    f.w.window().layoutIfNeeded();
    EXPECT_EQ(f.scroll->headerView(), f.header.get());
    EXPECT_EQ(f.header->tableView(), f.table.get());
    EXPECT_EQ(f.scroll->headerClipView().frame(), (Rect{0, 0, 200, 24})) << "across the scroller too";
    EXPECT_EQ(f.scroll->contentView().frame(), (Rect{0, 24, 185, 61}));
    EXPECT_EQ(f.scroll->verticalScroller().frame(), (Rect{185, 24, 15, 61})) << "below the header";
    EXPECT_EQ(f.scroll->horizontalScroller().frame(), (Rect{0, 85, 185, 15}));
    EXPECT_DOUBLE_EQ(f.header->frame().width(), 289 + 15) << "the table's width, and over the scroller";
    EXPECT_EQ(f.header->headerRectOfColumn(2), (Rect{206, 0, 83, 24})) << "at the column's x and width";

    f.w.scroll(f.scroll->convertToWindow({100, 50}), -40, 0);
    EXPECT_DOUBLE_EQ(f.scroll->contentView().bounds().minX(), 40);
    EXPECT_DOUBLE_EQ(f.scroll->headerClipView().bounds().minX(), 40) << "the header scrolls with the rows";
    f.scroll->contentView().scrollToPoint({1000, 0});
    EXPECT_DOUBLE_EQ(f.scroll->headerClipView().bounds().minX(), 289 - 185) << "to the columns' right end";

    f.table->removeFromSuperview();
    EXPECT_EQ(f.scroll->headerView(), nullptr) << "the header leaves with its table";
}

// The header's strip past its last column, over the scroller too, carries the bottom line on
// (so it does not stop at the last divider) but shows no title and no divider of its own.
TEST(TableColumns, TheHeaderBottomLineRunsAcrossTheWholeHeader) {
    ColumnsFixture f;
    f.a->headerCell().setTitle("A");
    f.b->headerCell().setTitle("B");
    const Rect header = f.header->bounds();
    ASSERT_GT(header.maxX(), f.header->headerRectOfColumn(2).maxX() + 10) << "room past the last column";
    RecordingContext context;
    f.header->draw(context, header);
    std::vector<Rect> bottom, dividers;
    for (const RecordedDraw& d : context.draws(RecordedDraw::Kind::fill)) {
        if (d.rect.height() == 1 && d.rect.maxY() == header.maxY())
            bottom.push_back(d.rect);
        else if (d.rect.width() == 1)
            dividers.push_back(d.rect);
    }
    std::sort(bottom.begin(), bottom.end(), [](const Rect& a, const Rect& b) { return a.minX() < b.minX(); });
    double reached = header.minX();
    for (const Rect& r : bottom) {
        EXPECT_LE(r.minX(), reached) << "a gap in the bottom line at x " << reached;
        reached = std::max(reached, r.maxX());
    }
    EXPECT_DOUBLE_EQ(reached, header.maxX());
    ASSERT_EQ(dividers.size(), 2u) << "one at each shown column's right end";
    EXPECT_DOUBLE_EQ(dividers.back().maxX(), f.header->headerRectOfColumn(2).maxX());
    EXPECT_EQ(context.textStrings(), (std::vector<std::string>{"A", "B"}));
}

TEST(TableColumns, DraggingADividerResizesTheLeftColumnWithinItsLimits) {
    ColumnsFixture f;
    f.a->setMinWidth(30);
    f.a->setMaxWidth(150);
    EXPECT_EQ(f.header->resizableColumnAtDivider(63 + 2), 0);
    EXPECT_EQ(f.header->resizableColumnAtDivider(40), -1) << "inside a column, no divider";

    f.w.mouseDown(f.divider(*f.a));
    EXPECT_EQ(f.header->resizedColumn(), 0);
    f.w.mouseDragged(f.divider(*f.a).offsetBy(20, 0));
    EXPECT_DOUBLE_EQ(f.a->width(), 80);
    EXPECT_DOUBLE_EQ(f.cellFrame(2, 2).minX(), 84.5) << "the next column's cells follow during the drag";
    EXPECT_DOUBLE_EQ(f.cellFrame(0, 2).width(), 80);
    f.w.mouseDragged(f.divider(*f.a).offsetBy(200, 0));
    EXPECT_DOUBLE_EQ(f.a->width(), 150) << "no wider than its maximum";
    EXPECT_DOUBLE_EQ(f.table->frame().width(), 236) << "the table grows with its columns";
    EXPECT_FALSE(f.scroll->horizontalScroller().isHidden());
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight) << "past the maximum, the cursor stays";
    const Point farLeft = f.divider(*f.a).offsetBy(-500, 0);
    f.w.mouseDragged(farLeft);
    EXPECT_DOUBLE_EQ(f.a->width(), 30) << "no narrower than its minimum";
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight) << "and past the minimum";
    f.w.mouseUp(farLeft);
    EXPECT_EQ(f.header->resizedColumn(), -1);
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::arrow) << "the drag over, away from the divider";
    EXPECT_DOUBLE_EQ(f.table->frame().width(), 185) << "narrower columns give back the width";
    EXPECT_TRUE(f.scroll->horizontalScroller().isHidden());

    // A divider a drag would do nothing with shows no resize cursor: the header follows the column.
    f.w.moveMouse(f.divider(*f.b));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight);
    f.b->setResizingMask(TableColumnResizingMask::autoresizing);
    f.w.moveMouse(f.divider(*f.b).offsetBy(1, 0));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::arrow) << "not resizable by the user";
    f.w.drag(f.divider(*f.b), f.divider(*f.b).offsetBy(30, 0));
    EXPECT_DOUBLE_EQ(f.b->width(), 80) << "a column the user may not resize keeps its width";
    f.a->setMaxWidth(30);
    f.w.moveMouse(f.divider(*f.a));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::arrow) << "limits that allow one width only";
    EXPECT_EQ(f.header->resizableColumnAtDivider(33), -1);
    f.a->setMaxWidth(100);
    f.w.moveMouse(f.divider(*f.a).offsetBy(1, 0));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight) << "room again";
}

TEST(TableColumns, ADividerDragFollowsItsColumnAndEndsWhenItIsHiddenOrRemoved) {
    {
        SCOPED_TRACE("a column before it taken out");
        ColumnsFixture f;
        auto c = column("c", 50);
        f.table->addTableColumn(c);
        const Point pressed = f.divider(*f.b);
        f.w.mouseDown(pressed);
        ASSERT_EQ(f.header->resizedColumn(), 2);
        f.table->removeTableColumn(*f.a);
        EXPECT_EQ(f.header->resizedColumn(), 1) << "b, one place to the left now";
        f.w.mouseDragged(pressed.offsetBy(20, 0));
        EXPECT_DOUBLE_EQ(f.b->width(), 100);
        EXPECT_DOUBLE_EQ(c->width(), 50) << "the column now where b was is left alone";
        f.w.mouseUp(pressed.offsetBy(20, 0));
    }
    struct Case {
        const char* what;
        std::function<void(ColumnsFixture&)> change;
    };
    const Case cases[] = {
        {"the dragged column hidden", [](ColumnsFixture& f) { f.b->setHidden(true); }},
        {"the dragged column taken out", [](ColumnsFixture& f) { f.table->removeTableColumn(*f.b); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ColumnsFixture f;
        const Point pressed = f.divider(*f.b);
        f.w.mouseDown(pressed);
        f.w.mouseDragged(pressed.offsetBy(10, 0));
        ASSERT_DOUBLE_EQ(f.b->width(), 90);
        c.change(f);
        EXPECT_EQ(f.header->resizedColumn(), -1) << "the drag is over";
        EXPECT_EQ(f.w.window().currentCursor(), Cursor::arrow);
        f.b->setHidden(false);
        f.w.mouseDragged(pressed.offsetBy(30, 0));
        EXPECT_DOUBLE_EQ(f.b->width(), 90) << "and does not come back";
        EXPECT_DOUBLE_EQ(f.a->width(), 60);
        f.w.mouseUp(pressed.offsetBy(30, 0));
    }
}

// Where a drag ends the divider has moved under the pointer, and a press without a move lands on
// the divider where it was: either way the pointer is over a divider and keeps the resize cursor,
// until a move takes it elsewhere.
TEST(TableColumns, TheResizeCursorStaysOverTheDividerADragEndsOn) {
    ColumnsFixture f;
    f.header->setCursor(Cursor::pointingHand); // the header's own, given back after
    const Point pressed = f.divider(*f.a);
    f.w.moveMouse(pressed);
    f.w.click(pressed);
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight) << "a press without a move";

    f.w.drag(pressed, pressed.offsetBy(20, 0));
    ASSERT_DOUBLE_EQ(f.a->width(), 80);
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight) << "the drag over, on the divider";
    f.w.moveMouse(pressed.offsetBy(21, 0));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight) << "a move along the divider";
    f.w.moveMouse(pressed.offsetBy(-20, 0));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::pointingHand) << "off it, the header's own";
    EXPECT_EQ(f.header->cursor(), Cursor::pointingHand);

    // A drag held at the column's limit ends away from the divider: nothing to keep.
    f.a->setMaxWidth(90);
    const Point at = f.divider(*f.a);
    f.w.drag(at, at.offsetBy(40, 0));
    ASSERT_DOUBLE_EQ(f.a->width(), 90);
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::pointingHand) << "past the divider";
    const Point now = f.divider(*f.a);
    f.w.drag(now, now.offsetBy(0, 40));
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::arrow) << "below the header, at the divider's x";
    f.w.moveMouse(now);
    EXPECT_EQ(f.w.window().currentCursor(), Cursor::resizeLeftRight);
}

// Narrowing the last column while the table is scrolled to its right end narrows the table, and
// the clip view scrolls left with it under a pointer that stands still: the width follows the
// pointer's travel all the same.
TEST(TableColumns, ADividerDraggedAtTheRightEndFollowsThePointer) {
    ColumnsFixture f;
    auto c = column("c", 100);
    f.table->addTableColumn(c); // 63 + 83 + 103 = 249 points in the 185-point clip view
    f.w.window().layoutIfNeeded();
    f.scroll->contentView().scrollToPoint({1000, 0});
    ASSERT_DOUBLE_EQ(f.scroll->contentView().bounds().minX(), 249 - 185);

    const Point pressed = f.divider(*c);
    f.w.mouseDown(pressed);
    ASSERT_EQ(f.header->resizedColumn(), 3);
    std::vector<double> widths;
    for (double dx : {-2, -4, -6, -8, -10, -10, -10, -10}) {
        f.w.mouseDragged(pressed.offsetBy(dx, 0));
        widths.push_back(c->width());
    }
    EXPECT_EQ(widths, (std::vector<double>{98, 96, 94, 92, 90, 90, 90, 90}));
    EXPECT_DOUBLE_EQ(f.scroll->contentView().bounds().minX(), 239 - 185) << "still at the right end";
    EXPECT_DOUBLE_EQ(f.scroll->headerClipView().bounds().minX(), 239 - 185);
    f.w.mouseDragged(pressed.offsetBy(5, 0));
    EXPECT_DOUBLE_EQ(c->width(), 105) << "and back out past where it was pressed";
    f.w.mouseUp(pressed.offsetBy(5, 0));
}

// A table whose columns are added before it is anywhere on screen makes no views for its rows;
// once in view, only the rows in view are made, also without a clip view around it.
TEST(TableColumns, ATableOutOfViewMakesNoRowViews) {
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    auto table = View::make<TableView>(Rect{0, 0, 200, 100});
    table->setNumberOfRows([] { return 100000; });
    int made = 0;
    table->setCellViewProvider([&made](TableView& t, TableColumn* c, int row) {
        ++made;
        return cellFor(t, c, row);
    });
    for (int i = 0; i < 4; ++i)
        table->addTableColumn(column("c" + std::to_string(i), 40));
    table->reloadData();
    EXPECT_TRUE(table->subviews().empty());
    EXPECT_EQ(made, 0);

    // In a view that clips it, 50 points of the window's 100.
    auto holder = View::make<View>(Rect{0, 20, 200, 50});
    holder->setClipsToBounds(true);
    holder->addSubview(table);
    EXPECT_TRUE(table->subviews().empty()) << "in a view that is in no window";
    w.contentView().addSubview(holder);
    EXPECT_EQ(table->subviews().size(), 3u) << "rows 0-2, in the holder's 50 points";
    EXPECT_NE(table->rowView(2), nullptr);
    EXPECT_EQ(table->rowView(3), nullptr);
    EXPECT_EQ(made, 3 * 4);

    auto scroll = View::make<ScrollView>(Rect{0, 0, 200, 100});
    w.contentView().addSubview(scroll);
    scroll->setDocumentView(table);
    w.window().layoutIfNeeded();
    EXPECT_EQ(table->subviews().size(), 5u) << "the rows in the clip view";
    EXPECT_DOUBLE_EQ(table->frame().height(), 100000 * TableView::kDefaultRowHeight);
}

// The tree  a (a1), b  in an outline of two columns, "name" and "count".
struct Node {
    std::vector<std::shared_ptr<Node>> children;
};
struct Tree : OutlineView::DataSource {
    std::shared_ptr<Node> a1 = std::make_shared<Node>();
    std::shared_ptr<Node> a = std::make_shared<Node>(Node{{a1}});
    std::shared_ptr<Node> b = std::make_shared<Node>();
    static Node& of(const OutlineView::Item& item) { return *static_cast<Node*>(item.get()); }
    int numberOfChildren(const OutlineView::Item& item) override {
        return item ? int(of(item).children.size()) : 2;
    }
    OutlineView::Item child(int index, const OutlineView::Item& item) override {
        return item ? OutlineView::Item(of(item).children[std::size_t(index)]) : index == 0 ? a : b;
    }
    bool isItemExpandable(const OutlineView::Item& item) override { return !of(item).children.empty(); }
};

TEST(TableColumns, AnOutlineIndentsItsFirstColumnOnly) {
    TestMainLoop loop;
    HeadlessWindow w{{300, 200}};
    auto tree = std::make_shared<Tree>();
    auto outline = View::make<OutlineView>(Rect{0, 0, 300, 200});
    auto name = column("name", 120), count = column("count", 60);
    outline->addTableColumn(name);
    outline->addTableColumn(count);
    outline->setCellViewProvider(cellFor);
    w.contentView().addSubview(outline);
    outline->setDataSource(tree);
    outline->expandItem(tree->a);
    const auto cellX = [&](int column, int row) {
        return outline->viewAtColumn(column, row)->frame().minX();
    };
    const double leading = OutlineView::kOutlineCellLeading + OutlineView::kOutlineCellWidth;
    EXPECT_DOUBLE_EQ(cellX(0, 0), 1.5 + leading);
    EXPECT_DOUBLE_EQ(cellX(0, 1), 1.5 + leading + OutlineView::kIndentationPerLevel) << "a1, one level in";
    EXPECT_DOUBLE_EQ(outline->viewAtColumn(0, 0)->frame().maxX(), 121.5) << "ends with its column";
    EXPECT_DOUBLE_EQ(cellX(1, 1), 124.5) << "the second column is not indented";

    name->setWidth(150);
    EXPECT_DOUBLE_EQ(cellX(1, 1), 154.5);
    name->setHidden(true);
    EXPECT_EQ(outline->outlineColumn(), 1);
    EXPECT_DOUBLE_EQ(cellX(1, 1), 1.5 + leading + OutlineView::kIndentationPerLevel)
        << "the first visible column takes the indentation";
    EXPECT_DOUBLE_EQ(outline->frameOfOutlineCellAtRow(0).minX(), 1.5 + OutlineView::kOutlineCellLeading);
}

} // namespace
} // namespace tk
