#include "Tessaly/Windows/WindowPlacement.h"

#include "Tessaly/Geometry/PixelAlignment.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/Subscription.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <algorithm>
#include <cassert>
#include <iterator>
#include <memory>
#include <string_view>

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

namespace {

constexpr std::string_view kShakeKey = "Tessaly.shake";

// A running shake, kept by its window: it goes with the window, and ends when the window closes.
struct Shake {
    tk::Timer timer;
    tk::Subscription closing;
    tk::Point origin;
    double distance = 0;
    tk::Clock::TimePoint start;
};

void endShake(tk::Window& window, const Shake& shake) {
    window.setFrameOrigin(shake.origin);
    window.associatedObjects().set<Shake>(kShakeKey, nullptr); // last: this releases `shake`
}

} // namespace

void shake(tk::Window& window) {
    TK_CHECK_MAIN_THREAD();
    // One shake per window at a time.
    if (window.isClosed() || window.associatedObjects().contains(kShakeKey))
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
    // The window owns the shake, which owns the timer and the subscription: both hold plain
    // pointers, which cannot outlive what they point to.
    Shake* running = shake.get();
    tk::Window* owner = &window;
    shake->closing = window.observeWillClose([running](tk::Window& w) { endShake(w, *running); });
    shake->timer = loop.scheduleTimer(tk::seconds(1.0 / 60.0), true, [running, owner] {
        const double t = std::chrono::duration<double>(tk::RunLoop::main().now() - running->start).count();
        if (t >= kDuration) {
            endShake(*owner, *running);
            return;
        }
        const double position = t / kDuration * kSegments;
        const int i = std::min(int(position), kSegments - 1);
        const double f = position - i;
        const double x = kKeyframes[i] + (kKeyframes[i + 1] - kKeyframes[i]) * f;
        owner->setFrameOrigin({running->origin.x + x * running->distance, running->origin.y});
    });
    window.associatedObjects().set(kShakeKey, std::move(shake));
}

} // namespace Tessaly
