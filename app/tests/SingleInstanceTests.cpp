#include "app/SingleInstance.h"

#include "platform/tk/base/tests/TempFolder.h"

#include "platform/tk/base/Clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {
namespace {

// A socket path in a fresh folder of its own (the server makes the folder), inside a temporary
// folder of this test program's own.
std::filesystem::path freshSocketPath(const std::string& name) {
    static const tk::testing::TempFolder programFolder("zindral-instance");
    return programFolder / name / "instance.sock";
}

// A later launch handing `urls` over while the first instance pumps, as its run loop would.
HandOverResult handOver(InstanceServer& server, const std::filesystem::path& path,
                        std::vector<std::string> urls, const InstanceServer::Delivery& deliver) {
    auto sending = std::async(std::launch::async, [&] { return sendToRunningInstance(path, urls); });
    while (sending.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        server.pump(deliver);
    return sending.get();
}

// A client socket connected to `path` (non-blocking), or -1. While the listener's queue is full,
// `whileWaiting` runs (the listener's loop taking connections) before it tries again.
int connectedSocket(const std::filesystem::path& path, const std::function<void()>& whileWaiting = {}) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            return fd;
        if (errno != EAGAIN || !whileWaiting)
            break;
        whileWaiting();
    }
    ::close(fd);
    return -1;
}

// A socket that someone listens on but never accepts from: an instance that was stopped.
struct StoppedInstance {
    explicit StoppedInstance(const std::filesystem::path& path) {
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::permissions(path.parent_path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        bound =
            ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && ::listen(fd, 1) == 0;
    }
    ~StoppedInstance() { ::close(fd); }
    int fd;
    bool bound;
};

TEST(AppSingleInstance, ASecondLaunchHandsItsURLsOverOnce) {
    const auto path = freshSocketPath("handoff");
    auto first = InstanceServer::listen(path);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    EXPECT_EQ(std::filesystem::status(path.parent_path()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all)
        << "the folder is private to the user";

    const auto second = InstanceServer::listen(path);
    EXPECT_EQ(second.status, InstanceServer::Status::anotherInstanceRunning);
    std::vector<std::vector<std::string>> delivered;
    auto record = [&](const std::vector<std::string>& urls) { delivered.push_back(urls); };
    const auto result =
        handOver(*first.server, path, {"zindral://openAndUpdate", "https://elsewhere.example/"}, record);
    EXPECT_TRUE(result.delivered) << result.error;
    EXPECT_EQ(first.server->pump(record), 0) << "each message once";
    ASSERT_EQ(delivered.size(), 1u) << "the probe of the second launch is no message";
    EXPECT_EQ(delivered[0],
              (std::vector<std::string>{"zindral://openAndUpdate", "https://elsewhere.example/"}));

    EXPECT_TRUE(handOver(*first.server, path, {}, record).delivered);
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_TRUE(delivered[1].empty()) << "a plain second launch asks for the window";
}

TEST(AppSingleInstance, ForeignOrOversizedMessagesAreDropped) {
    const auto path = freshSocketPath("garbage");
    auto first = InstanceServer::listen(path);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    auto sendRaw = [&](const std::string& bytes) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
        ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            first.server->pump({}); // keeps reading so that a large message cannot block the sender
            const ssize_t n =
                ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_DONTWAIT | MSG_NOSIGNAL);
            if (n > 0)
                sent += std::size_t(n);
            else if (errno != EAGAIN)
                break;
        }
        ::close(fd);
    };
    sendRaw("GET / HTTP/1.0\r\n\r\n");
    sendRaw(std::string(kInstanceMessageHeader) + "\n" +
            std::string(InstanceServer::kMaximumMessageBytes, 'x'));
    int delivered = 0;
    first.server->pump([&](const std::vector<std::string>&) { ++delivered; });
    EXPECT_EQ(delivered, 0);
    EXPECT_EQ(parseInstanceMessage(std::string(kInstanceMessageHeader) + "\nzindral://a\n\nbad\x01url\n"),
              (std::vector<std::string>{"zindral://a"}));
}

TEST(AppSingleInstance, ASocketLeftByADeadInstanceIsReplaced) {
    const auto path = freshSocketPath("stale");
    {
        auto dead = InstanceServer::listen(path);
        ASSERT_EQ(dead.status, InstanceServer::Status::listening);
    }
    // What a crash leaves behind: a socket file that nobody listens on.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(std::filesystem::exists(path));

    auto fresh = InstanceServer::listen(path);
    EXPECT_EQ(fresh.status, InstanceServer::Status::listening) << fresh.error;
    const auto nobody = sendToRunningInstance(freshSocketPath("nobody"), {"zindral://openAndUpdate"});
    EXPECT_FALSE(nobody.delivered);
    EXPECT_NE(nobody.error.find("no instance"), std::string::npos) << nobody.error;
}

