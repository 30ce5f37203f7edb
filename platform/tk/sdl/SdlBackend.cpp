// The SDL2 backend: native windows are SDL windows whose window surface is filled from the window's
// Cairo-rendered ARGB32 frame; SDL events become toolkit events; SDL's queue is the main run loop's
// event source.
//
// The backend uses no OpenGL of its own. Frames are drawn on the CPU, so a GL renderer gains little,
// and a GL context it made current on the main thread (SDL's GL renderer, or the GL texture SDL
// puts behind a window surface by default) keeps any other OpenGL user of that thread - the gpu
// layer's EGL context - from becoming current. Only where SDL offers no window surface (its Wayland
// and KMS drivers) is an SDL renderer used; it runs on EGL there, which the gpu layer steps around.

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/sdl/SdlApplication.h"
#include "platform/tk/sdl/SdlKeys.h"
#include "platform/tk/sdl/SessionBus.h"
#include "platform/tk/sdl/XErrors.h"
#include "platform/tk/sdl/XdndSource.h"
#include "platform/tk/view/Application.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/Clipboard.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/Workspace.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

namespace tk::sdl {

namespace {

class SdlNativeWindow;

class SdlClipboard final : public Clipboard {
public:
    std::optional<std::string> text() const override {
        if (!SDL_HasClipboardText())
            return std::nullopt;
        char* raw = SDL_GetClipboardText();
        if (!raw)
            return std::nullopt;
        std::string text(raw);
        SDL_free(raw);
        return text;
    }
    void setText(const std::string& text) override { SDL_SetClipboardText(text.c_str()); }
};

// SDL window units per point: 1, or TK_SCALE on systems where SDL windows are in pixels.
double windowUnitsPerPoint() {
    static const double units = [] {
        const char* env = std::getenv("TK_SCALE");
        const double v = env ? std::atof(env) : 1.0;
        return std::isfinite(v) && v >= 1 && v <= 4 ? v : 1.0;
    }();
    return units;
}

class SdlBackend final : public Backend {
public:
    SdlBackend() { wakeEvent_ = SDL_RegisterEvents(1); }
    ~SdlBackend() override {
        installXErrorHandler({}); // X errors at exit have no backend left to tell
        for (auto& [id, cursor] : cursors_)
            SDL_FreeCursor(cursor);
    }

    const char* name() const override { return "sdl"; }
    std::unique_ptr<NativeWindow> createNativeWindow(Window& window, const Window::Options& options) override;
    Clipboard& clipboard() override { return clipboard_; }
    bool openURL(const std::string& url) override {
        return Workspace::launchDetached(Workspace::openCommand(url));
    }
    // xdg-open's exit status says whether a program took the URL.
    void openURLReportingResult(const std::string& url, std::function<void(bool opened)> done) override {
        Workspace::launchReportingExit(Workspace::openCommand(url), std::move(done));
    }
    // The displays as SDL reports them, in its window units (points here).
    std::vector<Screen> screens() const override {
        std::vector<Screen> out;
        for (int i = 0, n = SDL_GetNumVideoDisplays(); i < n; ++i) {
            SDL_Rect all, usable;
            if (SDL_GetDisplayBounds(i, &all) != 0)
                continue;
            if (SDL_GetDisplayUsableBounds(i, &usable) != 0)
                usable = all;
            out.push_back(Screen{Rect{double(all.x), double(all.y), double(all.w), double(all.h)},
                                 Rect{double(usable.x), double(usable.y), double(usable.w), double(usable.h)},
                                 1});
        }
        return out;
    }

    void registerWindow(Uint32 id, SdlNativeWindow* native) { windows_[id] = native; }
    void unregisterWindow(Uint32 id) { windows_.erase(id); }
    SdlNativeWindow* windowFor(Uint32 id) const {
        auto it = windows_.find(id);
        return it == windows_.end() ? nullptr : it->second;
    }
    bool hasVisibleWindows() const;
    // The server no longer has the X window `xWindow`, for `why`: a window of ours is closed here
    // too; for anyone else's, the error is logged once.
    void xWindowGone(std::uint64_t xWindow, const std::string& why);

    void setCursor(Cursor cursor);
    void dispatch(const SDL_Event& event);
    void displayWindows();
    Uint32 wakeEvent() const { return wakeEvent_; }

