#pragma once

// What the application's tests share: the drawn resource bundles as the main bundle's neighbours,
// and an application environment whose updater talks to a recording driver and a fixed feed.

#include "app/ZindralApp.h"

#include "platform/tk/base/Bundle.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <filesystem>
#include <memory>
#include <string>

namespace apptest {

inline std::filesystem::path buildFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
}

// Tests run from <build>/bin; the resource bundles are drawn into <build>/bundles.
inline void useBuiltBundles() {
    static const bool done = tk::Bundle::setMain(buildFolder() / "bundles");
    (void)done;
}

struct TestEnvironment {
    std::shared_ptr<updatertest::RecordingUserDriver> driver =
        std::make_shared<updatertest::RecordingUserDriver>();
    std::shared_ptr<updatertest::FixedFetcher> fetcher = std::make_shared<updatertest::FixedFetcher>(
        tk::FetchResult::success(updatertest::feedWith("1.0.0", "10"), 200));
    int terminations = 0;

    app::AppEnvironment make(const std::string& name) {
        useBuiltBundles();
        app::AppEnvironment env;
        env.updater.host = updatertest::testHost();
        env.updater.fetcher = fetcher;
        env.updater.userDriver = driver;
        env.updater.settingsFile = updatertest::freshFolder("app-" + name) / "updater.json";
        env.updater.openURL = [](const std::string&) { return true; };
        env.updater.now = [] { return 1'765'350'000.0; };
        env.feedURL = "https://u.example/appcast.xml";
        env.terminate = [this] { ++terminations; };
        return env;
    }
};

} // namespace apptest
