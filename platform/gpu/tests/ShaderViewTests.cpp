#include "platform/gpu/FakeDevice.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

namespace gpu {
namespace {

// Encodes an empty pass (the clear alone), presents and commits, and remembers what it was told.
class ClearingDelegate final : public ShaderViewDelegate {
public:
    std::vector<PixelSize> sizes;
    int frames = 0;

    void drawableSizeWillChange(ShaderView&, PixelSize size) override { sizes.push_back(size); }
    void draw(ShaderView& view) override {
        ++frames;
        const auto* pass = view.currentRenderPassDescriptor();
        ASSERT_NE(pass, nullptr);
        auto buffer = view.device()->makeCommandQueue()->makeCommandBuffer();
        buffer->makeRenderCommandEncoder(*pass)->endEncoding();
        buffer->present(view.currentDrawable());
        buffer->commit();
    }
};

struct Fixture {
    tk::TestMainLoop loop;
    std::shared_ptr<FakeDevice> device = std::make_shared<FakeDevice>();
    std::shared_ptr<ClearingDelegate> delegate = std::make_shared<ClearingDelegate>();
    std::shared_ptr<ShaderView> view;

    explicit Fixture(tk::Rect frame = {0, 0, 40, 30}) {
        view = tk::View::make<ShaderView>(frame, device);
        view->setDelegate(delegate);
    }
};

TEST(ShaderView, DrawableSizeFollowsViewSizeTimesBackingScale) {
    struct Case {
        double scale;
        tk::Size viewSize;
        PixelSize expected;
    };
    for (const Case& c :
         {Case{1, {40, 30}, {40, 30}}, Case{2, {40, 30}, {80, 60}}, Case{2, {10.4, 7.6}, {21, 15}}}) {
        Fixture f(tk::Rect{tk::Point{}, c.viewSize});
        tk::HeadlessWindow window({100, 100}, c.scale);
        window.contentView().addSubview(f.view);
        EXPECT_EQ(f.view->drawableSize(), c.expected) << "scale " << c.scale;
        if (c.scale != 1) {
            ASSERT_FALSE(f.delegate->sizes.empty());
            EXPECT_EQ(f.delegate->sizes.back(), c.expected) << "the delegate hears of the new size";
        }
    }

    Fixture f;
    EXPECT_EQ(f.view->drawableSize(), (PixelSize{40, 30})) << "without a window, one pixel per point";
    f.view->setFrameSize({50, 20});
    EXPECT_EQ(f.view->drawableSize(), (PixelSize{50, 20}));
    EXPECT_EQ(f.delegate->sizes.back(), (PixelSize{50, 20}));
}

TEST(ShaderView, FrameTimerRunsAtThePreferredRateOnlyWhileUnpausedInAWindow) {
    Fixture f;
    f.view->setPreferredFramesPerSecond(30);
    f.loop.advance(tk::seconds(1.0));
    EXPECT_EQ(f.delegate->frames, 0) << "no window, no frames";

    tk::HeadlessWindow window({100, 100});
    window.contentView().addSubview(f.view);
    f.loop.advance(tk::seconds(1.0));
    EXPECT_EQ(f.delegate->frames, 30);

    f.view->setPaused(true);
    f.loop.advance(tk::seconds(1.0));
    EXPECT_EQ(f.delegate->frames, 30) << "paused: no frames";
    EXPECT_FALSE(f.view->isFrameTimerRunning());

    f.view->setPaused(false);
    f.view->removeFromSuperview();
    f.loop.advance(tk::seconds(1.0));
    EXPECT_EQ(f.delegate->frames, 30) << "out of the window: no frames";
}

TEST(ShaderView, RedrawOnDemandWhilePausedAndPresentedFramesShowInTheWindow) {
    Fixture f;
    f.view->setPaused(true);
    f.view->setEnableSetNeedsDisplay(true);
    f.view->setClearColor({1, 0, 0, 1});
    tk::HeadlessWindow window({100, 100});
    window.contentView().addSubview(f.view);
    f.view->setFrameOrigin({10, 20});

    window.render();
    EXPECT_EQ(f.delegate->frames, 1) << "the first display renders a frame";
    window.render();
    EXPECT_EQ(f.delegate->frames, 1) << "a display for another reason shows the last frame again";
    f.view->setNeedsDisplay();
    window.render();
    EXPECT_EQ(f.delegate->frames, 2) << "asked to redraw: a new frame";

    const auto& pixels = window.render();
    EXPECT_EQ(pixels.pixelColor(15, 25), tk::Color(1, 0, 0, 1))
        << "the frame is composited where the view is";
    EXPECT_EQ(pixels.pixelColor(5, 5).a, 0) << "and nowhere else";
    EXPECT_EQ(f.device->imagesRead, 2);
}

TEST(ShaderView, NoDeviceOrNoDelegateRendersNothing) {
    Fixture f;
    f.view->setDevice(nullptr);
    f.view->renderFrame();
    EXPECT_EQ(f.delegate->frames, 0);
    f.view->setDevice(f.device);
    f.delegate.reset();
    f.view->renderFrame();
    EXPECT_TRUE(f.device->executed.empty());
    EXPECT_FALSE(f.view->presentedImage());
}

} // namespace
} // namespace gpu
