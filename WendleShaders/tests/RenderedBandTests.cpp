#include "ShaderTestSupport.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace WendleShaders {
namespace {

// The waveform band drawn for real by the machine's device (Mesa's software rasteriser here),
// composited into a headless window. Writes the frames to <build>/pictures/shaders/ to look at.
TEST(RenderedBand, DrawsAnAnimatedWaveformThroughTheSystemDevice) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    auto device = gpu::createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";

    ShaderViewControllerEnvironment env;
    env.renderer.randomSeed = [] { return 0x5eed1234u; };
    MetalShaderViewController controller(tk::View::make<tk::View>(tk::Rect{0, 0, 400, 300}), "Main",
                                         testing::kVertexName, testing::kFragmentName, env);
    tk::HeadlessWindow window({400, 300}, 1);
    window.contentView().addSubview(controller.view());
    ASSERT_NE(controller.renderer(), nullptr) << "the shaders must compile and link on " << device->name();

    const auto folder = testing::buildFolder() / "pictures" / "shaders";
    std::filesystem::create_directories(folder);
    tk::Color previous;
    double now = 0;
    for (int second : {0, 2, 5}) {
        // Straight to the moment: the frame timer skips the beats in between and draws one frame.
        loop.clock().advance(tk::seconds(second + 1.0 / 60 - now));
        now = second + 1.0 / 60;
        loop.drain();
        const auto& pixels = window.render();
        window.writePNG(folder / ("band-" + std::to_string(second) + "s.png"));

        const tk::Color corner = pixels.pixelColor(0, 0);
        int lit = 0;
        double brightest = 0;
        for (int y = 0; y < pixels.pixelHeight(); y += 3)
            for (int x = 0; x < pixels.pixelWidth(); x += 3) {
                const auto c = pixels.pixelColor(x, y);
                const double d =
                    std::abs(c.r - corner.r) + std::abs(c.g - corner.g) + std::abs(c.b - corner.b);
                lit += d > 0.1;
                brightest = std::max(brightest, c.r + c.g);
            }
        EXPECT_GT(lit, 200) << "waves, not just background, at " << second << " s";
        EXPECT_GT(brightest, 1.2) << "a bright (yellow) wave at " << second << " s";
        EXPECT_LT(corner.r + corner.g + corner.b, 0.4) << "a dark ground";
        EXPECT_NE(pixels.pixelColor(200, 150), previous) << "the band moves";
        previous = pixels.pixelColor(200, 150);
    }

    // The same band at twice the pixels.
    tk::HeadlessWindow retina({400, 300}, 2);
    controller.view()->removeFromSuperview();
    retina.contentView().addSubview(controller.view());
    EXPECT_EQ(controller.metalKitView()->drawableSize(), (gpu::PixelSize{800, 600}));
    loop.advance(tk::seconds(1.0 / 60));
    retina.writePNG(folder / "band@2x.png");
}

} // namespace
} // namespace WendleShaders
