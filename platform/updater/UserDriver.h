#pragma once

// What the updater shows the user, behind an interface: the standard one draws tk windows
// (StandardUserDriver.h); tests record the calls and answer them as a user would.
//
// Every reply callback may be called at most once, on the main thread, at any later time; calling
// it after the updater is gone does nothing.

#include "platform/updater/Appcast.h"

#include <functional>
#include <string>

namespace updater {

// The host program as the dialogs name it.
struct HostInfo {
    std::string name;
    std::string shortVersion; // CFBundleShortVersionString
    std::string version;      // CFBundleVersion

    // The version as shown: the short version, else the version.
    const std::string& displayVersion() const { return shortVersion.empty() ? version : shortVersion; }
};

enum class UpdateChoice {
    install,     // download: open the release's page
    skip,        // skip this version: scheduled checks stay quiet about it
    remindLater, // nothing now
};

class UserDriver {
public:
    virtual ~UserDriver() = default;

    // [main] A user-initiated check has begun; `cancel` abandons it.
    virtual void showUserInitiatedUpdateCheck(const HostInfo& host, std::function<void()> cancel) = 0;
    // [main] A newer release; `reply` gets the user's choice (closing the dialog is remindLater).
    virtual void showUpdateFound(const HostInfo& host, const AppcastItem& item,
                                 std::function<void(UpdateChoice)> reply) = 0;
    // [main] A user-initiated check found nothing newer.
    virtual void showUpdateNotFound(const HostInfo& host, std::function<void()> acknowledgement) = 0;
    // [main] A user-initiated check failed: `message` says what went wrong in a sentence.
    virtual void showUpdaterError(const HostInfo& host, const std::string& message,
                                  std::function<void()> acknowledgement) = 0;
    // [main] Brings the dialog that is up, if any, to the front (a check asked for while one is up;
    // the host coming forward over it).
    virtual void showUpdateInFocus() = 0;
};

} // namespace updater