    ApplicationOptions appOptions;
    bool quitWhenNoWindows = false;

private:
    SdlClipboard clipboard_;
    std::map<Uint32, SdlNativeWindow*> windows_;
    std::map<int, SDL_Cursor*> cursors_;
    std::set<std::uint64_t> goneXWindows_; // told of already: later errors about them say nothing new
    Uint32 wakeEvent_ = 0;
};

class SdlNativeWindow final : public NativeWindow {
public:
    SdlNativeWindow(SdlBackend& backend, Window& owner, const Window::Options& options)
        : backend_(backend), owner_(owner) {
        const double u = windowUnitsPerPoint();
        window_ = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   std::max(1, int(std::lround(options.contentSize.width * u))),
                                   std::max(1, int(std::lround(options.contentSize.height * u))),
                                   SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI |
                                       (options.resizable ? SDL_WINDOW_RESIZABLE : 0));
        if (!window_) {
            std::fprintf(stderr, "tk: cannot create a window: %s\n", SDL_GetError());
            return;
        }
        id_ = SDL_GetWindowID(window_);
        xWindow_ = xWindowOf(window_);
        backend_.registerWindow(id_, this);
    }

    ~SdlNativeWindow() override { destroy(); }

    Window& owner() const { return owner_; }
    std::uint64_t xWindow() const { return xWindow_; }

    void setTitle(const std::string& title) override {
        if (window_)
            SDL_SetWindowTitle(window_, title.c_str());
    }
    void setContentSize(Size size) override {
        if (!window_ || applyingResize_)
            return;
        const double u = windowUnitsPerPoint();
        SDL_SetWindowSize(window_, std::max(1, int(std::lround(size.width * u))),
                          std::max(1, int(std::lround(size.height * u))));
        updateScale();
    }
    void show() override {
        if (!window_)
            return;
        SDL_ShowWindow(window_);
        updateScale();
        owner_.setNeedsDisplay();
    }
    // A minimised window is unmapped: raising alone leaves it so. Restore it first, then raise.
    void requestKeyFocus() override {
        if (!window_)
            return;
        if (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED)
            SDL_RestoreWindow(window_);
        SDL_RaiseWindow(window_);
    }
    void hide() override {
        if (window_)
            SDL_HideWindow(window_);
    }
    void setFrameOrigin(Point origin) override {
        if (window_)
            SDL_SetWindowPosition(window_, int(std::lround(origin.x)), int(std::lround(origin.y)));
    }
    void close() override { destroy(); }
    void setNeedsDisplay() override {}
    void present(const RenderedFrame& frame) override;
    void presentThroughRenderer(const RenderedFrame& frame);
    void setCursor(Cursor cursor) override {
        cursor_ = cursor;
        if (window_ && SDL_GetMouseFocus() == window_)
            backend_.setCursor(cursor);
    }
    // Offers the file to other programs (XDND on X11; nothing elsewhere).
    bool beginDrag(const DragItem& item, const Event&) override {
        if (!window_ || item.filePath.empty())
            return false;
        if (!xdnd_)
            xdnd_ = XdndSource::create(window_);
        return xdnd_ && xdnd_->begin(fileURIListEntry(item.filePath));
    }
    XdndSource* dragSource() const { return xdnd_ && xdnd_->isActive() ? xdnd_.get() : nullptr; }
    bool handleSystemEvent(const SDL_SysWMmsg& message) { return xdnd_ && xdnd_->handleSystemEvent(message); }

    // Pixels of the drawable per point.
    void updateScale() {
        if (!window_)
            return;
        int pw = 0, ph = 0, ww = 0, wh = 0;
        SDL_GetWindowSizeInPixels(window_, &pw, &ph);
        SDL_GetWindowSize(window_, &ww, &wh);
        if (ww > 0 && pw > 0)
            owner_.setBackingScaleFactor(double(pw) / ww * windowUnitsPerPoint());
    }
    void windowResized(int w, int h) {
        const double u = windowUnitsPerPoint();
        applyingResize_ = true;
        owner_.setContentSize({w / u, h / u});
        applyingResize_ = false;
        updateScale();
        owner_.setNeedsDisplay();
    }
    Cursor cursor() const { return cursor_; }

private:
    void destroy() {
        xdnd_.reset();
        if (texture_)
            SDL_DestroyTexture(texture_);
        if (renderer_)
            SDL_DestroyRenderer(renderer_);
        texture_ = nullptr;
        renderer_ = nullptr;
        if (window_) {
            backend_.unregisterWindow(id_);
            unblockDestroy(window_);    // the window may be gone from the server already
            SDL_DestroyWindow(window_); // frees the window surface too
        }
        window_ = nullptr;
    }

