#pragma once

// Tests run from <build>/bin; the resource bundles are built into <build>/bundles. Making that
// folder the main bundle lets the module's bundle lookup find WendleShaders_WendleShaders.bundle
// next to the main bundle's resources, as a program bundle carries it.

#include "WendleShaders/MetalShaderViewController.h"
#include "platform/gpu/FakeDevice.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/TestMainLoop.h"

#include <filesystem>
#include <memory>

namespace WendleShaders::testing {

inline std::filesystem::path buildFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}

inline void useBuiltBundles() {
    static const bool done = tk::Bundle::setMain(buildFolder() / "bundles");
    (void)done;
}

inline constexpr const char* kVertexName = "audioWaveformVertexShader";
inline constexpr const char* kFragmentName = "audioWaveformFragmentShader";

// A main loop on a manual clock, a fake device and seeds 1, 2, 3, ... for each renderer made.
struct ShaderFixture {
    tk::TestMainLoop loop;
    std::shared_ptr<gpu::FakeDevice> device = std::make_shared<gpu::FakeDevice>();
    std::uint32_t nextSeed = 1;

    ShaderFixture() { useBuiltBundles(); }

    ShaderViewControllerEnvironment environment() {
        ShaderViewControllerEnvironment env;
        env.makeDevice = [this] { return device; };
        env.renderer.randomSeed = [this] { return nextSeed++; };
        return env;
    }
    std::unique_ptr<MetalShaderViewController> makeController() {
        return std::make_unique<MetalShaderViewController>(tk::View::make<tk::View>(tk::Rect{0, 0, 300, 300}),
                                                           "Main", kVertexName, kFragmentName, environment());
    }
};

} // namespace WendleShaders::testing
