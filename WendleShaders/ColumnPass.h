#pragma once

// ColumnPass: the values of a fragment function that depend only on x, worked out once per column
// of the drawable instead of once per pixel.
//
// A fragment function has one when the module's shader library holds its column function: its name
// with "FragmentShader" replaced by "ColumnShader" ("audioWaveformColumnShader" for
// "audioWaveformFragmentShader"). Each frame, before the main pass, the column function is drawn
// with the same vertex function, the same quad and the same fragment bytes over a float target as
// wide as the drawable and kRows pixels high; the main pass then reads that target as fragment
// texture 0 (one texel per column in each row). The target is made again only when the drawable's
// width changes, so frames allocate nothing of their own.
//
// All members are [main].

#include "platform/gpu/CommandBuffer.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/RenderCommandEncoder.h"

#include <memory>
#include <string>
#include <string_view>

namespace WendleShaders {

class ColumnPass {
public:
    static constexpr int kRows = 3;

    // The column function's name for `fragmentFunctionName` (empty when the name does not end in
    // "FragmentShader").
    static std::string columnFunctionName(std::string_view fragmentFunctionName);

    // The pass for `fragmentFunctionName`, or null when the library holds no column function for
    // it. Throws what the device throws when the column pipeline does not build.
    static std::unique_ptr<ColumnPass> make(gpu::Device& device, std::string_view vertexFunctionName,
                                            std::string_view fragmentFunctionName);

    explicit ColumnPass(std::shared_ptr<gpu::RenderPipelineState> pipelineState)
        : pipelineState_(std::move(pipelineState)) {}

    // Follows the drawable's size (the target is made at the next encode when the width changed).
    void setDrawableSize(gpu::PixelSize size) { width_ = size.width; }

    // Draws the column function into the target: `bindValues(encoder)` binds the fragment bytes,
    // the same as the main pass's. False when there is no target or encoder (the main pass then
    // reads no columns).
    template <class BindValues>
    bool encode(gpu::Device& device, gpu::CommandBuffer& commandBuffer,
                const std::shared_ptr<gpu::Buffer>& quad, BindValues&& bindValues) {
        gpu::RenderCommandEncoder* encoder = beginPass(device, commandBuffer, quad);
        if (!encoder)
            return false;
        bindValues(*encoder);
        endPass(*encoder);
        return true;
    }

    // Binds the target as fragment texture 0 of the main pass.
    void bindColumns(gpu::RenderCommandEncoder& encoder) const { encoder.setFragmentTexture(target_, 0); }

    const std::shared_ptr<gpu::RenderPipelineState>& pipelineState() const { return pipelineState_; }
    const std::shared_ptr<gpu::Texture>& target() const { return target_; }

private:
    gpu::RenderCommandEncoder* beginPass(gpu::Device& device, gpu::CommandBuffer& commandBuffer,
                                         const std::shared_ptr<gpu::Buffer>& quad);
    void endPass(gpu::RenderCommandEncoder& encoder);

    std::shared_ptr<gpu::RenderPipelineState> pipelineState_;
    std::shared_ptr<gpu::Texture> target_;
    gpu::RenderPassDescriptor pass_;
    int width_ = 0;
};

} // namespace WendleShaders