    SdlBackend& backend_;
    Window& owner_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr; // only where there is no window surface
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::unique_ptr<XdndSource> xdnd_;
    Uint32 id_ = 0;
    std::uint64_t xWindow_ = 0; // 0 off X11
    Cursor cursor_ = Cursor::arrow;
    bool applyingResize_ = false;
};

// Copies the frame into the window surface. The frame is premultiplied, so copying its colour and
// dropping alpha is the frame over black; a frame of another size (a resize on its way) is scaled.
void SdlNativeWindow::present(const RenderedFrame& frame) {
    if (!window_ || !frame.pixels || frame.pixelWidth <= 0 || frame.pixelHeight <= 0)
        return;
    if (renderer_) {
        presentThroughRenderer(frame);
        return;
    }
    SDL_Surface* target = SDL_GetWindowSurface(window_); // remade by SDL after a resize
    if (!target) {
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
        if (!renderer_)
            renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (renderer_)
            presentThroughRenderer(frame);
        return;
    }
    // ARGB8888 is a native-endian 32-bit word 0xAARRGGBB, the same layout Cairo renders.
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(frame.pixels), frame.pixelWidth,
                                           frame.pixelHeight, 32, frame.stride, SDL_PIXELFORMAT_ARGB8888);
    if (!source)
        return;
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    if (frame.pixelWidth == target->w && frame.pixelHeight == target->h) {
        SDL_BlitSurface(source, nullptr, target, nullptr);
    } else {
        SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
        SDL_BlitScaled(source, nullptr, target, nullptr);
    }
    SDL_FreeSurface(source);
    SDL_UpdateWindowSurface(window_);
}

void SdlNativeWindow::presentThroughRenderer(const RenderedFrame& frame) {
    if (!texture_ || textureWidth_ != frame.pixelWidth || textureHeight_ != frame.pixelHeight) {
        if (texture_)
            SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                     frame.pixelWidth, frame.pixelHeight);
        textureWidth_ = frame.pixelWidth;
        textureHeight_ = frame.pixelHeight;
        if (!texture_)
            return;
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE); // the frame over black, as above
    }
    SDL_UpdateTexture(texture_, nullptr, frame.pixels, frame.stride);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

std::unique_ptr<NativeWindow> SdlBackend::createNativeWindow(Window& window, const Window::Options& options) {
    return std::make_unique<SdlNativeWindow>(*this, window, options);
}

void SdlBackend::setCursor(Cursor cursor) {
    SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
    switch (cursor) {
    case Cursor::arrow:
    case Cursor::dragCopy:
        id = SDL_SYSTEM_CURSOR_ARROW;
        break;
    case Cursor::iBeam:
        id = SDL_SYSTEM_CURSOR_IBEAM;
        break;
    case Cursor::pointingHand:
    case Cursor::openHand:
        id = SDL_SYSTEM_CURSOR_HAND;
        break;
    case Cursor::closedHand:
        id = SDL_SYSTEM_CURSOR_SIZEALL;
        break;
    case Cursor::crosshair:
        id = SDL_SYSTEM_CURSOR_CROSSHAIR;
        break;
    case Cursor::resizeLeftRight:
        id = SDL_SYSTEM_CURSOR_SIZEWE;
        break;
    case Cursor::resizeUpDown:
        id = SDL_SYSTEM_CURSOR_SIZENS;
        break;
    case Cursor::operationNotAllowed:
        id = SDL_SYSTEM_CURSOR_NO;
        break;
    }
    auto& c = cursors_[int(id)];
    if (!c)
        c = SDL_CreateSystemCursor(id);
    if (c)
        SDL_SetCursor(c);
}

double seconds(Uint32 ticks) {
    return ticks / 1000.0;
}

Event pointerEvent(EventType type, double x, double y, Uint32 timestamp) {
    const double u = windowUnitsPerPoint();
    Event e;
    e.type = type;
    e.timestamp = seconds(timestamp);
    e.locationInWindow = {x / u, y / u};
    e.modifierFlags = modifierFlagsFromSdl(Uint16(SDL_GetModState()));
    return e;
}

