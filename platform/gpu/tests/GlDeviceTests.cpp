#include "platform/gpu/Device.h"
#include "platform/gpu/Error.h"
#include "platform/gpu/ShaderView.h"
#include "platform/tk/base/TestMainLoop.h"

#include <gtest/gtest.h>

#include <array>

namespace gpu {
namespace {

// The top half red, the bottom half a linear-light grey of 0.2; read back through the device.
constexpr const char* kVertex = R"(#version 450 core
layout(std430, binding = 0) readonly buffer Positions { vec2 positions[]; };
out vec2 uv;
void main() { uv = positions[gl_VertexID] * 0.5 + 0.5; gl_Position = vec4(positions[gl_VertexID], 0.0, 1.0); }
)";
constexpr const char* kFragment = R"(#version 450 core
layout(std140, binding = 0) uniform Grey { float grey; };
in vec2 uv;
layout(location = 0) out vec4 colour;
void main() { colour = uv.y > 0.5 ? vec4(1.0, 0.0, 0.0, 1.0) : vec4(vec3(grey), 1.0); }
)";

// A quad over the whole target, drawn by one fragment function into a half-float target.
struct QuadDrawing {
    std::shared_ptr<Device> device;
    RenderPipelineDescriptor descriptor;
    std::shared_ptr<RenderPipelineState> pipeline;
    std::shared_ptr<Buffer> vertices;
    std::shared_ptr<Texture> target;

    QuadDrawing(std::shared_ptr<Device> d, const char* name, const char* fragment, PixelSize size)
        : device(std::move(d)) {
        Library library({Function("quad", ShaderStage::vertex, kVertex),
                         Function(name, ShaderStage::fragment, fragment)});
        descriptor.label = name;
        descriptor.vertexFunction = library.makeFunction("quad");
        descriptor.fragmentFunction = library.makeFunction(name);
        descriptor.colorAttachments[0].pixelFormat = PixelFormat::rgba16Float;
        pipeline = device->makeRenderPipelineState(descriptor);
        const std::array<float, 8> quad{-1, -1, -1, 1, 1, -1, 1, 1};
        vertices = device->makeBuffer(std::as_bytes(std::span(quad)));
        target = device->makeTexture({PixelFormat::rgba16Float, size, TextureUsage::renderTarget});
    }
    bool ready() const { return pipeline && vertices && target; }

    // Clears the target to `clear`, then draws the quad over its top `rows` rows (none for 0)
    // with `bytes` at fragment binding 0.
    void draw(ClearColor clear, std::span<const std::byte> bytes, int rows) {
        RenderPassDescriptor pass;
        pass.colorAttachments[0] = {target, LoadAction::clear, clear};
        auto buffer = device->makeCommandQueue()->makeCommandBuffer();
        auto* encoder = buffer->makeRenderCommandEncoder(pass);
        encoder->setRenderPipelineState(pipeline);
        encoder->setViewport({0, 0, static_cast<double>(target->width()), static_cast<double>(rows), 0, 1});
        encoder->setVertexBuffer(vertices, 0, 0);
        encoder->setFragmentBytes(bytes.data(), bytes.size(), 0);
        if (rows > 0)
            encoder->drawPrimitives(PrimitiveType::triangleStrip, 0, 4);
        encoder->endEncoding();
        buffer->commit();
    }
};

constexpr float kGrey = 0.2f;

// Mesa's surfaceless platform must give this machine a real device: the one test that draws for real.
TEST(GlDevice, RendersThroughEglAndReadsBackTopRowFirstInSRGB) {
    tk::TestMainLoop loop;
    auto device = createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    EXPECT_EQ(createSystemDefaultDevice(), device) << "one shared device";

    QuadDrawing q(device, "halves", kFragment, {8, 6});
    ASSERT_TRUE(q.ready());
    q.draw({0, 0, 0, 1}, std::as_bytes(std::span(&kGrey, 1)), 6);

    const auto image = device->readImage(*q.target, ColorSpace::extendedLinearSRGB, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixelSize(), (tk::Size{8, 6}));
    EXPECT_EQ(image->size(), (tk::Size{4, 3}));
    EXPECT_EQ(image->pixelColor(3, 0), tk::Color(1, 0, 0, 1)) << "top row first";
    const auto bottom = image->pixelColor(3, 5);
    EXPECT_NEAR(bottom.r, 124 / 255.0, 1.5 / 255) << "linear 0.2 shows as sRGB 124";
    EXPECT_NEAR(bottom.b, bottom.r, 1e-9);

    const auto raw = device->readImage(*q.target, ColorSpace::sRGB, 1);
    ASSERT_TRUE(raw);
    EXPECT_NEAR(raw->pixelColor(3, 5).r, 51 / 255.0, 1.5 / 255) << "sRGB values pass unchanged";

    q.descriptor.fragmentFunction =
        std::make_shared<Function>("broken", ShaderStage::fragment, "#version 450 core\nnot glsl");
    EXPECT_THROW(device->makeRenderPipelineState(q.descriptor), Error);
}

