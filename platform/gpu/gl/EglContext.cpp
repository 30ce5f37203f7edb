#include "platform/gpu/gl/EglContext.h"

#include <epoxy/gl.h>

#include <cstring>
#include <string_view>
#include <vector>

namespace gpu::gl {

namespace {

bool hasExtension(const char* list, std::string_view name) {
    if (!list)
        return false;
    std::string_view rest(list);
    while (!rest.empty()) {
        const auto space = rest.find(' ');
        if (rest.substr(0, space) == name)
            return true;
        if (space == std::string_view::npos)
            break;
        rest.remove_prefix(space + 1);
    }
    return false;
}

EGLDisplay initialised(EGLDisplay display) {
    if (display == EGL_NO_DISPLAY)
        return EGL_NO_DISPLAY;
    EGLint major = 0, minor = 0;
    if (!eglInitialize(display, &major, &minor))
        return EGL_NO_DISPLAY;
    return display;
}

EGLDisplay openDisplay(std::string& whyNot) {
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!hasExtension(clientExtensions, "EGL_EXT_platform_base")) {
        whyNot = "EGL offers no platform displays (EGL_EXT_platform_base)";
        return EGL_NO_DISPLAY;
    }
    if (hasExtension(clientExtensions, "EGL_MESA_platform_surfaceless")) {
        if (auto d = initialised(
                eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr));
            d != EGL_NO_DISPLAY)
            return d;
    }
    if (hasExtension(clientExtensions, "EGL_EXT_platform_device") &&
        hasExtension(clientExtensions, "EGL_EXT_device_enumeration")) {
        EGLint count = 0;
        if (eglQueryDevicesEXT(0, nullptr, &count) && count > 0) {
            std::vector<EGLDeviceEXT> devices(static_cast<std::size_t>(count));
            if (eglQueryDevicesEXT(count, devices.data(), &count))
                for (EGLint i = 0; i < count; ++i)
                    if (auto d = initialised(
                            eglGetPlatformDisplayEXT(EGL_PLATFORM_DEVICE_EXT, devices[i], nullptr));
                        d != EGL_NO_DISPLAY)
                        return d;
        }
    }
    whyNot = "no surfaceless EGL display or EGL device could be initialised";
    return EGL_NO_DISPLAY;
}

EGLContext makeContext(EGLDisplay display, EGLConfig config, int major, int minor) {
    const EGLint attributes[] = {EGL_CONTEXT_MAJOR_VERSION,
                                 major,
                                 EGL_CONTEXT_MINOR_VERSION,
                                 minor,
                                 EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT,
                                 EGL_NONE};
    return eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
}

} // namespace

std::shared_ptr<EglContext> EglContext::create(std::string& whyNot) {
    EGLDisplay display = openDisplay(whyNot);
    if (display == EGL_NO_DISPLAY)
        return nullptr;
    const char* extensions = eglQueryString(display, EGL_EXTENSIONS);
    if (!hasExtension(extensions, "EGL_KHR_surfaceless_context")) {
        whyNot = "the EGL display cannot make a context current without a surface";
        eglTerminate(display);
        return nullptr;
    }
    if (!eglBindAPI(EGL_OPENGL_API)) {
        whyNot = "the EGL display offers no desktop OpenGL";
        eglTerminate(display);
        return nullptr;
    }
    EGLConfig config = EGL_NO_CONFIG_KHR;
    if (!hasExtension(extensions, "EGL_KHR_no_config_context")) {
        const EGLint wanted[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
        EGLint found = 0;
        if (!eglChooseConfig(display, wanted, &config, 1, &found) || found < 1) {
            whyNot = "the EGL display has no OpenGL configuration";
            eglTerminate(display);
            return nullptr;
        }
    }
    int version = 45;
    EGLContext context = makeContext(display, config, 4, 5);
    if (context == EGL_NO_CONTEXT) {
        version = 33;
        context = makeContext(display, config, 3, 3);
    }
    if (context == EGL_NO_CONTEXT) {
        whyNot = "the EGL display offers neither OpenGL 4.5 nor 3.3 core";
        eglTerminate(display);
        return nullptr;
    }
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        whyNot = "the OpenGL context cannot be made current";
        eglDestroyContext(display, context);
        eglTerminate(display);
        return nullptr;
    }
    return std::shared_ptr<EglContext>(new EglContext(display, context, version));
}

EglContext::EglContext(EGLDisplay display, EGLContext context, int glVersion)
    : display_(display), context_(context), glVersion_(glVersion) {
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const auto* versionText = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    description_ = std::string(renderer ? renderer : "unknown renderer") + ", OpenGL " +
                   (versionText ? versionText : "?");
}

// The display stays initialised: EGL displays are one per process and platform, shared with any
// other user of the same display, and a later device initialises it again cheaply.
EglContext::~EglContext() {
    eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(display_, context_);
}

void EglContext::makeCurrent() const {
    if (eglGetCurrentContext() != context_)
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_);
}

} // namespace gpu::gl
