#pragma once
// A tiny HTTP/1.1 server for tests, on 127.0.0.1 only, on a port the system picks. It answers each
// connection's one GET from a table of routes and closes the connection. Bounded: request heads of
// at most 16 KiB, one connection at a time, and a route may hold its answer back until the test
// releases it (for timeouts and cancellation). Stopped and joined by the destructor.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace nettest {

struct Route {
    Route(int status_ = 200, std::string body_ = {}, std::string extraHeaders_ = {})
        : status(status_), body(std::move(body_)), extraHeaders(std::move(extraHeaders_)) {}
    static Route held() {
        Route route;
        route.hold = true;
        return route;
    }
    static Route unannounced(std::string body) {
        Route route(200, std::move(body));
        route.omitLength = true;
        return route;
    }

    int status = 200;
    std::string body;
    std::string extraHeaders; // each line ending in "\r\n", e.g. "Location: /feed\r\n"
    bool hold = false;        // answer nothing until the server is destroyed
    bool omitLength = false;  // no Content-Length: the body ends when the connection closes
};

class LoopbackServer {
public:
    explicit LoopbackServer(std::map<std::string, Route> routes) : routes_(std::move(routes)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ < 0)
            throw std::runtime_error("socket");
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 8) != 0)
            throw std::runtime_error("bind/listen");
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        stopping_.store(true);
        thread_.join();
        ::close(listener_);
    }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    // How many requests were answered or held so far.
    int requests() const { return requests_.load(); }

private:
    bool readable(int fd) const {
        pollfd entry{fd, POLLIN, 0};
        return ::poll(&entry, 1, 20) > 0; // short turns, so a stop is seen promptly
    }

    void serve() {
        while (!stopping_.load()) {
            if (!readable(listener_))
                continue;
            int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            answer(client);
            ::close(client);
        }
    }

    void answer(int client) {
        std::string head;
        char buffer[1024];
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 16384 && !stopping_.load()) {
            if (!readable(client))
                continue;
            ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0)
                return;
            head.append(buffer, static_cast<std::size_t>(got));
        }
        ++requests_;
        const auto firstSpace = head.find(' ');
        const auto secondSpace = head.find(' ', firstSpace + 1);
        if (firstSpace == std::string::npos || secondSpace == std::string::npos)
            return;
        const std::string path = head.substr(firstSpace + 1, secondSpace - firstSpace - 1);
        auto found = routes_.find(path);
        Route route = found != routes_.end() ? found->second : Route(404, "not here");
        if (route.hold) {
            while (!stopping_.load())
                readable(client);
            return;
        }
        std::string response =
            "HTTP/1.1 " + std::to_string(route.status) + " Test\r\n" +
            (route.omitLength ? std::string()
                              : "Content-Length: " + std::to_string(route.body.size()) + "\r\n") +
            "Connection: close\r\n" + route.extraHeaders + "\r\n" + route.body;
        std::size_t sent = 0;
        while (sent < response.size()) {
            ssize_t n = ::send(client, response.data() + sent, response.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += static_cast<std::size_t>(n);
        }
    }

    std::map<std::string, Route> routes_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace nettest
