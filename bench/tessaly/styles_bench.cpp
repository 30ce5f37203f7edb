// The styles' per-state lookups and drawing a styled button at 2x.
//
//   build/bin/tessaly_bench

#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/tests/StyleDrawing.h"

#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using Tessaly::StyledControlState;
using S = StyledControlState;

// The check box's nine-entry table, asked for states that hit an exact key, a best subset and the
// default fallback in turn.
void BM_BestMatchImageNineEntries(benchmark::State& state) {
    tk::testing::useBuiltBundles();
    const Tessaly::CheckBoxCellStyle style;
    const Tessaly::StateTable& table = style.buttonImages();
    const std::array<S, 4> states{S::on, S(41), S(69), S{S::defaultState, S::disabled, S::focused}};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Tessaly::bestMatchImage(states[i++ % states.size()], table));
    }
    state.SetLabel("table of " + std::to_string(table.size()));
}
BENCHMARK(BM_BestMatchImageNineEntries);

// One push button, 96 x 24 points at 2x: the bezel the style picks for its state, stretched by its
// cap insets, and its title.
void BM_DrawStyledButton2x(benchmark::State& state) {
    tk::testing::useBuiltBundles();
    const Tessaly::ButtonCellStyle style;
    const tk::Rect frame{0, 0, 96, 24};
    tk::BitmapContext context(frame.size, 2);
    const S pressed{S::defaultState, S::highlighted};
    for (auto _ : state) {
        context.reset();
        Tessaly::testing::drawStyledButton(context, style, pressed, frame, "Render");
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawStyledButton2x);

} // namespace
