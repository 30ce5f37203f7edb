#include "platform/updater/StandardUpdaterController.h"

#include "platform/tk/base/MainThread.h"

namespace updater {

StandardUpdaterController::StandardUpdaterController(bool startingUpdater, UpdaterDelegate* updaterDelegate,
                                                     UserDriverDelegate* userDriverDelegate,
                                                     UpdaterEnvironment environment)
    : updater_(updaterDelegate, std::move(environment)) {
    TK_CHECK_MAIN_THREAD();
    (void)userDriverDelegate;
    if (startingUpdater)
        updater_.start();
}

void StandardUpdaterController::startUpdater() {
    TK_CHECK_MAIN_THREAD();
    updater_.start();
}

void StandardUpdaterController::checkForUpdates() {
    TK_CHECK_MAIN_THREAD();
    updater_.checkForUpdates();
}

} // namespace updater
