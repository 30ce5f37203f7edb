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
// The shader keeps what it draws with for as long as it lives (as long as a view shows the effect):
// the device it was given on its first draw - the system's device is shared only while someone
// holds it, and making one anew costs more than the effect itself - with its command queue, the
// pipeline and the target texture (kept while the drawing's size stays). The device is asked for
// once: without one, later draws do not ask again. A drawing whose pixels are those of the last one
// gets the last result again without running anything.
//
// applyColorEffect() answers nothing - the view then shows its drawing as it is - when there is no
// device, no library, no function of that name, or the function does not compile (said once on
// standard error). All members are [main].

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
    // The device, its queue and the pipeline, made on the first call; false when any is missing.
    bool prepare() const;
    // The pipeline on device_; null when it cannot be built (said on standard error).
    std::shared_ptr<RenderPipelineState> makePipeline() const;
    // The drawing's premultiplied pixels, drawn into pixels_; empty when they cannot be had.
    std::span<const std::uint8_t> pixelsOf(const tk::Image& drawing) const;
    // A render target of `size`, kept while the size stays.
    std::shared_ptr<Texture> targetOf(PixelSize size) const;

    std::shared_ptr<const Library> library_;
    std::string functionName_;
    std::vector<Float4> arguments_;
    DeviceFactory makeDevice_;
    mutable bool prepared_ = false;
    mutable std::shared_ptr<Device> device_;
    mutable std::shared_ptr<CommandQueue> queue_;
    mutable std::shared_ptr<RenderPipelineState> pipeline_;
    mutable std::shared_ptr<Texture> target_;
    mutable std::optional<tk::BitmapContext> pixels_; // the drawing's pixels, kept while its size stays
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
