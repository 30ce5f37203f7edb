// The real fetcher against a server on loopback: statuses, redirects, the size cap, timeouts and
// cancellation.

#include "platform/tk/net/CurlFetcher.h"
#include "platform/tk/net/tests/LoopbackServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Kind = tk::FetchError::Kind;

tk::FetchResult get(const std::string& url, std::size_t cap = std::size_t{1} << 20,
                    tk::Clock::Duration timeout = tk::seconds(10.0)) {
    tk::FetchRequest request;
    request.url = url;
    request.maximumBytes = cap;
    request.timeout = timeout;
    return tk::CurlFetcher().fetch(request, std::stop_token{});
}

TEST(CurlFetcher, AnswersByStatusAndSize) {
    const std::string big((std::size_t{1} << 20) + 1, 'x');
    nettest::LoopbackServer server({
        {"/ok", {200, "<feed/>"}},
        {"/empty", {204, ""}},
        {"/gone", {404, "missing"}},
        {"/broken", {500, "oops"}},
        {"/exactly", {200, std::string(std::size_t{1} << 20, 'y')}},
        {"/big", {200, big}},
        {"/big-unannounced", nettest::Route::unannounced(big)},
        {"/moved", {302, "", "Location: /ok\r\n"}},
        {"/loop", {302, "", "Location: /loop\r\n"}},
    });

    struct Case {
        const char* path;
        bool ok;
        Kind kind;
        long status;
        std::size_t bodySize;
    };
    const Case cases[] = {
        {"/ok", true, Kind::transport, 200, 7},
        {"/empty", true, Kind::transport, 204, 0},
        {"/gone", false, Kind::httpStatus, 404, 0},
        {"/broken", false, Kind::httpStatus, 500, 0},
        {"/exactly", true, Kind::transport, 200, std::size_t{1} << 20},
        {"/big", false, Kind::tooLarge, 200, 0},
        {"/big-unannounced", false, Kind::tooLarge, 200, 0},
        {"/moved", true, Kind::transport, 200, 7},
        {"/loop", false, Kind::transport, 302, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        tk::FetchResult result = get(server.url(c.path));
        EXPECT_EQ(result.ok(), c.ok);
        EXPECT_EQ(result.status, c.status);
        EXPECT_EQ(result.body.size(), c.bodySize);
        if (!c.ok) {
            ASSERT_TRUE(result.error.has_value());
            EXPECT_EQ(result.error->kind, c.kind);
        }
    }
    EXPECT_EQ(get(server.url("/ok")).body, "<feed/>");
}

TEST(CurlFetcher, RefusesWhatIsNotHttp) {
    for (const char* url : {"", "file:///etc/passwd", "ftp://127.0.0.1/", "zindral://openAndUpdate",
                            "http://127.0.0.1/\r\nX-Injected: 1"}) {
        SCOPED_TRACE(url);
        tk::FetchResult result = get(url);
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error->kind, Kind::invalidRequest);
    }
}

TEST(CurlFetcher, NothingListeningIsATransportError) {
    std::string url;
    {
        nettest::LoopbackServer closed({});
        url = closed.url("/feed");
    } // the port is free again, so the connection is refused
    tk::FetchResult result = get(url);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->kind, Kind::transport);
}

TEST(CurlFetcher, ASilentServerTimesOut) {
    nettest::LoopbackServer server({{"/hang", nettest::Route::held()}});
    tk::FetchResult result = get(server.url("/hang"), std::size_t{1} << 20, tk::seconds(0.3));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->kind, Kind::transport);
}

TEST(CurlFetcher, AStopRequestEndsAWaitingFetch) {
    nettest::LoopbackServer server({{"/hang", nettest::Route::held()}});
    tk::FetchRequest request;
    request.url = server.url("/hang");
    request.timeout = tk::seconds(60.0);
    std::stop_source stop;
    tk::FetchResult result;
    std::thread worker([&] { result = tk::CurlFetcher().fetch(request, stop.get_token()); });
    while (server.requests() == 0)
        std::this_thread::yield();
    const auto asked = std::chrono::steady_clock::now();
    stop.request_stop();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(10));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error->kind, Kind::cancelled);
}

} // namespace