TEST(AppSingleInstance, AStoppedInstanceHoldsNoLaterLaunch) {
    const auto path = freshSocketPath("stopped");
    StoppedInstance stopped(path);
    ASSERT_TRUE(stopped.bound);
    // More launches than its backlog takes: each gives up after the timeout instead of blocking.
    for (int launch = 0; launch < 5; ++launch) {
        const auto second = InstanceServer::listen(path);
        EXPECT_EQ(second.status, InstanceServer::Status::anotherInstanceRunning) << launch;
        const auto result =
            sendToRunningInstance(path, {"zindral://openAndUpdate"}, std::chrono::milliseconds(50));
        EXPECT_FALSE(result.delivered) << launch;
        EXPECT_EQ(result.error, "the running instance does not answer") << launch;
    }
}

TEST(AppSingleInstance, AMessageHasADeadlineHoweverItTrickles) {
    const auto path = freshSocketPath("trickle");
    auto clock = std::make_shared<tk::ManualClock>();
    auto first = InstanceServer::listen(path, clock);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    const int fd = connectedSocket(path);
    ASSERT_GE(fd, 0);
    const std::string message = std::string(kInstanceMessageHeader) + "\nzindral://openAndUpdate\n";
    constexpr auto kPumpInterval = std::chrono::milliseconds(20);
    int pumps = 0;
    bool dropped = false;
    for (std::size_t i = 0; !dropped && pumps < 1000; ++pumps) {
        // One byte for every pump, never finishing: each pump sees progress.
        dropped = ::send(fd, &message[i % message.size()], 1, MSG_NOSIGNAL | MSG_DONTWAIT) < 0;
        ++i;
        first.server->pump({});
        clock->advance(kPumpInterval);
    }
    EXPECT_TRUE(dropped);
    EXPECT_LE(pumps, InstanceServer::kMessageDeadline / kPumpInterval + 2);
    ::close(fd);
}

// What a later launch puts on the wire: its probe (connected and closed at once), then its message,
// whole, with its sending side closed. Returns the launch's socket, waiting for the answer.
int sendLaunch(const std::filesystem::path& path, const std::string& url,
               const std::function<void()>& whileWaiting) {
    const int probe = connectedSocket(path, whileWaiting);
    if (probe < 0)
        return -1;
    ::close(probe);
    const int fd = connectedSocket(path, whileWaiting);
    if (fd < 0)
        return -1;
    const std::string message = std::string(kInstanceMessageHeader) + "\n" + url + "\n";
    if (::send(fd, message.data(), message.size(), MSG_NOSIGNAL) != ssize_t(message.size())) {
        ::close(fd);
        return -1;
    }
    ::shutdown(fd, SHUT_WR);
    return fd;
}

// The instance's answer on a launch's socket: "ok\n", "" when it closed the connection, "?" when
// nothing has come yet.
std::string answerOn(int fd) {
    char answer[8] = {};
    const ssize_t n = ::recv(fd, answer, sizeof answer - 1, MSG_DONTWAIT);
    return n < 0 ? "?" : std::string(answer, std::size_t(n));
}

