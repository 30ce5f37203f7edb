// A colour effect over a declarative view, on this machine's device: the view's whole redraw with
// the effect (drawing into a picture, uploading it, running the colour function, reading it back,
// compositing) next to the same view drawn plain. The effect should cost no more than the plain
// redraw plus one read-back of its size (gpu_bench's BM_ReadBackAndComposite/640/260 is that).
//
//     <build>/bin/gpu_bench --benchmark_filter='ViewRedraw|ChangingDrawing|ReadBackAndComposite/640'
//
// A view rebuilt at every frame makes a new shader each time (BM_RebuiltColorEffectViewRedraw): it
// should cost about what the changing drawing does, the device and pipeline being shared.

#include "WendleShaders/WendleShadersHelper.h"
#include "platform/gpu/Device.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/Observable.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

namespace ui = tk::ui;

// 320 x 130 points at scale 2: a heading over a row of coloured tiles on a dark ground.
ui::Node tiles() {
    std::vector<ui::Node> row;
    for (int i = 0; i < 6; ++i)
        row.push_back(
            ui::RoundedRectangle(6).fill(tk::Color(0.2 + 0.13 * i, 0.9 - 0.12 * i, 0.5)).frame(36, 36));
    return ui::VStack({.spacing = 12}, {ui::Text("Colour effect")
                                            .font(tk::Font::system(22))
                                            .foregroundColor(tk::Color(0.9, 0.9, 0.9)),
                                        ui::HStack({.spacing = 10}, row)})
        .frame(320, 130)
        .background(tk::Color(0.1, 0.1, 0.12));
}

// Redraws the whole window once per iteration, the content shown `withEffect` or plain.
void viewRedraws(benchmark::State& state, bool withEffect) {
    tk::TestMainLoop loop;
    const auto build = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
    auto device = tk::Bundle::setMain(build / "bundles") ? gpu::createSystemDefaultDevice() : nullptr;
    if (!device) {
        state.SkipWithError("no device or no bundles");
        return;
    }
    device.reset(); // the effect must keep its own
    auto content = tiles();
    if (withEffect)
        content = content.colorEffect(WendleShaders::WendleShadersHelper::colorMatrixShader(
            {0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}));
    tk::HeadlessWindow window({320, 130}, 2);
    window.setContentView(tk::View::make<ui::HostingView>(content));
    loop.drain();
    window.render();
    for (auto _ : state) {
        window.contentView().setNeedsDisplay();
        benchmark::DoNotOptimize(&window.render());
    }
}

void BM_PlainViewRedraw(benchmark::State& state) {
    viewRedraws(state, false);
}
void BM_ColorEffectViewRedraw(benchmark::State& state) {
    viewRedraws(state, true);
}

// A view whose body makes its colour effect anew at every rebuild, as `.colorEffect(
// colorMatrixShader(...))` in a body does, rebuilt at every frame (what it reads changes): each new
// shader must draw on the device and pipeline the one before left, not on a device made anew.
struct RebuiltEffect {
    tk::Observable<int>* generation = nullptr;

    ui::Node body() const {
        const float shade = static_cast<float>(generation->get() % 2) * 0.1f;
        return tiles().colorEffect(WendleShaders::WendleShadersHelper::colorMatrixShader(
            {0, 0, 1, shade}, {0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}));
    }
};

void BM_RebuiltColorEffectViewRedraw(benchmark::State& state) {
    tk::TestMainLoop loop;
    const auto build = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
    if (!tk::Bundle::setMain(build / "bundles") || !gpu::createSystemDefaultDevice()) {
        state.SkipWithError("no device or no bundles");
        return;
    }
    tk::Observable<int> generation{0};
    tk::HeadlessWindow window({320, 130}, 2);
    window.setContentView(tk::View::make<ui::HostingView>(ui::Node(RebuiltEffect{&generation})));
    loop.drain();
    window.render();
    for (auto _ : state) {
        generation.set(generation.peek() + 1);
        loop.drain(); // the rebuild, with its new shader
        benchmark::DoNotOptimize(&window.render());
    }
}

// The effect alone over a drawing of the view's size that changes at every frame (two pictures in
// turn), so that every frame runs it: upload, the colour function, read-back. A redraw whose
// content is unchanged (BM_ColorEffectViewRedraw) answers the last result instead.
void BM_ColorEffectOnAChangingDrawing(benchmark::State& state) {
    tk::TestMainLoop loop;
    const auto build = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
    if (!tk::Bundle::setMain(build / "bundles")) {
        state.SkipWithError("no bundles");
        return;
    }
    const auto shader = WendleShaders::WendleShadersHelper::colorMatrixShader({0, 0, 1, 0}, {0, 1, 0, 0},
                                                                              {1, 0, 0, 0}, {0, 0, 0, 1});
    const tk::Image drawings[2] = {
        tk::Image::draw({320, 130}, 2,
                        [](tk::GraphicsContext& c) {
                            c.fillRect({0, 0, 320, 130}, tk::Color(0.1, 0.1, 0.12));
                        }),
        tk::Image::draw({320, 130}, 2, [](tk::GraphicsContext& c) {
            c.fillRect({0, 0, 320, 130}, tk::Color(0.2, 0.5, 0.3));
        })};
    if (!shader || !shader->applyColorEffect(drawings[0])) {
        state.SkipWithError("no device");
        return;
    }
    int frame = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(shader->applyColorEffect(drawings[++frame % 2]));
}

BENCHMARK(BM_PlainViewRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColorEffectViewRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RebuiltColorEffectViewRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColorEffectOnAChangingDrawing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
