// The waveform band on this machine's device (Mesa's software rasteriser where there is no GPU):
// whole frames as the shader view makes them (render, read back, composite into a window-sized
// bitmap), and the read-back and compositing alone.
//
//     <build>/bin/gpu_bench            (needs <build>/bundles, built with the shader library)

#include "WendleShaders/MetalShaderRenderer.h"
#include "WendleShaders/PipelineState.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>

namespace {

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

// Render, read back and composite one frame per iteration, at width x height pixels.
void BM_ShaderBandFrame(benchmark::State& state) {
    const auto width = static_cast<double>(state.range(0));
    const auto height = static_cast<double>(state.range(1));
    auto device = deviceOrSkip(state);
    if (!device)
        return;
    auto view = tk::View::make<gpu::ShaderView>(tk::Rect{0, 0, width, height}, device);
    view->setColorPixelFormat(gpu::PixelFormat::rgba16Float);
    view->setColorspace(gpu::ColorSpace::extendedLinearSRGB);
    auto renderer = std::make_shared<WendleShaders::MetalShaderRenderer>(
        *view, "Main", "audioWaveformVertexShader", "audioWaveformFragmentShader");
    view->setDelegate(renderer);
    tk::BitmapContext window(tk::Size{width, height}, 1);
    for (auto _ : state) {
        view->renderFrame();
        window.drawImage(view->presentedImage(), tk::Rect{0, 0, width, height});
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(device->name());
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
    for (auto _ : state) {
        auto image = device->readImage(*target, gpu::ColorSpace::extendedLinearSRGB, 1);
        window.drawImage(*image, tk::Rect{0, 0, static_cast<double>(width), static_cast<double>(height)});
        benchmark::DoNotOptimize(image);
    }
}

BENCHMARK(BM_ShaderBandFrame)
    ->Args({400, 300})
    ->Args({800, 600})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ReadBackAndComposite)
    ->Args({400, 300})
    ->Args({800, 600})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
