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
// ever blocking (pump() takes what has arrived), accepts only connections of the same user, caps a
// message at 64 KiB and gives each connection a fixed number of pumps for its whole message, however
// it trickles in. A later launch hands over only to a listener of the same user, and waits for the
// instance at most a timeout, for the connection, the sending and the answer together, so an
// instance that is stopped cannot hold a later launch. A socket file left by an instance that died
// is replaced.

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
    // when the folder is not the user's or other users may write in it.
    static Result listen(const std::filesystem::path& socketPath);
    ~InstanceServer();
    InstanceServer(const InstanceServer&) = delete;
    InstanceServer& operator=(const InstanceServer&) = delete;

    using Delivery = std::function<void(const std::vector<std::string>& urls)>;
    // [main] Accepts and reads what has arrived, without waiting; calls `deliver` once for each
    // complete message. Returns how many messages were delivered.
    int pump(const Delivery& deliver);

    const std::filesystem::path& socketPath() const { return path_; }

    static constexpr std::size_t kMaximumMessageBytes = 64 * 1024;
    static constexpr int kMaximumConnections = 8;
    // Pumps a connection has, from its first, to deliver its whole message before it is dropped.
    static constexpr int kMaximumMessagePumps = 50;

private:
    struct Connection {
        int fd = -1;
        std::string data;
        int pumps = 0;
    };
    InstanceServer(int fd, std::filesystem::path path);
    void acceptPending();
    void closeConnection(Connection& connection);

    int fd_ = -1;
    std::filesystem::path path_;
    std::vector<Connection> connections_;
};

// How long a later launch waits for the running instance, all told.
inline constexpr std::chrono::milliseconds kHandOverTimeout{5000};

struct HandOverResult {
    bool delivered = false;
    std::string error; // why not, when not: a sentence for the user
};

// [any] Sends `urls` to the instance listening at `socketPath` and waits, at most `timeout`, for it
// to take them. Not delivered when no instance listens, when the listener is not a process of
// `instanceOwner` (the user running this), when it does not answer in time, when it refuses the
// message, or when the message is longer than an instance accepts.
HandOverResult sendToRunningInstance(const std::filesystem::path& socketPath,
                                     const std::vector<std::string>& urls,
                                     std::chrono::milliseconds timeout = kHandOverTimeout,
                                     uid_t instanceOwner = ::getuid());

// [any] The URLs of a message (nothing when it is not one): the lines after the header, without
// empty lines and lines holding control characters.
std::optional<std::vector<std::string>> parseInstanceMessage(const std::string& message);

} // namespace app
