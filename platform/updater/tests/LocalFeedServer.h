#pragma once

// A tiny HTTP server for the tests, on 127.0.0.1 only, on a port the system picks: it answers
// each connection's GET with the route's status and body and closes the connection. Bounded: one
// connection at a time, request heads of at most 8 KiB, a short read deadline. Stopped and joined
// by its destructor.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>

namespace updatertest {

struct Response {
    int status = 200;
    std::string body;
};

class LocalFeedServer {
public:
    explicit LocalFeedServer(std::map<std::string, Response> routes) : routes_(std::move(routes)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ < 0)
            throw std::runtime_error("socket");
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(listener_, 4) != 0)
            throw std::runtime_error("bind/listen");
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        if (::pipe(stopPipe_) != 0)
            throw std::runtime_error("pipe");
        thread_ = std::thread([this] { serve(); });
    }

    ~LocalFeedServer() {
        const char byte = 1;
        (void)!::write(stopPipe_[1], &byte, 1);
        thread_.join();
        ::close(listener_);
        ::close(stopPipe_[0]);
        ::close(stopPipe_[1]);
    }

    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    int requests() const { return requests_; } // read after the fetch has finished

private:
    void serve() {
        for (;;) {
            pollfd fds[2] = {{listener_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
            if (::poll(fds, 2, -1) < 0)
                continue;
            if (fds[1].revents)
                return;
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                continue;
            answer(connection);
            ::close(connection);
        }
    }

    void answer(int connection) {
        std::string head;
        char buffer[1024];
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 8192) {
            pollfd fd{connection, POLLIN, 0};
            if (::poll(&fd, 1, 2000) <= 0)
                return;
            const ssize_t n = ::read(connection, buffer, sizeof buffer);
            if (n <= 0)
                return;
            head.append(buffer, std::size_t(n));
        }
        ++requests_;
        const auto start = head.find(' ');
        const auto end = head.find(' ', start + 1);
        const std::string path = start == std::string::npos || end == std::string::npos
                                     ? ""
                                     : head.substr(start + 1, end - start - 1);
        const auto it = routes_.find(path);
        const Response response = it != routes_.end() ? it->second : Response{404, "not found"};
        const std::string reply =
            "HTTP/1.1 " + std::to_string(response.status) +
            " X\r\nContent-Type: application/xml\r\nContent-Length: " + std::to_string(response.body.size()) +
            "\r\nConnection: close\r\n\r\n" + response.body;
        std::size_t sent = 0;
        while (sent < reply.size()) {
            const ssize_t n = ::send(connection, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            sent += std::size_t(n);
        }
    }

    std::map<std::string, Response> routes_;
    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    std::atomic<int> requests_{0};
    std::thread thread_;
};

} // namespace updatertest
