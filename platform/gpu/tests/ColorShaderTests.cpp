#include "platform/gpu/ColorShader.h"
#include "platform/gpu/FakeDevice.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gpu {
namespace {

// Paints the left 10 points in the colour of its argument (keeping the alpha), leaves the rest.
constexpr const char* kLeftPaint = R"(
vec4 leftPaint(vec2 position, vec4 color, vec4 paint) {
    return position.x < 10.0 ? vec4(paint.rgb * color.a, color.a) : color;
}
)";

// 20 x 10 points at scale 2: opaque grey on the top half, half-transparent orange below.
tk::Image drawing() {
    tk::BitmapContext context(tk::Size{20, 10}, 2);
    context.fillRect(tk::Rect{0, 0, 20, 5}, tk::Color(0.5, 0.5, 0.5));
    context.fillRect(tk::Rect{0, 5, 20, 5}, tk::Color(1, 0.5, 0, 0.5));
    return context.makeImage();
}

bool near(tk::Color a, tk::Color b) {
    const double t = 3.0 / 255;
    return std::abs(a.r - b.r) <= t && std::abs(a.g - b.g) <= t && std::abs(a.b - b.b) <= t &&
           std::abs(a.a - b.a) <= t;
}

TEST(ColorShader, RunsTheFunctionOverEveryPixelInPointsAndLeavesTheRestExactlyAsDrawn) {
    tk::TestMainLoop loop;
    if (!createSystemDefaultDevice())
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    auto library = std::make_shared<const Library>(
        std::vector<Function>{Function("leftPaint", ShaderStage::fragment, kLeftPaint)});
    ColorShader shader(library, "leftPaint", {{0.0f, 0.0f, 1.0f, 1.0f}});
    const auto result = shader.applyColorEffect(drawing());
    ASSERT_TRUE(result);
    EXPECT_EQ(result->size(), (tk::Size{20, 10}));
    EXPECT_EQ(result->scale(), 2);
    EXPECT_TRUE(near(result->pixelColor(4, 2), tk::Color(0, 0, 1))) << "left: the argument's colour";
    EXPECT_TRUE(near(result->pixelColor(4, 16), tk::Color(0, 0, 1, 0.5))) << "keeping the alpha";
    EXPECT_TRUE(near(result->pixelColor(30, 2), tk::Color(0.5, 0.5, 0.5))) << "right: as drawn";
    EXPECT_TRUE(near(result->pixelColor(30, 16), tk::Color(1, 0.5, 0, 0.5)))
        << "half-transparent colours come back as they were";

    EXPECT_FALSE(ColorShader(library, "noSuchFunction", {}).applyColorEffect(drawing()))
        << "a function the library lacks leaves the drawing as it is";
    EXPECT_FALSE(ColorShader(library, "leftPaint", {{0, 0, 1, 1}}, [] { return std::shared_ptr<Device>(); })
                     .applyColorEffect(drawing()))
        << "so does having no device";
}

// The system's device lives only while someone holds it: the shader holds it from its first draw
// on (making a device and its context anew at every redraw costs more than the effect), and
// without one it asks once.
TEST(ColorShader, KeepsItsDeviceFromDrawToDrawAndAsksOnceWhenThereIsNone) {
    tk::TestMainLoop loop;
    auto library = std::make_shared<const Library>(
        std::vector<Function>{Function("leftPaint", ShaderStage::fragment, kLeftPaint)});

    int asked = 0;
    ColorShader none(library, "leftPaint", {{0, 0, 1, 1}}, [&] {
        ++asked;
        return std::shared_ptr<Device>();
    });
    for (int draw = 0; draw < 3; ++draw)
        EXPECT_FALSE(none.applyColorEffect(drawing()));
    EXPECT_EQ(asked, 1);

    if (!createSystemDefaultDevice())
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    int made = 0;
    std::weak_ptr<Device> device;
    ColorShader shader(library, "leftPaint", {{0, 0, 1, 1}}, [&] {
        ++made;
        auto d = createSystemDefaultDevice();
        device = d;
        return d;
    });
    for (int draw = 0; draw < 3; ++draw) {
        const auto result = shader.applyColorEffect(drawing());
        ASSERT_TRUE(result);
        EXPECT_TRUE(near(result->pixelColor(4, 2), tk::Color(0, 0, 1))) << "draw " << draw;
        EXPECT_FALSE(device.expired()) << "the device outlives the draw";
    }
    EXPECT_EQ(made, 1);
}

