#pragma once

// ColorEffectDevice: what colour effects (ColorShader) draw with - a device, its command queue, the
// pipelines compiled on it and the scratch pictures of one run - shared by every effect that holds
// it.
//
// A declarative body that writes `.colorEffect(colorMatrixShader(...))` makes a new shader at each
// rebuild, and the view drops the old one for it. The system's device lives only while someone
// holds it, and making one (a GL context, the pipelines compiled again) costs several times the
// effect, so every shader made with the system's device holds the process's one ColorEffectDevice
// from its construction on: the new shader already holds it when the old one goes, and the device
// and its pipelines stay from rebuild to rebuild. It is released with the last shader that holds it.
//
// The device is asked for once, on the first run, while the ColorEffectDevice lives: without one
// (an ordinary outcome) effects answer nothing and do not ask again; a later one, made when none
// lived any more, asks anew.
//
// shared() may be called on any thread; everything else is [main].

#include "platform/gpu/Device.h"
#include "platform/gpu/RenderPipeline.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace gpu {

class ColorEffectDevice {
public:
    using DeviceFactory = std::function<std::shared_ptr<Device>()>;

    // One that draws with the device `makeDevice` gives (asked for on the first run).
    explicit ColorEffectDevice(DeviceFactory makeDevice);
    ~ColorEffectDevice();
    ColorEffectDevice(const ColorEffectDevice&) = delete;
    ColorEffectDevice& operator=(const ColorEffectDevice&) = delete;

    // [any] The process's one over the system's device: the living one, or a new one when none
    // lives.
    static std::shared_ptr<ColorEffectDevice> shared();

    // Makes the device and its queue on the first call; false when either is missing.
    bool prepare();
    Device& device() const { return *device_; }
    CommandQueue& queue() const { return *queue_; }

    // The pipeline that runs `fragmentSource` over the covering triangle into an RGBA16Float
    // target, compiled once for every shader that asks for the same source; null when it does not
    // compile (said once on standard error, naming `functionName`). Only after prepare() succeeded.
    std::shared_ptr<RenderPipelineState> pipeline(const std::string& functionName,
                                                  const std::string& fragmentSource);

    // Scratch for one run, kept while the size stays: the drawing's pixels (premultiplied
    // ARGB32) and the render target.
    tk::BitmapContext& pixelsOf(tk::Size size, double scale);
    std::shared_ptr<Texture> targetOf(PixelSize size);

    // How many times this one asked for a device (tests).
    int devicesAsked() const { return devicesAsked_; }

private:
    DeviceFactory makeDevice_;
    bool prepared_ = false;
    int devicesAsked_ = 0;
    std::shared_ptr<Device> device_;
    std::shared_ptr<CommandQueue> queue_;
    // By fragment source; null for one that did not compile.
    std::map<std::string, std::shared_ptr<RenderPipelineState>, std::less<>> pipelines_;
    std::optional<tk::BitmapContext> pixels_;
    std::shared_ptr<Texture> target_;
};

} // namespace gpu
