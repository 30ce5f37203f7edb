// The host's window destroyed by another X client, on a real X server: the host must neither hang
// in the window's teardown nor touch freed state at exit, and must end with status 0.

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Generous: a sanitizer build on a loaded machine starts slowly. Nothing waits this long when the
// program behaves.
constexpr auto kDeadline = std::chrono::seconds(60);

int millisecondsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

// Waits until `fd` is readable or the deadline passes.
bool readable(int fd, Clock::time_point deadline) {
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, millisecondsLeft(deadline)) > 0;
}

// Starts `command` with `extraEnvironment` in place of DISPLAY, both streams into `output`, and
// `closeInChild` (when not -1) closed in the child. Returns -1 when it cannot start.
pid_t spawnProcess(std::vector<std::string> command, const std::vector<std::string>& extraEnvironment,
                   const fs::path& output, int closeInChild = -1) {
    std::vector<char*> argv;
    for (auto& word : command)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment(extraEnvironment);
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("DISPLAY=", 0) != 0)
            environment.emplace_back(*e);
    std::vector<char*> envp;
    for (auto& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (closeInChild != -1)
        posix_spawn_file_actions_addclose(&actions, closeInChild);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    pid_t pid = -1;
    const bool started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return started ? pid : -1;
}

// Waits for `pid` to end; nullopt when it is still running at the deadline (then it is killed).
std::optional<int> exitStatus(pid_t pid, Clock::time_point deadline) {
    const int fd = int(syscall(SYS_pidfd_open, pid, 0));
    const bool ended = fd >= 0 && readable(fd, deadline);
    if (fd >= 0)
        close(fd);
    if (!ended)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!ended)
        return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// An X server of the test's own, on a display number it picks itself.
class XServer {
public:
    explicit XServer(const fs::path& log) {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        pid_ = spawnProcess(
            {"Xvfb", "-displayfd", std::to_string(fds[1]), "-nolisten", "tcp", "-screen", "0", "800x600x24"},
            {}, log, fds[0]);
        close(fds[1]);
        std::string number;
        const auto deadline = Clock::now() + kDeadline;
        char c = 0;
        while (pid_ > 0 && readable(fds[0], deadline) && read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(fds[0]);
        if (!number.empty())
            display_ = ":" + number;
    }
    ~XServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            exitStatus(pid_, Clock::now() + kDeadline);
        }
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& display() const { return display_; } // empty when none started

private:
    pid_t pid_ = -1;
    std::string display_;
};

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using Connection = std::unique_ptr<Display, DisplayCloser>;

std::optional<long> windowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<long> pid;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

// The first window mapped on `display`'s root that belongs to `pid`, or None at the deadline.
Window mappedWindowOf(Display* display, pid_t pid, Clock::time_point deadline) {
    while (true) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowPid(display, event.xmap.window) == pid)
                return event.xmap.window;
        }
        if (!readable(ConnectionNumber(display), deadline))
            return None;
    }
}

TEST(WindowClosedFromOutside, TheHostLetsItGoAndEndsCleanly) {
    const fs::path dir = fs::temp_directory_path() / ("zindral-xclose-" + std::to_string(getpid()));
    fs::create_directories(dir);
    XServer server(dir / "xvfb.log");
    if (server.display().empty())
        GTEST_SKIP() << "no X server could be started (Xvfb missing or failing): "
                     << readFile(dir / "xvfb.log");
    Connection other(XOpenDisplay(server.display().c_str()));
    ASSERT_TRUE(other) << "cannot connect to " << server.display();
    XSelectInput(other.get(), DefaultRootWindow(other.get()), SubstructureNotifyMask);
    XSync(other.get(), False);

    // The fault was a race with the window's teardown, so one try proves little.
    for (int attempt = 0; attempt < 6; ++attempt) {
        SCOPED_TRACE("attempt " + std::to_string(attempt));
        const fs::path log = dir / ("host-" + std::to_string(attempt) + ".log");
        const pid_t host = spawnProcess(
            {ZINDRAL_HOST_PATH, "--plugin", ZINDRAL_BUNDLE_PATH, "--window", "--beats", "100000"},
            {"DISPLAY=" + server.display(), "SDL_VIDEODRIVER=x11"}, log);
        ASSERT_GT(host, 0);
        const auto deadline = Clock::now() + kDeadline;
        const Window window = mappedWindowOf(other.get(), host, deadline);
        if (window == None) {
            exitStatus(host, Clock::now());
            FAIL() << "the host showed no window: " << readFile(log);
        }
        XDestroyWindow(other.get(), window);
        XSync(other.get(), False);

        const auto status = exitStatus(host, deadline);
        const std::string output = readFile(log);
        ASSERT_TRUE(status.has_value()) << "the host hung after its window was destroyed: " << output;
        EXPECT_EQ(*status, 0) << output;
        EXPECT_EQ(output.find("Sanitizer"), std::string::npos) << output;
    }
    fs::remove_all(dir);
}

} // namespace
