#pragma once

// Windows that another program destroyed (a window manager, `xdotool windowclose`) on SDL's X11
// connection. The server says so twice: the window's DestroyNotify, and BadWindow or BadDrawable
// errors for the requests about it that were still on their way. Xlib's own handler ends the program
// on any error; the handler installed here reports those two instead (any other error goes to the
// handler that was there before). libX11 is opened at run time, as SDL opens it.

#include <SDL2/SDL.h>

#include <cstdint>
#include <functional>
#include <string>

namespace tk::sdl {

// A request that failed because the window it named is not there.
struct XWindowError {
    std::uint64_t xWindow = 0;
    std::string description; // "BadWindow (invalid Window parameter) in X_GetWindowAttributes"
};

// [main] Installs the handler (once; later calls only replace `onWindowError`, and an empty one stops
// the reports). It is called from inside Xlib, so it must not call Xlib itself (post the work to the
// run loop). The handler's state is never destroyed: Xlib may call it while the program exits.
// False when libX11 is not there.
bool installXErrorHandler(std::function<void(const XWindowError&)> onWindowError);

// The X window of an SDL window on the X11 driver; 0 on other drivers.
std::uint64_t xWindowOf(SDL_Window* window);

// The window a DestroyNotify names; 0 for any other message and off X11.
std::uint64_t destroyedXWindow(const SDL_SysWMmsg& message);

// [main] To be called just before SDL_DestroyWindow. SDL hides a window it believes shown before it
// destroys it, and on X11 waits for the window's UnmapNotify; a window the server has already
// destroyed sends none (or sent it before), and the wait would never end. An UnmapNotify for it is
// put at the head of Xlib's queue, so the wait ends at once; if SDL does not wait, the event names a
// window SDL no longer knows when it comes to it, and SDL drops it. Nothing off X11.
void unblockDestroy(SDL_Window* window);

} // namespace tk::sdl
