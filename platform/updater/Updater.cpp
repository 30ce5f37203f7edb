#include "platform/updater/Updater.h"

#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/VersionComparison.h"
#include "platform/tk/net/BackgroundFetch.h"
#include "platform/tk/net/CurlFetcher.h"
#include "platform/tk/view/Workspace.h"
#include "platform/updater/StandardUserDriver.h"
#include "platform/updater/UpdaterDelegate.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace updater {

namespace {
constexpr double kMinimumUpdateCheckInterval = 60 * 60;

HostInfo mainBundleHost() {
    const tk::Bundle bundle = tk::Bundle::main();
    HostInfo host;
    if (auto name = bundle.string("CFBundleName")) {
        host.name = *name;
    } else {
        // Outside a program bundle: the program's own name.
        std::error_code ec;
        host.name = std::filesystem::read_symlink("/proc/self/exe", ec).filename().string();
    }
    host.shortVersion = bundle.string("CFBundleShortVersionString").value_or("");
    host.version = bundle.string("CFBundleVersion").value_or("");
    return host;
}

// The version a release is known by for skipping and ordering.
const std::string& comparableVersion(const AppcastItem& item) {
    return item.version.empty() ? item.shortVersionString : item.version;
}

std::optional<int> compareItems(const AppcastItem& a, const AppcastItem& b) {
    if (!a.version.empty() && !b.version.empty())
        return tk::compareVersions(a.version, b.version);
    return tk::compareVersions(a.displayVersion(), b.displayVersion());
}

bool isWebAddress(const std::string& url) {
    auto startsWith = [&](std::string_view prefix) {
        if (url.size() <= prefix.size())
            return false;
        for (std::size_t i = 0; i < prefix.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(url[i])) != prefix[i])
                return false;
        return true;
    };
    return startsWith("https://") || startsWith("http://");
}
} // namespace

std::optional<AppcastItem> newestItem(const Appcast& appcast, const HostInfo&) {
    std::optional<AppcastItem> best;
    for (const auto& item : appcast.items) {
        if (!tk::versionNumbers(item.version) || !tk::versionNumbers(item.displayVersion()))
            continue; // cannot be compared
        if (!best || compareItems(item, *best) > 0)
            best = item;
    }
    return best;
}

bool isNewer(const AppcastItem& item, const HostInfo& host) {
    if (!item.version.empty() && !host.version.empty())
        return tk::compareVersions(item.version, host.version) > 0;
    return tk::compareVersions(item.displayVersion(), host.displayVersion()) > 0;
}

// What the worker hands back: the appcast, or why there is none.
struct Updater::FetchOutcome {
    std::optional<Appcast> appcast;
    std::string error;
};

Updater::Updater(UpdaterDelegate* delegate, UpdaterEnvironment environment)
    : delegate_(delegate), environment_(std::move(environment)) {
    host_ = environment_.host ? *environment_.host : mainBundleHost();
    if (!environment_.fetcher)
        environment_.fetcher = tk::CurlFetcher::shared();
    userDriver_ = environment_.userDriver ? environment_.userDriver : std::make_shared<StandardUserDriver>();
    if (!environment_.openURL)
        environment_.openURL = [](const std::string& url) { return tk::Workspace::shared().openURL(url); };
    if (environment_.settingsInMemory)
        environment_.settingsFile.reset();
    else if (!environment_.settingsFile)
        environment_.settingsFile = defaultSettingsFile(host_.name);
    if (!environment_.now)
        environment_.now = [] {
            return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
        };
}

Updater::~Updater() {
    *self_ = nullptr;
    // Joins the worker of a fetch in flight; its completion then never runs.
    fetch_.reset();
}

bool Updater::start() {
    TK_CHECK_MAIN_THREAD();
    if (started_)
        return false;
    started_ = true;
    if (environment_.settingsFile)
        settings_ = loadSettings(*environment_.settingsFile);
    // Scheduled checks count from the first launch until there is a last check, so that they come
    // to a user who never keeps the program open for a whole interval.
    if (!settings_.firstLaunchDate) {
        settings_.firstLaunchDate = wallClockNow();
        persist();
    }
    scheduleNextCheck();
    return true;
}

void Updater::waitForFetch() {
    TK_CHECK_MAIN_THREAD();
    if (fetch_)
        fetch_->wait();
}

void Updater::setAutomaticallyChecksForUpdates(bool automatic) {
    TK_CHECK_MAIN_THREAD();
    if (settings_.automaticallyChecksForUpdates == automatic)
        return;
    settings_.automaticallyChecksForUpdates = automatic;
    persist();
    scheduleNextCheck();
}

void Updater::setUpdateCheckInterval(double seconds) {
    TK_CHECK_MAIN_THREAD();
    updateCheckInterval_ = std::max(seconds, kMinimumUpdateCheckInterval);
    scheduleNextCheck();
}

double Updater::wallClockNow() const {
    return environment_.now();
}

void Updater::scheduleNextCheck() {
    scheduledCheck_.invalidate();
    if (!started_ || !settings_.automaticallyChecksForUpdates)
        return;
    const double now = wallClockNow();
    // Never checked: the first scheduled check comes one interval after the first launch, so a
    // fresh install does not go to the network the moment it opens.
    const double since = settings_.lastUpdateCheckDate ? *settings_.lastUpdateCheckDate
                                                       : settings_.firstLaunchDate.value_or(now);
    const double due = since + updateCheckInterval_;
    // A last check "in the future" (the clock was set back) waits one interval at most.
    const double delay = std::clamp(due - now, 1.0, updateCheckInterval_);
    // The check runs from the queue rather than inside the timer's action, since it replaces the
    // timer that is firing.
    scheduledCheck_ =
        tk::RunLoop::main().scheduleTimer(tk::seconds(delay), false, [weak = std::weak_ptr<Updater*>(self_)] {
            tk::RunLoop::main().post([weak] {
                auto self = weak.lock();
                if (!self || !*self)
                    return;
                Updater& updater = **self;
                updater.checkForUpdatesInBackground();
                if (!updater.session_)
                    updater.scheduleNextCheck();
            });
        });
}

