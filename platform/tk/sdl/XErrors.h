#pragma once

// X errors on SDL's X11 connection. Xlib's own handler ends the program on any error; a window
// that another program destroyed (a window manager, `xdotool windowclose`) makes the next request
// about it fail with BadWindow or BadDrawable, which is no reason to end. The handler installed
// here logs such an error once per window and reports the window as gone; any other error goes to
// the handler that was there before. libX11 is opened at run time, as SDL opens it.

#include <SDL2/SDL.h>

#include <cstdint>
#include <functional>

namespace tk::sdl {

// [main] Installs the handler (once; later calls only replace `windowGone`). It is called, from
// inside Xlib, with the X window the failed request was about; it must not call Xlib itself (post
// the work to the run loop). False when libX11 is not there.
bool installXErrorHandler(std::function<void(std::uint64_t xWindow)> windowGone);

// The X window of an SDL window on the X11 driver; 0 on other drivers.
std::uint64_t xWindowOf(SDL_Window* window);

} // namespace tk::sdl