MouseButton buttonFromSdl(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_RIGHT:
        return MouseButton::right;
    case SDL_BUTTON_MIDDLE:
        return MouseButton::middle;
    default:
        return MouseButton::left;
    }
}

void SdlBackend::dispatch(const SDL_Event& event) {
    auto windowOf = [this](Uint32 id) -> Window* {
        SdlNativeWindow* n = windowFor(id);
        return n ? &n->owner() : nullptr;
    };
    switch (event.type) {
    case SDL_QUIT:
        for (auto it = windows_.begin(); it != windows_.end();) {
            Window& w = (it++)->second->owner();
            w.close();
        }
        RunLoop::main().stop();
        break;
    case SDL_WINDOWEVENT: {
        SdlNativeWindow* native = windowFor(event.window.windowID);
        if (!native)
            break;
        Window& w = native->owner();
        auto keep = w.sharedWindow();
        switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            w.becomeKeyWindow();
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            w.resignKeyWindow();
            break;
        case SDL_WINDOWEVENT_CLOSE:
            w.close();
            if (quitWhenNoWindows && !hasVisibleWindows())
                RunLoop::main().stop();
            break;
        case SDL_WINDOWEVENT_HIDDEN:
        case SDL_WINDOWEVENT_MINIMIZED:
            w.cancelTracking(); // the pointer cannot finish a gesture on a window it cannot see
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            native->windowResized(event.window.data1, event.window.data2);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
            native->updateScale();
            w.setNeedsDisplay();
            w.display();
            break;
        case SDL_WINDOWEVENT_ENTER:
            setCursor(native->cursor());
            break;
        case SDL_WINDOWEVENT_LEAVE: {
            // Far outside: every tracking area reports its exit.
            Event e = pointerEvent(EventType::mouseMoved, -1e6, -1e6, event.window.timestamp);
            if (!(SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK))
                w.sendEvent(e);
            break;
        }
        default:
            break;
        }
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        Window* w = windowOf(event.button.windowID);
        if (!w || event.button.which == SDL_TOUCH_MOUSEID)
            break;
        auto keep = w->sharedWindow();
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        Event e = pointerEvent(down ? EventType::mouseDown : EventType::mouseUp, event.button.x,
                               event.button.y, event.button.timestamp);
        e.button = buttonFromSdl(event.button.button);
        e.clickCount = event.button.clicks;
        // Keep receiving the drag when it leaves the window.
        SDL_CaptureMouse(down ? SDL_TRUE : SDL_FALSE);
        if (!down)
            if (XdndSource* drag = windowFor(event.button.windowID)->dragSource())
                drag->pointerReleased();
        w->sendEvent(e);
        break;
    }
    case SDL_MOUSEMOTION: {
        Window* w = windowOf(event.motion.windowID);
        if (!w || event.motion.which == SDL_TOUCH_MOUSEID)
            break;
        auto keep = w->sharedWindow();
        const Uint32 state = event.motion.state;
        const bool left = state & SDL_BUTTON_LMASK;
        const bool right = state & SDL_BUTTON_RMASK;
        Event e = pointerEvent(left || right ? EventType::mouseDragged : EventType::mouseMoved,
                               event.motion.x, event.motion.y, event.motion.timestamp);
        e.button = left ? MouseButton::left : MouseButton::right;
        if (XdndSource* drag = windowFor(event.motion.windowID)->dragSource())
            drag->pointerMoved();
        w->sendEvent(e);
        break;
    }
    case SDL_MOUSEWHEEL: {
        Window* w = windowOf(event.wheel.windowID);
        if (!w)
            break;
        auto keep = w->sharedWindow();
        int mx = 0, my = 0;
        SDL_GetMouseState(&mx, &my);
        Event e = pointerEvent(EventType::scrollWheel, mx, my, event.wheel.timestamp);
        const double flip = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
        // One notch is one line, ten points.
        e.scrollingDelta = {-event.wheel.preciseX * 10 * flip, event.wheel.preciseY * 10 * flip};
        w->sendEvent(e);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        Window* w = windowOf(event.key.windowID);
        if (!w)
            break;
        auto keep = w->sharedWindow();
        Event e;
        e.timestamp = seconds(event.key.timestamp);
        e.modifierFlags = modifierFlagsFromSdl(event.key.keysym.mod);
        e.keyCode = keyCodeFromScancode(event.key.keysym.scancode);
        e.charactersIgnoringModifiers = charactersIgnoringModifiers(event.key.keysym);
        e.characters = e.charactersIgnoringModifiers;
        if (contains(e.modifierFlags, ModifierFlags::shift) && e.characters.size() == 1 &&
            e.characters[0] >= 'a' && e.characters[0] <= 'z')
            e.characters[0] = char(e.characters[0] - 'a' + 'A');
        e.isARepeat = event.key.repeat != 0;
        const bool isModifierKey = e.keyCode == KeyCode::shift || e.keyCode == KeyCode::rightShift ||
                                   e.keyCode == KeyCode::control || e.keyCode == KeyCode::rightControl ||
                                   e.keyCode == KeyCode::option || e.keyCode == KeyCode::rightOption ||
                                   e.keyCode == KeyCode::command || e.keyCode == KeyCode::capsLock;
        e.type = isModifierKey ? EventType::flagsChanged
                               : (event.type == SDL_KEYDOWN ? EventType::keyDown : EventType::keyUp);
        if (isModifierKey) {
            e.characters.clear();
            e.charactersIgnoringModifiers.clear();
        }
        int mx = 0, my = 0;
        SDL_GetMouseState(&mx, &my);
        e.locationInWindow = {mx / windowUnitsPerPoint(), my / windowUnitsPerPoint()};
        w->sendEvent(e);
        break;
    }
    case SDL_SYSWMEVENT:
        if (!event.syswm.msg)
            break;
        if (const std::uint64_t destroyed = destroyedXWindow(*event.syswm.msg)) {
            xWindowGone(destroyed, {});
            break;
        }
        for (auto& [id, native] : windows_)
            if (native->handleSystemEvent(*event.syswm.msg))
                break;
        break;
    case SDL_DROPFILE:
    case SDL_DROPTEXT: {
        // SDL hands the text over: freed here whatever happens. It reports no drag before the drop,
        // so the target is asked once, where the pointer was last seen.
        std::unique_ptr<char, decltype(&SDL_free)> dropped(event.drop.file, SDL_free);
        Window* w = windowOf(event.drop.windowID);
        if (!w || !dropped)
            break;
        auto keep = w->sharedWindow();
        DraggingInfo info;
        info.items.push_back(
            {event.type == SDL_DROPFILE ? kFileURLDragType : kTextDragType, std::string(dropped.get())});
        info.locationInWindow = w->mouseLocation();
        w->performDragOperation(info);
        break;
    }
    case SDL_TEXTINPUT: {
        Window* w = windowOf(event.text.windowID);
        if (!w)
            break;
        auto keep = w->sharedWindow();
        Event e;
        e.type = EventType::textInput;
        e.timestamp = seconds(event.text.timestamp);
        e.text = event.text.text;
        w->sendEvent(e);
        break;
    }
    default:
        break;
    }
}

