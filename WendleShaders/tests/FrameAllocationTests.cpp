// A frame allocates nothing once the first frames have set up their storage: global operator new
// is replaced in this test program and counts the allocations made while the counter is armed.
// Drawn through the machine's device, as the program draws.

#include "ShaderTestSupport.h"
#include "WendleShaders/AboutRenderer.h"
#include "WendleShaders/MetalShaderRenderer.h"
#include "WendleShaders/SupporterShaderRenderer.h"
#include "platform/gpu/ShaderView.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

void* countedAllocate(std::size_t size) {
    if (gCounting.load(std::memory_order_relaxed))
        gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return countedAllocate(size);
}
void* operator new[](std::size_t size) {
    return countedAllocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAllocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace WendleShaders {
namespace {

// Allocations made by `frames` frames of `view` after three frames of warming up.
long allocationsPerSteadyFrames(gpu::ShaderView& view, int frames) {
    for (int i = 0; i < 3; ++i)
        view.renderFrame();
    gAllocations = 0;
    gCounting = true;
    for (int i = 0; i < frames; ++i)
        view.renderFrame();
    gCounting = false;
    return gAllocations.load();
}

TEST(FrameAllocation, FramesOfEveryRendererAllocateNothingOnceRunning) {
    testing::useBuiltBundles();
    tk::TestMainLoop loop;
    auto device = gpu::createSystemDefaultDevice();
    if (!device)
        GTEST_SKIP() << "no EGL/OpenGL device on this machine (reason on standard error)";

    struct Case {
        const char* name;
        std::function<std::shared_ptr<gpu::ShaderViewDelegate>(gpu::ShaderView&)> make;
    };
    const Case cases[] = {
        {"band",
         [](gpu::ShaderView& view) {
             return std::make_shared<MetalShaderRenderer>(view, "Main", testing::kVertexName,
                                                          testing::kFragmentName);
         }},
        {"about", [](gpu::ShaderView& view) { return std::make_shared<AboutRenderer>(view); }},
        {"supporter",
         [](gpu::ShaderView& view) {
             auto renderer = std::make_shared<SupporterShaderRenderer>(view, "Supporter");
             renderer->recordSwitch(3);
             return renderer;
         }},
    };
    for (const auto& c : cases) {
        auto view = tk::View::make<gpu::ShaderView>(tk::Rect{0, 0, 64, 48}, device);
        view->setColorPixelFormat(gpu::PixelFormat::rgba16Float);
        view->setColorspace(gpu::ColorSpace::extendedLinearSRGB);
        auto renderer = c.make(*view);
        view->setDelegate(renderer);
        EXPECT_EQ(allocationsPerSteadyFrames(*view, 10), 0) << c.name;
        EXPECT_EQ(view->framesRendered(), 13) << c.name;
    }
}

} // namespace
} // namespace WendleShaders
