#include "platform/gpu/Error.h"
#include "platform/gpu/FakeDevice.h"
#include "platform/gpu/TextureLoader.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/TempFolder.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gpu {
namespace {

TEST(TextureLoader, LoadsTheNamedImageAtTheScaleAskedForAndFailsForAMissingOne) {
    tk::TestMainLoop loop;
    const tk::testing::TempFolder scratch("gpu-texture-loader");
    const auto folder = scratch / "Textures.bundle";
    std::filesystem::create_directories(folder / "Images");
    for (double scale : {1.0, 2.0}) {
        const auto image = tk::Image::draw({4, 3}, scale, [](tk::GraphicsContext& g) {
            g.fillRect({0, 0, 4, 3}, tk::Color(1, 0.5, 0, 0.5));
        });
        ASSERT_TRUE(image.writePNG(folder / "Images" / (scale == 1 ? "swatch.png" : "swatch@2x.png")));
    }
    const auto bundle = tk::Bundle::open(folder);
    ASSERT_TRUE(bundle);

    auto device = std::make_shared<FakeDevice>();
    TextureLoader loader(device);
    for (double scale : {1.0, 2.0}) {
        const auto texture = loader.newTexture("swatch", scale, *bundle);
        ASSERT_TRUE(texture);
        EXPECT_EQ(texture->size(), (PixelSize{static_cast<int>(4 * scale), static_cast<int>(3 * scale)}));
        EXPECT_EQ(texture->pixelFormat(), PixelFormat::rgba8Unorm);
        EXPECT_EQ(texture->label(), "swatch");
    }
    EXPECT_THROW(loader.newTexture("missing", 1, *bundle), Error);
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace gpu
