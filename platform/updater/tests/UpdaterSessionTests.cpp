#include "platform/updater/StandardUpdaterController.h"
#include "platform/updater/UpdaterSettings.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/net/CurlFetcher.h"
#include "platform/tk/net/tests/LoopbackServer.h"

#include <gtest/gtest.h>

#include <fstream>

namespace updater {
namespace {

using updatertest::FixedFeedDelegate;
using updatertest::FixedFetcher;
using updatertest::RecordingUserDriver;

constexpr double kNow = 1'765'350'000.0;

struct Fixture {
    tk::TestMainLoop loop;
    std::filesystem::path settingsFile;
    std::shared_ptr<RecordingUserDriver> driver = std::make_shared<RecordingUserDriver>();
    std::vector<std::string> opened;
    FixedFeedDelegate delegate;
    std::shared_ptr<tk::Fetcher> fetcher;
    std::unique_ptr<StandardUpdaterController> controller;
    std::function<double()> now = [] { return kNow; };

    Fixture(const std::string& name, std::shared_ptr<tk::Fetcher> f,
            std::optional<std::string> feed = "https://u.example/appcast.xml")
        : settingsFile(updatertest::freshFolder(name) / "Zindral" / "updater.json"),
          delegate(std::move(feed)), fetcher(std::move(f)) {}

    StandardUpdaterController& make(bool start = true) {
        UpdaterEnvironment env;
        env.host = updatertest::testHost();
        env.fetcher = fetcher;
        env.userDriver = driver;
        env.openURL = [this](const std::string& url) {
            opened.push_back(url);
            return true;
        };
        env.settingsFile = settingsFile;
        env.now = now;
        controller = std::make_unique<StandardUpdaterController>(false, &delegate, nullptr, env);
        if (start)
            controller->startUpdater();
        return *controller;
    }

