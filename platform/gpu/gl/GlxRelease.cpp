#include "platform/gpu/gl/GlxRelease.h"

#include <dlfcn.h>

#include <initializer_list>

namespace gpu::gl {

namespace {

// The few GLX entry points, without GLX's or Xlib's headers: Display* and GLXContext are opaque
// pointers here, GLXDrawable an XID.
struct Glx {
    void* (*getCurrentContext)() = nullptr;
    void* (*getCurrentDisplay)() = nullptr;
    unsigned long (*getCurrentDrawable)() = nullptr;
    unsigned long (*getCurrentReadDrawable)() = nullptr;
    int (*makeContextCurrent)(void*, unsigned long, unsigned long, void*) = nullptr;

    bool complete() const {
        return getCurrentContext && getCurrentDisplay && getCurrentDrawable && getCurrentReadDrawable &&
               makeContextCurrent;
    }
};

template <typename F> void lookUp(void* library, const char* name, F& function) {
    function = reinterpret_cast<F>(dlsym(library, name));
}

// GLX when the process has loaded it (libglvnd's libGLX, or a libGL that carries GLX itself), else
// nothing. Looked up on each use: a toolkit may load GLX at any time. RTLD_NOLOAD loads nothing.
Glx loadedGlx() {
    Glx glx;
    for (const char* name : {"libGLX.so.0", "libGL.so.1"}) {
        void* library = dlopen(name, RTLD_LAZY | RTLD_NOLOAD);
        if (!library)
            continue;
        lookUp(library, "glXGetCurrentContext", glx.getCurrentContext);
        lookUp(library, "glXGetCurrentDisplay", glx.getCurrentDisplay);
        lookUp(library, "glXGetCurrentDrawable", glx.getCurrentDrawable);
        lookUp(library, "glXGetCurrentReadDrawable", glx.getCurrentReadDrawable);
        lookUp(library, "glXMakeContextCurrent", glx.makeContextCurrent);
        dlclose(library); // drops only the reference taken above; the library stays loaded
        if (glx.complete())
            return glx;
        glx = {};
    }
    return glx;
}

} // namespace

GlxRelease::GlxRelease() {
    const Glx glx = loadedGlx();
    if (!glx.complete())
        return;
    void* context = glx.getCurrentContext();
    if (!context)
        return;
    void* display = glx.getCurrentDisplay();
    const unsigned long draw = glx.getCurrentDrawable();
    const unsigned long read = glx.getCurrentReadDrawable();
    if (!display || !glx.makeContextCurrent(display, 0, 0, nullptr)) {
        blocked_ = true;
        return;
    }
    display_ = display;
    draw_ = draw;
    read_ = read;
    context_ = context;
}

GlxRelease::~GlxRelease() {
    if (!context_)
        return;
    const Glx glx = loadedGlx();
    if (glx.complete())
        glx.makeContextCurrent(display_, draw_, read_, context_);
}

} // namespace gpu::gl
