#pragma once

// Which thread is the main thread.
//
// The toolkit's objects (views, observables, the main run loop's queue draining) belong to one
// thread. A program names it at start-up with MainThread::adopt(); a test adopts the thread it runs
// on. When nothing was adopted, the first thread that drains or runs the main run loop, or calls a
// function that checks for the main thread, adopts itself (a program should not rely on that: adopt
// at start-up, before any other thread runs).

namespace tk {

class MainThread {
public:
    // [any] Makes the calling thread the main thread (from now on).
    static void adopt();
    // [any] Whether some thread has been adopted as the main thread.
    static bool isAdopted();
    // [any] Whether the calling thread is the main thread.
    static bool isCurrent();
};

// [any] Shorthand for MainThread::isCurrent().
inline bool isMainThread() {
    return MainThread::isCurrent();
}

// [any] Backs a [main] function: when called off the main thread, reports the function on
// standard error and aborts (when no thread was adopted yet, the caller is adopted instead). A [main]
// function running elsewhere would be a data race, so stopping at once is the only safe answer. Cheap enough
// (one atomic load) to stay on in release builds.
void checkMainThread(const char* function);

} // namespace tk

// Put at the top of a [main] function.
#define TK_CHECK_MAIN_THREAD() ::tk::checkMainThread(__func__)
