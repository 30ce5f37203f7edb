#pragma once

// The updater: checks the update feed and offers newer releases.
//
//   construct -> start() once -> checkForUpdates() (the user asked) any number of times;
//   scheduled checks run on their own from start() on, every updateCheckInterval, while
//   automaticallyChecksForUpdates is on.
//
// One check at a time (a "session"):
//   1. the feed's address comes from the delegate;
//   2. a user-initiated check shows "checking" (UserDriver::showUserInitiatedUpdateCheck);
//   3. the feed is fetched on a worker thread (tk::BackgroundFetch, size-capped, with a timeout)
//      and read there as an appcast; the result comes back on the main queue, so the main window
//      never waits on the network;
//   4. the newest item is compared with the host: its version with the host's CFBundleVersion, or,
//      for an item without one, its short version with the host's CFBundleShortVersionString;
//   5. newer -> "update found" (a scheduled check stays quiet about the skipped version; a check
//      the user asked for shows it anyway); else a user-initiated check shows "up to date";
//      a failed fetch or a feed that is not an appcast shows the error (user-initiated only).
// A check asked for while a session runs does not start another: a scheduled session becomes a
// user-initiated one, and a dialog that waits for an answer comes to the front.
//
// The choice "install" opens the release's page (http or https only) with the URL opener; "skip"
// stores the skipped version; "remind me later" does nothing. The time of every finished fetch is
// stored as the last check time. Settings are saved at once.
//
// All members are [main].

#include "platform/tk/base/Clock.h"
#include "platform/tk/base/Timer.h"
#include "platform/tk/net/Fetch.h"
#include "platform/updater/Appcast.h"
#include "platform/updater/UpdaterSettings.h"
#include "platform/updater/UserDriver.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tk {
class BackgroundFetch;
}

namespace updater {

class UpdaterDelegate;

// Everything the updater reaches outside itself; tests replace each part.
struct UpdaterEnvironment {
    // The host as the dialogs name it and as versions are compared (default: the main bundle's
    // CFBundleName, CFBundleShortVersionString and CFBundleVersion).
    std::optional<HostInfo> host;
    // Default: tk::CurlFetcher::shared().
    std::shared_ptr<tk::Fetcher> fetcher;
    // Default: the standard dialogs drawn with tk.
    std::shared_ptr<UserDriver> userDriver;
    // Opens a release's page. Default: tk::Workspace::shared().openURL.
    std::function<bool(const std::string& url)> openURL;
    // Where the settings live. Default: defaultSettingsFile(host name).
    std::optional<std::filesystem::path> settingsFile;
    // Keeps the settings in memory only, starting from the defaults: no file is read or written
    // (a run that must leave the user's settings alone).
    bool settingsInMemory = false;
    // The wall clock, for the last check time (seconds since the Unix epoch).
    std::function<double()> now;
    // How long a fetch may take, connecting included.
    tk::Clock::Duration fetchTimeout = tk::seconds(15.0);
};

class Updater {
public:
    static constexpr double kDefaultUpdateCheckInterval = 24 * 60 * 60; // seconds

    Updater(UpdaterDelegate* delegate, UpdaterEnvironment environment);
    ~Updater();
    Updater(const Updater&) = delete;
    Updater& operator=(const Updater&) = delete;

    // Starts the updater: loads the settings and schedules the checks. Returns false when it was
    // already started (nothing changes then).
    bool start();
    bool isStarted() const { return started_; }

    // A check the user asked for (with the dialogs for every outcome). Does nothing before start().
    void checkForUpdates();
    // A scheduled check: only a newer, not skipped release is shown.
    void checkForUpdatesInBackground();
    bool sessionInProgress() const { return session_.has_value(); }
    // Waits until the fetch in flight (if any) has finished and queued its result on the main
    // queue; tests drain the run loop after this.
    void waitForFetch();

    const HostInfo& host() const { return host_; }
    const UpdaterSettings& settings() const { return settings_; }
    bool automaticallyChecksForUpdates() const { return settings_.automaticallyChecksForUpdates; }
    void setAutomaticallyChecksForUpdates(bool automatic);
    double updateCheckInterval() const { return updateCheckInterval_; }
    // Seconds; values under an hour are raised to an hour (a feed server is not to be hammered).
    void setUpdateCheckInterval(double seconds);
    std::optional<double> lastUpdateCheckDate() const { return settings_.lastUpdateCheckDate; }
    UserDriver& userDriver() const { return *userDriver_; }

private:
    struct Session {
        bool userInitiated = false;
        bool awaitingChoice = false;
        int id = 0;
    };
    struct FetchOutcome;

    void beginSession(bool userInitiated);
    // The "checking" dialog of the current session.
    void showCheckInProgress();
    void finishFetch(int sessionId, FetchOutcome outcome);
    void offer(const AppcastItem& item);
    void choose(int sessionId, const AppcastItem& item, UpdateChoice choice);
    void fail(const std::string& message);
    void endSession();
    void scheduleNextCheck();
    void persist();
    double wallClockNow() const;

    UpdaterDelegate* delegate_;
    UpdaterEnvironment environment_;
    HostInfo host_;
    std::shared_ptr<UserDriver> userDriver_;
    UpdaterSettings settings_;
    std::optional<Session> session_;
    std::unique_ptr<tk::BackgroundFetch> fetch_;
    tk::Timer scheduledCheck_;
    double updateCheckInterval_ = kDefaultUpdateCheckInterval;
    int nextSessionId_ = 1;
    bool started_ = false;
    // Replies that arrive after the updater is gone find this expired.
    std::shared_ptr<Updater*> self_ = std::make_shared<Updater*>(this);
};

// [any] Picks the release to offer: the newest item (by the comparison of step 4), or none for an
// empty feed. Ties keep the first.
std::optional<AppcastItem> newestItem(const Appcast& appcast, const HostInfo& host);
// [any] Whether `item` is newer than the host (step 4).
bool isNewer(const AppcastItem& item, const HostInfo& host);

} // namespace updater
