#include "platform/tk/sdl/XdndSource.h"

#include <SDL2/SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#endif

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

namespace tk::sdl {

std::string fileURIListEntry(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string uri = "file://";
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            uri.push_back(char(c));
        } else {
            uri.push_back('%');
            uri.push_back(hex[c >> 4]);
            uri.push_back(hex[c & 15]);
        }
    }
    return uri + "\r\n";
}

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

// The few Xlib entry points the source uses, from the libX11 SDL itself loads.
struct Xlib {
    decltype(&XInternAtom) internAtom = nullptr;
    decltype(&XCreateSimpleWindow) createSimpleWindow = nullptr;
    decltype(&XDestroyWindow) destroyWindow = nullptr;
    decltype(&XSetSelectionOwner) setSelectionOwner = nullptr;
    decltype(&XSendEvent) sendEvent = nullptr;
    decltype(&XFlush) flush = nullptr;
    decltype(&XQueryPointer) queryPointer = nullptr;
    decltype(&XTranslateCoordinates) translateCoordinates = nullptr;
    decltype(&XGetWindowProperty) getWindowProperty = nullptr;
    decltype(&XChangeProperty) changeProperty = nullptr;
    decltype(&XFree) free = nullptr;
    decltype(&XDefaultRootWindow) defaultRootWindow = nullptr;

    static const Xlib* load() {
        static const std::optional<Xlib> lib = []() -> std::optional<Xlib> {
            void* handle = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
            if (!handle)
                return std::nullopt;
            Xlib x;
            bool ok = true;
            auto get = [&](auto& fn, const char* name) {
                fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(handle, name));
                ok = ok && fn;
            };
            get(x.internAtom, "XInternAtom");
            get(x.createSimpleWindow, "XCreateSimpleWindow");
            get(x.destroyWindow, "XDestroyWindow");
            get(x.setSelectionOwner, "XSetSelectionOwner");
            get(x.sendEvent, "XSendEvent");
            get(x.flush, "XFlush");
            get(x.queryPointer, "XQueryPointer");
            get(x.translateCoordinates, "XTranslateCoordinates");
            get(x.getWindowProperty, "XGetWindowProperty");
            get(x.changeProperty, "XChangeProperty");
            get(x.free, "XFree");
            get(x.defaultRootWindow, "XDefaultRootWindow");
            if (!ok)
                return std::nullopt;
            return x; // the library stays loaded for the life of the process
        }();
        return lib ? &*lib : nullptr;
    }
};

constexpr long kVersion = 5;

class X11XdndSource final : public XdndSource {
public:
    X11XdndSource(const Xlib& x, Display* display, ::Window sdlWindow)
        : x_(x), display_(display), sdlWindow_(sdlWindow) {
        root_ = x_.defaultRootWindow(display_);
        // A window of our own owns the selection and receives the messages: SDL answers requests
        // made to its own windows itself.
        source_ = x_.createSimpleWindow(display_, root_, -10, -10, 1, 1, 0, 0, 0);
        auto atom = [&](const char* name) { return x_.internAtom(display_, name, False); };
        aware_ = atom("XdndAware");
        enter_ = atom("XdndEnter");
        position_ = atom("XdndPosition");
        status_ = atom("XdndStatus");
        leave_ = atom("XdndLeave");
        drop_ = atom("XdndDrop");
        finished_ = atom("XdndFinished");
        selection_ = atom("XdndSelection");
        actionCopy_ = atom("XdndActionCopy");
        uriList_ = atom("text/uri-list");
        textPlain_ = atom("text/plain");
        targets_ = atom("TARGETS");
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    }

    ~X11XdndSource() override {
        if (active_)
            finish();
        x_.destroyWindow(display_, source_);
        x_.flush(display_);
    }

    bool begin(const std::string& uriList) override {
        if (active_ && dropping_)
            finish(); // the last drop's target never said it finished
        if (active_)
            return false;
        data_ = uriList;
        active_ = true;
        target_ = 0;
        accepted_ = false;
        awaitingStatus_ = false;
        positionPending_ = false;
        x_.setSelectionOwner(display_, selection_, source_, CurrentTime);
        pointerMoved();
        return true;
    }

    bool isActive() const override { return active_; }

    void pointerMoved() override {
        if (!active_ || dropping_)
            return;
        int rootX = 0, rootY = 0;
        const ::Window target = windowUnderPointer(rootX, rootY);
        if (target != target_) {
            if (target_)
                sendMessage(target_, leave_, {long(source_), 0, 0, 0, 0});
            target_ = target;
            accepted_ = false;
            awaitingStatus_ = false;
            if (target_)
                sendMessage(target_, enter_,
                            {long(source_), std::min(kVersion, awareVersion(target_)) << 24, long(uriList_),
                             long(textPlain_), 0});
        }
        if (!target_)
            return;
        lastX_ = rootX;
        lastY_ = rootY;
        if (awaitingStatus_) {
            positionPending_ = true; // sent when the status of the last one arrives
            return;
        }
        sendPosition();
    }

    void pointerReleased() override {
        if (!active_ || dropping_)
            return;
        if (target_ && accepted_) {
            dropping_ = true;
            sendMessage(target_, drop_, {long(source_), 0, long(CurrentTime), 0, 0});
            // The target now reads the selection and says XdndFinished; the session ends then.
        } else {
            if (target_)
                sendMessage(target_, leave_, {long(source_), 0, 0, 0, 0});
            finish();
        }
    }

