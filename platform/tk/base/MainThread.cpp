#include "platform/tk/base/MainThread.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace tk {
namespace {

// A default-constructed id means "no thread adopted".
std::atomic<std::thread::id>& mainThreadId() {
    static std::atomic<std::thread::id> id{};
    return id;
}

} // namespace

void MainThread::adopt() {
    mainThreadId().store(std::this_thread::get_id(), std::memory_order_release);
}

bool MainThread::isAdopted() {
    return mainThreadId().load(std::memory_order_acquire) != std::thread::id{};
}

bool MainThread::isCurrent() {
    return mainThreadId().load(std::memory_order_acquire) == std::this_thread::get_id();
}

void checkMainThread(const char* function) {
    if (MainThread::isCurrent())
        return;
    // Nothing adopted yet: the first thread that does main-thread work becomes the main thread.
    std::thread::id none{};
    if (mainThreadId().compare_exchange_strong(none, std::this_thread::get_id(), std::memory_order_acq_rel))
        return;
    std::fprintf(stderr, "tk: %s must run on the main thread\n", function ? function : "function");
    std::fflush(stderr);
    std::abort();
}

} // namespace tk
