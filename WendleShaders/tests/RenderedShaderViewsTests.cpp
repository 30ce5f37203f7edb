// The About and switch views drawn for real by the machine's device (Mesa's software rasteriser
// here), composited into headless windows. Writes the frames to <build>/pictures/shaders/.

#include "ShaderTestSupport.h"
#include "WendleShaders/AboutShaderViewController.h"
#include "WendleShaders/SupporterShaderViewController.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace WendleShaders {
namespace {

std::filesystem::path pictureFolder() {
    auto folder = testing::buildFolder() / "pictures" / "shaders";
    std::filesystem::create_directories(folder);
    return folder;
}

// Share of sampled pixels whose colours differ visibly.
double differingShare(const tk::Image& a, const tk::Image& b) {
    int differ = 0, total = 0;
    const auto size = a.pixelSize();
    for (int y = 0; y < static_cast<int>(size.height); y += 2)
        for (int x = 0; x < static_cast<int>(size.width); x += 2) {
            const auto p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            differ += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b) > 0.06;
            ++total;
        }
    return static_cast<double>(differ) / total;
}

// Pixels in `box` that are nearly white.
int whitePixels(const tk::BitmapContext& pixels, tk::Rect box) {
    int n = 0;
    for (int y = static_cast<int>(box.y()); y < box.maxY(); ++y)
        for (int x = static_cast<int>(box.x()); x < box.maxX(); ++x) {
            const auto c = pixels.pixelColor(x, y);
            n += std::min({c.r, c.g, c.b}) > 0.8;
        }
    return n;
}

struct RenderedFixture {
    tk::TestMainLoop loop;
    std::shared_ptr<gpu::Device> device;
    double now = 0;

    RenderedFixture() {
        testing::useBuiltBundles();
        device = gpu::createSystemDefaultDevice();
    }
    // Straight to `seconds` after the start: the frame timer skips the beats between and draws once.
    void frameAt(double seconds) {
        loop.clock().advance(tk::seconds(seconds - now));
        now = seconds;
        loop.drain();
    }
    tk::Image snapshot(tk::HeadlessWindow& window, const std::string& file) {
        window.render();
        window.writePNG(pictureFolder() / file);
        return *tk::Image::fromPNGFile(pictureFolder() / file);
    }
};

TEST(RenderedAbout, TheLogoOverDriftingNoiseAtTwoMoments) {
    RenderedFixture f;
    if (!f.device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    AboutShaderViewController controller(tk::View::make<tk::View>(tk::Rect{0, 0, 400, 300}));
    tk::HeadlessWindow window({400, 300}, 1);
    window.contentView().addSubview(controller.view());
    ASSERT_NE(controller.renderer(), nullptr)
        << "the About shaders must compile and link on " << f.device->name();

    f.frameAt(1.0 / 60);
    const auto early = f.snapshot(window, "about-0s.png");
    const auto& pixels = window.render();
    EXPECT_GT(whitePixels(pixels, {100, 40, 200, 200}), 1000) << "the white logo in the middle";
    EXPECT_EQ(whitePixels(pixels, {0, 0, 80, 80}) + whitePixels(pixels, {320, 220, 80, 80}), 0)
        << "a darker ground around it";
    f.frameAt(4.0);
    const auto later = f.snapshot(window, "about-4s.png");
    EXPECT_GT(differingShare(early, later), 0.05) << "the noise drifts";

    tk::HeadlessWindow retina({400, 300}, 2);
    controller.view()->removeFromSuperview();
    retina.contentView().addSubview(controller.view());
    EXPECT_EQ(controller.renderer()->textureScale(), 2.0);
    f.frameAt(4.0 + 1.0 / 60);
    f.snapshot(retina, "about@2x.png");
}

TEST(RenderedSupporter, EachSwitchItsDownStateAndABurstOfSwitchOnsLookDifferent) {
    RenderedFixture f;
    if (!f.device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    SupporterShaderViewController controller(tk::View::make<tk::View>(tk::Rect{0, 0, 480, 220}), "Supporter");
    tk::HeadlessWindow window({480, 220}, 1);
    window.contentView().addSubview(controller.view());
    ASSERT_NE(controller.renderer(), nullptr)
        << "the switch shaders must compile and link on " << f.device->name();

    struct Picture {
        std::string name;
        tk::Image image;
    };
    std::vector<Picture> pictures;
    // Every state is drawn at one moment on the clock, so that the animation cannot be what tells
    // two pictures apart: a frame now, then one more for each state with the clock standing still.
    double t = 1.5;
    f.frameAt(t);
    const auto still = [&](const std::string& name) {
        controller.metalKitView()->renderFrame();
        pictures.push_back({name, f.snapshot(window, "supporter-" + name + ".png")});
    };
    still("none");
    for (int i = 0; i < 6; ++i) {
        std::array<bool, 6> on{};
        on[static_cast<std::size_t>(i)] = true;
        controller.setSwitchOnStates(on);
        still("on-" + std::to_string(i));
    }
    controller.setSwitchOnStates({false, false, true, false, false, false});
    controller.switchDown(2); // the state of "on-2", held down
    still("down");
    controller.switchUp(2);
    still("up-again");
    EXPECT_LT(differingShare(pictures[3].image, pictures.back().image), 0.001)
        << "on-2 and up again: one state, one moment, one picture";
    pictures.pop_back();

    // A burst of switch-ons, newest first in the history, a moment later.
    controller.setSwitchOnStates({});
    for (int i : {4, 1, 5, 0, 3}) {
        f.frameAt(t += 0.12);
        controller.switchOn(i);
    }
    f.frameAt(t += 0.3);
    pictures.push_back({"burst", f.snapshot(window, "supporter-burst.png")});

    for (std::size_t a = 0; a < pictures.size(); ++a)
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(differingShare(pictures[a].image, pictures[b].image), 0.005)
                << pictures[a].name << " and " << pictures[b].name << " look the same";
}

} // namespace
} // namespace WendleShaders