bool SdlBackend::hasVisibleWindows() const {
    for (auto& [id, native] : windows_)
        if (native->owner().isVisible() && !native->owner().isClosed())
            return true;
    return false;
}

void SdlBackend::xWindowGone(std::uint64_t xWindow, const std::string& why) {
    const bool first = goneXWindows_.insert(xWindow).second;
    for (auto& [id, native] : windows_) {
        if (native->xWindow() != xWindow)
            continue;
        if (why.empty())
            std::fprintf(stderr, "tk: window 0x%llx was destroyed by another program: treated as closed\n",
                         static_cast<unsigned long long>(xWindow));
        else
            std::fprintf(stderr, "tk: window 0x%llx is gone (X error %s): treated as closed\n",
                         static_cast<unsigned long long>(xWindow), why.c_str());
        auto keep = native->owner().sharedWindow();
        native->owner().close();
        if (quitWhenNoWindows && !hasVisibleWindows())
            RunLoop::main().stop();
        return;
    }
    // Not one of ours, or one closed already (its own teardown makes requests that fail).
    if (first && !why.empty())
        std::fprintf(stderr, "tk: X error %s about window 0x%llx, not an open window here: ignored\n",
                     why.c_str(), static_cast<unsigned long long>(xWindow));
}

void SdlBackend::displayWindows() {
    auto snapshot = windows_;
    for (auto& [id, native] : snapshot)
        if (windowFor(id) == native)
            native->owner().displayIfNeeded();
}

