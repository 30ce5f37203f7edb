#include "ShaderTestSupport.h"
#include "WendleShaders/ColumnPass.h"
#include "WendleShaders/MetalShaderRenderer.h"
#include "platform/gpu/Error.h"
#include "platform/gpu/ShaderView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace WendleShaders {
namespace {

using testing::kFragmentName;
using testing::kVertexName;

struct RendererFixture : testing::ShaderFixture {
    std::shared_ptr<gpu::ShaderView> view = tk::View::make<gpu::ShaderView>(tk::Rect{0, 0, 40, 30}, device);

    std::shared_ptr<MetalShaderRenderer> makeRenderer() {
        auto renderer = std::make_shared<MetalShaderRenderer>(
            *view, "Main", kVertexName, kFragmentName, RendererDependencies{nullptr, [] { return 77u; }, {}});
        view->setDelegate(renderer);
        return renderer;
    }
    const gpu::FakeDevice::ExecutedPass& lastPass() const { return device->executed.back().passes.back(); }
    std::optional<float> lastTime() const {
        return gpu::bytesAs<float>(gpu::boundBytes(lastPass(), gpu::ShaderStage::fragment, 2));
    }
};

TEST(MetalShaderRenderer, BuildsThePipelineFromTheNamedFunctionsOfTheModuleLibrary) {
    RendererFixture f;
    auto renderer = f.makeRenderer();
    ASSERT_EQ(f.device->pipelineDescriptors.size(), 2u);
    const auto& d = f.device->pipelineDescriptors[0];
    EXPECT_EQ(d.label, "Shader Pipeline");
    EXPECT_EQ(d.vertexFunction->name(), kVertexName);
    EXPECT_EQ(d.fragmentFunction->name(), kFragmentName);
    EXPECT_EQ(d.colorAttachments[0].pixelFormat, gpu::PixelFormat::rgba16Float);
    // The band's values per column: its column function, with the same vertex function, into floats.
    const auto& columns = f.device->pipelineDescriptors[1];
    EXPECT_EQ(columns.vertexFunction->name(), kVertexName);
    EXPECT_EQ(columns.fragmentFunction->name(), "audioWaveformColumnShader");
    EXPECT_EQ(columns.colorAttachments[0].pixelFormat, gpu::PixelFormat::rgba32Float);
    ASSERT_NE(renderer->columnPass(), nullptr);
    EXPECT_EQ(ColumnPass::columnFunctionName("aboutFragmentShader"), "aboutColumnShader");
    EXPECT_EQ(ColumnPass::columnFunctionName("plain"), "");
    ASSERT_EQ(f.device->libraryBundles.size(), 2u);
    EXPECT_EQ(f.device->libraryBundles[0].filename(), "WendleShaders_WendleShaders.bundle");

    ASSERT_EQ(f.device->buffersMade.size(), 1u);
    std::array<float, 8> quad{};
    ASSERT_EQ(f.device->buffersMade[0].size(), sizeof quad);
    std::memcpy(quad.data(), f.device->buffersMade[0].data(), sizeof quad);
    EXPECT_EQ(quad, (std::array<float, 8>{-1, -1, -1, 1, 1, -1, 1, 1}));
    EXPECT_EQ(renderer->vertexCount(), 4u);
    EXPECT_EQ(renderer->name(), "Main");
    EXPECT_EQ(renderer->seed(), 77u);
    EXPECT_EQ(renderer->viewport(), (gpu::Viewport{0, 0, 40, 30, 0, 1}));
}

TEST(MetalShaderRenderer, AFrameBindsQuadSizeSeedAndTimeAtTheirIndices) {
    RendererFixture f;
    auto renderer = f.makeRenderer();
    f.loop.clock().advance(tk::seconds(1.25));
    f.view->renderFrame();

    ASSERT_EQ(f.device->executed.size(), 1u);
    const auto& buffer = f.device->executed[0];
    EXPECT_EQ(buffer.label, "Main Command Buffer");
    EXPECT_EQ(buffer.presentedDrawables, 1u);
    ASSERT_EQ(buffer.passes.size(), 2u) << "the columns, then the view";
    const auto& pass = f.lastPass();
    EXPECT_TRUE(pass.ended);

    // The column pass: one texel per column of the drawable in each row, the same bytes.
    const auto& columnPass = buffer.passes[0];
    const auto& columns = columnPass.descriptor.colorAttachments[0].texture;
    ASSERT_NE(columns, nullptr);
    EXPECT_EQ(columns->size(), (gpu::PixelSize{40, ColumnPass::kRows}));
    EXPECT_EQ(columns->pixelFormat(), gpu::PixelFormat::rgba32Float);
    EXPECT_EQ(gpu::bytesAs<std::uint32_t>(gpu::boundBytes(columnPass, gpu::ShaderStage::fragment, 1)), 77u);
    EXPECT_EQ(gpu::bytesAs<float>(gpu::boundBytes(columnPass, gpu::ShaderStage::fragment, 2)), 1.25f);
    const bool readsColumns = std::any_of(pass.commands.begin(), pass.commands.end(), [&](const auto& c) {
        const auto* t = std::get_if<gpu::SetTexture>(&c);
        return t && t->stage == gpu::ShaderStage::fragment && t->index == 0 && t->texture == columns;
    });
    EXPECT_TRUE(readsColumns) << "the view's pass reads the columns as fragment texture 0";

    ASSERT_FALSE(pass.commands.empty());
    const auto* pipeline = std::get_if<gpu::SetRenderPipelineState>(&pass.commands[0]);
    ASSERT_NE(pipeline, nullptr);
    EXPECT_EQ(pipeline->state, renderer->pipelineState());
    const auto* viewport = std::get_if<gpu::SetViewport>(&pass.commands[1]);
    ASSERT_NE(viewport, nullptr);
    EXPECT_EQ(viewport->viewport, renderer->viewport());
    const auto* vertices = std::get_if<gpu::SetBuffer>(&pass.commands[2]);
    ASSERT_NE(vertices, nullptr);
    EXPECT_EQ(vertices->stage, gpu::ShaderStage::vertex);
    EXPECT_EQ(vertices->index, 0u);
    EXPECT_EQ(vertices->offset, 0u);
    EXPECT_EQ(vertices->buffer, renderer->vertexBuffer());

    using Pair = std::array<float, 2>;
    EXPECT_EQ(gpu::bytesAs<Pair>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 0)), (Pair{40, 30}));
    EXPECT_EQ(gpu::bytesAs<std::uint32_t>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 1)), 77u);
    EXPECT_EQ(f.lastTime(), 1.25f);

    ASSERT_EQ(f.device->draws().size(), 2u);
    const auto draw = f.device->draws()[1];
    EXPECT_EQ(draw.type, gpu::PrimitiveType::triangleStrip);
    EXPECT_EQ(draw.vertexStart, 0u);
    EXPECT_EQ(draw.vertexCount, 4u);

    f.view->setFrameSize({64, 48});
    f.view->renderFrame();
    EXPECT_EQ(renderer->viewport(), (gpu::Viewport{0, 0, 64, 48, 0, 1}));
    using Size2 = std::array<float, 2>;
    EXPECT_EQ(gpu::bytesAs<Size2>(gpu::boundBytes(f.lastPass(), gpu::ShaderStage::fragment, 0)),
              (Size2{64, 48}))
        << "a new drawable size reaches fragment index 0 on the next frame";
    EXPECT_EQ(f.device->executed.back().passes[0].descriptor.colorAttachments[0].texture->width(), 64)
        << "and the columns follow the width";
}

