#pragma once

// MetalShaderRenderer: draws one full-view quad with a named vertex/fragment function pair and
// feeds the fragment function the drawable size, a random seed and a running time.
//
// What the shader functions receive:
//   vertex   buffer 0: the quad, four float2 positions (-1,-1), (-1,1), (1,-1), (1,1), indexed by
//            vertex id; drawn as a 4-vertex triangle strip.
//   fragment bytes 0: drawable size in pixels, two 32-bit floats (8 bytes) (QuadRenderer.h)
//            bytes 1: the seed, unsigned 32-bit (4 bytes)
//            bytes 2: the time in seconds, 32-bit float (4 bytes)
//   It writes one colour to attachment 0 (RGBA16Float).
// A fragment function with a column function has its values that depend only on x drawn first,
// with the same bytes, and reads them as fragment texture 0 (ColumnPass).
//
// The clock is ClockedRenderer's. The seed never changes during the renderer's life.
//
// All members are [main].

#include "WendleShaders/QuadRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/RendererError.h"
#include "platform/gpu/ShaderView.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace WendleShaders {

class ColumnPass;

class MetalShaderRenderer final : public QuadRenderer {
public:
    using RendererError = WendleShaders::RendererError;

    static constexpr std::size_t kVertexCount = kQuadVertexCount;

    // Throws RendererError::noValidDevice() when the view has no device or it makes no command
    // queue, and passes on what makePipelineState() throws.
    MetalShaderRenderer(gpu::ShaderView& view, std::string name, std::string_view vertexFunctionName,
                        std::string_view fragmentFunctionName, RendererDependencies dependencies = {});
    ~MetalShaderRenderer() override;

    void drawableSizeWillChange(gpu::ShaderView& view, gpu::PixelSize size) override;

    std::uint32_t seed() const { return seed_; }
    const std::string& name() const { return name_; }
    // Null when the fragment function has no column function.
    const ColumnPass* columnPass() const { return columns_.get(); }

private:
    void encodeEarlierPasses(gpu::CommandBuffer& commandBuffer) override;
    void encodeFragmentValues(gpu::RenderCommandEncoder& encoder) override;
    void encodeSeedAndTime(gpu::RenderCommandEncoder& encoder) const;

    std::uint32_t seed_;
    std::string name_;
    std::unique_ptr<ColumnPass> columns_;
    float frameTime_ = 0;         // one time for all the passes of a frame
    bool columnsEncoded_ = false; // this frame's column pass ran
};

} // namespace WendleShaders
