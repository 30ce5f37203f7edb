#pragma once

// What a render pass draws into (its colour attachments, cleared or kept) and the drawable a shader
// view hands out for one frame: its texture, and what happens when a committed command buffer
// presents it.

#include "platform/gpu/RenderPipeline.h"
#include "platform/gpu/Texture.h"
#include "platform/gpu/Types.h"

#include <array>
#include <functional>
#include <memory>

namespace gpu {

struct RenderPassColorAttachmentDescriptor {
    std::shared_ptr<Texture> texture;
    LoadAction loadAction = LoadAction::clear;
    ClearColor clearColor;
};

struct RenderPassDescriptor {
    std::array<RenderPassColorAttachmentDescriptor, kMaxColorAttachments> colorAttachments{};
};

class Drawable {
public:
    using PresentHandler = std::function<void(Drawable&)>;

    Drawable(std::shared_ptr<Texture> texture, PresentHandler onPresent)
        : texture_(std::move(texture)), onPresent_(std::move(onPresent)) {}

    const std::shared_ptr<Texture>& texture() const { return texture_; }
    bool isPresented() const { return presented_; }

    // [main] Ready to be presented again: a view hands out one drawable per texture, frame after
    // frame, instead of a new one each frame.
    void prepareForNextFrame() { presented_ = false; }

    // [main] Called once the command buffer that presents it has run; later calls do nothing.
    void didPresent() {
        if (presented_)
            return;
        presented_ = true;
        if (onPresent_)
            onPresent_(*this);
    }

private:
    std::shared_ptr<Texture> texture_;
    PresentHandler onPresent_;
    bool presented_ = false;
};

} // namespace gpu
