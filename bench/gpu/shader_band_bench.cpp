// The shader views on this machine's device (Mesa's software rasteriser where there is no GPU):
// whole frames of the waveform band, the About view and the switch view as the shader view makes
// them (render, read back, composite into a window-sized bitmap), and the read-back and compositing
// alone. The software rasteriser works on threads of
// its own, so besides the wall time each benchmark reports the process CPU time per frame (all
// threads) and how many threads the device started (driver_threads; LP_NUM_THREADS sets how many of
// them rasterise, the label shows it when it is set).
//
//     <build>/bin/gpu_bench            (needs <build>/bundles, built with the shader library)
//     LP_NUM_THREADS=1 <build>/bin/gpu_bench     (one rasteriser thread)

#include "WendleShaders/AboutRenderer.h"
#include "WendleShaders/MetalShaderRenderer.h"
#include "WendleShaders/SupporterShaderRenderer.h"
#include "WendleShaders/PipelineState.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace {

double processSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::size_t processThreads() {
    std::size_t count = 0;
    std::error_code error;
    for (std::filesystem::directory_iterator it("/proc/self/task", error), end; !error && it != end;
         it.increment(error))
        ++count;
    return count;
}

// Counted before any device exists.
const std::size_t threadsAtStart = processThreads();

// Process CPU per frame and the threads the device added, after the timed loop.
void reportProcessCost(benchmark::State& state, double cpuSeconds) {
    state.counters["process_cpu_ms_per_frame"] =
        cpuSeconds * 1e3 / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["driver_threads"] = static_cast<double>(processThreads() - threadsAtStart);
}

std::string deviceLabel(const gpu::Device& device) {
    const char* threads = std::getenv("LP_NUM_THREADS");
    return device.name() + (threads ? std::string(", LP_NUM_THREADS=") + threads : std::string());
}

bool setUp() {
    static const bool ready = [] {
        tk::MainThread::adopt();
        const auto build = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
        return tk::Bundle::setMain(build / "bundles");
    }();
    return ready;
}

// The machine's device, or nothing with `state` marked skipped.
std::shared_ptr<gpu::Device> deviceOrSkip(benchmark::State& state) {
    auto device = setUp() ? gpu::createSystemDefaultDevice() : nullptr;
    if (!device)
        state.SkipWithError("no device or no bundles");
    return device;
}

using RendererFactory = std::function<std::shared_ptr<gpu::ShaderViewDelegate>(gpu::ShaderView&)>;

// Render, read back and composite one frame per iteration, at width x height pixels.
void shaderViewFrames(benchmark::State& state, const RendererFactory& makeRenderer) {
    const auto width = static_cast<double>(state.range(0));
    const auto height = static_cast<double>(state.range(1));
    auto device = deviceOrSkip(state);
    if (!device)
        return;
    auto view = tk::View::make<gpu::ShaderView>(tk::Rect{0, 0, width, height}, device);
    view->setColorPixelFormat(gpu::PixelFormat::rgba16Float);
    view->setColorspace(gpu::ColorSpace::extendedLinearSRGB);
    auto renderer = makeRenderer(*view);
    view->setDelegate(renderer);
    tk::BitmapContext window(tk::Size{width, height}, 1);
    const double start = processSeconds();
    for (auto _ : state) {
        view->renderFrame();
        window.drawImage(view->presentedImage(), tk::Rect{0, 0, width, height});
    }
    reportProcessCost(state, processSeconds() - start);
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(deviceLabel(*device));
}

void BM_ShaderBandFrame(benchmark::State& state) {
    shaderViewFrames(state, [](gpu::ShaderView& view) {
        return std::make_shared<WendleShaders::MetalShaderRenderer>(view, "Main", "audioWaveformVertexShader",
                                                                    "audioWaveformFragmentShader");
    });
}

void BM_AboutViewFrame(benchmark::State& state) {
    shaderViewFrames(state, [](gpu::ShaderView& view) { return std::make_shared<WendleShaders::AboutRenderer>(view); });
}

// Three switches on, one held down, a full history of switch-ons rippling out.
void BM_SupporterViewFrame(benchmark::State& state) {
    shaderViewFrames(state, [](gpu::ShaderView& view) {
        auto renderer = std::make_shared<WendleShaders::SupporterShaderRenderer>(view, "Supporter");
        for (int i : {0, 2, 4, 1, 3, 5})
            renderer->recordSwitch(i);
        renderer->mutableSwitchOnState() = {1, 0, 1, 0, 1, 0};
        renderer->mutableSwitchDownState() = {0, 0, 1, 0, 0, 0};
        return renderer;
    });
}

// Read-back (row flip, sRGB encoding, premultiplied ARGB32) and compositing of a rendered frame.
void BM_ReadBackAndComposite(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    auto device = deviceOrSkip(state);
    if (!device)
        return;
    auto pipeline =
        WendleShaders::makePipelineState(*device, "audioWaveformVertexShader", "audioWaveformFragmentShader");
    const std::array<float, 8> quad{-1, -1, -1, 1, 1, -1, 1, 1};
    auto vertices = device->makeBuffer(std::as_bytes(std::span(quad)));
    auto target = device->makeTexture(
        {gpu::PixelFormat::rgba16Float, {width, height}, gpu::TextureUsage::renderTarget});
    gpu::RenderPassDescriptor pass;
    pass.colorAttachments[0].texture = target;
    auto commandBuffer = device->makeCommandQueue()->makeCommandBuffer();
    auto* encoder = commandBuffer->makeRenderCommandEncoder(pass);
    const std::array<float, 2> size{static_cast<float>(width), static_cast<float>(height)};
    const std::uint32_t seed = 7;
    const float time = 3;
    encoder->setRenderPipelineState(pipeline);
    encoder->setVertexBuffer(vertices, 0, 0);
    encoder->setFragmentBytes(size.data(), sizeof size, 0);
    encoder->setFragmentBytes(&seed, sizeof seed, 1);
    encoder->setFragmentBytes(&time, sizeof time, 2);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, 4);
    encoder->endEncoding();
    commandBuffer->commit();

    tk::BitmapContext window(tk::Size{static_cast<double>(width), static_cast<double>(height)}, 1);
    const double start = processSeconds();
    for (auto _ : state) {
        auto image = device->readImage(*target, gpu::ColorSpace::extendedLinearSRGB, 1);
        window.drawImage(*image, tk::Rect{0, 0, static_cast<double>(width), static_cast<double>(height)});
        benchmark::DoNotOptimize(image);
    }
    reportProcessCost(state, processSeconds() - start);
}

BENCHMARK(BM_ShaderBandFrame)
    ->Args({400, 300})
    ->Args({800, 600})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_AboutViewFrame)->Args({400, 300})->Args({800, 600})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SupporterViewFrame)->Args({400, 300})->Args({800, 600})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBackAndComposite)
    ->Args({400, 300})
    ->Args({640, 260}) // a colour effect's picture (color_effect_bench.cpp)
    ->Args({800, 600})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
