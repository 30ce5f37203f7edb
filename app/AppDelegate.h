#pragma once

// The application's delegate: the dark appearance at launch and the "zindral" URL scheme.
//
// URLs arrive through application(urls): from the command line of the first launch, and from
// later launches over the instance socket. Each URL is looked at once, in order: only
// "zindral://openAndUpdate" (matched exactly, URLMatching.h) asks the updater for a check, one
// per URL; everything else is ignored without a word. A check asked for before the updater has
// started waits and runs as soon as the updater helper with a started updater is set. All members
// are [main].

#include "app/Application.h"
#include "app/UpdaterHelper.h"

#include <memory>
#include <string>
#include <vector>

namespace app {

class AppDelegate {
public:
    // Makes the application dark.
    void applicationDidFinishLaunching(Application& application);
    // Hands each URL to handleURL, in order.
    void application(Application& application, const std::vector<std::string>& urls);
    void handleURL(const std::string& url);
    // An interactive check through the helper's controller (deferred until the updater runs).
    void checkForUpdates();

    const std::shared_ptr<UpdaterHelper>& sparkleHelper() const { return sparkleHelper_; }
    // Also runs the checks that waited for the updater.
    void setSparkleHelper(std::shared_ptr<UpdaterHelper> helper);
    int pendingUpdateChecks() const { return pendingUpdateChecks_; }

private:
    bool updaterIsRunning() const;

    std::shared_ptr<UpdaterHelper> sparkleHelper_;
    int pendingUpdateChecks_ = 0;
};

} // namespace app
