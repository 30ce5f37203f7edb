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
    // A picture of the window is no launch of the user's: their updater settings (and with them the
    // first launch that starts the schedule) stay as they are.
    environment.updater.settingsInMemory = true;
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