    // Lets the fetch in flight finish and its result arrive.
    void settle() {
        controller->updater().waitForFetch();
        loop.drain();
    }
};

std::shared_ptr<FixedFetcher> serving(const std::string& body) {
    return std::make_shared<FixedFetcher>(tk::FetchResult::success(body, 200));
}

TEST(UpdaterSession, EachFeedGivesTheRightDialog) {
    struct Case {
        const char* name;
        tk::FetchResult result;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"newer",
         tk::FetchResult::success(updatertest::feedWith("2.0", "20"), 200),
         {"checking", "found 2.0"}},
        {"same",
         tk::FetchResult::success(updatertest::feedWith("1.0.0", "10"), 200),
         {"checking", "up to date"}},
        {"older",
         tk::FetchResult::success(updatertest::feedWith("0.9", "9"), 200),
         {"checking", "up to date"}},
        {"empty", tk::FetchResult::success("<rss><channel/></rss>", 200), {"checking", "up to date"}},
        {"malformed", tk::FetchResult::success("<rss><channel><item>", 200), {"checking", "error"}},
        {"html", tk::FetchResult::success("<html><body>moved</body></html>", 200), {"checking", "error"}},
        {"unreachable",
         tk::FetchResult::failure(tk::FetchError::Kind::transport, "refused"),
         {"checking", "error"}},
        {"status",
         tk::FetchResult::failure(tk::FetchError::Kind::httpStatus, "404", 404),
         {"checking", "error"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(std::string("dialog-") + c.name, std::make_shared<FixedFetcher>(c.result));
        f.make().checkForUpdates();
        f.settle();
        EXPECT_EQ(f.driver->shown, c.shown);
        EXPECT_FALSE(f.controller->updater().sessionInProgress() && c.shown.back() != "found 2.0");
        EXPECT_EQ(loadSettings(f.settingsFile).lastUpdateCheckDate, kNow)
            << "every finished fetch is a check";
    }
}

TEST(UpdaterSession, ErrorsSayWhatWentWrong) {
    Fixture status("error-status", std::make_shared<FixedFetcher>(
                                       tk::FetchResult::failure(tk::FetchError::Kind::httpStatus, "", 503)));
    status.make().checkForUpdates();
    status.settle();
    EXPECT_NE(status.driver->lastError.find("503"), std::string::npos) << status.driver->lastError;

    Fixture noFeed("error-nofeed", serving(""), std::nullopt);
    noFeed.make().checkForUpdates();
    noFeed.settle();
    EXPECT_EQ(noFeed.driver->shown, (std::vector<std::string>{"error"}));
    EXPECT_EQ(static_cast<FixedFetcher&>(*noFeed.fetcher).fetches, 0);
}

TEST(UpdaterSession, ChoicesDownloadSkipOrWaitAndSkippingIsRemembered) {
    Fixture f("choices", serving(updatertest::feedWith("2.0", "20")));
    f.make().checkForUpdates();
    f.settle();
    ASSERT_TRUE(f.driver->reply);
    f.driver->reply(UpdateChoice::install);
    EXPECT_EQ(f.opened, (std::vector<std::string>{"https://velmor.example/zindral/2.0"}));
    EXPECT_FALSE(f.controller->updater().sessionInProgress());

    f.controller->checkForUpdates();
    f.settle();
    f.driver->reply(UpdateChoice::skip);
    EXPECT_EQ(loadSettings(f.settingsFile).skippedVersion, "20");

    // A scheduled check stays quiet about the skipped version; one the user asks for still shows it.
    f.driver->shown.clear();
    f.controller->updater().checkForUpdatesInBackground();
    f.settle();
    EXPECT_TRUE(f.driver->shown.empty());
    f.controller->checkForUpdates();
    f.settle();
    EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking", "found 2.0"}));
    f.driver->reply(UpdateChoice::remindLater);
    EXPECT_EQ(loadSettings(f.settingsFile).skippedVersion, "20") << "later keeps the skip";
    EXPECT_EQ(f.opened.size(), 1u);

    // A stale reply does nothing.
    f.driver->reply(UpdateChoice::install);
    EXPECT_EQ(f.opened.size(), 1u);
}

TEST(UpdaterSession, DownloadOpensOnlyWebAddresses) {
    const std::string feed = "<rss "
                             "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/"
                             "sparkle\"><channel><item><sparkle:version>99</sparkle:version>"
                             "<link>file:///etc/passwd</link></item></channel></rss>";
    Fixture f("download-file", serving(feed));
    f.make().checkForUpdates();
    f.settle();
    ASSERT_TRUE(f.driver->reply);
    f.driver->reply(UpdateChoice::install);
    EXPECT_TRUE(f.opened.empty());
    EXPECT_EQ(f.driver->shown.back(), "error");
}

TEST(UpdaterSession, NothingBeforeStartAndOneSessionAtATime) {
    Fixture f("sessions", serving(updatertest::feedWith("2.0", "20")));
    auto& controller = f.make(false);
    controller.checkForUpdates();
    f.loop.drain();
    EXPECT_TRUE(f.driver->shown.empty()) << "not started: nothing happens";

    controller.startUpdater();
    controller.startUpdater();
    controller.updater().checkForUpdatesInBackground();
    controller.checkForUpdates(); // joins the running session and makes it the user's
    f.settle();
    EXPECT_EQ(static_cast<FixedFetcher&>(*f.fetcher).fetches, 1);
    EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking", "found 2.0"}));
    controller.checkForUpdates(); // the offer waits for an answer: brought to the front
    EXPECT_EQ(f.driver->shown.back(), "focus");
    EXPECT_EQ(static_cast<FixedFetcher&>(*f.fetcher).fetches, 1);

    // Cancelling a check drops its result.
    f.driver->reply(UpdateChoice::remindLater);
    f.driver->shown.clear();
    controller.checkForUpdates();
    ASSERT_TRUE(f.driver->cancel);
    f.driver->cancel();
    f.settle();
    EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking"}));
}

TEST(UpdaterSession, ScheduledChecksRunAfterTheIntervalWhileAutomatic) {
    Fixture f("scheduled", serving(updatertest::feedWith("2.0", "20")));
    UpdaterSettings stored;
    stored.lastUpdateCheckDate = kNow - Updater::kDefaultUpdateCheckInterval + 60; // due in a minute
    ASSERT_TRUE(saveSettings(stored, f.settingsFile));
    f.make();
    auto& fetcher = static_cast<FixedFetcher&>(*f.fetcher);
    f.loop.advance(tk::seconds(59));
    EXPECT_EQ(fetcher.fetches, 0);
    f.loop.advance(tk::seconds(2));
    f.settle();
    EXPECT_EQ(fetcher.fetches, 1);
    EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"found 2.0"}))
        << "no checking dialog for a scheduled check";

