#include "WendleShaders/AboutRenderer.h"

#include "WendleShaders/ModuleBundle.h"
#include "WendleShaders/PipelineState.h"
#include "platform/gpu/TextureLoader.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/view/Window.h"

#include <array>

namespace WendleShaders {

AboutRenderer::AboutRenderer(gpu::ShaderView& view, RendererDependencies dependencies)
    : ClockedRenderer(dependencies) {
    TK_CHECK_MAIN_THREAD();
    auto device = view.device();
    if (!device)
        throw RendererError::noValidDevice();
    auto commandQueue = device->makeCommandQueue();
    if (!commandQueue)
        throw RendererError::noValidDevice();
    device_ = std::move(device);
    commandQueue_ = std::move(commandQueue);
    pipelineState_ = makeAboutPipelineState(*device_, view.colorPixelFormat());
    textureScale_ = view.window() ? view.window()->backingScaleFactor() : 1.0;
    gpu::TextureLoader loader(device_);
    logoTexture_ = loader.newTexture("kestrine-logo", textureScale_, moduleBundle());
    noiseTexture_ = loader.newTexture("kestrine-noise", textureScale_, moduleBundle());
    vertexBuffer_ = makeQuadBuffer(*device_);
    vertexCount_ = kQuadVertexCount;
    viewport_ = viewportFor(view.drawableSize());
    startClock();
}

void AboutRenderer::drawableSizeWillChange(gpu::ShaderView&, gpu::PixelSize size) {
    viewport_ = viewportFor(size);
}

void AboutRenderer::draw(gpu::ShaderView& view) {
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
    const float time = static_cast<float>(currentTime());

    commandBuffer->setLabel("About View Command Buffer");
    encoder->setLabel("About View Render Encoder");
    encoder->setRenderPipelineState(pipelineState_);
    encoder->setViewport(viewport_);
    encoder->setVertexBuffer(vertexBuffer_, 0, 0);
    encoder->setFragmentBytes(size.data(), sizeof(size), 0);
    encoder->setFragmentBytes(&time, sizeof(time), 1);
    encoder->setFragmentTexture(logoTexture_, 0);
    encoder->setFragmentTexture(noiseTexture_, 1);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, vertexCount_);
    encoder->endEncoding();

    if (auto drawable = view.currentDrawable())
        commandBuffer->present(std::move(drawable));
    commandBuffer->commit();
}

} // namespace WendleShaders
