#pragma once

// One running instance per user. The first instance listens on a Unix-domain socket; a later
// launch finds it there, hands over its URLs and exits.
//
//     auto listening = InstanceServer::listen(path);
//     if (listening.status == InstanceServer::Status::anotherInstanceRunning)
//         return sendToRunningInstance(path, urls).delivered ? 0 : 1;
//     ... every so often, on the main thread: listening.server->pump([](auto urls) { ... });
//
// The message is one header line, then one URL per line, ended by closing the sending side:
//
//     zindral-open 1\n
//     zindral://openAndUpdate\n
//
// The instance answers a message it takes with "ok\n"; only then has the hand-over succeeded.
// An empty list asks the running instance to bring its window forward. The server reads without
// ever blocking (pump() takes what has arrived), accepts only connections of the same user and caps
// a message at 64 KiB. A later launch sends its whole message as soon as it is connected, so a
// connection gets kMessageDeadline from its acceptance for its message, however it trickles in,
// and one that sends nothing is dropped then. Each pump first reads what every held connection has
// sent, then takes the connections waiting to be accepted, reading each at once: a message that is
// whole by then is answered without ever holding a place. Beyond kMaximumConnections held, a held
// connection gives way only when nothing is waiting on it and it has sent nothing for kIdleBeforeEviction;
// when none may give way, the rest wait in the listen queue for a later pump. So connections that
// stay idle cannot keep a hand-over waiting for long, and a launch that is sending is never closed.
// A later launch hands over only to a listener of the same user, and waits for the instance at most
// a timeout, for the connection, the sending and the answer together, so an instance that is
// stopped cannot hold a later launch. A socket file left by an instance that died is replaced.

#include "platform/tk/base/Clock.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace app {

inline constexpr const char* kInstanceMessageHeader = "zindral-open 1";

// [any] $XDG_RUNTIME_DIR/zindral/instance.sock, or /tmp/zindral-<uid>/instance.sock without one.
std::filesystem::path defaultInstanceSocketPath();

class InstanceServer {
public:
    enum class Status { listening, anotherInstanceRunning, failed };
    struct Result {
        Status status = Status::failed;
        std::unique_ptr<InstanceServer> server; // when listening
        std::string error;                      // when failed
    };

    // [main] Listens at `socketPath` (its folder is made, private to the user, when missing). Fails
    // when the folder is not the user's or other users may write in it. Connections' deadlines are
    // measured with `clock` (null: the steady clock).
    static Result listen(const std::filesystem::path& socketPath,
                         std::shared_ptr<const tk::Clock> clock = nullptr);
    ~InstanceServer();
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    using Delivery = std::function<void(const std::vector<std::string>& urls)>;
    // [main] Accepts and reads what has arrived, without waiting; calls `deliver` once for each
    // complete message. Returns how many messages were delivered.
    int pump(const Delivery& deliver);

    const std::filesystem::path& socketPath() const { return path_; }

    static constexpr std::size_t kMaximumMessageBytes = 64 * 1024;
    // Connections held at once, reading their messages.
    static constexpr int kMaximumConnections = 16;
    // Connections the system keeps waiting between two pumps.
    static constexpr int kListenBacklog = 64;
    // How long a connection has, from its acceptance, for its whole message.
    static constexpr tk::Clock::Duration kMessageDeadline = std::chrono::milliseconds(500);
    // How long a held connection must have sent nothing before it may give way to a newer one.
    static constexpr tk::Clock::Duration kIdleBeforeEviction = std::chrono::milliseconds(100);

private:
    struct Connection {
        int fd = -1;
        std::string data;
        tk::Clock::TimePoint accepted;
        tk::Clock::TimePoint lastReceived; // the acceptance until something arrives
        bool finished = false;             // the sender closed its side
    };
    InstanceServer(int fd, std::filesystem::path path, std::shared_ptr<const tk::Clock> clock);
    // Reads what has arrived on `connection`; true when something did (bytes or the end).
    bool readWaiting(Connection& connection, tk::Clock::TimePoint now);
    // Answers and closes a finished connection, keeping its URLs when it held a message.
    void finish(Connection& connection, std::vector<std::vector<std::string>>& messages);
    // Whether a connection waits in the listen queue.
    bool connectionWaiting() const;
    void acceptPending(tk::Clock::TimePoint now, std::vector<std::vector<std::string>>& messages);
    // Closes the held connection idle longest, when one may give way (see above); false when none.
    bool makeRoom(tk::Clock::TimePoint now, std::vector<std::vector<std::string>>& messages);
    void closeConnection(Connection& connection);

    int fd_ = -1;
    std::filesystem::path path_;
    std::shared_ptr<const tk::Clock> clock_;
    std::vector<Connection> connections_; // oldest first
};

// How long a later launch waits for the running instance, all told.
inline constexpr std::chrono::milliseconds kHandOverTimeout{5000};

struct HandOverResult {
    bool delivered = false;
    std::string error; // why not, when not: a sentence for the user
};

// [any] Sends `urls` to the instance listening at `socketPath` and waits, at most `timeout`, for it
// to take them. Not delivered when no instance listens, when the listener is not a process of
// `instanceOwner` (the user running this), when it does not answer in time, when it closes the
// connection without taking the message, or when the message is longer than an instance accepts.
HandOverResult sendToRunningInstance(const std::filesystem::path& socketPath,
                                     const std::vector<std::string>& urls,
                                     std::chrono::milliseconds timeout = kHandOverTimeout,
                                     uid_t instanceOwner = ::getuid());

// [any] The URLs of a message (nothing when it is not one): the lines after the header, without
// empty lines and lines holding control characters.
std::optional<std::vector<std::string>> parseInstanceMessage(const std::string& message);

} // namespace app
