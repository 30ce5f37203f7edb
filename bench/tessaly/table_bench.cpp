// A styled table of 100 000 rows in a 400 x 300 scroll view at 2x, scrolled to the middle: a whole
// frame, a scroll by one row and its frame, and reloading the rows in view and the frame. Only
// the rows in view exist as views, so none of these should grow with the number of rows.
//
// The same table by four columns, with its header in the scroll view: a whole frame, a scroll by
// one row, a sideways scroll by 40 points, and one step of a drag that resizes the first column,
// each with its frame; and the set-up of that table itself (the columns added before it is in the
// scroll view), which should not grow with the number of rows either.
//
// A styled outline in the same scroll view: 1 000 or 4 000 top items of 10 children each, expanded
// one by one from the top; and one item of 3 000 expandable children (one leaf each) expanded with
// its children. Each expansion should cost about what the rows it shows cost, not the whole tree.
//
//   build/bin/tessaly_bench --benchmark_filter=Table

#include "Tessaly/Controls/ActionableTableHeaderView.h"
#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledOutlineView.h"
#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/Controls/StyledTableHeader.h"
#include "Tessaly/Controls/StyledTableView.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 100000;
constexpr int kColumns = 4;

std::shared_ptr<tk::View> nameCell(tk::TableView& table, int row) {
    auto cell = std::dynamic_pointer_cast<Tessaly::StyledTableCellView>(table.makeViewWithIdentifier("name"));
    if (!cell) {
        cell = tk::View::make<Tessaly::StyledTableCellView>(tk::Rect{0, 0, 400, table.rowHeight()});
        cell->setIdentifier("name");
        auto label = tk::View::make<Tessaly::StyledTableRowLabel>(tk::Rect{14, 2, 300, 16});
        label->setBezeled(false);
        label->setDrawsBackground(false);
        cell->setTextField(label);
    }
    cell->setObjectValue("Pattern " + std::to_string(row));
    return cell;
}

// A cell of one of the columns "c0" to "c3", reused by column.
std::shared_ptr<tk::View> columnCell(Tessaly::StyledTableView& table, tk::TableColumn* column, int row) {
    auto cell = std::dynamic_pointer_cast<Tessaly::StyledTableCellView>(
        table.makeViewWithIdentifier(column->identifier()));
    if (!cell) {
        cell =
            tk::View::make<Tessaly::StyledTableCellView>(tk::Rect{0, 0, column->width(), table.rowHeight()});
        cell->setIdentifier(column->identifier());
        auto label = tk::View::make<Tessaly::StyledTableRowLabel>(tk::Rect{4, 2, column->width() - 8, 16});
        label->setBezeled(false);
        label->setDrawsBackground(false);
        label->setAutoresizingMask(tk::AutoresizingMask::widthSizable);
        cell->setTextField(label);
    }
    cell->setObjectValue(column->identifier() + " " + std::to_string(row));
    return cell;
}

// Four 130-point columns (wider together than the view) and a header with its buttons.
void addColumns(Tessaly::StyledTableView& table) {
    for (int i = 0; i < kColumns; ++i) {
        auto column = std::make_shared<Tessaly::StyledTableColumn>("c" + std::to_string(i));
        column->setWidth(130);
        column->headerCell().setTitle("Column " + std::to_string(i));
        table.addTableColumn(column);
    }
    table.styleHeaderCells(tk::Color::gray(0.85), tk::Color::gray(0.15), tk::Font::system(11));
    table.setCellViewProvider(columnCell);
    table.setHeaderView(tk::View::make<Tessaly::ActionableTableHeaderView>(tk::Rect{0, 0, 0, 24}));
}

// The window, scroll view and table every benchmark here runs over: 100 000 rows (with `columns`,
// four columns and the header, added before the table goes into the scroll view, as an owner
// building a table does), scrolled to the middle with a few rows selected there, drawn once.
struct TableScene {
    tk::HeadlessWindow window{{400, 300}, 2};
    std::shared_ptr<tk::ScrollView> scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 400, 300});
    std::shared_ptr<Tessaly::StyledTableView> table =
        tk::View::make<Tessaly::StyledTableView>(tk::Rect{0, 0, 400, 300});

    explicit TableScene(bool columns) {
        table->setNumberOfRows([] { return kRows; });
        if (columns) {
            scroll->setHasVerticalScroller(true);
            scroll->setHasHorizontalScroller(true);
            addColumns(*table);
        } else {
            table->setCellViewProvider(nameCell);
        }
        window.setContentView(scroll);
        scroll->setDocumentView(table);
        table->reloadData();
        const double middle = kRows / 2 * table->rowHeight();
        scroll->contentView().scrollToPoint({0, middle});
        table->selectRowIndexes({kRows / 2 + 2, kRows / 2 + 3, kRows / 2 + 6}, false);
        window.window().layoutIfNeeded();
        window.render();
    }
};

