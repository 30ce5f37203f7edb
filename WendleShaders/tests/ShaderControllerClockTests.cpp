// The clock and pause rules every controller of the module keeps, checked over all three.

#include "ShaderTestSupport.h"
#include "WendleShaders/AboutShaderViewController.h"
#include "WendleShaders/MetalShaderViewController.h"
#include "WendleShaders/SupporterShaderViewController.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace WendleShaders {
namespace {

// One controller of any kind, seen through what the clock rules need.
struct AnyController {
    std::shared_ptr<void> controller;
    std::function<std::shared_ptr<tk::View>()> view;
    std::function<gpu::ShaderView*()> metalKitView;
    std::function<ClockedRenderer*()> renderer;
    std::function<void(const tk::Window&)> becomeKey;
};

template <class Controller> AnyController wrap(std::shared_ptr<Controller> c) {
    return {c, [c] { return c->view(); }, [c] { return c->metalKitView().get(); },
            [c] { return static_cast<ClockedRenderer*>(c->renderer()); },
            [c](const tk::Window& w) { c->handleDidBecomeKey(w); }};
}

struct Kind {
    const char* name;
    std::size_t timeIndex; // fragment bytes index of the time
    std::function<AnyController(testing::ShaderFixture&)> make;
};

std::shared_ptr<tk::View> rootView() {
    return tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300});
}

const Kind kKinds[] = {
    {"band", 2,
     [](testing::ShaderFixture& f) {
         return wrap(std::make_shared<MetalShaderViewController>(rootView(), "Main", testing::kVertexName,
                                                                 testing::kFragmentName, f.environment()));
     }},
    {"about", 1,
     [](testing::ShaderFixture& f) {
         return wrap(std::make_shared<AboutShaderViewController>(rootView(), f.environment()));
     }},
    {"supporter", 1,
     [](testing::ShaderFixture& f) {
         return wrap(
             std::make_shared<SupporterShaderViewController>(rootView(), "Supporter", f.environment()));
     }},
};

std::optional<float> lastTime(const gpu::FakeDevice& device, std::size_t index) {
    if (device.executed.empty())
        return std::nullopt;
    return gpu::bytesAs<float>(
        gpu::boundBytes(device.executed.back().passes.back(), gpu::ShaderStage::fragment, index));
}

TEST(ShaderControllerClock, StopsWhileTheWindowIsNotKeyAndStartsAgainOnEachAppearance) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        testing::ShaderFixture f;
        auto c = kind.make(f);
        tk::HeadlessWindow window({300, 300});
        window.contentView().addSubview(c.view());
        ASSERT_NE(c.renderer(), nullptr);
        auto* view = c.metalKitView();
        EXPECT_FALSE(view->isPaused());
        EXPECT_EQ(view->preferredFramesPerSecond(), 60);
        EXPECT_EQ(view->colorPixelFormat(), gpu::PixelFormat::rgba16Float);

        f.loop.advance(tk::seconds(1.0 / 60));
        EXPECT_NEAR(*lastTime(*f.device, kind.timeIndex), 1.0f / 60, 1e-6) << "about 0 on the first frame";
        f.loop.advance(tk::seconds(1 - 1.0 / 60));

        window.unfocus();
        EXPECT_TRUE(view->isPaused());
        const auto frames = f.device->executed.size();
        f.loop.advance(tk::seconds(10));
        EXPECT_EQ(f.device->executed.size(), frames) << "no frames while not key";
        window.focus();
        c.becomeKey(window.window()); // a second one finds no pause to add
        EXPECT_DOUBLE_EQ(c.renderer()->pausedTime(), 10.0);
        f.loop.advance(tk::seconds(0.5));
        EXPECT_NEAR(*lastTime(*f.device, kind.timeIndex), 1.5f, 1e-5) << "the 10 s are left out";

        tk::HeadlessWindow other({100, 100}); // ours resigns
        const auto pausedAt = c.renderer()->pauseTime();
        ASSERT_TRUE(pausedAt);
        c.becomeKey(other.window());
        EXPECT_EQ(c.renderer()->pauseTime(), pausedAt) << "another window's key change changes nothing";
        EXPECT_TRUE(c.metalKitView()->isPaused());

        window.focus();
        c.view()->removeFromSuperview();
        EXPECT_EQ(c.renderer(), nullptr);
        EXPECT_EQ(c.metalKitView(), nullptr);
        window.contentView().addSubview(c.view());
        ASSERT_NE(c.renderer(), nullptr);
        f.loop.advance(tk::seconds(1.0 / 60));
        EXPECT_NEAR(*lastTime(*f.device, kind.timeIndex), 1.0f / 60, 1e-6) << "a new renderer starts at 0";
    }
}

TEST(ShaderControllerClock, WithoutADeviceEveryControllerShowsAnEmptyView) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        testing::ShaderFixture f;
        f.noDevice = true;
        auto c = kind.make(f);
        tk::HeadlessWindow window({300, 300});
        window.window().setBackgroundColor(tk::Color::clear());
        window.contentView().addSubview(c.view());
        EXPECT_NE(c.metalKitView(), nullptr);
        EXPECT_EQ(c.renderer(), nullptr);
        f.loop.advance(tk::seconds(1));
        EXPECT_EQ(window.render().pixelColor(150, 150).a, 0);
    }
}

} // namespace
} // namespace WendleShaders
