#pragma once

// The one door to the window system (see Window.h for what sits above it). A backend makes the
// native side of each window, takes rendered frames, supplies the clipboard, cursors, drag-out,
// menus and URL opening. The headless backend (HeadlessBackend.h) is the default and what every
// test uses; a program installs another one (the SDL2 backend, tk::sdl) at start-up, before it makes
// any window. Controls never name a backend.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Cursor.h"
#include "platform/tk/view/DragItem.h"
#include "platform/tk/view/Event.h"
#include "platform/tk/view/Window.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

class Clipboard;
class Menu;

// One rendered frame: premultiplied ARGB32 pixels (native-endian 0xAARRGGBB words), rows `stride`
// bytes apart, `scale` pixels per point. Valid during the present() call only.
struct RenderedFrame {
    const std::uint8_t* pixels = nullptr;
    int pixelWidth = 0;
    int pixelHeight = 0;
    int stride = 0;
    double scale = 1;
};

// The native side of one Window.
class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    virtual void setTitle(const std::string&) {}
    virtual void setContentSize(Size) {}
    virtual void show() {}
    // Asks the window system for keyboard focus (the backend then calls Window::becomeKeyWindow).
    virtual void requestKeyFocus() {}
    virtual void close() {}
    // Takes the window off the screen (it may be shown again).
    virtual void hide() {}
    // Moves the window (screen coordinates).
    virtual void setFrameOrigin(Point) {}
    // Something changed: the backend should call Window::displayIfNeeded() soon.
    virtual void setNeedsDisplay() {}
    virtual void present(const RenderedFrame& frame) = 0;
    virtual void setCursor(Cursor) {}
    // A cursor drawn from a picture; a backend that cannot show one shows the arrow.
    virtual void setImageCursor(const ImageCursor&) { setCursor(Cursor::arrow); }
    // Starts offering `item` to other programs. False when the backend cannot.
    virtual bool beginDrag(const DragItem&, const Event&) { return false; }
    // [main] A handler looks ahead (Window::nextEventMatching): lets the window system deliver
    // events until `deadline` (they reach Window::sendEvent, which queues them meanwhile). Returns
    // false once nothing more can arrive before the deadline. The default turns the main run loop.
    virtual bool waitForEvents(Clock::TimePoint deadline);
};

// Shows a menu over a window and performs the chosen item (Window::performMenuItem).
class MenuPresenter {
public:
    virtual ~MenuPresenter() = default;
    virtual void present(Window& window, std::shared_ptr<Menu> menu, Point locationInWindow) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;
    virtual const char* name() const = 0;
    // [main] The native side for `window` (called from Window's constructor).
    virtual std::unique_ptr<NativeWindow> createNativeWindow(Window& window,
                                                             const Window::Options& options) = 0;
    // The displays, the main one first.
    virtual std::vector<Screen> screens() const = 0;
    // Pixels per point for a window that did not ask for a scale.
    virtual double defaultBackingScaleFactor() const { return 1; }
    virtual Clipboard& clipboard() = 0;
    // [main] Opens a URL in the user's preferred program. False when that could not be started.
    virtual bool openURL(const std::string& url) = 0;
    // [main] Opens a URL and tells `done` on the main run loop whether it opened (see
    // Workspace::openURL); by default openURL's answer, posted.
    virtual void openURLReportingResult(const std::string& url, std::function<void(bool opened)> done);
    // The presenter of menus; the default draws them inside the window (tk::MenuView).
    virtual MenuPresenter& menuPresenter();
};

// [main] The backend windows are made with: the headless one unless a program installed another.
Backend& currentBackend();
// [main] The same, shared: each window keeps the backend that made its native side alive.
std::shared_ptr<Backend> sharedCurrentBackend();
// [main] Installs the backend for the windows made from now on (null puts a new headless one back).
void setCurrentBackend(std::shared_ptr<Backend> backend);

} // namespace tk
