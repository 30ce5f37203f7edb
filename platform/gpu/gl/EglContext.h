#pragma once

// An OpenGL core context on a surfaceless EGL display: the surfaceless platform when the EGL
// library offers it, else the first EGL device that works. OpenGL 4.5 core is asked for first,
// 3.3 core when 4.5 is not offered. Internal to the GL device; [main].

#include <epoxy/egl.h>

#include <memory>
#include <string>

namespace gpu::gl {

class EglContext {
public:
    // The context, or null with the reason in `whyNot`.
    static std::shared_ptr<EglContext> create(std::string& whyNot);
    ~EglContext();
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;

    // Makes the context current on this thread (cheap when it already is).
    void makeCurrent() const;
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
