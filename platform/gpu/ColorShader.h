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
// The shader draws with a ColorEffectDevice (ColorEffectDevice.h), held from its construction for
// as long as it lives: by default the process's one, which every such shader shares with its
// device, queue and compiled pipelines, so a body that makes a new shader at each rebuild keeps
// drawing on the same device. A drawing whose pixels are those of the last one gets the last
// result again without running anything.
//
// applyColorEffect() answers nothing - the view then shows its drawing as it is - when there is no
// device, no library, no function of that name, or the function does not compile (said once on
// standard error). All members are [main].

#include "platform/gpu/ColorEffectDevice.h"
#include "platform/gpu/Device.h"
#include "platform/gpu/Library.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/ui/Shader.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gpu {

using Float4 = std::array<float, 4>;

class ColorShader final : public tk::ui::Shader {
public:
    using DeviceFactory = ColorEffectDevice::DeviceFactory;

    // Draws with the process's shared ColorEffectDevice, over the system's device.
    ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                std::vector<Float4> arguments);
    // Draws with `device` (null: draws nothing).
    ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                std::vector<Float4> arguments, std::shared_ptr<ColorEffectDevice> device);
    // Draws with a ColorEffectDevice of its own over what `makeDevice` gives.
    ColorShader(std::shared_ptr<const Library> library, std::string functionName,
                std::vector<Float4> arguments, DeviceFactory makeDevice);

    const std::string& functionName() const { return functionName_; }
    const std::vector<Float4>& arguments() const { return arguments_; }

    // The GLSL fragment shader that runs the function `function` (a colour function's source) over
    // a texture, passing `argumentCount` vec4 arguments.
    static std::string fragmentSource(const Function& function, std::size_t argumentCount);

    // tk::ui::Shader
    std::optional<tk::Image> applyColorEffect(const tk::Image& drawing) const override;

    const std::shared_ptr<ColorEffectDevice>& device() const { return device_; }

private:
    // The device, its queue and the pipeline, on the first call; false when any is missing.
    bool prepare() const;

    std::shared_ptr<const Library> library_;
    std::string functionName_;
    std::vector<Float4> arguments_;
    std::shared_ptr<ColorEffectDevice> device_;
    mutable bool prepared_ = false;
    mutable std::shared_ptr<RenderPipelineState> pipeline_;
    // The last drawing run and what it gave, answered again while the drawing stays the same.
    struct LastEffect {
        std::vector<std::uint8_t> pixels;
        tk::Size size;
        double scale = 1;
        tk::Image result;
    };
    mutable std::optional<LastEffect> last_;
};

} // namespace gpu
