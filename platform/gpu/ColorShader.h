#pragma once

// ColorShader: a colour function of a shader library with its arguments, run by a device over a
// view's drawing (tk::ui::Node::colorEffect).
//
// A colour function is a fragment file of the library (<name>.frag) that holds, instead of a whole
// shader, one GLSL function of that name (no #version line, no main):
//
//     vec4 name(vec2 position, vec4 color, vec4 argument0, vec4 argument1, ...)
//
// `position` is the pixel's centre in points from the top-left corner of the drawing; `color` and
// the result are premultiplied linear light (extended sRGB: outside 0...1 where a colour lies
// outside sRGB); the arguments are the shader's, in order. The drawing's pixels are decoded from
// sRGB before the call, and the result is shown sRGB-encoded.
//
// applyColorEffect() answers nothing - the view then shows its drawing as it is - when there is no
// device, no library, no function of that name, or the function does not compile (said once on
// standard error). All members are [main].

#include "platform/gpu/Device.h"
#include "platform/gpu/Library.h"
#include "platform/tk/ui/Shader.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gpu {

using Float4 = std::array<float, 4>;

class ColorShader final : public tk::ui::Shader {
public:
    using DeviceFactory = std::function<std::shared_ptr<Device>()>;

    ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                std::vector<Float4> arguments, DeviceFactory makeDevice = createSystemDefaultDevice);

    const std::string& functionName() const { return functionName_; }
    const std::vector<Float4>& arguments() const { return arguments_; }

    // The GLSL fragment shader that runs the function `function` (a colour function's source) over
    // a texture, passing `argumentCount` vec4 arguments.
    static std::string fragmentSource(const Function& function, std::size_t argumentCount);

    // tk::ui::Shader
    std::optional<tk::Image> applyColorEffect(const tk::Image& drawing) const override;

private:
    // The pipeline on `device`, built on first use; null when it cannot be built.
    std::shared_ptr<RenderPipelineState> pipelineFor(const std::shared_ptr<Device>& device) const;

    std::shared_ptr<const Library> library_;
    std::string functionName_;
    std::vector<Float4> arguments_;
    DeviceFactory makeDevice_;
    mutable std::weak_ptr<Device> pipelineDevice_;
    mutable std::shared_ptr<RenderPipelineState> pipeline_;
    mutable bool failed_ = false;
};

} // namespace gpu
