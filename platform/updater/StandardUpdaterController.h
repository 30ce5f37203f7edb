#pragma once

// The standard updater controller: owns the updater and its standard dialogs.
//
//     StandardUpdaterController controller(false, &helper, nullptr);   // not started yet
//     controller.startUpdater();                                      // once, right after
//     controller.checkForUpdates();                                   // the user asked
//
// Created with startingUpdater true it starts the updater at once. All members are [main].

#include "platform/updater/Updater.h"
#include "platform/updater/UpdaterDelegate.h"

#include <memory>

namespace updater {

class StandardUpdaterController {
public:
    // `updaterDelegate` supplies the feed's address and must outlive the controller (it is not
    // owned); `userDriverDelegate` is accepted for the shape of the call and may be null.
    StandardUpdaterController(bool startingUpdater, UpdaterDelegate* updaterDelegate,
                              UserDriverDelegate* userDriverDelegate, UpdaterEnvironment environment = {});

    // Starts the updater (its scheduled checks run from here on). A second call does nothing.
    void startUpdater();
    // A user-initiated check with the standard dialogs (including "up to date").
    void checkForUpdates();

    Updater& updater() { return updater_; }
    const Updater& updater() const { return updater_; }

private:
    Updater updater_;
};

} // namespace updater
