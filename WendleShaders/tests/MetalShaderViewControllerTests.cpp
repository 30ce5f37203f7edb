#include "ShaderTestSupport.h"
#include "WendleShaders/MetalShaderViewController.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace WendleShaders {
namespace {

using Fixture = testing::ShaderFixture;

std::optional<float> lastTime(const gpu::FakeDevice& device) {
    return gpu::bytesAs<float>(
        gpu::boundBytes(device.executed.back().passes.back(), gpu::ShaderStage::fragment, 2));
}

TEST(MetalShaderViewController, AppearingInAKeyWindowBuildsTheViewAndAnimatesAtSixtyFrames) {
    Fixture f;
    auto controller = f.makeController();
    EXPECT_EQ(controller->metalKitView(), nullptr) << "nothing before it appears";
    tk::HeadlessWindow window({300, 300}, 2);
    window.contentView().addSubview(controller->view());

    const auto& view = controller->metalKitView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->superview(), controller->view().get());
    EXPECT_EQ(view->frame(), (tk::Rect{0, 0, 300, 300}));
    EXPECT_EQ(view->colorPixelFormat(), gpu::PixelFormat::rgba16Float);
    EXPECT_EQ(view->colorspace(), gpu::ColorSpace::extendedLinearSRGB);
    EXPECT_EQ(view->preferredFramesPerSecond(), 60);
    EXPECT_TRUE(view->enableSetNeedsDisplay());
    EXPECT_TRUE(view->autoResizeDrawable());
    EXPECT_FALSE(view->isPaused());
    EXPECT_EQ(view->drawableSize(), (gpu::PixelSize{600, 600})) << "the window's backing scale";
    ASSERT_NE(controller->renderer(), nullptr);
    EXPECT_EQ(controller->renderer()->name(), "Main");

    f.loop.advance(tk::seconds(1));
    EXPECT_EQ(f.device->executed.size(), 60u);
    EXPECT_NEAR(*lastTime(*f.device), 1.0f, 1e-6);

    controller->view()->setFrameSize({200, 100});
    EXPECT_EQ(view->frame().size, (tk::Size{200, 100})) << "the shader view follows the root view";
    EXPECT_EQ(controller->renderer()->viewport().width, 400);
}

TEST(MetalShaderViewController, StartsPausedInAWindowThatIsNotKeyAndRunsOnceItBecomesKey) {
    Fixture f;
    auto controller = f.makeController();
    tk::HeadlessWindow window({300, 300});
    window.unfocus();
    window.contentView().addSubview(controller->view());
    ASSERT_NE(controller->metalKitView(), nullptr);
    EXPECT_TRUE(controller->metalKitView()->isPaused());

    f.loop.advance(tk::seconds(5));
    EXPECT_TRUE(f.device->executed.empty()) << "no frames while the window is not key";

    window.focus();
    EXPECT_FALSE(controller->metalKitView()->isPaused());
    f.loop.advance(tk::seconds(0.5));
    EXPECT_EQ(f.device->executed.size(), 30u);
    EXPECT_NEAR(*lastTime(*f.device), 0.5f, 1e-6) << "the time before the first key moment does not count";

    window.unfocus();
    f.loop.advance(tk::seconds(10));
    EXPECT_EQ(f.device->executed.size(), 30u);
    controller->metalKitView()->setNeedsDisplay();
    window.render();
    EXPECT_NEAR(*lastTime(*f.device), 0.5f, 1e-6) << "a redraw while paused shows the stopped clock";
    window.focus();
    f.loop.advance(tk::seconds(0.25));
    EXPECT_NEAR(*lastTime(*f.device), 0.75f, 1e-6) << "the 10 s not key are left out";
}

TEST(MetalShaderViewController, KeyChangesOfOtherWindowsChangeNothing) {
    Fixture f;
    auto controller = f.makeController();
    tk::HeadlessWindow window({300, 300});
    window.contentView().addSubview(controller->view());
    tk::HeadlessWindow other({100, 100}); // takes the focus: ours resigns
    EXPECT_TRUE(controller->metalKitView()->isPaused());
    const auto pausedAt = controller->renderer()->pauseTime();
    ASSERT_TRUE(pausedAt);

    f.loop.clock().advance(tk::seconds(3));
    controller->handleDidBecomeKey(other.window());
    EXPECT_TRUE(controller->metalKitView()->isPaused());
    EXPECT_EQ(controller->renderer()->pauseTime(), pausedAt);
    controller->handleDidResignKey(other.window());
    window.focus();
    EXPECT_FALSE(controller->metalKitView()->isPaused());
    EXPECT_DOUBLE_EQ(controller->renderer()->pausedTime(), 3.0);
}