    bool handleSystemEvent(const SDL_SysWMmsg& message) override {
        if (message.subsystem != SDL_SYSWM_X11)
            return false;
        XEvent event = message.msg.x11.event;
        if (event.type == ClientMessage && event.xclient.window == source_) {
            const auto& c = event.xclient;
            if (c.message_type == status_ && ::Window(c.data.l[0]) == target_) {
                accepted_ = (c.data.l[1] & 1) != 0;
                awaitingStatus_ = false;
                if (positionPending_) {
                    positionPending_ = false;
                    sendPosition();
                }
            } else if (c.message_type == finished_) {
                finish();
            }
            return true;
        }
        if (event.type == SelectionRequest && event.xselectionrequest.owner == source_) {
            answer(event.xselectionrequest);
            return true;
        }
        return false;
    }

private:
    void sendPosition() {
        awaitingStatus_ = true;
        sendMessage(target_, position_,
                    {long(source_), 0, (long(lastX_) << 16) | (long(lastY_) & 0xFFFF), long(CurrentTime),
                     long(actionCopy_)});
    }

    void finish() {
        active_ = false;
        dropping_ = false;
        target_ = 0;
        accepted_ = false;
        x_.flush(display_);
    }

    void sendMessage(::Window to, Atom type, std::array<long, 5> data) {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.display = display_;
        e.xclient.window = to;
        e.xclient.message_type = type;
        e.xclient.format = 32;
        for (int i = 0; i < 5; ++i)
            e.xclient.data.l[i] = data[std::size_t(i)];
        x_.sendEvent(display_, to, False, NoEventMask, &e);
        x_.flush(display_);
    }

    long awareVersion(::Window w) const {
        Atom type = 0;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* value = nullptr;
        long version = 0;
        if (x_.getWindowProperty(display_, w, aware_, 0, 1, False, AnyPropertyType, &type, &format, &count,
                                 &after, &value) == Success &&
            value) {
            if (type == XA_ATOM && format == 32 && count == 1)
                version = *reinterpret_cast<long*>(value);
            x_.free(value);
        }
        return version;
    }

    // The innermost XDND-aware window under the pointer (frames are walked through), except our own.
    ::Window windowUnderPointer(int& rootX, int& rootY) const {
        ::Window rootReturn = 0, child = 0;
        int wx = 0, wy = 0;
        unsigned int mask = 0;
        if (!x_.queryPointer(display_, root_, &rootReturn, &child, &rootX, &rootY, &wx, &wy, &mask))
            return 0;
        ::Window w = child;
        for (int depth = 0; w && depth < 16; ++depth) {
            if (w == sdlWindow_)
                return 0; // dropping onto ourselves is not a drag out
            if (awareVersion(w) >= 3)
                return w;
            ::Window next = 0;
            int x = 0, y = 0;
            if (!x_.translateCoordinates(display_, root_, w, rootX, rootY, &x, &y, &next))
                return 0;
            w = next;
        }
        return 0;
    }

    void answer(const XSelectionRequestEvent& request) {
        XEvent reply{};
        reply.xselection.type = SelectionNotify;
        reply.xselection.display = request.display;
        reply.xselection.requestor = request.requestor;
        reply.xselection.selection = request.selection;
        reply.xselection.target = request.target;
        reply.xselection.time = request.time;
        reply.xselection.property = None;
        const Atom property = request.property != None ? request.property : request.target;
        if (request.target == targets_) {
            const Atom list[] = {targets_, uriList_, textPlain_};
            x_.changeProperty(display_, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                              reinterpret_cast<const unsigned char*>(list), 3);
            reply.xselection.property = property;
        } else if (request.target == uriList_ || request.target == textPlain_) {
            x_.changeProperty(display_, request.requestor, property, request.target, 8, PropModeReplace,
                              reinterpret_cast<const unsigned char*>(data_.data()), int(data_.size()));
            reply.xselection.property = property;
        }
        x_.sendEvent(display_, request.requestor, False, NoEventMask, &reply);
        x_.flush(display_);
    }

    const Xlib& x_;
    Display* display_;
    ::Window sdlWindow_;
    ::Window root_ = 0;
    ::Window source_ = 0;
    ::Window target_ = 0;
    Atom aware_, enter_, position_, status_, leave_, drop_, finished_, selection_, actionCopy_, uriList_,
        textPlain_, targets_;
    std::string data_;
    int lastX_ = 0;
    int lastY_ = 0;
    bool active_ = false;
    bool accepted_ = false;
    bool awaitingStatus_ = false;
    bool positionPending_ = false;
    bool dropping_ = false;
};

} // namespace

std::unique_ptr<XdndSource> XdndSource::create(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return nullptr;
    const Xlib* x = Xlib::load();
    if (!x)
        return nullptr;
    return std::make_unique<X11XdndSource>(*x, info.info.x11.display, info.info.x11.window);
}

#else

std::unique_ptr<XdndSource> XdndSource::create(SDL_Window*) {
    return nullptr;
}

#endif

} // namespace tk::sdl
