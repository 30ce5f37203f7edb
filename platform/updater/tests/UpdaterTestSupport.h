#pragma once

// What the updater tests share: a user driver that records what would be shown and keeps the
// replies, fetchers that answer from memory or from files, feeds, and a temporary config folder.

#include "platform/tk/base/tests/TempFolder.h"
#include "platform/tk/net/Fetch.h"
#include "platform/updater/Updater.h"
#include "platform/updater/UpdaterDelegate.h"
#include "platform/updater/UserDriver.h"

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace updatertest {

class RecordingUserDriver final : public updater::UserDriver {
public:
    void showUserInitiatedUpdateCheck(const updater::HostInfo&, std::function<void()> cancelCheck) override {
        shown.push_back("checking");
        cancel = std::move(cancelCheck);
    }
    void showUpdateFound(const updater::HostInfo&, const updater::AppcastItem& item,
                         std::function<void(updater::UpdateChoice)> replyTo) override {
        shown.push_back("found " + item.displayVersion());
        reply = std::move(replyTo);
    }
    void showUpdateNotFound(const updater::HostInfo&, std::function<void()>) override {
        shown.push_back("up to date");
    }
    void showUpdaterError(const updater::HostInfo&, const std::string& message,
                          std::function<void()>) override {
        shown.push_back("error");
        lastError = message;
    }
    void showUpdateInFocus() override { shown.push_back("focus"); }

    std::vector<std::string> shown;
    std::string lastError;
    std::function<void()> cancel;
    std::function<void(updater::UpdateChoice)> reply;
};

// Answers every fetch with the same result and counts the fetches.
class FixedFetcher final : public tk::Fetcher {
public:
    explicit FixedFetcher(tk::FetchResult result) : result_(std::move(result)) {}
    tk::FetchResult fetch(const tk::FetchRequest& request, std::stop_token) override {
        ++fetches;
        lastURL = request.url; // read by the test only after the fetch has finished
        return result_;
    }
    std::atomic<int> fetches{0};
    std::string lastURL;

private:
    tk::FetchResult result_;
};

// Serves file:// addresses from the disk, as a feed kept in a file.
class FileFetcher final : public tk::Fetcher {
public:
    tk::FetchResult fetch(const tk::FetchRequest& request, std::stop_token) override {
        const std::string prefix = "file://";
        if (request.url.rfind(prefix, 0) != 0)
            return tk::FetchResult::failure(tk::FetchError::Kind::invalidRequest, "not a file");
        std::ifstream in(request.url.substr(prefix.size()), std::ios::binary);
        if (!in)
            return tk::FetchResult::failure(tk::FetchError::Kind::transport, "no such file");
        std::stringstream text;
        text << in.rdbuf();
        return tk::FetchResult::success(text.str(), 200);
    }
};

class FixedFeedDelegate final : public updater::UpdaterDelegate {
public:
    explicit FixedFeedDelegate(std::optional<std::string> feed) : feed_(std::move(feed)) {}
    std::optional<std::string> feedURLString(const updater::Updater&) override { return feed_; }

private:
    std::optional<std::string> feed_;
};

inline std::string feedWith(const std::string& shortVersion, const std::string& version) {
    return "<?xml version=\"1.0\"?>\n"
           "<rss version=\"2.0\" xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">\n"
           "<channel><title>Zindral</title>\n"
           "<item><title>Version " +
           shortVersion +
           "</title>\n"
           "<link>https://velmor.example/zindral/" +
           shortVersion +
           "</link>\n"
           "<sparkle:version>" +
           version +
           "</sparkle:version>\n"
           "<sparkle:shortVersionString>" +
           shortVersion +
           "</sparkle:shortVersionString>\n"
           "<enclosure url=\"https://velmor.example/zindral/Zindral-" +
           shortVersion +
           ".tar.xz\" length=\"1\"/>\n"
           "</item></channel></rss>\n";
}

inline updater::HostInfo testHost() {
    return updater::HostInfo{"Zindral", "1.0.0", "10"};
}

// A fresh folder named for the test, inside a temporary folder of this test program's own that goes
// when the program ends.
inline std::filesystem::path freshFolder(const std::string& name) {
    static const tk::testing::TempFolder programFolder("zindral-updater");
    const auto dir = programFolder / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace updatertest
