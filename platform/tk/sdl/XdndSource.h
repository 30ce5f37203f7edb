#pragma once

// Dragging a file out of an SDL window on X11 (the XDND protocol, version 5, source side): while
// the pointer moves the source tells the XDND-aware window under it, and at the release offers
// the file as a text/uri-list through the XdndSelection. libX11 is opened at run time (SDL opens
// it too), so programs do not link it; on other video drivers there is no source (create() gives
// none) and a drag does nothing.

#include <SDL2/SDL.h>

#include <memory>
#include <string>

namespace tk::sdl {

class XdndSource {
public:
    virtual ~XdndSource() = default;
    // A source for drags that start in `window`; none when the window is not an X11 one.
    static std::unique_ptr<XdndSource> create(SDL_Window* window);

    // Starts offering `uriList` ("file:///...\r\n"). False when a drag is already running.
    virtual bool begin(const std::string& uriList) = 0;
    virtual bool isActive() const = 0;
    // The pointer moved (anywhere on the screen) / was released.
    virtual void pointerMoved() = 0;
    virtual void pointerReleased() = 0;
    // Window-system messages for the source's own window (status, finished, selection requests).
    // Returns whether the message was the source's.
    virtual bool handleSystemEvent(const SDL_SysWMmsg& message) = 0;
};

// The text/uri-list line of a file path: "file://" + the path, percent-encoded, + CR LF.
std::string fileURIListEntry(const std::string& path);

} // namespace tk::sdl
