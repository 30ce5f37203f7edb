#pragma once

// What the shader tests share: WendleShaders_WendleShaders.bundle found among the bundles built into
// the build folder, a fake device and a manual clock.

#include "WendleShaders/MetalShaderViewController.h"
#include "platform/gpu/FakeDevice.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/base/tests/BuiltBundles.h"

#include <filesystem>
#include <memory>

namespace WendleShaders::testing {

using tk::testing::buildFolder;
using tk::testing::useBuiltBundles;

inline constexpr const char* kVertexName = "audioWaveformVertexShader";
inline constexpr const char* kFragmentName = "audioWaveformFragmentShader";

// A main loop on a manual clock, a fake device (or none) and seeds 1, 2, 3, ... for each renderer
// made; the main screen has a backing scale of 2.
struct ShaderFixture {
    tk::TestMainLoop loop;
    std::shared_ptr<gpu::FakeDevice> device = std::make_shared<gpu::FakeDevice>();
    std::uint32_t nextSeed = 1;
    bool noDevice = false; // environment() gives no device

    ShaderFixture() { useBuiltBundles(); }

    ShaderViewControllerEnvironment environment() {
        ShaderViewControllerEnvironment env;
        env.makeDevice = [device = noDevice ? nullptr : device]() -> std::shared_ptr<gpu::Device> {
            return device;
        };
        env.renderer.randomSeed = [this] { return nextSeed++; };
        env.renderer.mainScreenBackingScale = [] { return std::optional<double>(2.0); };
        return env;
    }
    std::unique_ptr<MetalShaderViewController> makeController() {
        return std::make_unique<MetalShaderViewController>(tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300}),
                                                           "Main", kVertexName, kFragmentName, environment());
    }
};

} // namespace WendleShaders::testing