TEST(MetalShaderViewController, DisappearingDropsViewAndRendererAndAppearingAgainStartsAfresh) {
    Fixture f;
    auto controller = f.makeController();
    tk::HeadlessWindow window({300, 300});
    window.contentView().addSubview(controller->view());
    f.loop.advance(tk::seconds(2));
    const auto firstSeed = controller->renderer()->seed();
    std::weak_ptr<gpu::ShaderView> firstView = controller->metalKitView();

    controller->view()->removeFromSuperview();
    EXPECT_EQ(controller->metalKitView(), nullptr);
    EXPECT_EQ(controller->renderer(), nullptr);
    EXPECT_TRUE(firstView.expired()) << "the old view is gone with its frame timer";
    const auto drawn = f.device->executed.size();
    f.loop.advance(tk::seconds(1));
    EXPECT_EQ(f.device->executed.size(), drawn);

    window.contentView().addSubview(controller->view());
    ASSERT_NE(controller->renderer(), nullptr);
    EXPECT_NE(controller->renderer()->seed(), firstSeed) << "a new renderer draws a new seed";
    f.loop.advance(tk::seconds(1.0 / 60));
    EXPECT_NEAR(*lastTime(*f.device), 1.0f / 60, 1e-6) << "and its time starts again at 0";
    EXPECT_EQ(controller->view()->subviews().size(), 2u) << "the watcher and one shader view";
}

TEST(MetalShaderViewController, MovedIntoASecondWindowItFollowsThatWindowsKeyState) {
    Fixture f;
    auto controller = f.makeController();
    auto root = controller->view();
    // The second window is made where the first one was (its storage is reused as far as the
    // allocator lets it): the controller must watch it all the same.
    auto window = std::make_unique<tk::HeadlessWindow>(tk::Size{300, 300});
    window->contentView().addSubview(root);
    root->removeFromSuperview();
    window.reset();
    window = std::make_unique<tk::HeadlessWindow>(tk::Size{300, 300});
    window->contentView().addSubview(root);
    ASSERT_NE(controller->metalKitView(), nullptr);
    EXPECT_FALSE(controller->metalKitView()->isPaused());

    window->unfocus();
    EXPECT_TRUE(controller->metalKitView()->isPaused()) << "the second window's resign is heard";
    ASSERT_TRUE(controller->renderer()->pauseTime());
    window->focus();
    EXPECT_FALSE(controller->metalKitView()->isPaused()) << "and its becoming key";

    tk::HeadlessWindow third({300, 300}); // takes the focus
    root->removeFromSuperview();
    third.contentView().addSubview(root);
    EXPECT_FALSE(controller->metalKitView()->isPaused()) << "moved straight into a key window";
    window->focus();
    EXPECT_TRUE(controller->metalKitView()->isPaused())
        << "the window it left is no longer watched, this one is";
}

TEST(MetalShaderViewController, DestroyingTheControllerRemovesItsViewAndKeyObservers) {
    Fixture f;
    tk::HeadlessWindow window({300, 300});
    auto controller = f.makeController();
    auto root = controller->view();
    window.contentView().addSubview(root);
    // Appearing again in the same window registers no second observer: one resume per key change.
    root->removeFromSuperview();
    window.contentView().addSubview(root);
    window.unfocus();
    window.focus();
    EXPECT_FALSE(controller->metalKitView()->isPaused());

    controller.reset();
    EXPECT_TRUE(root->subviews().empty()) << "the shader view leaves with the controller";
    window.unfocus(); // would reach the destroyed controller if its observer were still registered
    window.focus();
    f.loop.advance(tk::seconds(1));
    EXPECT_TRUE(root->subviews().empty());
}

TEST(MetalShaderViewController, WithoutDeviceOrWithAFailingPipelineTheViewIsEmpty) {
    struct Case {
        const char* what;
        bool noDevice;
        bool failsPipeline;
    };
    for (const Case& c : {Case{"no device", true, false}, Case{"pipeline error", false, true}}) {
        Fixture f;
        if (c.failsPipeline)
            f.device->pipelineError = "does not compile";
        auto env = f.environment();
        if (c.noDevice)
            env.makeDevice = [] { return std::shared_ptr<gpu::Device>(); };
        MetalShaderViewController controller(tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300}), "Main",
                                             testing::kVertexName, testing::kFragmentName, env);
        tk::HeadlessWindow window({300, 300});
        window.window().setBackgroundColor(tk::Color::clear());
        window.contentView().addSubview(controller.view());
        EXPECT_NE(controller.metalKitView(), nullptr) << c.what;
        EXPECT_EQ(controller.renderer(), nullptr) << c.what;
        f.loop.advance(tk::seconds(1));
        EXPECT_TRUE(f.device->executed.empty()) << c.what;
        EXPECT_EQ(window.render().pixelColor(150, 150).a, 0) << c.what << ": nothing is drawn";
    }
}

} // namespace
} // namespace WendleShaders
