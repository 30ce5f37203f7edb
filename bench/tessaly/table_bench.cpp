// A styled table of 100 000 rows in a 400 x 300 scroll view at 2x, scrolled to the middle: a whole
// frame, a scroll by one row and its frame, and reloading the rows in view and the frame. Only
// the rows in view exist as views, so none of these should grow with the number of rows.
//
//   build/bin/tessaly_bench --benchmark_filter=Table

#include "Tessaly/Controls/StyledLabels.h"
#include "Tessaly/Controls/StyledTableCellView.h"
#include "Tessaly/Controls/StyledTableView.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/ScrollView.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

constexpr int kRows = 100000;

std::shared_ptr<tk::View> nameCell(Tessaly::StyledTableView& table, int row) {
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

// Runs `step` (then a frame) in each iteration, over a table scrolled to the middle with a few
// rows selected there.
void runTable(benchmark::State& state,
              const std::function<void(Tessaly::StyledTableView&, tk::ScrollView&, int)>& step) {
    tk::testing::useBuiltBundles();
    tk::TestMainLoop loop;
    auto backend = std::make_shared<tk::HeadlessBackend>();
    tk::setCurrentBackend(backend);
    {
        tk::HeadlessWindow window({400, 300}, 2);
        auto scroll = tk::View::make<tk::ScrollView>(tk::Rect{0, 0, 400, 300});
        auto table = tk::View::make<Tessaly::StyledTableView>(tk::Rect{0, 0, 400, 300});
        table->setNumberOfRows([] { return kRows; });
        table->setCellViewProvider(nameCell);
        window.setContentView(scroll);
        scroll->setDocumentView(table);
        table->reloadData();
        const double middle = kRows / 2 * table->rowHeight();
        scroll->contentView().scrollToPoint({0, middle});
        table->selectRowIndexes({kRows / 2 + 2, kRows / 2 + 3, kRows / 2 + 6}, false);
        window.render();
        int i = 0;
        for (auto _ : state) {
            step(*table, *scroll, i++);
            benchmark::DoNotOptimize(&window.render());
        }
        state.SetLabel(std::to_string(table->subviews().size()) + " row views, 2x");
    }
    tk::setCurrentBackend(nullptr);
}

void BM_TableFrameScrolledToTheMiddle(benchmark::State& state) {
    runTable(state, [](Tessaly::StyledTableView& table, tk::ScrollView&, int) { table.setNeedsDisplay(); });
}
BENCHMARK(BM_TableFrameScrolledToTheMiddle)->Unit(benchmark::kMicrosecond);

void BM_TableScrollByOneRow(benchmark::State& state) {
    runTable(state, [](Tessaly::StyledTableView& table, tk::ScrollView& scroll, int i) {
        const double y = scroll.contentView().bounds().minY() + (i % 2 ? -1 : 1) * table.rowHeight();
        scroll.contentView().scrollToPoint({0, y});
    });
}
BENCHMARK(BM_TableScrollByOneRow)->Unit(benchmark::kMicrosecond);

void BM_TableReload(benchmark::State& state) {
    runTable(state, [](Tessaly::StyledTableView& table, tk::ScrollView&, int) { table.reloadData(); });
}
BENCHMARK(BM_TableReload)->Unit(benchmark::kMicrosecond);

} // namespace
