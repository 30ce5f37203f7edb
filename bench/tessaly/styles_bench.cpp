// The styles' per-state lookups and drawing a styled button at 2x.
//
//   build/bin/tessaly_bench

#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "Tessaly/tests/StyleDrawing.h"

#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/tk/controls/ButtonCell.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/View.h"

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

// A button cell drawn from a ButtonCellStyle: the bezel the style picks for the cell's state,
// stretched by its cap insets, and the title in the style's font and colour for that state.
class StyledButtonCell : public tk::ButtonCell {
public:
    StyledButtonCell(std::string title, const Tessaly::ButtonCellStyle& style)
        : tk::ButtonCell(std::move(title)), style_(style) {}

    S controlState() const {
        return Tessaly::deriveControlState(
            {.cellState = static_cast<int>(state()), .enabled = isEnabled(), .highlighted = isHighlighted()});
    }
    void drawBezel(const tk::Rect& frame, tk::View&, tk::GraphicsContext& context) override {
        const S current = controlState();
        if (const std::optional<tk::Image> bezel = style_.bezelImage(current))
            Tessaly::testing::drawBezelImage(context, style_, *bezel, current, frame);
    }
    tk::AttributedString attributedTitle() const override {
        return {title(),
                {.font = style_.font(), .color = style_.textColor(controlState()), .alignment = alignment()}};
    }

private:
    const Tessaly::ButtonCellStyle& style_;
};

// One pressed push button cell, 96 x 24 points at 2x.
void BM_DrawStyledButton2x(benchmark::State& state) {
    tk::testing::useBuiltBundles();
    const Tessaly::ButtonCellStyle style;
    StyledButtonCell cell("Render", style);
    cell.setHighlighted(true);
    const tk::Rect frame{0, 0, 96, 24};
    auto view = tk::View::make<tk::View>(frame);
    tk::BitmapContext context(frame.size, 2);
    for (auto _ : state) {
        context.reset();
        cell.draw(frame, *view, context);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawStyledButton2x);

} // namespace
