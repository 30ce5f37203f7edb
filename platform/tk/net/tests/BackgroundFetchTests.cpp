// Fetches on a worker thread with the result on the main queue; fetchers served from memory.

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/net/BackgroundFetch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>

namespace {

// Answers every request from memory, on the calling (worker) thread.
class MemoryFetcher final : public tk::Fetcher {
public:
    explicit MemoryFetcher(tk::FetchResult answer) : answer_(std::move(answer)) {}
    tk::FetchResult fetch(const tk::FetchRequest& request, std::stop_token) override {
        lastURL = request.url;
        ranOnMainThread.store(tk::isMainThread());
        return answer_;
    }
    std::string lastURL; // read by the test after wait()
    std::atomic<bool> ranOnMainThread{true};

private:
    tk::FetchResult answer_;
};

// Waits until asked to stop.
class BlockingFetcher final : public tk::Fetcher {
public:
    tk::FetchResult fetch(const tk::FetchRequest&, std::stop_token stop) override {
        started.store(true);
        while (!stop.stop_requested())
            std::this_thread::yield();
        return tk::FetchResult::failure(tk::FetchError::Kind::cancelled, "cancelled");
    }
    std::atomic<bool> started{false};
};

tk::FetchRequest requestFor(const std::string& url) {
    tk::FetchRequest request;
    request.url = url;
    return request;
}

TEST(BackgroundFetch, DeliversOnTheMainThreadAfterTheWorker) {
    tk::TestMainLoop loop;
    auto fetcher = std::make_shared<MemoryFetcher>(tk::FetchResult::success("body", 200));
    std::optional<tk::FetchResult> delivered;
    bool onMain = false;
    tk::BackgroundFetch fetch(fetcher, requestFor("https://feed.example/a"), [&](tk::FetchResult result) {
        onMain = tk::isMainThread();
        delivered = std::move(result);
    });
    fetch.wait();
    EXPECT_TRUE(fetch.isFinished());
    EXPECT_FALSE(delivered.has_value()); // not before the main loop runs
    loop.drain();
    ASSERT_TRUE(delivered.has_value());
    EXPECT_TRUE(onMain);
    EXPECT_FALSE(fetcher->ranOnMainThread.load());
    EXPECT_EQ(fetcher->lastURL, "https://feed.example/a");
    EXPECT_EQ(delivered->body, "body");
}

TEST(BackgroundFetch, WorkRunsOnTheWorkerAndItsValueArrives) {
    tk::TestMainLoop loop;
    auto fetcher = std::make_shared<MemoryFetcher>(tk::FetchResult::success("12345", 200));
    std::atomic<bool> workOnMain{true};
    std::optional<std::size_t> delivered;
    tk::BackgroundFetch fetch(fetcher, requestFor("https://feed.example/b"),
                              std::function<std::size_t(tk::FetchResult)>([&](tk::FetchResult result) {
                                  workOnMain.store(tk::isMainThread());
                                  return result.body.size();
                              }),
                              std::function<void(std::size_t)>([&](std::size_t size) { delivered = size; }));
    fetch.wait();
    loop.drain();
    EXPECT_FALSE(workOnMain.load());
    EXPECT_EQ(delivered, 5u);
}

TEST(BackgroundFetch, DestroyingStopsTheWorkerAndDropsTheCompletion) {
    tk::TestMainLoop loop;
    auto blocking = std::make_shared<BlockingFetcher>();
    bool called = false;
    {
        tk::BackgroundFetch fetch(blocking, requestFor("https://feed.example/c"),
                                  [&](tk::FetchResult) { called = true; });
        while (!blocking->started.load())
            std::this_thread::yield();
    } // joins
    loop.drain();
    EXPECT_FALSE(called);

    // A completion already queued when the owner goes does not run either.
    auto memory = std::make_shared<MemoryFetcher>(tk::FetchResult::success("x", 200));
    {
        tk::BackgroundFetch fetch(memory, requestFor("https://feed.example/d"),
                                  [&](tk::FetchResult) { called = true; });
        fetch.wait();
    }
    loop.drain();
    EXPECT_FALSE(called);
}

TEST(BackgroundFetch, WithoutAFetcherTheCompletionGetsAnError) {
    tk::TestMainLoop loop;
    std::optional<tk::FetchResult> delivered;
    tk::BackgroundFetch fetch(nullptr, requestFor("https://feed.example/e"),
                              [&](tk::FetchResult result) { delivered = std::move(result); });
    fetch.wait();
    loop.drain();
    ASSERT_TRUE(delivered.has_value());
    ASSERT_FALSE(delivered->ok());
    EXPECT_EQ(delivered->error->kind, tk::FetchError::Kind::invalidRequest);
}

} // namespace
