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
    auto made = std::shared_ptr<EglContext>(new EglContext(display, context, version));
    {
        const auto current = made->makeCurrent();
        if (!current) {
            whyNot = current.whyNot();
            return nullptr;
        }
        const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        const auto* versionText = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        made->description_ = std::string(renderer ? renderer : "unknown renderer") + ", OpenGL " +
                             (versionText ? versionText : "?");
    }
    return made;
}

EglContext::EglContext(EGLDisplay display, EGLContext context, int glVersion)
    : display_(display), context_(context), glVersion_(glVersion) {}

// The display stays initialised: EGL displays are one per process and platform, shared with any
// other user of the same display, and a later device initialises it again cheaply.
EglContext::~EglContext() {
    const EGLenum api = eglQueryAPI();
    eglBindAPI(EGL_OPENGL_API);
    if (eglGetCurrentContext() == context_)
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglBindAPI(api);
    eglDestroyContext(display_, context_);
}

EglContext::Current::Current(const EglContext& context) : context_(context) {
    // The current context EGL reports is the one of the bound API: ask about desktop GL.
    previousAPI_ = eglQueryAPI();
    if (previousAPI_ != EGL_OPENGL_API)
        eglBindAPI(EGL_OPENGL_API);
    if (eglGetCurrentContext() == context.context_) {
        current_ = true;
        return;
    }
    previousContext_ = eglGetCurrentContext();
    if (previousContext_ != EGL_NO_CONTEXT) {
        previousDisplay_ = eglGetCurrentDisplay();
        previousDraw_ = eglGetCurrentSurface(EGL_DRAW);
        previousRead_ = eglGetCurrentSurface(EGL_READ);
    } else {
        // No EGL context is current, but a GLX one may be, and would keep ours out.
        glx_.emplace();
        if (glx_->blocked()) {
            whyNot_ = "the OpenGL context cannot be made current: another GL context (GLX) holds this "
                      "thread and cannot be released";
            return;
        }
    }
    if (!eglMakeCurrent(context.display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context.context_)) {
        whyNot_ = eglGetError() == EGL_BAD_ACCESS
                      ? "the OpenGL context cannot be made current: another GL context holds this thread"
                      : "the OpenGL context cannot be made current";
        glx_.reset();
        return;
    }
    switched_ = true;
    current_ = true;
}

EglContext::Current::~Current() {
    if (switched_) {
        if (previousContext_ != EGL_NO_CONTEXT)
            eglMakeCurrent(previousDisplay_, previousDraw_, previousRead_, previousContext_);
        else
            eglMakeCurrent(context_.display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        glx_.reset(); // after ours is released: GLX can only come back to a free thread
    }
    if (previousAPI_ != EGL_OPENGL_API)
        eglBindAPI(previousAPI_);
}

} // namespace gpu::gl
