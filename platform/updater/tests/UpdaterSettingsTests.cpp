#include "platform/updater/UpdaterSettings.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace updater {
namespace {

TEST(UpdaterSettings, LiveInTheXdgConfigFolder) {
    const auto dir = updatertest::freshFolder("xdg");
    ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    EXPECT_EQ(defaultSettingsFile("Zindral"), dir / "Zindral" / "updater.json");
    ::setenv("XDG_CONFIG_HOME", "relative/path", 1);
    ::setenv("HOME", dir.c_str(), 1);
    EXPECT_EQ(defaultSettingsFile("Zindral"), dir / ".config" / "Zindral" / "updater.json")
        << "a relative XDG_CONFIG_HOME is ignored";
    EXPECT_EQ(defaultSettingsFile("../evil"), std::nullopt);
    EXPECT_EQ(defaultSettingsFile(""), std::nullopt);
    ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
}

TEST(UpdaterSettings, RoundTripAndDefaultsForMissingOrBadFiles) {
    const auto dir = updatertest::freshFolder("settings");
    const auto file = dir / "Zindral" / "updater.json";
    EXPECT_EQ(loadSettings(file), UpdaterSettings{}) << "no file: the defaults";

    UpdaterSettings settings;
    settings.automaticallyChecksForUpdates = false;
    settings.lastUpdateCheckDate = 1765350000.5;
    settings.skippedVersion = "2.0";
    ASSERT_TRUE(saveSettings(settings, file));
    EXPECT_EQ(loadSettings(file), settings);

    std::ofstream(file) << "{ not json";
    EXPECT_EQ(loadSettings(file), UpdaterSettings{});
    std::ofstream(file)
        << R"({"automaticallyChecksForUpdates": "yes", "skippedVersion": "3.0", "lastUpdateCheckDate": []})";
    UpdaterSettings partial;
    partial.skippedVersion = "3.0";
    EXPECT_EQ(loadSettings(file), partial) << "values of the wrong type keep their defaults";
}

} // namespace
} // namespace updater