bool closedByTheInstance(int fd) {
    char byte;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

// Launches at once, each with its probe: many more connections than the instance holds, their
// messages all queued before it reads any. Every one is taken, in the order they came, with no
// time gone by: a connection with bytes waiting never gives way.
TEST(AppSingleInstance, EveryLaunchOfABurstHandsOverInOrder) {
    for (const int launches : {8, 20, 50, 150}) {
        SCOPED_TRACE(launches);
        const auto path = freshSocketPath("burst-" + std::to_string(launches));
        auto clock = std::make_shared<tk::ManualClock>();
        auto first = InstanceServer::listen(path, clock);
        ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
        std::vector<std::string> delivered;
        auto record = [&](const std::vector<std::string>& urls) {
            delivered.insert(delivered.end(), urls.begin(), urls.end());
        };
        std::vector<int> sockets;
        std::vector<std::string> sent;
        for (int i = 0; i < launches; ++i) {
            sent.push_back("zindral://burst" + std::to_string(i));
            // The instance's loop turns only when the listen queue is full.
            sockets.push_back(sendLaunch(path, sent.back(), [&] { first.server->pump(record); }));
            ASSERT_GE(sockets.back(), 0) << i;
        }
        for (int turn = 0; turn < 2; ++turn) // a pump takes at most a full listen queue
            first.server->pump(record);
        EXPECT_EQ(delivered, sent);
        for (int fd : sockets) {
            EXPECT_EQ(answerOn(fd), "ok\n");
            ::close(fd);
        }
    }
}

// When the instance is full and another connection waits, one held connection gives way: only one
// that has sent nothing for kIdleBeforeEviction, and never one whose bytes have come since the
// last pump.
TEST(AppSingleInstance, OnlyAConnectionSilentForAWhileGivesWay) {
    using std::chrono::milliseconds;
    const std::string header = std::string(kInstanceMessageHeader) + "\n";
    struct Case {
        const char* name;
        tk::Clock::Duration silence; // since the held ones were taken
        bool sendsBeforeTheNextPump; // the held ones' bytes wait when the newcomer comes
        bool heldOnesKept;
    };
    const Case cases[] = {
        {"silent a moment", InstanceServer::kIdleBeforeEviction - milliseconds(1), false, true},
        {"silent a while", InstanceServer::kIdleBeforeEviction, false, false},
        {"silent a while, then bytes waiting", InstanceServer::kIdleBeforeEviction, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = freshSocketPath(std::string("evict-") + std::to_string(&c - cases));
        auto clock = std::make_shared<tk::ManualClock>();
        auto first = InstanceServer::listen(path, clock);
        ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
        std::vector<std::string> delivered;
        std::size_t messages = 0;
        auto record = [&](const std::vector<std::string>& urls) {
            ++messages;
            delivered.insert(delivered.end(), urls.begin(), urls.end());
        };
        std::vector<int> held;
        for (int i = 0; i < InstanceServer::kMaximumConnections; ++i) {
            held.push_back(connectedSocket(path));
            ASSERT_GE(held.back(), 0);
            ASSERT_EQ(::send(held.back(), header.data(), header.size(), MSG_NOSIGNAL),
                      ssize_t(header.size()));
        }
        first.server->pump(record); // all held, each with the start of a message
        clock->advance(c.silence);
        if (c.sendsBeforeTheNextPump) {
            for (int fd : held)
                ASSERT_EQ(::send(fd, "zindral://late", 14, MSG_NOSIGNAL), 14);
        }
        const int newcomer = sendLaunch(path, "zindral://newcomer", {});
        ASSERT_GE(newcomer, 0);
        first.server->pump(record);
        EXPECT_EQ(std::count_if(held.begin(), held.end(), closedByTheInstance), c.heldOnesKept ? 0 : 1);
        EXPECT_EQ(delivered, c.heldOnesKept ? std::vector<std::string>{}
                                            : std::vector<std::string>{"zindral://newcomer"});

        // Finishing their messages, the ones still held hand over too.
        for (int fd : held)
            if (!closedByTheInstance(fd)) {
                ASSERT_EQ(::send(fd, "\n", 1, MSG_NOSIGNAL), 1);
                ::shutdown(fd, SHUT_WR);
            }
        for (int turn = 0; turn < 3; ++turn)
            first.server->pump(record);
        EXPECT_EQ(answerOn(newcomer), "ok\n");
        EXPECT_EQ(messages, std::size_t(InstanceServer::kMaximumConnections) + (c.heldOnesKept ? 1 : 0));
        ::close(newcomer);
        for (int fd : held)
            ::close(fd);
    }
}

// Connections of the same user that never send (a stuck client, or a flood of them) give way to
// newer ones once they have been silent a while, and are dropped at their deadline anyway: with
// 40 idle ones about, a later launch hands over within a second, the instance's loop turning as
// the program's does.
TEST(AppSingleInstance, IdleConnectionsCannotHoldAHandOver) {
    const auto path = freshSocketPath("idle");
    auto clock = std::make_shared<tk::ManualClock>();
    auto first = InstanceServer::listen(path, clock);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    std::vector<std::string> delivered;
    auto record = [&](const std::vector<std::string>& urls) {
        delivered.insert(delivered.end(), urls.begin(), urls.end());
    };

    std::vector<int> idle;
    for (int i = 0; i < 40; ++i) {
        idle.push_back(connectedSocket(path, [&] { first.server->pump(record); }));
        ASSERT_GE(idle.back(), 0) << i;
        first.server->pump(record); // the instance's loop turns between arrivals, time standing still
    }
    const int launch = sendLaunch(path, "zindral://openAndUpdate", [&] { first.server->pump(record); });
    ASSERT_GE(launch, 0);
    constexpr auto kPumpInterval = std::chrono::milliseconds(200);
    const auto start = clock->now();
    std::string answer = "?";
    for (first.server->pump(record);
         (answer = answerOn(launch)) == "?" && clock->now() - start < kHandOverTimeout;
         first.server->pump(record))
        clock->advance(kPumpInterval);
    EXPECT_EQ(answer, "ok\n");
    EXPECT_LE(clock->now() - start, std::chrono::seconds(1));
    EXPECT_EQ(delivered, std::vector<std::string>{"zindral://openAndUpdate"});
    ::close(launch);

    // The idle ones go too, none later than its deadline after it was taken.
    for (int turn = 0; turn < 10; ++turn) {
        first.server->pump(record);
        clock->advance(kPumpInterval);
    }
    EXPECT_EQ(std::count_if(idle.begin(), idle.end(), closedByTheInstance), 40);
    // And the whole way of a later launch, the same.
    const auto result = handOver(*first.server, path, {"zindral://openAndUpdate"}, record);
    EXPECT_TRUE(result.delivered) << result.error;
    EXPECT_EQ(delivered.size(), 2u);
    for (int fd : idle)
        ::close(fd);
}

// A listener that takes the connection and closes it without a word: the launch says so.
TEST(AppSingleInstance, ALaunchNamesAConnectionClosedBeforeAnAnswer) {
    const auto path = freshSocketPath("closing");
    StoppedInstance listener(path);
    ASSERT_TRUE(listener.bound);
    auto sending = std::async(std::launch::async, [&] {
        return sendToRunningInstance(path, {"zindral://openAndUpdate"}, std::chrono::seconds(5));
    });
    const int accepted = ::accept(listener.fd, nullptr, nullptr);
    ASSERT_GE(accepted, 0);
    ::close(accepted);
    const auto result = sending.get();
    EXPECT_FALSE(result.delivered);
    EXPECT_EQ(result.error, "the running instance closed the connection before an answer");
}

TEST(AppSingleInstance, OnlyAFolderThatNoOtherUserWritesInHoldsTheSocket) {
    struct Case {
        std::filesystem::perms mode;
        bool listens;
    };
    using std::filesystem::perms;
    const Case cases[] = {
        {perms::owner_all, true},
        {perms::owner_all | perms::group_read | perms::group_exec | perms::others_read | perms::others_exec,
         true},
        {perms::owner_all | perms::group_all, false},
        {perms::owner_all | perms::others_write | perms::others_exec, false},
        {perms::all, false},
        {perms::all | perms::sticky_bit, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        const auto path = freshSocketPath("mode-" + std::to_string(n++));
        std::filesystem::create_directories(path.parent_path());
        std::filesystem::permissions(path.parent_path(), c.mode, std::filesystem::perm_options::replace);
        SCOPED_TRACE(path.parent_path().string());
        const auto result = InstanceServer::listen(path);
        if (c.listens) {
            EXPECT_EQ(result.status, InstanceServer::Status::listening) << result.error;
        } else {
            EXPECT_EQ(result.status, InstanceServer::Status::failed);
            EXPECT_NE(result.error.find("can be written by other users"), std::string::npos) << result.error;
            EXPECT_FALSE(std::filesystem::exists(path)) << "no socket was bound there";
        }
    }
}

TEST(AppSingleInstance, URLsGoOnlyToAListenerOfTheSameUser) {
    const auto path = freshSocketPath("owner");
    auto first = InstanceServer::listen(path);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    // The listener is this user's; a launch of someone else expects its own user there.
    const auto result = sendToRunningInstance(path, {"zindral://openAndUpdate"},
                                              std::chrono::milliseconds(500), ::getuid() + 1);
    EXPECT_FALSE(result.delivered);
    EXPECT_NE(result.error.find("is not this user's"), std::string::npos) << result.error;
    int delivered = 0;
    for (int i = 0; i < 3; ++i)
        first.server->pump([&](const std::vector<std::string>&) { ++delivered; });
    EXPECT_EQ(delivered, 0) << "nothing was sent";
}

TEST(AppSingleInstance, URLsLongerThanAnInstanceTakesAreNotHandedOver) {
    const auto path = freshSocketPath("long");
    auto first = InstanceServer::listen(path);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    int delivered = 0;
    const auto result = handOver(*first.server, path, {"zindral://" + std::string(70 * 1024, 'a')},
                                 [&](const std::vector<std::string>&) { ++delivered; });
    EXPECT_FALSE(result.delivered);
    EXPECT_NE(result.error.find("64 KiB"), std::string::npos) << result.error;
    EXPECT_EQ(delivered, 0);
}

} // namespace
} // namespace app
