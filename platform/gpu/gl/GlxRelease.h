#pragma once

// Steps a GLX context aside for a while. GL dispatch (libglvnd) lets a thread have one current
// context across all window-system APIs: while a GLX context is current - a toolkit or a host that
// draws its windows with GLX on the same thread - eglMakeCurrent fails with EGL_BAD_ACCESS. This
// releases such a context and makes it current again, with its drawables, when it goes. GLX is
// looked up only in the libraries the process has already loaded, so a program without GLX
// never loads it. Internal to the GL device; [main].

namespace gpu::gl {

class GlxRelease {
public:
    GlxRelease();
    ~GlxRelease();
    GlxRelease(const GlxRelease&) = delete;
    GlxRelease& operator=(const GlxRelease&) = delete;

    // A GLX context was current and has been released.
    bool released() const { return context_ != nullptr; }
    // A GLX context is current on this thread and could not be released.
    bool blocked() const { return blocked_; }

private:
    void* display_ = nullptr;
    unsigned long draw_ = 0;
    unsigned long read_ = 0;
    void* context_ = nullptr;
    bool blocked_ = false;
};

} // namespace gpu::gl
