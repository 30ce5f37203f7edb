#include "platform/tk/sdl/XErrors.h"

#include <SDL2/SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <dlfcn.h>
#endif

#include <string>
#include <utility>

namespace tk::sdl {

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);

struct XErrorState {
    decltype(&XSetErrorHandler) setErrorHandler = nullptr;
    decltype(&XGetErrorText) getErrorText = nullptr;
    decltype(&XPutBackEvent) putBackEvent = nullptr;
    ErrorHandler previous = nullptr;
    std::function<void(const XWindowError&)> onWindowError;
    bool installed = false;
};

// Never destroyed: the handler runs for as long as the display is open, which is past the end of
// static destruction (SDL's shutdown and the window teardown at exit make requests that fail).
XErrorState& state() {
    static XErrorState* const s = new XErrorState;
    return *s;
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
    // SDL frees the GC it made for a window's surface; one made after the window was gone never
    // existed, and there is nothing to free.
    if (error->error_code == BadGC && error->request_code == X_FreeGC)
        return 0;
    if (error->error_code != BadWindow && error->error_code != BadDrawable)
        return s.previous ? s.previous(display, error) : 0;
    if (!s.onWindowError)
        return 0;
    char text[128] = "";
    s.getErrorText(display, error->error_code, text, int(sizeof text));
    XWindowError report;
    report.xWindow = error->resourceid;
    report.description = text;
    if (const char* request = requestName(error->request_code))
        report.description += std::string(" in ") + request;
    else
        report.description += " in request " + std::to_string(int(error->request_code));
    s.onWindowError(report);
    return 0;
}

} // namespace

bool installXErrorHandler(std::function<void(const XWindowError&)> onWindowError) {
    XErrorState& s = state();
    s.onWindowError = std::move(onWindowError);
    if (s.installed)
        return true;
    void* handle = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return false;
    s.setErrorHandler = reinterpret_cast<decltype(&XSetErrorHandler)>(dlsym(handle, "XSetErrorHandler"));
    s.getErrorText = reinterpret_cast<decltype(&XGetErrorText)>(dlsym(handle, "XGetErrorText"));
    s.putBackEvent = reinterpret_cast<decltype(&XPutBackEvent)>(dlsym(handle, "XPutBackEvent"));
    if (!s.setErrorHandler || !s.getErrorText || !s.putBackEvent)
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

std::uint64_t destroyedXWindow(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11 || message.msg.x11.event.type != DestroyNotify)
        return 0;
    return std::uint64_t(message.msg.x11.event.xdestroywindow.window);
}

void unblockDestroy(SDL_Window* window) {
    XErrorState& s = state();
    if (!s.putBackEvent || !window || !(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN))
        return; // SDL hides only a window it believes shown
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    XEvent event{};
    event.xunmap.type = UnmapNotify;
    event.xunmap.send_event = True;
    event.xunmap.display = info.info.x11.display;
    event.xunmap.event = info.info.x11.window;
    event.xunmap.window = info.info.x11.window;
    s.putBackEvent(info.info.x11.display, &event);
}

#else

bool installXErrorHandler(std::function<void(const XWindowError&)>) {
    return false;
}

std::uint64_t xWindowOf(SDL_Window*) {
    return 0;
}

std::uint64_t destroyedXWindow(const SDL_SysWMmsg&) {
    return 0;
}

void unblockDestroy(SDL_Window*) {}

#endif

} // namespace tk::sdl
