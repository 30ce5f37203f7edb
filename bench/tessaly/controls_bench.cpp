// A window of 40 mixed styled controls drawn at 2x: the time of one frame.
//
//   build/bin/tessaly_controls_bench

#include "Tessaly/Controls/NavigationButtons.h"
#include "Tessaly/Controls/PushButton.h"
#include "Tessaly/Controls/StyledButton.h"
#include "Tessaly/Controls/StyledCheckBox.h"
#include "Tessaly/Controls/StyledComboBox.h"
#include "Tessaly/Controls/StyledPopDownButton.h"
#include "Tessaly/Controls/StyledPopUpButton.h"
#include "Tessaly/Controls/StyledSegmentedControl.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Eight kinds, five of each, in a grid of 5 columns and 8 rows.
std::vector<std::function<std::shared_ptr<tk::View>(tk::Rect)>> kinds() {
    return {
        [](tk::Rect r) {
            auto b = tk::View::make<Tessaly::StyledButton>(r);
            b->setTitle("Apply");
            return b;
        },
        [](tk::Rect r) {
            auto b = tk::View::make<Tessaly::StyledCheckBox>(r);
            b->setTitle("Follow tempo");
            b->setState(tk::CellState::on);
            return b;
        },
        [](tk::Rect r) {
            auto b = tk::View::make<Tessaly::StyledPopUpButton>(r);
            b->addItems({"Fast", "Steady", "Slow"});
            b->setLabel(std::string("Speed"));
            return b;
        },
        [](tk::Rect r) {
            auto b = tk::View::make<Tessaly::StyledPopDownButton>(r);
            b->setTitle("Export");
            return b;
        },
        [](tk::Rect r) {
            auto b = tk::View::make<Tessaly::WendlePushButton>(r);
            b->setTitle("Save");
            return b;
        },
        [](tk::Rect r) {
            auto s = tk::View::make<Tessaly::StyledSegmentedControl>(r);
            s->setSegmentCount(2);
            s->setLabel("One", 0);
            s->setLabel("Two", 1);
            return s;
        },
        [](tk::Rect r) {
            auto c = tk::View::make<Tessaly::StyledComboBox>(r);
            c->setStringValue("0.5");
            return c;
        },
        [](tk::Rect r) {
            return tk::View::make<Tessaly::ToolButton>(tk::Rect{r.origin, {26, 22}});
        },
    };
}

void BM_DrawFortyControls2x(benchmark::State& state) {
    tk::testing::useBuiltBundles();
    tk::TestMainLoop loop;
    tk::HeadlessWindow window({5 * 150, 8 * 34}, 2);
    const auto makers = kinds();
    int count = 0;
    for (std::size_t row = 0; row < makers.size(); ++row)
        for (int column = 0; column < 5; ++column, ++count)
            window.contentView().addSubview(
                makers[row](tk::Rect{10 + column * 150.0, 6 + double(row) * 34, 130, 22}));
    for (auto _ : state) {
        window.window().contentView()->setNeedsDisplay();
        benchmark::DoNotOptimize(&window.render());
    }
    state.SetLabel(std::to_string(count) + " controls, 750 x 272 points at 2x");
}
BENCHMARK(BM_DrawFortyControls2x)->Unit(benchmark::kMillisecond);

} // namespace
