#include "platform/tk/sdl/XErrors.h"

#include <SDL2/SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <dlfcn.h>
#endif

#include <cstdio>
#include <set>
#include <utility>

namespace tk::sdl {

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);

struct XErrorState {
    decltype(&XSetErrorHandler) setErrorHandler = nullptr;
    decltype(&XGetErrorText) getErrorText = nullptr;
    ErrorHandler previous = nullptr;
    std::function<void(std::uint64_t)> windowGone;
    std::set<unsigned long> reported; // windows already logged as gone
    bool installed = false;
};

XErrorState& state() {
    static XErrorState s;
    return s;
}

// Requests whose names the log gives; the rest are numbered.
const char* requestName(int major) {
    switch (major) {
    case X_GetWindowAttributes:
        return "X_GetWindowAttributes";
    case X_DestroyWindow:
        return "X_DestroyWindow";
    case X_ChangeWindowAttributes:
        return "X_ChangeWindowAttributes";
    case X_MapWindow:
        return "X_MapWindow";
    case X_UnmapWindow:
        return "X_UnmapWindow";
    case X_ConfigureWindow:
        return "X_ConfigureWindow";
    case X_GetGeometry:
        return "X_GetGeometry";
    case X_ChangeProperty:
        return "X_ChangeProperty";
    case X_DeleteProperty:
        return "X_DeleteProperty";
    case X_GetProperty:
        return "X_GetProperty";
    case X_SendEvent:
        return "X_SendEvent";
    case X_SetInputFocus:
        return "X_SetInputFocus";
    case X_PutImage:
        return "X_PutImage";
    case X_TranslateCoords:
        return "X_TranslateCoords";
    default:
        return nullptr;
    }
}

int onXError(Display* display, XErrorEvent* error) {
    XErrorState& s = state();
    if (error->error_code != BadWindow && error->error_code != BadDrawable)
        return s.previous ? s.previous(display, error) : 0;
    const unsigned long window = error->resourceid;
    if (s.reported.insert(window).second) {
        char text[128] = "";
        s.getErrorText(display, error->error_code, text, int(sizeof text));
        const char* request = requestName(error->request_code);
        if (request)
            std::fprintf(stderr,
                         "tk: X error %s (%s) about window 0x%lx: it is gone, and treated as closed\n", text,
                         request, window);
        else
            std::fprintf(
                stderr, "tk: X error %s (request %d) about window 0x%lx: it is gone, and treated as closed\n",
                text, int(error->request_code), window);
    }
    if (s.windowGone)
        s.windowGone(window);
    return 0;
}

} // namespace

bool installXErrorHandler(std::function<void(std::uint64_t)> windowGone) {
    XErrorState& s = state();
    s.windowGone = std::move(windowGone);
    if (s.installed)
        return true;
    void* handle = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return false;
    s.setErrorHandler = reinterpret_cast<decltype(&XSetErrorHandler)>(dlsym(handle, "XSetErrorHandler"));
    s.getErrorText = reinterpret_cast<decltype(&XGetErrorText)>(dlsym(handle, "XGetErrorText"));
    if (!s.setErrorHandler || !s.getErrorText)
        return false; // the library stays loaded for the life of the process
    s.previous = s.setErrorHandler(&onXError);
    s.installed = true;
    return true;
}

std::uint64_t xWindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return 0;
    return std::uint64_t(info.info.x11.window);
}

#else

bool installXErrorHandler(std::function<void(std::uint64_t)>) {
    return false;
}

std::uint64_t xWindowOf(SDL_Window*) {
    return 0;
}

#endif

} // namespace tk::sdl
