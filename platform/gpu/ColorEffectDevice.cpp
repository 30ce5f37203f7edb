#include "platform/gpu/ColorEffectDevice.h"

#include "platform/gpu/Error.h"
#include "platform/tk/base/MainThread.h"

#include <cstdio>
#include <mutex>

namespace gpu {

namespace {

// One triangle that covers the target, from the vertex id alone.
constexpr const char* kCoverVertex = R"(#version 450 core
void main() {
    vec2 p = vec2(float((gl_VertexID << 1) & 2), float(gl_VertexID & 2));
    gl_Position = vec4(p * 2.0 - 1.0, 0.0, 1.0);
}
)";

} // namespace

ColorEffectDevice::ColorEffectDevice(DeviceFactory makeDevice) : makeDevice_(std::move(makeDevice)) {}

ColorEffectDevice::~ColorEffectDevice() = default;

std::shared_ptr<ColorEffectDevice> ColorEffectDevice::shared() {
    // Declarative bodies make and drop shaders on the main thread; the catalogue is guarded all
    // the same, since shared() is reachable from anywhere, and the device inside is the main thread's.
    static std::mutex mutex;
    static std::weak_ptr<ColorEffectDevice> living;
    std::lock_guard lock(mutex);
    if (auto existing = living.lock())
        return existing;
    auto made = std::make_shared<ColorEffectDevice>(createSystemDefaultDevice);
    living = made;
    return made;
}

bool ColorEffectDevice::prepare() {
    TK_CHECK_MAIN_THREAD();
    if (!prepared_) {
        prepared_ = true;
        ++devicesAsked_;
        device_ = makeDevice_ ? makeDevice_() : nullptr;
        if (device_)
            queue_ = device_->makeCommandQueue();
    }
    return device_ && queue_;
}

std::shared_ptr<RenderPipelineState> ColorEffectDevice::pipeline(const std::string& functionName,
                                                                 const std::string& fragmentSource) {
    TK_CHECK_MAIN_THREAD();
    if (const auto known = pipelines_.find(fragmentSource); known != pipelines_.end())
        return known->second;
    std::shared_ptr<RenderPipelineState> built;
    try {
        RenderPipelineDescriptor descriptor;
        descriptor.label = functionName + " Color Effect";
        descriptor.vertexFunction =
            std::make_shared<Function>("colorEffectVertex", ShaderStage::vertex, kCoverVertex);
        descriptor.fragmentFunction =
            std::make_shared<Function>(functionName, ShaderStage::fragment, fragmentSource);
        descriptor.colorAttachments[0].pixelFormat = PixelFormat::rgba16Float;
        built = device_->makeRenderPipelineState(descriptor);
    } catch (const Error& error) {
        std::fprintf(stderr, "gpu: colour effect %s cannot run: %s\n", functionName.c_str(), error.what());
    }
    pipelines_.emplace(fragmentSource, built);
    return built;
}

tk::BitmapContext& ColorEffectDevice::pixelsOf(tk::Size size, double scale) {
    TK_CHECK_MAIN_THREAD();
    if (!pixels_ || pixels_->size() != size || pixels_->backingScale() != scale)
        pixels_.emplace(size, scale);
    else
        pixels_->reset();
    return *pixels_;
}

std::shared_ptr<Texture> ColorEffectDevice::targetOf(PixelSize size) {
    TK_CHECK_MAIN_THREAD();
    if (!target_ || target_->size() != size)
        target_ = device_->makeTexture({PixelFormat::rgba16Float, size, TextureUsage::renderTarget});
    return target_;
}

} // namespace gpu
