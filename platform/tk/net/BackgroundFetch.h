#pragma once

#include "platform/tk/net/Fetch.h"

#include <functional>
#include <memory>
#include <thread>

// One fetch on a worker thread, its result handed to the main thread:
//
//     tk::BackgroundFetch fetch(fetcher, request, [](tk::FetchResult result) { ... on the main thread ... });
//
// The worker calls the fetcher, optionally turns the result into something else there (`work`, so
// that parsing stays off the main thread as well), and posts the completion to the main run loop's
// queue. The object owns the worker: destroying it asks the fetch to stop and waits for the worker
// to end (the fetcher ends promptly on a stop request), and a completion not yet run then does
// nothing. So no worker outlives the code that started it. (A completion that never runs is destroyed
// on the worker thread: let it hold only what may be released there, such as weak references.)

namespace tk {

class BackgroundFetch {
public:
    // [main] Starts at once. `completion` runs on the main thread, once, unless this object is
    // destroyed first.
    BackgroundFetch(std::shared_ptr<Fetcher> fetcher, FetchRequest request,
                    std::function<void(FetchResult)> completion);

    // [main] As above, with `work` run on the worker thread with the result; its value goes to
    // `completion` on the main thread.
    template <class T>
    BackgroundFetch(std::shared_ptr<Fetcher> fetcher, FetchRequest request,
                    std::function<T(FetchResult)> work, std::function<void(T)> completion)
        : BackgroundFetch(PrivateTag{}, std::move(fetcher), std::move(request),
                          [work = std::move(work), completion = std::move(completion)](
                              FetchResult result) mutable -> std::function<void()> {
                              return [value = std::make_shared<T>(work(std::move(result))),
                                      completion = std::move(completion)] { completion(std::move(*value)); };
                          }) {}

    // [main] Stops and joins the worker.
    ~BackgroundFetch();
    BackgroundFetch(const BackgroundFetch&) = delete;
    BackgroundFetch& operator=(const BackgroundFetch&) = delete;

    // [main] Whether the worker has finished (its completion is then queued, run or dropped).
    bool isFinished() const;
    // [main] Waits until the worker has finished and queued its completion (tests drain the run loop
    // after this).
    void wait();

private:
    // The worker's job: fetch, then produce the main-thread task.
    using WorkerJob = std::function<std::function<void()>(FetchResult)>;
    struct PrivateTag {};
    BackgroundFetch(PrivateTag, std::shared_ptr<Fetcher> fetcher, FetchRequest request, WorkerJob job);

    struct Shared;
    std::shared_ptr<Shared> shared_;
    std::jthread worker_;
};

} // namespace tk
