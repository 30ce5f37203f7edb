#include "Tessaly/Foundation/BundleInfo.h"
#include "platform/tk/base/tests/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace Tessaly {
namespace {

const tk::testing::TempFolder& scratch() {
    static const tk::testing::TempFolder folder("tessaly-info");
    return folder;
}

std::filesystem::path bundleWithInfo(const std::string& name, const std::string& json) {
    const auto dir = scratch() / (name + ".bundle");
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Info.json") << json;
    return dir;
}

TEST(TessalyBundleInfo, StringsOfTheInformationDictionary) {
    const auto b = tk::Bundle::open(bundleWithInfo("full", R"({
        "CFBundleShortVersionString": "1.2", "CFBundleVersion": "45", "CFBundleName": "Zindral",
        "CFBundleDisplayName": "Zindral App", "TeamIdentifierPrefix": "ABC123."})"));
    ASSERT_TRUE(b.has_value());
    EXPECT_EQ(shortVersion(*b), "1.2");
    EXPECT_EQ(version(*b), "45");
    EXPECT_EQ(bundleName(*b), "Zindral");
    EXPECT_EQ(displayName(*b), "Zindral App");
    EXPECT_EQ(teamIdentifierPrefix(*b), "ABC123.");
}

TEST(TessalyBundleInfo, MissingOrNonStringValuesGiveNothing) {
    const auto numbers =
        tk::Bundle::open(bundleWithInfo("numbers", R"({"CFBundleShortVersionString": 2.0})"));
    ASSERT_TRUE(numbers.has_value());
    EXPECT_EQ(shortVersion(*numbers), std::nullopt) << "a number is not a version string";
    EXPECT_EQ(version(*numbers), std::nullopt);

    const auto dir = scratch() / "none.bundle";
    std::filesystem::create_directories(dir);
    std::filesystem::remove(dir / "Info.json");
    const auto bare = tk::Bundle::open(dir);
    ASSERT_TRUE(bare.has_value());
    EXPECT_EQ(shortVersion(*bare), std::nullopt);
    EXPECT_EQ(displayName(*bare), std::nullopt);
}

} // namespace
} // namespace Tessaly
