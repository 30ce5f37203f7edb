// The Zindral program: one instance per user with its window on the SDL2 backend, or a headless
// run that writes the window to a PNG file (see CommandLine.h).

#include "app/CommandLine.h"
#include "app/HeadlessApp.h"
#include "app/SingleInstance.h"
#include "app/ZindralApp.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/sdl/SdlApplication.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

// How often the first instance looks for URLs that later launches handed over.
constexpr double kInstancePollInterval = 0.2;

int runDesktop(const app::CommandLine& line) {
    const auto socketPath = app::defaultInstanceSocketPath();
    auto listening = app::InstanceServer::listen(socketPath);
    if (listening.status == app::InstanceServer::Status::anotherInstanceRunning) {
        const auto handOver = app::sendToRunningInstance(socketPath, line.urls);
        if (handOver.delivered)
            return 0;
        std::fprintf(stderr, "Zindral: cannot hand over to the running instance: %s\n",
                     handOver.error.c_str());
        return 1;
    } else if (listening.status == app::InstanceServer::Status::failed) {
        std::fprintf(stderr, "Zindral: later launches cannot reach this one (%s)\n", listening.error.c_str());
    }
    std::unique_ptr<app::InstanceServer> server = std::move(listening.server);

    std::unique_ptr<app::ZindralApp> application;
    tk::Timer instancePoll;
    tk::sdl::ApplicationOptions options;
    // The application decides: closing its main window ends it, an open dialog does not keep it.
    options.quitWhenLastWindowCloses = false;
    std::string noDisplay;
    options.failure = &noDisplay;
    const int status = tk::sdl::runApplication(
        [&] {
            app::AppEnvironment environment;
            environment.terminate = [] { tk::sdl::quitApplication(); };
            application = std::make_unique<app::ZindralApp>(std::move(environment));
            application->body();
            application->launchFinished();
            application->open(line.urls);
            if (server)
                instancePoll =
                    tk::RunLoop::main().scheduleTimer(tk::seconds(kInstancePollInterval), true, [&] {
                        server->pump(
                            [&](const std::vector<std::string>& urls) { application->handOver(urls); });
                    });
        },
        options);
    instancePoll.invalidate();
    application.reset();
    if (!noDisplay.empty())
        std::fprintf(stderr, "Zindral: cannot open its window: %s\n", noDisplay.c_str());
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const app::CommandLine line = app::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::fprintf(stderr, "Zindral: %s\n%s", line.error.c_str(), app::kUsage);
        return 2;
    }
    if (line.help) {
        std::fputs(app::kUsage, stdout);
        return 0;
    }
    if (line.headless)
        return app::runHeadlessApp(line);
    return runDesktop(line);
}
