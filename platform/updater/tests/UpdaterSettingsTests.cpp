#include "platform/updater/UpdaterSettings.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

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
    std::filesystem::remove(dir / "Zindral" / "updater.json.bad");
    std::ofstream(file)
        << R"({"automaticallyChecksForUpdates": "yes", "skippedVersion": "3.0", "lastUpdateCheckDate": []})";
    UpdaterSettings partial;
    partial.skippedVersion = "3.0";
    EXPECT_EQ(loadSettings(file), partial) << "values of the wrong type keep their defaults";
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(UpdaterSettings, ADamagedFileIsKeptAsideReadAsFarAsItGoesAndReportedOnce) {
    const auto dir = updatertest::freshFolder("damaged");
    const auto file = dir / "updater.json";
    const std::string cut =
        R"({"automaticallyChecksForUpdates": false, "skippedVersion": "2.0", "lastUpdateCheckDate": 17)";
    std::ofstream(file) << cut;

    ::testing::internal::CaptureStderr();
    const UpdaterSettings read = loadSettings(file);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(read.automaticallyChecksForUpdates) << "the user's choice survives the damage";
    EXPECT_EQ(read.skippedVersion, "2.0");
    EXPECT_EQ(read.lastUpdateCheckDate, std::nullopt) << "a value cut short is not read";
    EXPECT_NE(told.find("updater.json.bad"), std::string::npos) << told;
    EXPECT_EQ(contents(dir / "updater.json.bad"), cut);
    EXPECT_FALSE(std::filesystem::exists(file));

    ASSERT_TRUE(saveSettings(read, file));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(loadSettings(file), read);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "told once";
    EXPECT_EQ(contents(dir / "updater.json.bad"), cut);

    std::ofstream(file) << "\x01\x02 binary";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(loadSettings(file), UpdaterSettings{}) << "nothing to read: the defaults";
    EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
}

TEST(UpdaterSettings, AFileCutAtItsLastValueKeepsWhatIsWholeThere) {
    struct Case {
        const char* text;
        UpdaterSettings read;
    };
    const auto off = [] {
        UpdaterSettings s;
        s.automaticallyChecksForUpdates = false;
        return s;
    };
    const auto skipped = [](const char* version) {
        UpdaterSettings s;
        s.automaticallyChecksForUpdates = false;
        s.skippedVersion = version;
        return s;
    };
    const Case cases[] = {
        {R"({"automaticallyChecksForUpdates": false)", off()},
        {"{\"automaticallyChecksForUpdates\": false  \t", off()},
        {R"({"automaticallyChecksForUpdates": fals)", off()}, // only false begins so
        {R"({"automaticallyChecksForUpdates": f)", off()},
        {"{\"automaticallyChecksForUpdates\": fa \t", off()},
        {R"({"automaticallyChecksForUpdates": tr)", UpdaterSettings{}},
        {R"({"automaticallyChecksForUpdates": n)", UpdaterSettings{}}, // null: no setting
        {R"({"automaticallyChecksForUpdates": fx)", UpdaterSettings{}},
        {R"({"skippedVersion": "2.0", "automaticallyChecksForUpdates": false)", skipped("2.0")},
        {R"({"automaticallyChecksForUpdates": false, "lastUpdateCheckDate": 1765350000)", off()},
        {R"({"automaticallyChecksForUpdates": false, "skippedVersion": "2.)", off()},
    };
    const auto dir = updatertest::freshFolder("cut");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto file = dir / "updater.json";
        std::filesystem::remove(dir / "updater.json.bad");
        std::ofstream(file) << c.text;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(loadSettings(file), c.read);
        (void)::testing::internal::GetCapturedStderr();
    }
}

TEST(UpdaterSettings, SavingNeverWritesThroughAPlantedLink) {
    const auto dir = updatertest::freshFolder("links");
    const auto file = dir / "updater.json";
    const auto victim = dir / "victim";
    std::ofstream(victim) << "precious";
    // Where a save's temporary file, or the file itself, would be expected.
    std::filesystem::create_symlink(victim, dir / ("updater.json.tmp" + std::to_string(::getpid())));
    std::filesystem::create_symlink(victim, file);
    UpdaterSettings settings;
    settings.skippedVersion = "3.0";
    ASSERT_TRUE(saveSettings(settings, file));
    EXPECT_EQ(contents(victim), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(file)) << "the link is replaced, not followed";
    EXPECT_EQ(loadSettings(file), settings);
}

} // namespace
} // namespace updater
