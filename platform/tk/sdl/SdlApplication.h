#pragma once

// The SDL2 backend for real windows (X11 or Wayland), for programs only: tests use the headless
// backend. A program starts it once, at start-up, before it makes any window:
//
//     int main() {
//         return tk::sdl::runApplication([] {
//             auto window = tk::Window::make({400, 572}, "Zindral");
//             window->setContentView(...);
//             window->makeKeyAndOrderFront();
//             keep(window);
//         });
//     }
//
// runApplication adopts the calling thread as the main thread, installs the backend, hooks SDL's
// event queue into the main run loop (timers and posted tasks keep running while SDL waits for
// input), runs `launch`, and runs the loop until quitApplication() or, by default, until the last
// window closes.
//
// Scale: the backing scale follows SDL's drawable size (Wayland HiDPI). On X11, where SDL windows
// are in pixels, setting TK_SCALE=2 in the environment doubles every window.

#include <functional>
#include <string>

namespace tk::sdl {

struct ApplicationOptions {
    bool quitWhenLastWindowCloses = true;
    // Where to put why no display could be opened; standard error when not set.
    std::string* failure = nullptr;
};

// [main] Opens SDL's video, makes it the current backend and the main run loop's event source.
// Idempotent. False when SDL cannot start, with the reason in `whyNot` (on standard error when
// that is not given). Any driver SDL offers will do, even one that shows nothing (tests).
bool installBackend(std::string* whyNot = nullptr);
// [main] See above. Returns the exit status: 0, or 1 when no display could be opened - also when
// SDL could only start a driver that shows nothing (offscreen, dummy): a program on one would run
// unseen, and could never be closed.
int runApplication(const std::function<void()>& launch, const ApplicationOptions& options = {});
// [main] Ends runApplication's loop after the current event. A modal session whose window does not
// prevent termination ends at once; one whose window does is answered first (see
// tk::Application::prepareToTerminate).
void quitApplication();

} // namespace tk::sdl
