#pragma once

// SupporterShaderRenderer: the full-view quad drawn with "supporterVertexShader" /
// "supporterFragmentShader", animated from the state of six switches (numbered 0 to 5): each is on
// or off and, independently, up or down; besides, the last six switch-on events with the time of
// each, newest first.
//
// What the shader functions receive:
//   vertex   buffer 0: the quad (ClockedRenderer.h), indexed by vertex id; a 4-vertex triangle strip.
//   fragment bytes 0: drawable size in pixels, two 32-bit floats (8 bytes) (QuadRenderer.h)
//            bytes 1: the time in seconds, 32-bit float
//            bytes 2: the main screen's backing scale, 32-bit float
//            buffer 3: switchOnState      six 32-bit floats (24 bytes), 1 = on
//            buffer 4: switchDownState    six floats, 1 = down
//            buffer 5: switchHistory      six floats, the index of a switch turned on, newest
//                                         first; -1 = empty
//            buffer 6: switchHistoryTime  six floats, the renderer time of each history entry
//   The six floats lie packed; a shader reads them as two vec4s (floats 0-3, then 4-5 in x and y).
//
// The switch arrays go into four buffers made once; each frame copies the arrays into them as it
// draws, so a change made between frames shows on the next frame. An index outside 0-5 changes
// nothing. The clock is ClockedRenderer's; a history time is read from it (paused time left out),
// so it compares with the time at fragment index 1. All members are [main].

#include "WendleShaders/QuadRenderer.h"
#include "WendleShaders/RendererDependencies.h"
#include "WendleShaders/RendererError.h"
#include "platform/gpu/ShaderView.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>

namespace WendleShaders {

class SupporterShaderRenderer final : public QuadRenderer {
public:
    using RendererError = WendleShaders::RendererError;
    using SwitchArray = std::array<float, 6>;

    static constexpr int kSwitchCount = 6;
    // Byte length of each switch array.
    static constexpr std::size_t animationBufferSize = sizeof(SwitchArray);

    // Throws RendererError::noValidDevice() without a device or command queue, and passes on what
    // makePipelineState() throws.
    SupporterShaderRenderer(gpu::ShaderView& view, std::string name, RendererDependencies dependencies = {});

    // Moves every history entry one place back (the oldest is dropped) and records switch `index`
    // at the current time as the newest. Nothing for an index outside 0-5.
    void recordSwitch(int index);

    const SwitchArray& switchOnState() const { return switchOnState_; }
    SwitchArray& mutableSwitchOnState() { return switchOnState_; }
    const SwitchArray& switchDownState() const { return switchDownState_; }
    SwitchArray& mutableSwitchDownState() { return switchDownState_; }
    const SwitchArray& switchHistory() const { return switchHistory_; }
    const SwitchArray& switchHistoryTime() const { return switchHistoryTime_; }

    const std::string& name() const { return name_; }
    float scale() const { return scale_; }
    // The buffers bound at fragment indices 3 to 6.
    const std::array<std::shared_ptr<gpu::Buffer>, 4>& switchBuffers() const { return switchBuffers_; }

private:
    void encodeFragmentValues(gpu::RenderCommandEncoder& encoder) override;

    std::string name_;
    float scale_ = 1;
    SwitchArray switchOnState_{0, 0, 0, 0, 0, 0};
    SwitchArray switchDownState_{0, 0, 0, 0, 0, 0};
    SwitchArray switchHistory_{-1, -1, -1, -1, -1, -1};
    SwitchArray switchHistoryTime_{0, 0, 0, 0, 0, 0};
    std::array<std::shared_ptr<gpu::Buffer>, 4> switchBuffers_;
};

} // namespace WendleShaders