TEST(MetalShaderRenderer, TheClockStandsStillWhilePausedAndGoesOnFromWhereItStopped) {
    RendererFixture f;
    auto renderer = f.makeRenderer();
    f.view->renderFrame();
    EXPECT_EQ(f.lastTime(), 0.0f) << "about 0 on the first frame";

    f.loop.clock().advance(tk::seconds(2));
    renderer->pauseClock();
    f.loop.clock().advance(tk::seconds(10));
    f.view->renderFrame();
    EXPECT_EQ(f.lastTime(), 2.0f) << "a redraw during the pause shows the moment it began";
    renderer->pauseClock();
    f.loop.clock().advance(tk::seconds(1));
    renderer->resumeClock();
    renderer->resumeClock();
    EXPECT_DOUBLE_EQ(renderer->pausedTime(), 11.0) << "a second pause or resume in a row changes nothing";
    f.loop.clock().advance(tk::seconds(0.5));
    f.view->renderFrame();
    EXPECT_EQ(f.lastTime(), 2.5f);
}

TEST(MetalShaderRenderer, FailsWithoutDeviceOrQueueAndPassesLibraryErrorsOn) {
    RendererFixture f;
    f.view->setDevice(nullptr);
    try {
        f.makeRenderer();
        ADD_FAILURE() << "no device must fail";
    } catch (const RendererError& error) {
        EXPECT_EQ(error.code(), RendererError::Code::noValidDevice);
        EXPECT_EQ(error.errorDescription(), "No valid metal device");
        EXPECT_STREQ(error.what(), "No valid metal device");
        EXPECT_FALSE(error.failureReason() || error.recoverySuggestion() || error.helpAnchor());
    }

    f.view->setDevice(f.device);
    f.device->failsCommandQueue = true;
    EXPECT_THROW(f.makeRenderer(), MetalShaderRenderer::RendererError);
    f.device->failsCommandQueue = false;

    f.device->libraryError = "no library";
    EXPECT_THROW(f.makeRenderer(), gpu::Error);
    f.device->libraryError.reset();

    EXPECT_THROW(MetalShaderRenderer(*f.view, "Main", "noSuchFunction", kFragmentName), gpu::Error)
        << "a function the library lacks fails the pipeline";
}

} // namespace
} // namespace WendleShaders