void Updater::checkForUpdates() {
    TK_CHECK_MAIN_THREAD();
    if (!started_)
        return;
    if (session_) {
        if (session_->awaitingChoice) {
            userDriver_->showUpdateInFocus();
        } else if (!session_->userInitiated) {
            session_->userInitiated = true;
            showCheckInProgress();
        } else {
            userDriver_->showUpdateInFocus();
        }
        return;
    }
    beginSession(true);
}

void Updater::checkForUpdatesInBackground() {
    TK_CHECK_MAIN_THREAD();
    if (!started_ || session_)
        return;
    beginSession(false);
}

void Updater::beginSession(bool userInitiated) {
    session_ = Session{userInitiated, false, nextSessionId_++};
    const int id = session_->id;
    const std::optional<std::string> feed = delegate_ ? delegate_->feedURLString(*this) : std::nullopt;
    if (!feed || feed->empty()) {
        fail("The update feed's address is missing.");
        return;
    }
    if (userInitiated)
        showCheckInProgress();

    tk::FetchRequest request;
    request.url = *feed;
    request.timeout = environment_.fetchTimeout;
    std::function<FetchOutcome(tk::FetchResult)> work = [](tk::FetchResult result) {
        FetchOutcome outcome;
        if (!result.ok()) {
            outcome.error =
                result.error->kind == tk::FetchError::Kind::httpStatus
                    ? "The update server answered with status " + std::to_string(result.status) + "."
                    : "The update server could not be reached.";
            return outcome;
        }
        auto parsed = parseAppcast(result.body);
        if (!parsed.appcast)
            outcome.error = "The update feed could not be read: " + parsed.error + ".";
        outcome.appcast = std::move(parsed.appcast);
        return outcome;
    };
    std::function<void(FetchOutcome)> completion = [weak = std::weak_ptr<Updater*>(self_),
                                                    id](FetchOutcome outcome) {
        if (auto self = weak.lock(); self && *self)
            (*self)->finishFetch(id, std::move(outcome));
    };
    // A previous fetch (of a cancelled session, or the one whose completion may be running right
    // now) is dropped from the queue, so that its worker is never joined from inside its own
    // completion.
    if (fetch_)
        tk::RunLoop::main().post([old = std::shared_ptr<tk::BackgroundFetch>(std::move(fetch_))] {});
    fetch_ = std::make_unique<tk::BackgroundFetch>(environment_.fetcher, std::move(request), std::move(work),
                                                   std::move(completion));
}

void Updater::showCheckInProgress() {
    // Cancelling the dialog ends this session, unless another has taken its place by then.
    userDriver_->showUserInitiatedUpdateCheck(
        host_, [weak = std::weak_ptr<Updater*>(self_), id = session_->id] {
            if (auto self = weak.lock(); self && *self && (*self)->session_ && (*self)->session_->id == id)
                (*self)->endSession();
        });
}

void Updater::finishFetch(int sessionId, FetchOutcome outcome) {
    // A cancelled session's fetch still counts as a check, but shows nothing.
    settings_.lastUpdateCheckDate = wallClockNow();
    persist();
    if (!session_ || session_->id != sessionId) {
        scheduleNextCheck();
        return;
    }
    if (!outcome.appcast) {
        fail(outcome.error);
        return;
    }
    const auto item = newestItem(*outcome.appcast, host_);
    if (item && isNewer(*item, host_)) {
        const bool skipped =
            settings_.skippedVersion && *settings_.skippedVersion == comparableVersion(*item);
        if (session_->userInitiated || !skipped) {
            offer(*item);
            return;
        }
    } else if (session_->userInitiated) {
        userDriver_->showUpdateNotFound(host_, [] {});
    }
    endSession();
}

void Updater::offer(const AppcastItem& item) {
    session_->awaitingChoice = true;
    const int id = session_->id;
    userDriver_->showUpdateFound(host_, item,
                                 [weak = std::weak_ptr<Updater*>(self_), id, item](UpdateChoice choice) {
                                     if (auto self = weak.lock(); self && *self)
                                         (*self)->choose(id, item, choice);
                                 });
}

void Updater::choose(int sessionId, const AppcastItem& item, UpdateChoice choice) {
    if (!session_ || session_->id != sessionId || !session_->awaitingChoice)
        return;
    switch (choice) {
    case UpdateChoice::install: {
        const std::string& url = item.downloadURL();
        if (!isWebAddress(url)) {
            fail("The update has no web address to download it from.");
            return;
        }
        if (!environment_.openURL(url)) {
            fail("The download page could not be opened.");
            return;
        }
        break;
    }
    case UpdateChoice::skip:
        settings_.skippedVersion = comparableVersion(item);
        persist();
        break;
    case UpdateChoice::remindLater:
        break;
    }
    endSession();
}

void Updater::fail(const std::string& message) {
    if (session_ && session_->userInitiated)
        userDriver_->showUpdaterError(host_, message, [] {});
    endSession();
}

void Updater::endSession() {
    if (!session_)
        return;
    session_.reset();
    scheduleNextCheck();
}

void Updater::persist() {
    if (environment_.settingsFile)
        saveSettings(settings_, *environment_.settingsFile);
}

} // namespace updater
