#include "app/SingleInstance.h"

#include "app/URLMatching.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

namespace app {

namespace {
bool makeAddress(const std::filesystem::path& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    if (text.empty() || text.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return true;
}

// Connects to the socket at `path`: the connected descriptor, or -1 with errno set.
int connectTo(const std::filesystem::path& path) {
    sockaddr_un address;
    if (!makeAddress(path, address)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}
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

InstanceServer::Result InstanceServer::listen(const std::filesystem::path& socketPath) {
    Result result;
    sockaddr_un address;
    if (!makeAddress(socketPath, address)) {
        result.error = "the socket path is too long: " + socketPath.string();
        return result;
    }
    // The folder is the user's own: other users can neither reach the socket nor plant one.
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
            if (::listen(fd, kMaximumConnections) != 0) {
                result.error = std::string("listen: ") + std::strerror(errno);
                ::close(fd);
                return result;
            }
            result.status = Status::listening;
            result.server.reset(new InstanceServer(fd, socketPath));
            return result;
        }
        ::close(fd);
        if (bindError != EADDRINUSE) {
            result.error = std::string("bind: ") + std::strerror(bindError);
            return result;
        }
        // Someone's socket file: a living instance answers; a dead one's file is replaced.
        const int probe = connectTo(socketPath);
        if (probe >= 0) {
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

InstanceServer::InstanceServer(int fd, std::filesystem::path path) : fd_(fd), path_(std::move(path)) {}

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

void InstanceServer::acceptPending() {
    while (static_cast<int>(connections_.size()) < kMaximumConnections) {
        const int fd = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        ucred peer{};
        socklen_t length = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) != 0 || peer.uid != ::getuid()) {
            ::close(fd);
            continue;
        }
        connections_.push_back(Connection{fd, {}, 0});
    }
}

int InstanceServer::pump(const Delivery& deliver) {
    acceptPending();
    std::vector<std::vector<std::string>> messages;
    for (auto& c : connections_) {
        bool finished = false;
        bool progressed = false;
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(c.fd, buffer, sizeof buffer);
            if (n > 0) {
                progressed = true;
                c.data.append(buffer, std::size_t(n));
                if (c.data.size() > kMaximumMessageBytes) {
                    closeConnection(c); // too long: not a message of ours
                    break;
                }
                continue;
            }
            if (n == 0)
                finished = true;
            else if (errno == EINTR)
                continue;
            else if (errno != EAGAIN && errno != EWOULDBLOCK)
                closeConnection(c);
            break;
        }
        if (c.fd < 0)
            continue;
        if (finished) {
            if (auto urls = parseInstanceMessage(c.data))
                messages.push_back(std::move(*urls));
            closeConnection(c);
        } else if (!progressed && ++c.idlePumps > kMaximumIdlePumps) {
            closeConnection(c);
        }
    }
    std::erase_if(connections_, [](const Connection& c) { return c.fd < 0; });
    // Delivered after the bookkeeping, so that a delivery may pump again or destroy nothing here.
    if (deliver)
        for (const auto& urls : messages)
            deliver(urls);
    return static_cast<int>(messages.size());
}

bool sendToRunningInstance(const std::filesystem::path& socketPath, const std::vector<std::string>& urls) {
    const int fd = connectTo(socketPath);
    if (fd < 0)
        return false;
    std::string message = std::string(kInstanceMessageHeader) + "\n";
    for (const auto& url : urls)
        if (!hasControlCharacters(url))
            message += url + "\n";
    std::size_t sent = 0;
    bool ok = true;
    while (sent < message.size()) {
        const ssize_t n = ::send(fd, message.data() + sent, message.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        sent += std::size_t(n);
    }
    ::shutdown(fd, SHUT_WR);
    ::close(fd);
    return ok;
}

} // namespace app
