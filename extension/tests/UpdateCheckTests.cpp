// The update check: version weights, reading the feed, the decision, and whole checks against feeds
// served from memory, from a file and from a server on loopback.

#include "SettingsFixture.h"

#include "extension/Interface/DeepLink.h"
#include "extension/UpdateCheck/SimpleSparklerChecker.h"
#include "extension/UpdateCheck/UpdateCheck.h"
#include "extension/UpdateCheck/UpdateFeed.h"
#include "platform/tk/base/tests/TempFolder.h"
#include "platform/tk/net/CurlFetcher.h"
#include "platform/tk/net/tests/LoopbackServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using Korvane::UpdateAvailableDetails;

const std::string kUpdateNamespace = "http://www.andymatuschak.org/xml-namespaces/sparkle";

// A feed whose update namespace is bound to `prefix`.
std::string feedWith(const std::vector<std::string>& versions, const std::string& prefix = "sparkle") {
    std::string feed = R"(<?xml version="1.0" encoding="utf-8"?>
<rss version="2.0" xmlns:)" +
                       prefix + "=\"" + kUpdateNamespace + R"(">
  <channel><title>Zindral</title>)";
    const std::string p = prefix + ":";
    for (const std::string& version : versions)
        feed += "<item><title>Version " + version + "</title><" + p + "version>999</" + p + "version>" + "<" +
                p + "shortVersionString>" + version + "</" + p + "shortVersionString>" +
                R"(<enclosure url="https://updates.zindral.example/z.zip" )" + p +
                R"(version="999"/></item>)";
    return feed + "</channel></rss>";
}

// `document` in an element that binds the usual prefix to the update namespace.
std::string inFeed(const std::string& document) {
    return "<rss xmlns:sparkle=\"" + kUpdateNamespace + "\">" + document + "</rss>";
}

// The feed cut short, as a connection that dropped would leave it.
std::string cutShort(const std::string& feed) {
    return feed.substr(0, feed.rfind("</item>"));
}

