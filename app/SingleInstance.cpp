#include "app/SingleInstance.h"

#include "app/URLMatching.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

namespace app {

namespace {
// How long the first instance's check for a living one waits.
constexpr std::chrono::milliseconds kProbeTimeout{1000};

bool makeAddress(const std::filesystem::path& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    if (text.empty() || text.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

using Clock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, for poll (0 once it has passed).
int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(std::min<long long>(left, 60'000)) : 0;
}

// Connects to the socket at `path` before `deadline`: the connected descriptor (non-blocking), or
// -1 with errno set (ETIMEDOUT when a listener is there but does not take the connection in time).
int connectTo(const std::filesystem::path& path, Clock::time_point deadline) {
    sockaddr_un address;
    if (!makeAddress(path, address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        int error = errno;
        if (error == EINTR)
            continue;
        // A full backlog: the listener is alive but does not accept (stopped, or busy). Unix sockets
        // cannot be polled for that, so try again shortly.
        if (error == EAGAIN && millisecondsUntil(deadline) > 0) {
            ::poll(nullptr, 0, std::min(10, millisecondsUntil(deadline)));
            continue;
        }
        if (error == EAGAIN)
            error = ETIMEDOUT;
        ::close(fd);
        errno = error;
        return -1;
    }
}

// Waits for `events` on `fd` until `deadline`; false when the time ran out.
bool waitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int n = ::poll(&p, 1, millisecondsUntil(deadline));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

constexpr std::string_view kAcknowledgement = "ok\n";
} // namespace

std::filesystem::path defaultInstanceSocketPath() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        const std::filesystem::path dir(runtime);
        if (dir.is_absolute())
            return dir / "zindral" / "instance.sock";
    }
    return std::filesystem::path("/tmp") / ("zindral-" + std::to_string(::getuid())) / "instance.sock";
}

std::optional<std::vector<std::string>> parseInstanceMessage(const std::string& message) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < message.size()) {
        auto end = message.find('\n', start);
        if (end == std::string::npos)
            end = message.size();
        lines.push_back(message.substr(start, end - start));
        start = end + 1;
    }
    if (lines.empty() || lines.front() != kInstanceMessageHeader)
        return std::nullopt;
    std::vector<std::string> urls;
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!lines[i].empty() && !hasControlCharacters(lines[i]))
            urls.push_back(lines[i]);
    return urls;
}

InstanceServer::Result InstanceServer::listen(const std::filesystem::path& socketPath,
                                              std::shared_ptr<const tk::Clock> clock) {
    Result result;
    sockaddr_un address;
    if (!makeAddress(socketPath, address)) {
        result.error = "the socket path is too long: " + socketPath.string();
        return result;
    }
    // The folder is the user's own and only the user writes in it: other users can neither bind
    // the socket there (and so receive the URLs later launches hand over) nor plant one.
    const auto folder = socketPath.parent_path();
    std::error_code ec;
    if (!std::filesystem::exists(folder, ec)) {
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            result.error = "cannot make " + folder.string() + ": " + std::strerror(errno);
            return result;
        }
    }
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        result.error = folder.string() + " is not a folder of this user";
        return result;
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        result.error = folder.string() + " can be written by other users";
        return result;
    }

    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) {
            result.error = std::string("socket: ") + std::strerror(errno);
            return result;
        }
        const mode_t previous = ::umask(0077);
        const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        const int bindError = errno;
        ::umask(previous);
        if (bound == 0) {
            if (::listen(fd, kListenBacklog) != 0) {
                result.error = std::string("listen: ") + std::strerror(errno);
                ::close(fd);
                return result;
            }
            result.status = Status::listening;
            result.server.reset(new InstanceServer(fd, socketPath, std::move(clock)));
            return result;
        }
        ::close(fd);
        if (bindError != EADDRINUSE) {
            result.error = std::string("bind: ") + std::strerror(bindError);
            return result;
        }
        // Someone's socket file: a living instance answers; a dead one's file is replaced. One that
        // listens without taking connections (stopped) is living too.
        const int probe = connectTo(socketPath, Clock::now() + kProbeTimeout);
        if (probe >= 0 || errno == ETIMEDOUT) {
            if (probe >= 0)
                ::close(probe);
            result.status = Status::anotherInstanceRunning;
            return result;
        }
        if (errno != ECONNREFUSED && errno != ENOENT) {
            result.error = std::string("connect: ") + std::strerror(errno);
            return result;
        }
        ::unlink(socketPath.c_str());
    }
    result.error = "cannot listen at " + socketPath.string();
    return result;
}

InstanceServer::InstanceServer(int fd, std::filesystem::path path, std::shared_ptr<const tk::Clock> clock)
    : fd_(fd), path_(std::move(path)), clock_(clock ? std::move(clock) : tk::SteadyClock::shared()) {}

InstanceServer::~InstanceServer() {
    for (auto& c : connections_)
        closeConnection(c);
    ::close(fd_);
    ::unlink(path_.c_str());
}

void InstanceServer::closeConnection(Connection& connection) {
    if (connection.fd >= 0)
        ::close(connection.fd);
    connection.fd = -1;
}

bool InstanceServer::readWaiting(Connection& c, tk::Clock::TimePoint now) {
    bool received = false;
    char buffer[4096];
    while (c.fd >= 0 && !c.finished) {
        const ssize_t n = ::read(c.fd, buffer, sizeof buffer);
        if (n > 0) {
            received = true;
            c.lastReceived = now;
            c.data.append(buffer, std::size_t(n));
            if (c.data.size() > kMaximumMessageBytes)
                closeConnection(c); // too long: not a message of ours
        } else if (n == 0) {
            received = true;
            c.finished = true;
        } else if (errno != EINTR) {
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                closeConnection(c);
            break;
        }
    }
    return received;
}

