#include "platform/tk/net/BackgroundFetch.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"

#include <atomic>

namespace tk {

struct BackgroundFetch::Shared {
    // Cleared when the owner goes, so that a completion already queued does nothing.
    std::atomic<bool> ownerAlive{true};
    std::atomic<bool> finished{false};
};

BackgroundFetch::BackgroundFetch(std::shared_ptr<Fetcher> fetcher, FetchRequest request,
                                 std::function<void(FetchResult)> completion)
    : BackgroundFetch(PrivateTag{}, std::move(fetcher), std::move(request),
                      WorkerJob([completion = std::move(completion)](FetchResult result) mutable {
                          return std::function<void()>(
                              [result = std::move(result), completion = std::move(completion)]() mutable {
                                  completion(std::move(result));
                              });
                      })) {}

BackgroundFetch::BackgroundFetch(PrivateTag, std::shared_ptr<Fetcher> fetcher, FetchRequest request,
                                 WorkerJob job)
    : shared_(std::make_shared<Shared>()) {
    TK_CHECK_MAIN_THREAD();
    worker_ = std::jthread([shared = shared_, fetcher = std::move(fetcher), request = std::move(request),
                            job = std::move(job)](std::stop_token stop) mutable {
        FetchResult result = fetcher ? fetcher->fetch(request, stop)
                                     : FetchResult::failure(FetchError::Kind::invalidRequest, "no fetcher");
        std::function<void()> task = job(std::move(result));
        if (!stop.stop_requested()) {
            RunLoop::main().post([shared, task = std::move(task)] {
                if (shared->ownerAlive.load(std::memory_order_acquire))
                    task();
            });
        }
        shared->finished.store(true, std::memory_order_release);
    });
}

BackgroundFetch::~BackgroundFetch() {
    TK_CHECK_MAIN_THREAD();
    shared_->ownerAlive.store(false, std::memory_order_release);
    worker_.request_stop();
    if (worker_.joinable())
        worker_.join();
}

bool BackgroundFetch::isFinished() const {
    TK_CHECK_MAIN_THREAD();
    return shared_->finished.load(std::memory_order_acquire);
}

void BackgroundFetch::wait() {
    TK_CHECK_MAIN_THREAD();
    if (worker_.joinable())
        worker_.join();
}

} // namespace tk
