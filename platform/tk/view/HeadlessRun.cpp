#include "platform/tk/view/HeadlessRun.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/Window.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tk {

namespace {
Window* chooseWindow(const HeadlessBackend& backend, const std::string& identifier) {
    const auto windows = backend.windows();
    for (Window* w : windows)
        if (!identifier.empty() && w->identifier() == identifier && !w->isClosed())
            return w;
    if (!identifier.empty())
        return nullptr;
    if (Window* key = backend.keyWindow(); key && !key->isClosed())
        return key;
    for (Window* w : windows)
        if (w->isVisible() && !w->isClosed())
            return w;
    return nullptr;
}

// Moves the clock from one timer to the next up to `until`, running each as it falls due.
void stepThrough(RunLoop& loop, ManualClock& clock, Clock::TimePoint until) {
    for (;;) {
        const auto next = loop.nextTimerFireDate();
        const auto stepTo = next && *next < until ? *next : until;
        if (stepTo > clock.now())
            clock.advance(stepTo - clock.now());
        loop.drain();
        if (stepTo >= until)
            return;
    }
}

void runSimulated(RunLoop& loop, ManualClock& clock, Clock::Duration duration, bool everyFrame) {
    const auto end = clock.now() + duration;
    loop.drain();
    if (everyFrame) {
        stepThrough(loop, clock, end);
        return;
    }
    // From one ordinary timer to the next, an animation's frames replace one another and only the
    // last before it can be seen: that one is drawn, at its own beat, and the others are left out.
    for (;;) {
        const auto next = loop.nextOrdinaryTimerFireDate();
        const auto until = next && *next < end ? *next : end;
        loop.skipSupersededFrames(until);
        stepThrough(loop, clock, until);
        if (until >= end)
            return;
    }
}
} // namespace

int runHeadless(const std::function<void()>& launch, const HeadlessRunOptions& options) {
    if (!MainThread::isAdopted())
        MainThread::adopt();
    TK_CHECK_MAIN_THREAD();
    auto backend = std::make_shared<HeadlessBackend>();
    setCurrentBackend(backend);
    RunLoop& loop = RunLoop::main();
    std::shared_ptr<ManualClock> clock;
    if (options.simulatedTime) {
        clock = std::make_shared<ManualClock>();
        loop.setClock(clock);
    }
    if (launch)
        launch();
    if (clock) {
        runSimulated(loop, *clock, options.duration, options.drawEveryFrame);
    } else {
        const auto end = loop.now() + options.duration;
        while (loop.now() < end)
            loop.runOnce(RunLoopMode::defaultMode, end);
    }
    const auto fail = [&](const std::string& why) {
        if (options.failure)
            *options.failure = why;
        else
            std::fprintf(stderr, "tk: %s\n", why.c_str());
        return 1;
    };
    Window* window = chooseWindow(*backend, options.windowIdentifier);
    if (!window)
        return fail("no window to write to " + options.pngFile.string());
    window->display();
    if (!window->lastFrame())
        return fail("cannot write " + options.pngFile.string() + ": the window drew nothing");
    // The PNG writer opens the file itself and leaves its reason in errno.
    errno = 0;
    if (!window->lastFrame()->writePNG(options.pngFile)) {
        const int reason = errno;
        return fail("cannot write " + options.pngFile.string() + ": " +
                    (reason != 0 ? std::strerror(reason) : "the PNG could not be written"));
    }
    return 0;
}

} // namespace tk