void InstanceServer::finish(Connection& c, std::vector<std::vector<std::string>>& messages) {
    if (auto urls = parseInstanceMessage(c.data)) {
        messages.push_back(std::move(*urls));
        // The sender waits for this; a sender that is gone does not matter.
        (void)::send(c.fd, kAcknowledgement.data(), kAcknowledgement.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    }
    closeConnection(c);
}

bool InstanceServer::makeRoom(tk::Clock::TimePoint now, std::vector<std::vector<std::string>>& messages) {
    // Oldest silence first; a connection with bytes waiting has just spoken and is not a candidate.
    for (;;) {
        auto victim = connections_.end();
        for (auto c = connections_.begin(); c != connections_.end(); ++c)
            if (c->fd >= 0 && now - c->lastReceived >= kIdleBeforeEviction &&
                (victim == connections_.end() || c->lastReceived < victim->lastReceived))
                victim = c;
        if (victim == connections_.end())
            return false;
        if (readWaiting(*victim, now)) {
            if (victim->finished)
                finish(*victim, messages);
            if (victim->fd < 0) {
                connections_.erase(victim); // finished or failed: its place is free
                return true;
            }
            continue; // it spoke after all; look again
        }
        closeConnection(*victim);
        connections_.erase(victim);
        return true;
    }
}

bool InstanceServer::connectionWaiting() const {
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN) != 0;
}

void InstanceServer::acceptPending(tk::Clock::TimePoint now,
                                   std::vector<std::vector<std::string>>& messages) {
    // Bounded, so that a flood of connections cannot keep one pump going.
    for (int accepted = 0; accepted < kListenBacklog; ++accepted) {
        // A full server takes no more until one of its connections may give way; the rest wait in
        // the listen queue.
        if (static_cast<int>(connections_.size()) >= kMaximumConnections &&
            (!connectionWaiting() || !makeRoom(now, messages)))
            return;
        const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        ucred peer{};
        socklen_t length = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::getuid()) {
            ::close(fd);
            continue;
        }
        Connection c{fd, {}, now, now, false};
        // A later launch has usually sent its whole message by the time it is taken.
        readWaiting(c, now);
        if (c.finished)
            finish(c, messages);
        if (c.fd >= 0)
            connections_.push_back(std::move(c));
    }
}

int InstanceServer::pump(const Delivery& deliver) {
    // A message that has arrived whole is taken however late this pump comes; the deadline is for
    // what is still missing.
    const auto now = clock_->now();
    std::vector<std::vector<std::string>> messages;
    for (auto& c : connections_) {
        readWaiting(c, now);
        if (c.finished)
            finish(c, messages);
        else if (c.fd >= 0 && now - c.accepted >= kMessageDeadline)
            closeConnection(c); // the whole message, however it trickles, has a deadline
    }
    std::erase_if(connections_, [](const Connection& c) { return c.fd < 0; });
    acceptPending(now, messages);
    // Delivered after the bookkeeping, so that a delivery may pump again or destroy nothing here.
    if (deliver)
        for (const auto& urls : messages)
            deliver(urls);
    return static_cast<int>(messages.size());
}

HandOverResult sendToRunningInstance(const std::filesystem::path& socketPath,
                                     const std::vector<std::string>& urls, std::chrono::milliseconds timeout,
                                     uid_t instanceOwner) {
    std::string message = std::string(kInstanceMessageHeader) + "\n";
    for (const auto& url : urls)
        if (!hasControlCharacters(url))
            message += url + "\n";
    if (message.size() > InstanceServer::kMaximumMessageBytes)
        return {false, "the URLs are longer than the running instance accepts (" +
                           std::to_string(InstanceServer::kMaximumMessageBytes / 1024) + " KiB)"};
    const auto deadline = Clock::now() + timeout;
    const int fd = connectTo(socketPath, deadline);
    if (fd < 0)
        return {false, errno == ETIMEDOUT
                           ? "the running instance does not answer"
                           : std::string("no instance to hand over to (") + std::strerror(errno) + ")"};
    const auto fail = [fd](std::string why) {
        ::close(fd);
        return HandOverResult{false, std::move(why)};
    };
    // Whoever listens there gets the URLs: only an instance of the same user may.
    ucred peer{};
    socklen_t length = sizeof peer;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != instanceOwner)
        return fail("the instance listening at " + socketPath.string() + " is not this user's");
    for (std::size_t sent = 0; sent < message.size();) {
        const ssize_t n = ::send(fd, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += std::size_t(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitFor(fd, POLLOUT, deadline))
                return fail("the running instance does not answer");
        } else {
            return fail("the running instance closed the connection before an answer");
        }
    }
    ::shutdown(fd, SHUT_WR);
    std::string answer;
    while (answer.size() < kAcknowledgement.size()) {
        if (!waitFor(fd, POLLIN, deadline))
            return fail("the running instance does not answer");
        char buffer[8];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            break;
        answer.append(buffer, std::size_t(n));
    }
    if (answer.empty())
        return fail("the running instance closed the connection before an answer");
    if (answer != kAcknowledgement)
        return fail("the running instance gave an answer this launch does not know");
    ::close(fd);
    return {true, {}};
}

} // namespace app
