// The device's context is current only while the device works, and whatever context the thread had
// before - a toolkit's or a host's, on the main thread they share - is current again afterwards,
// with its own GL state untouched.

#include "platform/gpu/Device.h"
#include "platform/gpu/gl/EglContext.h"
#include "platform/tk/base/TestMainLoop.h"

#include <epoxy/egl.h>
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

namespace gpu {
namespace {

// A context of somebody else's on the same surfaceless display, current for the fixture's life.
class ForeignContext {
public:
    ForeignContext() {
        display_ = eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        if (display_ == EGL_NO_DISPLAY || !eglInitialize(display_, nullptr, nullptr) ||
            !eglBindAPI(EGL_OPENGL_API))
            return;
        const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                     3,
                                     EGL_CONTEXT_MINOR_VERSION,
                                     3,
                                     EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                     EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                     EGL_NONE};
        context_ = eglCreateContext(display_, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
        if (context_ != EGL_NO_CONTEXT &&
            !eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_)) {
            eglDestroyContext(display_, context_);
            context_ = EGL_NO_CONTEXT;
        }
    }
    ~ForeignContext() {
        if (context_ == EGL_NO_CONTEXT)
            return;
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display_, context_);
    }
    bool made() const { return context_ != EGL_NO_CONTEXT; }
    EGLContext context() const { return context_; }

private:
    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLContext context_ = EGL_NO_CONTEXT;
};

// A frame cleared to a colour and read back: GL work through every scope of the device.
std::optional<tk::Image> clearedFrame(Device& device) {
    auto target = device.makeTexture({PixelFormat::bgra8Unorm, {4, 2}, TextureUsage::renderTarget});
    if (!target)
        return std::nullopt;
    RenderPassDescriptor pass;
    pass.colorAttachments[0] = {target, LoadAction::clear, {0, 0, 1, 1}};
    auto buffer = device.makeCommandQueue()->makeCommandBuffer();
    buffer->makeRenderCommandEncoder(pass)->endEncoding();
    buffer->commit();
    return device.readImage(*target, ColorSpace::sRGB, 1);
}

TEST(EglContext, DeviceWorkLeavesTheThreadsOwnContextCurrentWithItsState) {
    tk::TestMainLoop loop;
    ForeignContext foreign;
    if (!foreign.made())
        GTEST_SKIP() << "no surfaceless EGL on this machine";
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);

    auto device = createSystemDefaultDevice();
    ASSERT_TRUE(device) << "a device while another context is current";
    EXPECT_EQ(eglGetCurrentContext(), foreign.context()) << "after the device is made";
    const auto frame = clearedFrame(*device);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->pixelColor(1, 1), tk::Color(0, 0, 1, 1)) << "the device drew into its own context";
    EXPECT_EQ(eglGetCurrentContext(), foreign.context()) << "after drawing and reading back";

    std::array<GLfloat, 4> clear{};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear.data());
    EXPECT_EQ(clear, (std::array<GLfloat, 4>{0.25f, 0.5f, 0.75f, 1.0f})) << "the other context's state";

    device.reset();
    EXPECT_EQ(eglGetCurrentContext(), foreign.context()) << "after the device goes";
}

TEST(EglContext, IsCurrentOnlyInsideItsScopesWhichNestAndRestoreTheBoundAPI) {
    std::string whyNot;
    auto context = gl::EglContext::create(whyNot);
    if (!context)
        GTEST_SKIP() << whyNot;
    EXPECT_EQ(eglGetCurrentContext(), EGL_NO_CONTEXT) << "not left current by its creation";

    eglBindAPI(EGL_OPENGL_ES_API);
    {
        const auto outer = context->makeCurrent();
        ASSERT_TRUE(outer);
        const EGLContext ours = eglGetCurrentContext();
        EXPECT_NE(ours, EGL_NO_CONTEXT);
        {
            const auto inner = context->makeCurrent();
            EXPECT_TRUE(inner);
        }
        EXPECT_EQ(eglGetCurrentContext(), ours) << "an inner scope keeps the outer one's context";
        EXPECT_NE(glGetString(GL_VERSION), nullptr);
    }
    EXPECT_EQ(eglQueryAPI(), static_cast<EGLenum>(EGL_OPENGL_ES_API)) << "the thread's bound API";
    eglBindAPI(EGL_OPENGL_API);
    EXPECT_EQ(eglGetCurrentContext(), EGL_NO_CONTEXT) << "released when the last scope ends";
}

} // namespace
} // namespace gpu
