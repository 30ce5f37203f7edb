#pragma once

// An OpenGL core context on a surfaceless EGL display: the surfaceless platform when the EGL
// library offers it, else the first EGL device that works. OpenGL 4.5 core is asked for first,
// 3.3 core when 4.5 is not offered. Internal to the GL device; [main].
//
// The context is current only inside a Current scope: the main thread is shared with the window
// toolkit, which may have a GL context of its own there.

#include "platform/gpu/gl/GlxRelease.h"

#include <epoxy/egl.h>

#include <memory>
#include <optional>
#include <string>

namespace gpu::gl {

class EglContext {
public:
    // The context, or null with the reason in `whyNot`.
    static std::shared_ptr<EglContext> create(std::string& whyNot);
    ~EglContext();
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;

    // While it lives, the context is current on this thread; then the thread's previous context
    // (EGL or GLX, with its surfaces) is current again, or none. Others' contexts on the main thread
    // - a toolkit's or a host's - are thus left as they were between our calls. Cheap and nestable
    // when the context is already current.
    class Current {
    public:
        ~Current();
        Current(const Current&) = delete;
        Current& operator=(const Current&) = delete;
        // False when the context could not be made current: no GL call may be made then.
        explicit operator bool() const { return current_; }
        // Why not, when false.
        const char* whyNot() const { return whyNot_; }

    private:
        friend class EglContext;
        explicit Current(const EglContext& context);

        const EglContext& context_;
        bool switched_ = false; // this scope made the context current and restores the previous one
        bool current_ = false;
        const char* whyNot_ = nullptr;
        EGLenum previousAPI_ = EGL_NONE;
        EGLDisplay previousDisplay_ = EGL_NO_DISPLAY;
        EGLSurface previousDraw_ = EGL_NO_SURFACE;
        EGLSurface previousRead_ = EGL_NO_SURFACE;
        EGLContext previousContext_ = EGL_NO_CONTEXT;
        std::optional<GlxRelease> glx_;
    };

    [[nodiscard]] Current makeCurrent() const { return Current(*this); }
    // 45 or 33.
    int glVersion() const { return glVersion_; }
    const std::string& description() const { return description_; }

private:
    EglContext(EGLDisplay display, EGLContext context, int glVersion);

    EGLDisplay display_;
    EGLContext context_;
    int glVersion_;
    std::string description_;
};

} // namespace gpu::gl