// The bundles and the headless backend for as long as a benchmark runs.
struct HeadlessRun {
    tk::TestMainLoop loop;
    HeadlessRun() {
        tk::testing::useBuiltBundles();
        tk::setCurrentBackend(std::make_shared<tk::HeadlessBackend>());
    }
    ~HeadlessRun() { tk::setCurrentBackend(nullptr); }
    HeadlessRun(const HeadlessRun&) = delete;
    HeadlessRun& operator=(const HeadlessRun&) = delete;
};

using Step = std::function<void(Tessaly::StyledTableView&, tk::ScrollView&, tk::HeadlessWindow&, int)>;

// Runs `step` (then a frame) in each iteration, over the scene (with `columns`, the table of four
// columns).
void runTable(benchmark::State& state, bool columns, const Step& step) {
    HeadlessRun run;
    TableScene scene(columns);
    int i = 0;
    for (auto _ : state) {
        step(*scene.table, *scene.scroll, scene.window, i++);
        benchmark::DoNotOptimize(&scene.window.render());
    }
    state.SetLabel(std::to_string(scene.table->subviews().size()) + " row views" +
                   (columns ? " of " + std::to_string(kColumns) + " cells" : "") + ", 2x");
}

void frame(Tessaly::StyledTableView& table, tk::ScrollView&, tk::HeadlessWindow&, int) {
    table.setNeedsDisplay();
}

void scrollByOneRow(Tessaly::StyledTableView& table, tk::ScrollView& scroll, tk::HeadlessWindow&, int i) {
    const tk::Rect b = scroll.contentView().bounds();
    scroll.contentView().scrollToPoint({b.minX(), b.minY() + (i % 2 ? -1 : 1) * table.rowHeight()});
}

void BM_TableFrameScrolledToTheMiddle(benchmark::State& state) {
    runTable(state, false, frame);
}
BENCHMARK(BM_TableFrameScrolledToTheMiddle)->Unit(benchmark::kMicrosecond);

void BM_TableScrollByOneRow(benchmark::State& state) {
    runTable(state, false, scrollByOneRow);
}
BENCHMARK(BM_TableScrollByOneRow)->Unit(benchmark::kMicrosecond);

void BM_TableReload(benchmark::State& state) {
    runTable(state, false, [](Tessaly::StyledTableView& table, tk::ScrollView&, tk::HeadlessWindow&, int) {
        table.reloadData();
    });
}
BENCHMARK(BM_TableReload)->Unit(benchmark::kMicrosecond);

void BM_TableColumnsFrameScrolledToTheMiddle(benchmark::State& state) {
    runTable(state, true, frame);
}
BENCHMARK(BM_TableColumnsFrameScrolledToTheMiddle)->Unit(benchmark::kMicrosecond);

// The scene of four columns made from nothing: the table, its columns and header, into the scroll
// view, scrolled and drawn once. Taking it down is not timed.
void BM_TableColumnsSetUp(benchmark::State& state) {
    HeadlessRun run;
    std::size_t rowViews = 0;
    for (auto _ : state) {
        auto scene = std::make_unique<TableScene>(true);
        state.PauseTiming();
        rowViews = scene->table->subviews().size();
        scene.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(rowViews) + " row views");
}
BENCHMARK(BM_TableColumnsSetUp)->Unit(benchmark::kMillisecond);

// Nodes of the outline benchmarks' trees, told apart by identity.
struct Node {
    std::vector<std::shared_ptr<Node>> children;
};

struct NodeTree : tk::OutlineView::DataSource {
    std::vector<std::shared_ptr<Node>> roots;
    int numberOfChildren(const tk::OutlineView::Item& item) override {
        return int(item ? static_cast<Node*>(item.get())->children.size() : roots.size());
    }
    tk::OutlineView::Item child(int index, const tk::OutlineView::Item& item) override {
        return item ? static_cast<Node*>(item.get())->children[std::size_t(index)]
                    : roots[std::size_t(index)];
    }
    bool isItemExpandable(const tk::OutlineView::Item& item) override {
        return !static_cast<Node*>(item.get())->children.empty();
    }
};

