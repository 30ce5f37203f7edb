// The module's colour effects (WendleShadersHelper) run by the machine's device: over a declarative
// view with text and colour, and - for the gamut marks - straight over colours outside sRGB and P3,
// which an 8-bit drawing cannot hold. Pictures go to <build>/pictures/shaders/.

#include "ShaderTestSupport.h"
#include "WendleShaders/ModuleBundle.h"
#include "WendleShaders/WendleShadersHelper.h"
#include "platform/gpu/Error.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/HeadlessWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace WendleShaders {
namespace {

namespace ui = tk::ui;

std::filesystem::path pictureFolder() {
    auto folder = testing::buildFolder() / "pictures" / "shaders";
    std::filesystem::create_directories(folder);
    return folder;
}

// A title and a row of colour swatches on the window's dark ground.
ui::Node sampleView() {
    const tk::Color swatches[] = {tk::Color(0.94, 0.38, 0.35), tk::Color(0.95, 0.76, 0.31),
                                  tk::Color(0.31, 0.64, 0.97), tk::Color(0.48, 0.83, 0.54),
                                  tk::Color(0.65, 0.49, 0.96), tk::Color(0.9, 0.91, 0.93)};
    std::vector<ui::Node> row;
    for (const auto& c : swatches)
        row.push_back(ui::RoundedRectangle(6).fill(c).frame(36, 36));
    return ui::VStack({.spacing = 12}, {ui::Text("Kestrine colours")
                                            .font(tk::Font::system(24, tk::FontWeight::semibold))
                                            .foregroundColor(tk::Color(0.9, 0.91, 0.93)),
                                        ui::HStack({.spacing = 10}, row)})
        .frame(320, 130)
        .background(tk::Color(0.08, 0.09, 0.1));
}

bool near(tk::Color a, tk::Color b, double tolerance = 2.5 / 255) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance && std::abs(a.a - b.a) <= tolerance;
}

TEST(ColorEffect, TheThreeEffectsOverAViewWithTextAndColour) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    if (!gpu::createSystemDefaultDevice())
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";

    auto render = [&](std::shared_ptr<const tk::ui::Shader> shader, const std::string& file) {
        tk::HeadlessWindow window({320, 130}, 2);
        auto view = shader ? sampleView().colorEffect(shader) : sampleView();
        window.setContentView(tk::View::make<ui::HostingView>(view));
        loop.drain();
        window.render();
        window.writePNG(pictureFolder() / file);
        return *tk::Image::fromPNGFile(pictureFolder() / file, 2);
    };
    const auto plain = render(nullptr, "effect-none.png");
    // Red and blue trade places; green stays.
    const auto swapped =
        render(WendleShadersHelper::colorMatrixShader({0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}),
               "effect-color-matrix.png");
    const auto sRGB = render(WendleShadersHelper::outsideSRGBShader(), "effect-outside-srgb.png");
    const auto p3 = render(WendleShadersHelper::outsideP3Shader(), "effect-outside-p3.png");

    int checked = 0;
    for (int y = 4; y < 260; y += 7)
        for (int x = 4; x < 640; x += 7) {
            const auto p = plain.pixelColor(x, y);
            const auto s = swapped.pixelColor(x, y);
            ASSERT_TRUE(near(s, tk::Color(p.b, p.g, p.r, p.a))) << x << ", " << y << ": red and blue swapped";
            ASSERT_TRUE(near(sRGB.pixelColor(x, y), p)) << x << ", " << y << ": a drawing lies inside sRGB";
            ASSERT_TRUE(near(p3.pixelColor(x, y), p)) << x << ", " << y << ": and inside P3";
            ++checked;
        }
    EXPECT_GT(checked, 3000);
}

// Runs a colour function of the module's library over five bands of colours in extended linear
// sRGB and reads the result back as it would be shown.
tk::Image markedBands(gpu::Device& device, const std::string& function) {
    const auto library = gpu::Library::loadDefault(moduleBundle().resourcePath());
    const std::string source = R"(#version 450 core
layout(location = 0) out vec4 result;
)" + library->makeFunction(function)->source() +
                               R"(
const vec3 kBands[5] = vec3[5](vec3(0.5),                                // grey
                               vec3(1.0, 0.0, 0.0),                      // sRGB red
                               vec3(1.22494, -0.04206, -0.01964),        // P3 red
                               vec3(-0.22494, 1.04206, -0.07864),        // P3 green
                               vec3(-0.5876, 1.1329, -0.1006));          // BT.2020 green
void main() {
    vec2 position = vec2(gl_FragCoord.x, 40.0 - gl_FragCoord.y);
    result = )" + function + R"((position, vec4(kBands[int(gl_FragCoord.x) / 40], 1.0));
}
)";
    gpu::RenderPipelineDescriptor descriptor;
    descriptor.label = function;
    descriptor.vertexFunction = library->makeFunction("aboutVertexShader");
    descriptor.fragmentFunction =
        std::make_shared<gpu::Function>(function, gpu::ShaderStage::fragment, source);
    descriptor.colorAttachments[0].pixelFormat = gpu::PixelFormat::rgba16Float;
    auto pipeline = device.makeRenderPipelineState(descriptor);
    const std::array<float, 8> quad{-1, -1, -1, 1, 1, -1, 1, 1};
    auto vertices = device.makeBuffer(std::as_bytes(std::span(quad)));
    auto target =
        device.makeTexture({gpu::PixelFormat::rgba16Float, {200, 40}, gpu::TextureUsage::renderTarget});
    gpu::RenderPassDescriptor pass;
    pass.colorAttachments[0] = {target, gpu::LoadAction::clear, {0, 0, 0, 1}};
    auto buffer = device.makeCommandQueue()->makeCommandBuffer();
    auto* encoder = buffer->makeRenderCommandEncoder(pass);
    encoder->setRenderPipelineState(pipeline);
    encoder->setVertexBuffer(vertices, 0, 0);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, 4);
    encoder->endEncoding();
    buffer->commit();
    return *device.readImage(*target, gpu::ColorSpace::extendedLinearSRGB, 1);
}

// Pixels of band `band` (0-4) that carry the mark colour.
int marked(const tk::Image& bands, int band, tk::Color mark) {
    int n = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = band * 40; x < band * 40 + 40; ++x)
            n += near(bands.pixelColor(x, y), mark, 4.0 / 255);
    return n;
}

TEST(ColorEffect, TheGamutEffectsMarkExactlyTheColoursOutsideTheirGamut) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    auto device = gpu::createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    struct Case {
        const char* function;
        tk::Color mark;
        std::array<bool, 5> outside; // grey, sRGB red, P3 red, P3 green, BT.2020 green
    };
    for (const Case& c :
         {Case{"outsideSRGBShader", tk::Color(1, 0, 1), {false, false, true, true, true}},
          Case{"outsideP3Shader", tk::Color(1, 0.63, 0), {false, false, false, false, true}}}) {
        const auto bands = markedBands(*device, c.function);
        bands.writePNG(pictureFolder() / ("gamut-" + std::string(c.function) + ".png"));
        for (int band = 0; band < 5; ++band) {
            const int n = marked(bands, band, c.mark);
            if (c.outside[static_cast<std::size_t>(band)])
                EXPECT_GT(n, 500) << c.function << " marks band " << band << " with stripes";
            else
                EXPECT_EQ(n, 0) << c.function << " leaves band " << band << " alone";
        }
    }
}

} // namespace
} // namespace WendleShaders
