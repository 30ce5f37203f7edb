#pragma once

// Render pipelines: a descriptor names the vertex and fragment functions and the colour attachment
// formats; a device turns it into a state (compiled and linked) or throws gpu::Error.

#include "platform/gpu/Library.h"
#include "platform/gpu/Types.h"

#include <array>
#include <memory>
#include <string>

namespace gpu {

inline constexpr std::size_t kMaxColorAttachments = 8;

struct RenderPipelineColorAttachmentDescriptor {
    PixelFormat pixelFormat = PixelFormat::invalid;
};

struct RenderPipelineDescriptor {
    std::string label;
    std::shared_ptr<const Function> vertexFunction;
    std::shared_ptr<const Function> fragmentFunction;
    std::array<RenderPipelineColorAttachmentDescriptor, kMaxColorAttachments> colorAttachments{};
};

// The device's own side of a pipeline (a linked GL program). Released with the state.
class PipelineBackend {
public:
    virtual ~PipelineBackend() = default;
};

class RenderPipelineState {
public:
    RenderPipelineState(std::string label, std::string vertexFunctionName, std::string fragmentFunctionName,
                        PixelFormat colorPixelFormat, std::unique_ptr<PipelineBackend> backend)
        : label_(std::move(label)), vertexFunctionName_(std::move(vertexFunctionName)),
          fragmentFunctionName_(std::move(fragmentFunctionName)), colorPixelFormat_(colorPixelFormat),
          backend_(std::move(backend)) {}
    RenderPipelineState(const RenderPipelineState&) = delete;
    RenderPipelineState& operator=(const RenderPipelineState&) = delete;

    const std::string& label() const { return label_; }
    const std::string& vertexFunctionName() const { return vertexFunctionName_; }
    const std::string& fragmentFunctionName() const { return fragmentFunctionName_; }
    // Format of colour attachment 0.
    PixelFormat colorPixelFormat() const { return colorPixelFormat_; }
    PipelineBackend* backend() const { return backend_.get(); }

private:
    std::string label_;
    std::string vertexFunctionName_;
    std::string fragmentFunctionName_;
    PixelFormat colorPixelFormat_;
    std::unique_ptr<PipelineBackend> backend_;
};

// Checks what every device checks before it builds a pipeline: both functions set, of the right
// stages, and a valid format for colour attachment 0. Throws gpu::Error naming what is wrong.
void validate(const RenderPipelineDescriptor& descriptor);

} // namespace gpu
