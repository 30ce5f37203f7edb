#pragma once

// Running a program without a display, for tests and for pictures of its windows: the program's
// start-up code makes its windows as usual, the main run loop runs for a while, and then one
// window is written to a PNG file.
//
//     int main(int argc, char** argv) {
//         if (wantScreenshot)
//             return tk::runHeadless(launch, {.duration = tk::seconds(2), .pngFile = "window.png"});
//         return tk::sdl::runApplication(launch);
//     }

#include "platform/tk/base/Clock.h"

#include <filesystem>
#include <functional>
#include <string>

namespace tk {

struct HeadlessRunOptions {
    // How long the program runs before the picture is taken.
    Clock::Duration duration = seconds(1.0);
    // True: time is simulated - the run loop's clock jumps from one timer to the next, so the run
    // is quick and repeats exactly. False: the program runs for `duration` of real time.
    bool simulatedTime = true;
    // In simulated time: false draws only the animation frames that can be seen - the last of each
    // frame timer before each other timer fires and before the picture - so an hour costs about
    // what a second does; true draws every frame on the way, as a run in real time would. The
    // picture is the same either way.
    bool drawEveryFrame = false;
    // The window written: the one with this identifier, else the key window, else the first
    // visible one.
    std::filesystem::path pngFile;
    std::string windowIdentifier;
    // Where the reason goes when no picture is written ("cannot write F: <the system's reason>");
    // without one it is printed on standard error.
    std::string* failure = nullptr;
};

// [main] Adopts the calling thread as the main thread, installs a fresh headless backend, runs
// `launch`, runs the main run loop as the options say and writes the window. Returns 0, or 1 (with
// the reason, see `failure`) when there was no window to write or the file could not be written.
int runHeadless(const std::function<void()>& launch, const HeadlessRunOptions& options);

} // namespace tk
