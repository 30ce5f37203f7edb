#include "app/HeadlessApp.h"

#include "platform/tk/view/HeadlessRun.h"

#include <memory>

namespace app {

int runHeadlessApp(const CommandLine& line, AppEnvironment environment) {
    std::unique_ptr<ZindralApp> application;
    tk::HeadlessRunOptions options;
    options.duration = tk::seconds(line.afterSeconds);
    options.simulatedTime = true;
    options.pngFile = line.screenshot;
    options.windowIdentifier = kWindowIdentifier;
    const int status = tk::runHeadless(
        [&] {
            application = std::make_unique<ZindralApp>(std::move(environment));
            application->body();
            application->launchFinished();
            application->open(line.urls);
        },
        options);
    application.reset();
    return status;
}

} // namespace app