// Opaque and clear targets read back through a table on the CPU, others through the resolve pass:
// a target opaque at the top and half transparent below switches mid-image and must come back whole.
TEST(GlDevice, ReadsBackClearOpaqueAndHalfTransparentPixelsPremultiplied) {
    tk::TestMainLoop loop;
    auto device = createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    QuadDrawing q(device, "halves", kFragment, {8, 6});
    ASSERT_TRUE(q.ready());
    // Cleared to `clear`, the opaque quad drawn over the top `rows` rows.
    auto read = [&](ClearColor clear, int rows) {
        q.draw(clear, std::as_bytes(std::span(&kGrey, 1)), rows);
        return device->readImage(*q.target, ColorSpace::extendedLinearSRGB, 1);
    };

    const auto clear = read({0.3, 0.6, 0.9, 0}, 0);
    ASSERT_TRUE(clear);
    EXPECT_EQ(clear->pixelColor(0, 0), tk::Color(0, 0, 0, 0));
    EXPECT_EQ(clear->pixelColor(7, 5), tk::Color(0, 0, 0, 0));

    // Linear 0.2 premultiplied by 0.5: sRGB 124 at half coverage.
    const auto mixed = read({0.1, 0.1, 0.1, 0.5}, 4);
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->pixelColor(3, 0), tk::Color(1, 0, 0, 1)) << "the quad's top half";
    EXPECT_NEAR(mixed->pixelColor(3, 3).r, 124 / 255.0, 1.5 / 255) << "the quad's bottom half";
    EXPECT_EQ(mixed->pixelColor(3, 3).a, 1);
    for (int y : {4, 5}) {
        const auto c = mixed->pixelColor(3, y);
        EXPECT_NEAR(c.a, 0.5, 1.0 / 255) << "row " << y;
        EXPECT_NEAR(c.r, 124 / 255.0, 2.0 / 255) << "row " << y << ": colour unpremultiplied";
        EXPECT_EQ(c.g, c.r);
    }
}

// Six packed floats read as two vec4s (std140 makes the block 32 bytes): the floats land in order
// and the last two components read as zero, not as what an earlier, longer upload left in the
// buffer. A range bound shorter than the block (the driver's account, checked before each draw)
// skips the draw, so an upload that is not padded leaves the target black here.
TEST(GlDevice, SixPackedFloatsReadAsTwoVec4sWithTheRestZero) {
    tk::TestMainLoop loop;
    auto device = createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    QuadDrawing q(device, "packed", R"(#version 450 core
layout(std140, binding = 0) uniform Packed { vec4 values[2]; };
layout(location = 0) out vec4 colour;
void main() { colour = vec4(values[0].x, values[1].y, values[1].z, 1.0); }
)",
                  {4, 4});
    ASSERT_TRUE(q.ready());
    auto drawWith = [&](std::span<const float> values) {
        q.draw({0, 0, 0, 1}, std::as_bytes(values), 4);
        return device->readImage(*q.target, ColorSpace::sRGB, 1)->pixelColor(1, 1);
    };
    const std::array<float, 8> ones{1, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(drawWith(ones), tk::Color(1, 1, 1, 1));
    const std::array<float, 6> halves{0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f};
    const auto c = drawWith(halves);
    EXPECT_NEAR(c.r, 0.5, 1.0 / 255);
    EXPECT_NEAR(c.g, 0.5, 1.0 / 255) << "values[1].y is the sixth float";
    EXPECT_EQ(c.b, 0) << "values[1].z lies past the six floats: zero";
}

} // namespace
} // namespace gpu