TEST(SimpleSparklerChecker, CollectsTrimmedShortVersionStringsOnly) {
    struct Case {
        const char* what;
        std::string feed;
        std::vector<std::string> versions;
        std::optional<std::string> latest;
    };
    const Case cases[] = {
        {"one item", feedWith({"2.0"}), {"2.0"}, "2.0"},
        {"padded", feedWith({"\n   2.1 \t\n"}), {"2.1"}, "2.1"},
        {"the highest of many",
         feedWith({"1.5", "3.1", "2.0", "3.1.0"}),
         {"1.5", "3.1", "2.0", "3.1.0"},
         "3.1"},
        {"text split at references",
         inFeed("<sparkle:shortVersionString>2&#46;4&#x2E;1</sparkle:shortVersionString>"),
         {"2.4.1"},
         "2.4.1"},
        {"the enclosing end adds nothing",
         inFeed("<item><sparkle:shortVersionString>2.0</sparkle:shortVersionString>\n</item>"),
         {"2.0"},
         "2.0"},
        {"other names ignored",
         inFeed("<sparkle:version>9.0</sparkle:version><shortVersionString>8.0</shortVersionString>"
                "<sparkle:ShortVersionString>7.0</sparkle:ShortVersionString><x:shortVersionString "
                "xmlns:x=\"https://velmor.example/ns\">6.0</x:shortVersionString>"),
         {},
         std::nullopt},
        {"the namespace under another prefix", feedWith({"2.0"}, "u"), {"2.0"}, "2.0"},
        {"the namespace as the default",
         "<rss><shortVersionString xmlns=\"" + kUpdateNamespace + "\">2.2</shortVersionString></rss>",
         {"2.2"},
         "2.2"},
        {"the usual prefix for another namespace",
         R"(<rss xmlns:sparkle="https://velmor.example/ns"><sparkle:shortVersionString>9.0</sparkle:shortVersionString></rss>)",
         {},
         std::nullopt},
        {"the usual prefix never bound",
         "<rss><sparkle:shortVersionString>9.0</sparkle:shortVersionString></rss>",
         {},
         std::nullopt},
        {"a piece too large is skipped",
         feedWith({"99999999999999999999.0", "1.5"}),
         {"99999999999999999999.0", "1.5"},
         "1.5"},
        {"nothing from a feed cut short", cutShort(feedWith({"4.0", "4.1"})), {}, std::nullopt},
        {"a version longer than a version can be is skipped",
         feedWith({"1.5", "3." + std::string(70, '0')}),
         {"1.5", "3." + std::string(70, '0')},
         "1.5"},
        {"an expanded text is gathered only in part",
         "<!DOCTYPE rss [<!ENTITY a \"9999999999\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>" +
             inFeed("<sparkle:shortVersionString>&d;&d;</sparkle:shortVersionString>"),
         {std::string(4096, '9')},
         std::nullopt},
        {"not XML", "HTTP error page", {}, std::nullopt},
        {"empty", "", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        extension::SimpleSparklerChecker checker;
        checker.parse(c.feed);
        EXPECT_EQ(checker.versions(), c.versions);
        EXPECT_EQ(checker.latestVersion(), c.latest);
    }
}

TEST(UpdateCheck, AnnouncesOnlyAHeavierVersion) {
    struct Case {
        std::string feed;
        const char* plugin;
        std::optional<std::string> announced;
    };
    const Case cases[] = {
        {feedWith({"2.0"}), "1.9", "2.0"},
        {feedWith({"2.0"}), "2.0", std::nullopt},
        {feedWith({"2.0"}), "2.1", std::nullopt},
        {feedWith({"1.2.3.4"}), "1.2.4", std::nullopt}, // pieces compare in order, not by weight
        {feedWith({"1.1.0"}), "1.0.100", "1.1.0"},
        {feedWith({"1.100"}), "2.0", std::nullopt},
        {feedWith({"2.0.0"}), "2", std::nullopt}, // the same version
        {feedWith({"2.0", "1.0"}), "1.5", "2.0"}, // the highest, wherever it stands
        {feedWith({"1.0", "2.0"}), "1.5", "2.0"},
        {feedWith({"0.1"}), "Unknown", "0.1"},
        {feedWith({"99999999999999999999"}), "1.0", std::nullopt},
        {feedWith({"2.0." + std::string(70, '0')}), "1.0", std::nullopt}, // too long to be a version
        {"<rss><broken", "1.0", std::nullopt},
        {cutShort(feedWith({"2.0", "2.1"})), "1.0", std::nullopt}, // not well-formed: nothing
        {feedWith({"2.0"}, "u"), "1.0", "2.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.plugin);
        auto details = extension::updateDetailsFromFeed(c.feed, c.plugin);
        EXPECT_EQ(details.has_value(), c.announced.has_value());
        if (details && c.announced) {
            EXPECT_EQ(details->newVersion, *c.announced);
        }
    }
}

TEST(UpdateCheck, TheFeedAndTheDeepLink) {
    // Whatever the build names, it is an HTTPS address; by default one no real server answers.
    EXPECT_EQ(extension::updateFeedURL().rfind("https://", 0), 0u);
    EXPECT_EQ(extension::openAndUpdateURL(), "zindral://openAndUpdate");
    EXPECT_EQ(&extension::openAndUpdateURL(), &extension::openAndUpdateURL());
}

// Serves fetches from files, as a file URL names them.
class FileFetcher final : public tk::Fetcher {
public:
    tk::FetchResult fetch(const tk::FetchRequest& request, std::stop_token) override {
        const std::string prefix = "file://";
        std::ifstream file(request.url.substr(prefix.size()), std::ios::binary);
        if (request.url.rfind(prefix, 0) != 0 || !file)
            return tk::FetchResult::failure(tk::FetchError::Kind::transport, "no such file");
        std::stringstream body;
        body << file.rdbuf();
        return tk::FetchResult::success(body.str(), 200);
    }
};

extension::Settings::Environment environmentFor(std::shared_ptr<tk::Fetcher> fetcher, std::string url,
                                                std::string pluginVersion) {
    auto environment = settingstest::quietEnvironment();
    environment.fetcher = std::move(fetcher);
    environment.updateFeedURL = std::move(url);
    environment.pluginVersion = std::move(pluginVersion);
    return environment;
}

std::optional<std::string> announcedAfterBinding(extension::Settings::Environment environment) {
    settingstest::Fixture f(std::move(environment)); // binding runs the check and delivers its result
    const auto& details = f.settings->updateDetails().peek();
    return details ? std::optional<std::string>(details->newVersion) : std::nullopt;
}

TEST(UpdateCheck, FromAFeedFile) {
    const tk::testing::TempFolder folder("zindral-feed");
    std::ofstream(folder / "appcast.xml") << feedWith({"1.0.0", "1.2.0", "1.1.0"});
    const std::string url = "file://" + (folder / "appcast.xml").string();
    auto fetcher = std::make_shared<FileFetcher>();
    EXPECT_EQ(announcedAfterBinding(environmentFor(fetcher, url, "1.0.0")), "1.2.0");
    EXPECT_EQ(announcedAfterBinding(environmentFor(fetcher, url, "1.2.0")), std::nullopt);
    EXPECT_EQ(announcedAfterBinding(environmentFor(fetcher, url + ".missing", "1.0.0")), std::nullopt);
}

TEST(UpdateCheck, FromALoopbackServerSilentlyOnEveryFailure) {
    nettest::LoopbackServer server({
        {"/appcast.xml", nettest::Route(200, feedWith({"1.9", "2.0"}))},
        {"/moved.xml", nettest::Route(301, "", "Location: /appcast.xml\r\n")},
        {"/error.xml", nettest::Route(500, feedWith({"9.0"}))},
        {"/malformed.xml", nettest::Route(200, "<rss><channel><item><title>")},
        {"/oversize.xml", nettest::Route(200, feedWith({"9.0"}) + std::string(std::size_t{1} << 20, ' '))},
        {"/huge-piece.xml", nettest::Route(200, feedWith({"99999999999999999999.0"}))},
    });
    std::string closedURL;
    {
        nettest::LoopbackServer closed({});
        closedURL = closed.url("/appcast.xml");
    }
    auto fetcher = std::make_shared<tk::CurlFetcher>();
    struct Case {
        std::string url;
        const char* plugin;
        std::optional<std::string> announced;
    };
    const Case cases[] = {
        {server.url("/appcast.xml"), "1.9", "2.0"},
        {server.url("/appcast.xml"), "2.0", std::nullopt},
        {server.url("/appcast.xml"), "2.1", std::nullopt},
        {server.url("/moved.xml"), "1.0", "2.0"},
        {server.url("/missing.xml"), "1.0", std::nullopt}, // 404
        {server.url("/error.xml"), "1.0", std::nullopt},
        {server.url("/malformed.xml"), "1.0", std::nullopt},
        {server.url("/oversize.xml"), "1.0", std::nullopt},
        {server.url("/huge-piece.xml"), "1.0", std::nullopt},
        {closedURL, "1.0", std::nullopt}, // unreachable
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url + " " + c.plugin);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const auto announced = announcedAfterBinding(environmentFor(fetcher, c.url, c.plugin));
        const std::string out = testing::internal::GetCapturedStdout();
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(announced, c.announced);
        EXPECT_EQ(out, ""); // nothing in the log either
        EXPECT_EQ(err, "");
    }
}

TEST(UpdateCheck, AFoundNoticeStaysAndEachConfigurationChecksOnce) {
    auto server = std::make_unique<nettest::LoopbackServer>(
        std::map<std::string, nettest::Route>{{"/appcast.xml", nettest::Route(200, feedWith({"3.0"}))}});
    settingstest::Fixture f(
        environmentFor(std::make_shared<tk::CurlFetcher>(), server->url("/appcast.xml"), "1.0"));
    ASSERT_TRUE(f.settings->updateDetails().peek().has_value());
    EXPECT_EQ(server->requests(), 1);

    // A second unit: one more check; it fails now, and the notice stays.
    server.reset();
    auto second = testhost::makeUnit();
    f.settings->configureAudioUnit(second);
    f.settings->waitForUpdateChecks();
    f.loop.drain();
    ASSERT_TRUE(f.settings->updateDetails().peek().has_value());
    EXPECT_EQ(f.settings->updateDetails().peek()->newVersion, "3.0");
}

TEST(UpdateCheck, ReleasingTheModelStopsAHangingCheck) {
    nettest::LoopbackServer server({{"/appcast.xml", nettest::Route::held()}});
    settingstest::Fixture f(settingstest::quietEnvironment(), false);
    f.settings = extension::Settings::create(
        environmentFor(std::make_shared<tk::CurlFetcher>(), server.url("/appcast.xml"), "1.0"));
    f.settings->configureAudioUnit(f.unit);
    while (server.requests() == 0)
        std::this_thread::yield();
    f.settings.reset(); // stops and joins the worker promptly (the feed's timeout is far away)
    f.loop.drain();
}

} // namespace
