// The waveform band as the module's shaders draw it (the values that depend only on x drawn first,
// once per column) against the band as first written, which worked out every value at every pixel
// (tests/ReferenceBand): the same picture, up to rounding, for several seeds, times and sizes.

#include "ShaderTestSupport.h"
#include "WendleShaders/ColumnPass.h"
#include "WendleShaders/ModuleBundle.h"
#include "platform/gpu/CommandBuffer.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/RenderCommandEncoder.h"
#include "platform/gpu/RenderPipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace WendleShaders {
namespace {

std::shared_ptr<gpu::RenderPipelineState> bandPipeline(gpu::Device& device, const gpu::Library& library) {
    gpu::RenderPipelineDescriptor descriptor;
    descriptor.label = "Band";
    descriptor.vertexFunction = library.makeFunction(testing::kVertexName);
    descriptor.fragmentFunction = library.makeFunction(testing::kFragmentName);
    descriptor.colorAttachments[0].pixelFormat = gpu::PixelFormat::rgba16Float;
    return device.makeRenderPipelineState(descriptor);
}

// One frame as the renderer draws it: the quad, the size, the seed and the time (and the column
// pass first, when there is one).
tk::Image drawBand(gpu::Device& device, const std::shared_ptr<gpu::RenderPipelineState>& pipeline,
                   ColumnPass* columns, int width, int height, std::uint32_t seed, float time) {
    const std::array<float, 8> quad{-1, -1, -1, 1, 1, -1, 1, 1};
    auto vertices = device.makeBuffer(std::as_bytes(std::span(quad)));
    auto target =
        device.makeTexture({gpu::PixelFormat::rgba16Float, {width, height}, gpu::TextureUsage::renderTarget});
    gpu::RenderPassDescriptor pass;
    pass.colorAttachments[0].texture = target;
    auto commandBuffer = device.makeCommandQueue()->makeCommandBuffer();
    const std::array<float, 2> size{static_cast<float>(width), static_cast<float>(height)};
    const auto bindValues = [&](gpu::RenderCommandEncoder& e) {
        e.setFragmentBytes(size.data(), sizeof size, 0);
        e.setFragmentBytes(&seed, sizeof seed, 1);
        e.setFragmentBytes(&time, sizeof time, 2);
    };
    if (columns) {
        columns->setDrawableSize({width, height});
        EXPECT_TRUE(columns->encode(device, *commandBuffer, vertices, bindValues));
    }
    auto* encoder = commandBuffer->makeRenderCommandEncoder(pass);
    encoder->setRenderPipelineState(pipeline);
    encoder->setVertexBuffer(vertices, 0, 0);
    bindValues(*encoder);
    if (columns)
        columns->bindColumns(*encoder);
    encoder->drawPrimitives(gpu::PrimitiveType::triangleStrip, 0, 4);
    encoder->endEncoding();
    commandBuffer->commit();
    return device.readImage(*target, gpu::ColorSpace::extendedLinearSRGB, 1).value();
}

TEST(BandLook, TheBandLooksAsTheShaderThatComputedEverythingPerPixel) {
    testing::useBuiltBundles();
    auto device = gpu::createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";
    auto band = bandPipeline(*device, *device->makeDefaultLibrary(moduleBundle().resourcePath()));
    auto reference = bandPipeline(*device, *device->makeDefaultLibrary(WENDLE_REFERENCE_BAND));
    const auto columns = ColumnPass::make(*device, testing::kVertexName, testing::kFragmentName);
    ASSERT_TRUE(columns) << "the band works out its values per column";

    struct Case {
        int width, height;
        std::uint32_t seed;
        float time;
    };
    for (const Case& c : {Case{400, 300, 0x5eed1234u, 0.25f}, Case{400, 300, 7u, 61.7f},
                          Case{123, 77, 0xffffffffu, 3.5f}, Case{800, 600, 42u, 1234.5f}}) {
        SCOPED_TRACE(::testing::Message()
                     << c.width << "x" << c.height << " seed " << c.seed << " at " << c.time);
        const tk::Image drawn = drawBand(*device, band, columns.get(), c.width, c.height, c.seed, c.time);
        const tk::Image expected = drawBand(*device, reference, nullptr, c.width, c.height, c.seed, c.time);
        double largest = 0;
        double total = 0;

        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const tk::Color a = drawn.pixelColor(x, y), b = expected.pixelColor(x, y);
                const double d = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
                largest = std::max(largest, d);
                total += d;
            }
        EXPECT_LE(largest, 2.0 / 255) << "no pixel differs by more than rounding";
        EXPECT_LE(total / (c.width * c.height), 0.05 / 255);
    }
}

} // namespace
} // namespace WendleShaders