// SDL's queue as the main run loop's source of window-system events.
class SdlEventSource final : public EventSource {
public:
    explicit SdlEventSource(SdlBackend& backend) : backend_(backend), wakeEvent_(backend.wakeEvent()) {}

    bool waitAndDispatch(std::optional<Clock::Duration> timeout) override {
        backend_.displayWindows();
        SDL_Event event;
        bool got = false;
        if (!timeout) {
            got = SDL_WaitEvent(&event) == 1;
        } else {
            const auto ms = std::chrono::ceil<std::chrono::milliseconds>(*timeout).count();
            got = ms <= 0 ? SDL_PollEvent(&event) == 1
                          : SDL_WaitEventTimeout(&event, int(std::min<long long>(ms, 1 << 30))) == 1;
        }
        bool dispatched = false;
        while (got) {
            if (event.type != backend_.wakeEvent()) {
                backend_.dispatch(event);
                dispatched = true;
            }
            got = SDL_PollEvent(&event) == 1;
        }
        backend_.displayWindows();
        return dispatched;
    }

    void wake() override {
        SDL_Event event{};
        event.type = wakeEvent_;
        SDL_PushEvent(&event); // thread-safe in SDL2
    }

private:
    SdlBackend& backend_;
    Uint32 wakeEvent_; // a copy: a post during exit wakes the loop after the backend is gone
};

std::shared_ptr<SdlBackend>& installed() {
    static std::shared_ptr<SdlBackend> backend;
    return backend;
}

} // namespace

bool installBackend(std::string* whyNot) {
    if (!MainThread::isAdopted())
        MainThread::adopt();
    TK_CHECK_MAIN_THREAD();
    if (installed())
        return true;
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // Window surfaces stay plain memory, never a GL texture (see the top of this file); an
    // environment setting must not bring the GL context back.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_OVERRIDE);
    // Unless a driver is asked for, only the displays the environment names are tried: SDL would go
    // on to drivers that show nothing, and Wayland's library complains on standard error when it
    // has no display to try.
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    const auto fail = [whyNot](const std::string& why) {
        if (whyNot)
            *whyNot = "no display available: " + why;
        else
            std::fprintf(stderr, "tk: no display available: %s\n", why.c_str());
        return false;
    };
    if (!set("SDL_VIDEODRIVER")) {
        if (!set("DISPLAY") && !set("WAYLAND_DISPLAY"))
            return fail("neither DISPLAY nor WAYLAND_DISPLAY is set");
        if (!set("WAYLAND_DISPLAY"))
            SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
    }
    keepSessionBusFromForking();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        return fail(SDL_GetError());
    SDL_StartTextInput();
    auto backend = std::make_shared<SdlBackend>();
    installed() = backend;
    if (const char* driver = SDL_GetCurrentVideoDriver(); driver && std::string(driver) == "x11") {
        installXErrorHandler([](const XWindowError& error) {
            // Called from inside Xlib: the window is closed once the request that failed is over.
            RunLoop::main().post([error] {
                if (auto& b = installed())
                    b->xWindowGone(error.xWindow, error.description);
            });
        });
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE); // for the DestroyNotify of a window destroyed elsewhere
    }
    setCurrentBackend(backend);
    RunLoop::main().setEventSource(std::make_shared<SdlEventSource>(*backend));
    return true;
}

int runApplication(const std::function<void()>& launch, const ApplicationOptions& options) {
    std::string why;
    if (installBackend(&why)) {
        const char* driver = SDL_GetCurrentVideoDriver();
        const std::string name = driver ? driver : "";
        if (name.empty() || name == "offscreen" || name == "dummy")
            why = "no display available: SDL could only start its \"" + (name.empty() ? "no" : name) +
                  "\" video driver, which shows nothing";
    }
    if (!why.empty()) {
        if (options.failure)
            *options.failure = why;
        else
            std::fprintf(stderr, "tk: %s\n", why.c_str());
        return 1;
    }
    installed()->appOptions = options;
    installed()->quitWhenNoWindows = options.quitWhenLastWindowCloses;
    if (launch)
        launch();
    RunLoop::main().run();
    return 0;
}

void quitApplication() {
    // A modal window that does not prevent termination ends now; one that does is answered first,
    // and the loop ends after it.
    Application::shared().prepareToTerminate();
    RunLoop::main().stop();
}

} // namespace tk::sdl