    f.driver->reply(UpdateChoice::remindLater);
    f.controller->updater().setAutomaticallyChecksForUpdates(false);
    EXPECT_FALSE(loadSettings(f.settingsFile).automaticallyChecksForUpdates);
    f.loop.advance(tk::seconds(2 * Updater::kDefaultUpdateCheckInterval));
    EXPECT_EQ(fetcher.fetches, 1);
}

TEST(UpdaterSession, AUserWhoNeverKeepsTheProgramOpenForAWholeIntervalStillGetsAScheduledCheck) {
    Fixture f("short-sessions", serving(updatertest::feedWith("1.0.0", "10")));
    double wall = kNow;
    f.now = [&wall] { return wall; };
    auto& fetcher = static_cast<FixedFetcher&>(*f.fetcher);
    constexpr double kHour = 60 * 60;
    for (int day = 0; day < 30 && fetcher.fetches == 0; ++day) {
        wall = kNow + day * 24 * kHour;
        f.make();
        for (int hour = 0; hour < 8; ++hour) {
            wall += kHour;
            f.loop.advance(tk::seconds(kHour));
        }
        f.settle();
        f.controller.reset(); // quit
    }
    EXPECT_EQ(fetcher.fetches, 1) << "one check, a day after the first launch";
    const UpdaterSettings stored = loadSettings(f.settingsFile);
    EXPECT_EQ(stored.firstLaunchDate, kNow);
    ASSERT_TRUE(stored.lastUpdateCheckDate.has_value());
    EXPECT_GE(*stored.lastUpdateCheckDate, kNow + 24 * kHour) << "in the second day's session";
    EXPECT_LE(*stored.lastUpdateCheckDate, kNow + 32 * kHour);
}

TEST(UpdaterSession, FeedsFromALoopbackServerAndFromFiles) {
    nettest::LoopbackServer server({{"/appcast.xml", {200, updatertest::feedWith("2.1", "21")}},
                                    {"/broken.xml", {200, "<rss><channel>"}}});
    {
        Fixture f("loopback-newer", tk::CurlFetcher::shared(), server.url("/appcast.xml"));
        f.make().checkForUpdates();
        f.settle();
        EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking", "found 2.1"}));
    }
    for (const char* path : {"/broken.xml", "/missing.xml"}) {
        Fixture f(std::string("loopback-bad") + (path + 1), tk::CurlFetcher::shared(), server.url(path));
        f.make().checkForUpdates();
        f.settle();
        EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking", "error"})) << path;
    }
    EXPECT_EQ(server.requests(), 3);
    {
        // A port nobody listens on: refused at once.
        Fixture f("loopback-unreachable", tk::CurlFetcher::shared(), "http://127.0.0.1:1/appcast.xml");
        f.make().checkForUpdates();
        f.settle();
        EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking", "error"}));
    }
    {
        const auto dir = updatertest::freshFolder("file-feed");
        std::ofstream(dir / "appcast.xml") << updatertest::feedWith("1.0.0", "10");
        Fixture f("file-feed-run", std::make_shared<updatertest::FileFetcher>(),
                  "file://" + (dir / "appcast.xml").string());
        f.make().checkForUpdates();
        f.settle();
        EXPECT_EQ(f.driver->shown, (std::vector<std::string>{"checking", "up to date"}));
    }
}

} // namespace
} // namespace updater
