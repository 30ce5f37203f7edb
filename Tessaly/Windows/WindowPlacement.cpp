#include "Tessaly/Windows/WindowPlacement.h"

#include "Tessaly/Geometry/PixelAlignment.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <map>
#include <memory>

namespace Tessaly {

namespace {

// The view's frame on the screen.
tk::Rect screenRect(const tk::View& view) {
    const tk::View* superview = view.superview();
    const tk::Rect inWindow = superview ? superview->convertTo(view.frame(), nullptr) : view.frame();
    const tk::Point origin = view.window()->frame().origin;
    return inWindow.offsetBy(origin.x, origin.y);
}

tk::Rect centeredOver(const tk::Window& window, const tk::Rect& target) {
    const tk::Rect r = centeredPixelAlignedRect(window.frame().size, target, 1);
    return r.offsetBy(target.x(), target.y());
}

} // namespace

void centerOnScreen(tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    const auto screen = window.screen();
    if (!screen)
        return;
    const tk::Rect v = screen->visibleFrame;
    const tk::Size size = window.frame().size;
    window.setFrameOrigin({v.midX() - size.width * 0.5, v.midY() - size.height * 0.5});
}

void placeAtTopCenter(tk::Window& window, double offset) {
    TK_CHECK_MAIN_THREAD();
    const auto screen = window.screen();
    if (!screen)
        return;
    const tk::Rect v = screen->visibleFrame;
    window.setFrameOrigin({v.midX() - window.frame().width() * 0.5, v.minY() + offset});
}

void centerOver(tk::Window& window, const tk::View& view, bool display) {
    TK_CHECK_MAIN_THREAD();
    assert(view.window() && "the view must be in a window");
    window.setFrame(centeredOver(window, screenRect(view)), display);
}

void placeAbove(tk::Window& window, const tk::View& view, bool display) {
    TK_CHECK_MAIN_THREAD();
    assert(view.window() && "the view must be in a window");
    const tk::Rect target = screenRect(view);
    tk::Rect frame = centeredOver(window, target);
    frame.origin.y = target.minY() - frame.height();
    window.setFrame(frame, display);
}

double titleBarHeight(const tk::Window&) {
    return 0;
}

void shake(tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    struct Shake {
        tk::Timer timer;
        tk::Point origin;
        double distance = 0;
        tk::Clock::TimePoint start;
    };
    // One shake per window at a time; each ends by removing itself.
    static std::map<tk::Window*, std::shared_ptr<Shake>> running;
    if (running.count(&window))
        return;
    constexpr double kDuration = 0.4;
    // The keyframes of x, evenly spaced over the duration: out and back three times, then home.
    static constexpr double kKeyframes[] = {0, -1, 1, -1, 1, -1, 1, 0};
    constexpr int kSegments = int(std::size(kKeyframes)) - 1;

    auto shake = std::make_shared<Shake>();
    shake->origin = window.frame().origin;
    shake->distance = 0.03 * window.frame().width();
    tk::RunLoop& loop = tk::RunLoop::main();
    shake->start = loop.now();
    running[&window] = shake;
    std::weak_ptr<tk::Window> weakWindow = window.sharedWindow();
    tk::Window* key = &window;
    shake->timer = loop.scheduleTimer(tk::seconds(1.0 / 60.0), true, [shake = shake.get(), weakWindow, key] {
        auto w = weakWindow.lock();
        const double t = std::chrono::duration<double>(tk::RunLoop::main().now() - shake->start).count();
        if (!w || w->isClosed() || t >= kDuration) {
            if (w)
                w->setFrameOrigin(shake->origin);
            shake->timer.invalidate();
            tk::RunLoop::main().post([key] { running.erase(key); });
            return;
        }
        const double position = t / kDuration * kSegments;
        const int i = std::min(int(position), kSegments - 1);
        const double f = position - i;
        const double x = kKeyframes[i] + (kKeyframes[i + 1] - kKeyframes[i]) * f;
        w->setFrameOrigin({shake->origin.x + x * shake->distance, shake->origin.y});
    });
}

} // namespace Tessaly
