#include "platform/tk/sdl/SessionBus.h"

#include "platform/tk/base/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace tk::sdl {
namespace {

// Sets or unsets an environment variable for the scope, putting the old value back after.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string busAddress() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    return address ? address : "(unset)";
}

// A bus the session gives (by address or as the runtime folder's socket) is left to be found; with
// neither, no bus is started.
TEST(SessionBus, ABusIsStartedNowhereAndFoundWhereTheSessionHasOne) {
    testing::TempFolder withBus, withoutBus;
    const std::string socketPath = (withBus.path() / "bus").string();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, socketPath.c_str(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);

    struct Case {
        std::optional<std::string> address, runtime;
        std::string expected;
    };
    const Case cases[] = {
        {std::nullopt, withoutBus.path().string(), "disabled:"},
        {"", withoutBus.path().string(), "disabled:"},
        {std::nullopt, std::nullopt, "disabled:"},
        {std::nullopt, withBus.path().string(), "(unset)"},
        {"unix:path=/run/user/1000/bus", withoutBus.path().string(), "unix:path=/run/user/1000/bus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.value_or("(unset)") + " / " + c.runtime.value_or("(unset)"));
        ScopedVariable address("DBUS_SESSION_BUS_ADDRESS", c.address);
        ScopedVariable runtime("XDG_RUNTIME_DIR", c.runtime);
        keepSessionBusFromForking();
        EXPECT_EQ(busAddress(), c.expected);
    }
    ::close(fd);
}

} // namespace
} // namespace tk::sdl
