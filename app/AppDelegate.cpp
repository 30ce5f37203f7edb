#include "app/AppDelegate.h"

#include "app/URLMatching.h"

#include "platform/tk/base/MainThread.h"

namespace app {

void AppDelegate::applicationDidFinishLaunching(Application& application) {
    TK_CHECK_MAIN_THREAD();
    application.setAppearance(Appearance::dark);
}

void AppDelegate::application(Application&, const std::vector<std::string>& urls) {
    TK_CHECK_MAIN_THREAD();
    for (const auto& url : urls)
        handleURL(url);
}

void AppDelegate::handleURL(const std::string& url) {
    TK_CHECK_MAIN_THREAD();
    if (isOpenAndUpdateURL(url))
        checkForUpdates();
}

bool AppDelegate::updaterIsRunning() const {
    return sparkleHelper_ && sparkleHelper_->updaterController &&
           sparkleHelper_->updaterController->updater().isStarted();
}

void AppDelegate::checkForUpdates() {
    TK_CHECK_MAIN_THREAD();
    if (!updaterIsRunning()) {
        ++pendingUpdateChecks_;
        return;
    }
    sparkleHelper_->updaterController->checkForUpdates();
}

void AppDelegate::setSparkleHelper(std::shared_ptr<UpdaterHelper> helper) {
    TK_CHECK_MAIN_THREAD();
    sparkleHelper_ = std::move(helper);
    while (pendingUpdateChecks_ > 0 && updaterIsRunning()) {
        --pendingUpdateChecks_;
        sparkleHelper_->updaterController->checkForUpdates();
    }
}

} // namespace app
