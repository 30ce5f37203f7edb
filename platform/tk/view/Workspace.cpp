#include "platform/tk/view/Workspace.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/view/Backend.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace tk {

Workspace& Workspace::shared() {
    static Workspace workspace;
    return workspace;
}

std::vector<std::string> Workspace::openCommand(const std::string& url) {
    return {"xdg-open", url};
}

bool Workspace::isOpenableURL(const std::string& url) {
    if (url.empty() || url.front() == '-')
        return false;
    for (char c : url) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            return false;
    }
    // A scheme: a letter, then letters, digits, '+', '-' or '.', then ':'.
    const auto colon = url.find(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const char c = url[i];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!(letter || (i > 0 && other)))
            return false;
    }
    return true;
}

bool Workspace::openURL(const std::string& url) {
    TK_CHECK_MAIN_THREAD();
    if (!isOpenableURL(url))
        return false;
    if (opener_)
        return opener_(openCommand(url));
    return currentBackend().openURL(url);
}

void Workspace::openURL(const std::string& url, Completion done) {
    TK_CHECK_MAIN_THREAD();
    if (isOpenableURL(url) && !opener_) {
        currentBackend().openURLReportingResult(url, std::move(done));
        return;
    }
    const bool opened = openURL(url); // refused, or the installed opener's answer
    RunLoop::main().post([done = std::move(done), opened] {
        if (done)
            done(opened);
    });
}

std::optional<int> Workspace::spawn(const std::vector<std::string>& argv) {
    if (argv.empty() || argv.front().empty())
        return std::nullopt;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0)
        return std::nullopt;
    return int(pid);
}

bool Workspace::launchDetached(const std::vector<std::string>& argv) {
    auto pid = spawn(argv);
    if (!pid)
        return false;
    // The child reports nothing we wait for; reaping it keeps it from lingering as a zombie.
    std::thread([p = *pid] {
        int status = 0;
        while (waitpid(p, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

void Workspace::launchReportingExit(const std::vector<std::string>& argv, Completion done) {
    const auto tell = [](Completion told, bool succeeded) {
        RunLoop::main().post([told = std::move(told), succeeded] {
            if (told)
                told(succeeded);
        });
    };
    auto pid = spawn(argv);
    if (!pid) {
        tell(std::move(done), false);
        return;
    }
    std::thread([p = *pid, done = std::move(done), tell]() mutable {
        int status = 0;
        pid_t reaped = -1;
        while ((reaped = waitpid(p, &status, 0)) < 0 && errno == EINTR) {
        }
        tell(std::move(done), reaped == p && WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }).detach();
}

} // namespace tk
