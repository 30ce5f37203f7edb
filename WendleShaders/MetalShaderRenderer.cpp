#include "WendleShaders/MetalShaderRenderer.h"

#include "WendleShaders/PipelineState.h"
#include "platform/tk/base/MainThread.h"

#include <array>
#include <chrono>
#include <cmath>

namespace WendleShaders {

namespace {

// A full clip-space square in triangle-strip order.
constexpr std::array<float, 8> kQuad{-1, -1, -1, 1, 1, -1, 1, 1};

double secondsBetween(tk::Clock::TimePoint from, tk::Clock::TimePoint to) {
    return std::abs(std::chrono::duration<double>(to - from).count());
}

gpu::Viewport viewportFor(gpu::PixelSize size) {
    return {0, 0, static_cast<double>(size.width), static_cast<double>(size.height), 0.0, 1.0};
}

} // namespace

MetalShaderRenderer::MetalShaderRenderer(gpu::ShaderView& view, std::string name,
                                         std::string_view vertexFunctionName,
                                         std::string_view fragmentFunctionName,
                                         RendererDependencies dependencies)
    : clock_(clockFor(dependencies)), seed_(drawSeed(dependencies)) {
    TK_CHECK_MAIN_THREAD();
    auto device = view.device();
    if (!device)
        throw RendererError::noValidDevice();
    auto commandQueue = device->makeCommandQueue();
    if (!commandQueue)
        throw RendererError::noValidDevice();
    name_ = std::move(name);
    device_ = std::move(device);
    commandQueue_ = std::move(commandQueue);
    pipelineState_ = makePipelineState(*device_, vertexFunctionName, fragmentFunctionName);
    vertexBuffer_ = device_->makeBuffer(std::as_bytes(std::span(kQuad)));
    if (!vertexBuffer_)
        throw RendererError::noValidDevice();
    vertexCount_ = kVertexCount;
    viewport_ = viewportFor(view.drawableSize());
    startTime_ = clock_->now();
}

void MetalShaderRenderer::drawableSizeWillChange(gpu::ShaderView&, gpu::PixelSize size) {
    viewport_ = viewportFor(size);
}

double MetalShaderRenderer::currentTime() const {
    const TimePoint until = pauseTime_.value_or(clock_->now());
    return secondsBetween(startTime_, until) - pausedTime_;
}

void MetalShaderRenderer::pauseClock() {
    if (!pauseTime_)
        pauseTime_ = clock_->now();
}

void MetalShaderRenderer::resumeClock() {
    if (pauseTime_)
        pausedTime_ += secondsBetween(*pauseTime_, clock_->now());
    pauseTime_.reset();
}

void MetalShaderRenderer::draw(gpu::ShaderView& view) {
    TK_CHECK_MAIN_THREAD();
    const auto* pass = view.currentRenderPassDescriptor();
    if (!pass)
        return;
    auto commandBuffer = commandQueue_->makeCommandBuffer();
    if (!commandBuffer)
        return;
    auto* encoder = commandBuffer->makeRenderCommandEncoder(*pass);
    if (!encoder)
        return;

    const std::array<float, 2> size{static_cast<float>(viewport_.width),
                                    static_cast<float>(viewport_.height)};
    const std::uint32_t seed = seed_;
    const float time = static_cast<float>(currentTime());

    commandBuffer->setLabel(name_ + " Command Buffer");
    encoder->setRenderPipelineState(pipelineState_);
    encoder->setViewport(viewport_);
    encoder->setVertexBuffer(vertexBuffer_, 0, 0);
    encoder->setFragmentBytes(size.data(), sizeof(size), 0);
    encoder->setFragmentBytes(&seed, sizeof(seed), 1);
    encoder->setFragmentBytes(&time, sizeof(time), 2);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, vertexCount_);
    encoder->endEncoding();

    if (auto drawable = view.currentDrawable())
        commandBuffer->present(std::move(drawable));
    commandBuffer->commit();
}

} // namespace WendleShaders
