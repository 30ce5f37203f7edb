#pragma once

// What the application's tests share: the drawn resource bundles as the main bundle's neighbours
// (tk::testing::useBuiltBundles), and an application environment whose updater talks to a recording driver
// and a fixed feed.

#include "app/ZindralApp.h"

#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <filesystem>
#include <memory>
#include <string>

namespace apptest {

using tk::testing::buildFolder;
using tk::testing::useBuiltBundles;

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