// `count` nodes of `leaves` leaf children each.
std::vector<std::shared_ptr<Node>> nodesOfLeaves(int count, int leaves) {
    std::vector<std::shared_ptr<Node>> nodes;
    for (int i = 0; i < count; ++i) {
        auto parent = std::make_shared<Node>();
        for (int j = 0; j < leaves; ++j)
            parent->children.push_back(std::make_shared<Node>());
        nodes.push_back(std::move(parent));
    }
    return nodes;
}

// A styled outline of `tree`, all closed, in a 400 x 300 scroll view at 2x, drawn once.
struct OutlineScene {
    tk::HeadlessWindow window{{400, 300}, 2};
    std::shared_ptr<tk::ScrollView> scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 400, 300});
    std::shared_ptr<Tessaly::StyledOutlineView> outline =
        tk::View::make<Tessaly::StyledOutlineView>(tk::Rect{0, 0, 400, 300});

    explicit OutlineScene(const std::shared_ptr<NodeTree>& tree) {
        scroll->setHasVerticalScroller(true);
        outline->setCellViewProvider(nameCell);
        outline->setDataSource(tree);
        window.setContentView(scroll);
        scroll->setDocumentView(outline);
        window.window().layoutIfNeeded();
        window.render();
    }
};

// Each iteration opens `expand` on a fresh scene of `tree` (made and taken down untimed) and
// checks that `rows` rows are shown then.
void runOutline(benchmark::State& state, const std::shared_ptr<NodeTree>& tree, int rows,
                const std::function<void(tk::OutlineView&)>& expand) {
    HeadlessRun run;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<OutlineScene>(tree);
        state.ResumeTiming();
        expand(*scene->outline);
        state.PauseTiming();
        if (scene->outline->numberOfRows() != rows)
            state.SkipWithError("the outline shows other rows");
        scene.reset();
        state.ResumeTiming();
    }
    state.SetLabel(std::to_string(rows) + " rows");
}

void BM_OutlineExpandOneByOne(benchmark::State& state) {
    const int items = int(state.range(0));
    auto tree = std::make_shared<NodeTree>();
    tree->roots = nodesOfLeaves(items, 10);
    runOutline(state, tree, items * 11, [&tree](tk::OutlineView& outline) {
        for (const auto& item : tree->roots)
            outline.expandItem(item);
    });
}
BENCHMARK(BM_OutlineExpandOneByOne)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_OutlineExpandWithChildren(benchmark::State& state) {
    auto tree = std::make_shared<NodeTree>();
    auto top = std::make_shared<Node>();
    top->children = nodesOfLeaves(3000, 1);
    tree->roots = {top};
    runOutline(state, tree, 1 + 3000 * 2,
               [&top](tk::OutlineView& outline) { outline.expandItem(top, true); });
}
BENCHMARK(BM_OutlineExpandWithChildren)->Unit(benchmark::kMillisecond);

void BM_TableColumnsScrollByOneRow(benchmark::State& state) {
    runTable(state, true, scrollByOneRow);
}
BENCHMARK(BM_TableColumnsScrollByOneRow)->Unit(benchmark::kMicrosecond);

void BM_TableColumnsScrollSidewaysBy40(benchmark::State& state) {
    runTable(state, true, [](Tessaly::StyledTableView&, tk::ScrollView& scroll, tk::HeadlessWindow&, int i) {
        const tk::Rect b = scroll.contentView().bounds();
        scroll.contentView().scrollToPoint({i % 2 ? 0.0 : 40.0, b.minY()});
    });
}
BENCHMARK(BM_TableColumnsScrollSidewaysBy40)->Unit(benchmark::kMicrosecond);

// The divider of the first column was grabbed before the loop; each step moves it 10 points on
// or back.
void BM_TableColumnsResizeDragStep(benchmark::State& state) {
    std::optional<tk::Point> grabbed;
    runTable(state, true,
             [&](Tessaly::StyledTableView& table, tk::ScrollView&, tk::HeadlessWindow& window, int i) {
                 tk::TableHeaderView& header = *table.headerView();
                 if (!grabbed) {
                     grabbed = header.convertToWindow({header.headerRectOfColumn(0).maxX(), 12});
                     window.mouseDown(*grabbed);
                 }
                 window.mouseDragged(grabbed->offsetBy(i % 2 ? 0 : 10, 0));
                 if (table.tableColumns()[0]->width() != (i % 2 ? 130 : 140))
                     state.SkipWithError("the drag did not resize the column");
             });
}
BENCHMARK(BM_TableColumnsResizeDragStep)->Unit(benchmark::kMicrosecond);

} // namespace
