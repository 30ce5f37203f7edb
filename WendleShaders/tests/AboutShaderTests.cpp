#include "ShaderTestSupport.h"
#include "WendleShaders/AboutRenderer.h"
#include "WendleShaders/AboutSampleView.h"
#include "WendleShaders/AboutShaderViewController.h"
#include "platform/gpu/Error.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <array>

namespace WendleShaders {
namespace {

using Fixture = testing::ShaderFixture;

TEST(AboutRenderer, BuildsItsPipelineForTheViewsFormatAndBindsSizeTimeAndBothTextures) {
    Fixture f;
    auto view = tk::View::make<gpu::ShaderView>(tk::Rect{0, 0, 40, 30}, f.device);
    view->setColorPixelFormat(gpu::PixelFormat::bgra8Unorm);
    auto renderer = std::make_shared<AboutRenderer>(*view, f.environment().renderer);
    view->setDelegate(renderer);

    ASSERT_EQ(f.device->pipelineDescriptors.size(), 1u);
    const auto& d = f.device->pipelineDescriptors[0];
    EXPECT_EQ(d.label, "About View Pipeline");
    EXPECT_EQ(d.vertexFunction->name(), "aboutVertexShader");
    EXPECT_EQ(d.fragmentFunction->name(), "aboutFragmentShader");
    EXPECT_EQ(d.colorAttachments[0].pixelFormat, gpu::PixelFormat::bgra8Unorm) << "the view's format";
    EXPECT_EQ(renderer->logoTexture()->label(), "kestrine-logo");
    EXPECT_EQ(renderer->noiseTexture()->label(), "kestrine-noise");
    EXPECT_EQ(renderer->textureScale(), 1.0) << "no window yet";
    EXPECT_EQ(renderer->logoTexture()->size(), (gpu::PixelSize{256, 256}));

    f.loop.clock().advance(tk::seconds(0.75));
    view->renderFrame();
    ASSERT_EQ(f.device->executed.size(), 1u);
    EXPECT_EQ(f.device->executed[0].label, "About View Command Buffer");
    const auto& pass = f.device->executed[0].passes.at(0);
    EXPECT_EQ(pass.label, "About View Render Encoder");
    using Pair = std::array<float, 2>;
    EXPECT_EQ(gpu::bytesAs<Pair>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 0)), (Pair{40, 30}));
    EXPECT_EQ(gpu::bytesAs<float>(gpu::boundBytes(pass, gpu::ShaderStage::fragment, 1)), 0.75f);
    std::vector<std::pair<std::size_t, std::shared_ptr<const gpu::Texture>>> textures;
    for (const auto& command : pass.commands)
        if (const auto* t = std::get_if<gpu::SetTexture>(&command))
            textures.emplace_back(t->index, t->texture);
    ASSERT_EQ(textures.size(), 2u);
    EXPECT_EQ(textures[0],
              (std::pair<std::size_t, std::shared_ptr<const gpu::Texture>>{0, renderer->logoTexture()}));
    EXPECT_EQ(textures[1],
              (std::pair<std::size_t, std::shared_ptr<const gpu::Texture>>{1, renderer->noiseTexture()}));
    EXPECT_EQ(f.device->draws().at(0).vertexCount, 4u);
    EXPECT_EQ(f.device->executed[0].presentedDrawables, 1u);
}

TEST(AboutRenderer, FailsWithoutDeviceOrWhenATextureOrTheLibraryCannotBeLoaded) {
    Fixture f;
    auto view = tk::View::make<gpu::ShaderView>(tk::Rect{0, 0, 40, 30}, nullptr);
    EXPECT_THROW(AboutRenderer{*view}, RendererError);
    view->setDevice(f.device);
    f.device->failsCommandQueue = true;
    EXPECT_THROW(AboutRenderer{*view}, RendererError);
    f.device->failsCommandQueue = false;
    f.device->failsTextures = true;
    EXPECT_THROW(AboutRenderer{*view}, gpu::Error);
    f.device->failsTextures = false;
    f.device->libraryError = "no library";
    EXPECT_THROW(AboutRenderer{*view}, gpu::Error) << "no functions: the pipeline cannot be built";
}

TEST(AboutShaderViewController, LoadsTheTexturesAtTheWindowsScaleAndShowsNothingWhenOneIsMissing) {
    Fixture f;
    AboutShaderViewController controller(tk::View::make<tk::View>(tk::Rect{0, 0, 200, 150}), f.environment());
    tk::HeadlessWindow window({200, 150}, 2);
    window.contentView().addSubview(controller.view());
    ASSERT_NE(controller.renderer(), nullptr);
    EXPECT_EQ(controller.renderer()->textureScale(), 2.0);
    EXPECT_EQ(controller.renderer()->logoTexture()->size(), (gpu::PixelSize{512, 512}));
    EXPECT_EQ(controller.metalKitView()->colorspace(), gpu::ColorSpace::extendedLinearSRGB);
    EXPECT_EQ(controller.renderer()->pipelineState()->colorPixelFormat(), gpu::PixelFormat::rgba16Float);

    controller.view()->removeFromSuperview();
    f.device->failsTextures = true;
    window.contentView().addSubview(controller.view());
    EXPECT_NE(controller.metalKitView(), nullptr);
    EXPECT_EQ(controller.renderer(), nullptr) << "the error is dropped; the view stays empty";
}

TEST(AboutSampleView, EveryMoveToASuperviewMakesANewRendererWithItsClockAtZero) {
    Fixture f;
    auto sample = tk::View::make<AboutSampleView>(tk::Rect{0, 0, 80, 60}, nullptr, f.environment());
    EXPECT_EQ(sample->renderer(), nullptr);
    tk::HeadlessWindow window({200, 200}, 2);
    auto first = tk::View::make<tk::View>(tk::Rect{0, 0, 100, 100});
    auto second = tk::View::make<tk::View>(tk::Rect{100, 0, 100, 100});
    window.contentView().addSubview(first);
    window.contentView().addSubview(second);

    first->addSubview(sample);
    ASSERT_NE(sample->renderer(), nullptr);
    EXPECT_EQ(sample->device(), f.device);
    EXPECT_EQ(sample->colorPixelFormat(), gpu::PixelFormat::rgba16Float);
    EXPECT_EQ(sample->renderer()->pipelineState()->colorPixelFormat(), gpu::PixelFormat::rgba16Float);
    EXPECT_EQ(sample->renderer()->textureScale(), 2.0);
    EXPECT_EQ(sample->delegate(), sample->renderer());
    const auto* firstRenderer = sample->renderer().get();
    f.loop.advance(tk::seconds(3));
    EXPECT_NEAR(sample->renderer()->currentTime(), 3.0, 1e-9);

    second->addSubview(sample);
    ASSERT_NE(sample->renderer(), nullptr);
    EXPECT_NE(sample->renderer().get(), firstRenderer);
    EXPECT_EQ(sample->renderer()->currentTime(), 0.0) << "the clock starts again";

    f.device->pipelineError = "does not compile";
    first->addSubview(sample);
    EXPECT_EQ(sample->renderer(), nullptr);
    EXPECT_EQ(sample->delegate(), nullptr) << "nothing is drawn";
}

} // namespace
} // namespace WendleShaders