// A window redrawn for another view's sake draws the effect's content unchanged: the function sees
// nothing but the pixels, so the last result serves again and nothing runs; any changed pixel, or
// another size, runs it anew.
TEST(ColorShader, RunsOnlyWhenTheDrawingsPixelsChange) {
    tk::TestMainLoop loop;
    auto library = std::make_shared<const Library>(
        std::vector<Function>{Function("leftPaint", ShaderStage::fragment, kLeftPaint)});
    auto device = std::make_shared<FakeDevice>();
    ColorShader shader(library, "leftPaint", {{0, 0, 1, 1}}, [&] { return device; });

    ASSERT_TRUE(shader.applyColorEffect(drawing()));
    ASSERT_TRUE(shader.applyColorEffect(drawing())) << "the same pixels, drawn anew";
    EXPECT_EQ(device->draws().size(), 1u);
    EXPECT_EQ(device->imagesRead, 1);

    tk::BitmapContext changed(tk::Size{20, 10}, 2);
    changed.fillRect(tk::Rect{0, 0, 20, 5}, tk::Color(0.5, 0.5, 0.5));
    changed.fillRect(tk::Rect{0, 5, 20, 5}, tk::Color(1, 0.5, 0, 0.5));
    changed.fillRect(tk::Rect{19.5, 9.5, 0.5, 0.5}, tk::Color(0, 0, 0)); // one pixel at 2x
    ASSERT_TRUE(shader.applyColorEffect(changed.makeImage()));
    EXPECT_EQ(device->draws().size(), 2u) << "one pixel changed";

    tk::BitmapContext other(tk::Size{20, 10}, 1);
    other.fillRect(tk::Rect{0, 0, 20, 10}, tk::Color(0.5, 0.5, 0.5));
    ASSERT_TRUE(shader.applyColorEffect(other.makeImage()));
    ASSERT_TRUE(shader.applyColorEffect(drawing()));
    EXPECT_EQ(device->draws().size(), 4u) << "another scale, then the first drawing again";
}

// A body that writes `.colorEffect(shader(...))` makes a new shader at each rebuild, and the view
// drops the old one only for the new: every shader of the process draws on one device with the
// pipelines compiled once, held while any shader lives and released with the last.
TEST(ColorShader, ShadersMadeAtEachRebuildShareOneDeviceAndItsPipelines) {
    tk::TestMainLoop loop;
    auto library = std::make_shared<const Library>(
        std::vector<Function>{Function("leftPaint", ShaderStage::fragment, kLeftPaint)});

    auto fake = std::make_shared<FakeDevice>();
    int asked = 0;
    auto shared = std::make_shared<ColorEffectDevice>([&] {
        ++asked;
        return fake;
    });
    auto shown =
        std::make_shared<ColorShader>(library, "leftPaint", std::vector<Float4>{{0, 0, 1, 1}}, shared);
    for (int rebuild = 0; rebuild < 5; ++rebuild) {
        auto made =
            std::make_shared<ColorShader>(library, "leftPaint", std::vector<Float4>{{0, 0, 1, 1}}, shared);
        shown = std::move(made); // the view takes the new one; the old one goes
        ASSERT_TRUE(shown->applyColorEffect(drawing())) << rebuild;
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(fake->pipelineDescriptors.size(), 1u) << "the same function with as many arguments";
    ColorShader other(library, "leftPaint", {{0, 0, 1, 1}, {1, 0, 0, 1}}, shared);
    ASSERT_TRUE(other.applyColorEffect(drawing()));
    EXPECT_EQ(fake->pipelineDescriptors.size(), 2u) << "another argument count is another pipeline";
    EXPECT_EQ(fake->commandQueuesMade, 1);

    // Without a device: asked once for all the shaders, each drawing nothing.
    int none = 0;
    auto noDevice = std::make_shared<ColorEffectDevice>([&] {
        ++none;
        return std::shared_ptr<Device>();
    });
    for (int rebuild = 0; rebuild < 3; ++rebuild)
        EXPECT_FALSE(ColorShader(library, "leftPaint", {{0, 0, 1, 1}}, noDevice).applyColorEffect(drawing()));
    EXPECT_EQ(none, 1);

    // The process's own: one while any shader holds it, a fresh one once none does.
    std::weak_ptr<ColorEffectDevice> process;
    {
        ColorShader a(library, "leftPaint", {{0, 0, 1, 1}});
        ColorShader b(library, "leftPaint", {{0, 0, 1, 1}});
        EXPECT_EQ(a.device(), b.device());
        EXPECT_EQ(a.device(), ColorEffectDevice::shared());
        process = a.device();
    }
    EXPECT_TRUE(process.expired()) << "released with the last shader";

    if (!createSystemDefaultDevice())
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    std::shared_ptr<ColorShader> rebuilt;
    const Device* first = nullptr;
    for (int rebuild = 0; rebuild < 3; ++rebuild) {
        auto made = std::make_shared<ColorShader>(library, "leftPaint", std::vector<Float4>{{0, 0, 1, 1}});
        rebuilt = std::move(made);
        const auto result = rebuilt->applyColorEffect(drawing());
        ASSERT_TRUE(result);
        EXPECT_TRUE(near(result->pixelColor(4, 2), tk::Color(0, 0, 1))) << rebuild;
        if (!first)
            first = &rebuilt->device()->device();
        EXPECT_EQ(&rebuilt->device()->device(), first) << "rebuild " << rebuild << " drew on the same device";
    }
    EXPECT_EQ(rebuilt->device()->devicesAsked(), 1);
}

} // namespace
} // namespace gpu
