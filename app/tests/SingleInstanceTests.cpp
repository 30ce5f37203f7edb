#include "app/SingleInstance.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {
namespace {

std::filesystem::path freshSocketPath(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("zindral-instance-" + name);
    std::filesystem::remove_all(dir);
    return dir / "instance.sock";
}

TEST(AppSingleInstance, ASecondLaunchHandsItsURLsOverOnce) {
    const auto path = freshSocketPath("handoff");
    auto first = InstanceServer::listen(path);
    ASSERT_EQ(first.status, InstanceServer::Status::listening) << first.error;
    EXPECT_EQ(std::filesystem::status(path.parent_path()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all)
        << "the folder is private to the user";

    const auto second = InstanceServer::listen(path);
    EXPECT_EQ(second.status, InstanceServer::Status::anotherInstanceRunning);
    ASSERT_TRUE(sendToRunningInstance(path, {"zindral://openAndUpdate", "https://elsewhere.example/"}));

    std::vector<std::vector<std::string>> delivered;
    auto record = [&](const std::vector<std::string>& urls) { delivered.push_back(urls); };
    EXPECT_EQ(first.server->pump(record), 1);
    EXPECT_EQ(first.server->pump(record), 0) << "each message once";
    ASSERT_EQ(delivered.size(), 1u) << "the probe of the second launch is no message";
    EXPECT_EQ(delivered[0],
              (std::vector<std::string>{"zindral://openAndUpdate", "https://elsewhere.example/"}));

    ASSERT_TRUE(sendToRunningInstance(path, {}));
    first.server->pump(record);
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
    EXPECT_FALSE(sendToRunningInstance(freshSocketPath("nobody"), {"zindral://openAndUpdate"}));
}

} // namespace
} // namespace app
