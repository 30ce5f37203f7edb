#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Resources/TYColors.h"
#include "Tessaly/Resources/TYImages.h"
#include "Tessaly/Resources/TessalyBundle.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace Tessaly {
namespace {

TEST(TessalyResources, BundleCarriesEveryNamedColourAndImage) {
    testing::useBuiltBundles();
    EXPECT_EQ(ColorResources::kAll.size(), 21u);
    EXPECT_EQ(ImageResources::kAll.size(), 52u);
    std::set<std::string_view> names;
    for (const auto& c : ColorResources::kAll) {
        EXPECT_TRUE(tessalyResources().color(c.name).has_value()) << c.name;
        names.insert(c.name);
    }
    for (const auto& i : ImageResources::kAll) {
        EXPECT_TRUE(tessalyResources().image(i.name).has_value()) << i.name;
        names.insert(i.name);
    }
    EXPECT_EQ(names.size(), 73u) << "no name is listed twice";
}

TEST(TessalyResources, WrappersAreMadeOnceAndShared) {
    testing::useBuiltBundles();
    EXPECT_EQ(&TYColorsAK::Background::normal(), &TYColorsAK::Background::normal());
    EXPECT_EQ(TYColorsAK::Background::normal(), color(ColorResources::backgroundNormal));
    EXPECT_EQ(TYColorsAK::grey85(), TYColors::grey85());
    EXPECT_NE(TYColors::grey85(), TYColors::grey50());
    EXPECT_EQ(&TYImages::windowVelmor(), &TYImages::windowVelmor());
    EXPECT_TRUE(TYImages::windowVelmor().isTemplate()) << "the window tints the maker's logo";
    EXPECT_EQ(TYImages::tuiButton().name(), "tui-button");
    EXPECT_FALSE(TYImagesAK::cursorTrackingslider().isEmpty());
}

TEST(TessalyResources, MissingAssetFallsBackWithoutStopping) {
    testing::useBuiltBundles();
    EXPECT_EQ(color(ColorResource{"no such colour"}), tk::Color::clear());
    EXPECT_TRUE(image(ImageResource{"no-such-image"}).isEmpty());
}

TEST(TessalyResources, TheBundleIsFoundByTheToolkitsModuleLookup) {
    testing::useBuiltBundles();
    EXPECT_EQ(tessalyBundle().bundlePath(), testing::buildFolder() / "bundles" / "Tessaly_Tessaly.bundle");
}

TEST(TessalyResourcesDeathTest, MissingBundleStopsWithItsName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            // A folder without the bundle; nothing is made in it (the child does not clean up).
            tk::Bundle::setMain(std::filesystem::temp_directory_path());
            (void)tessalyBundle();
        },
        "unable to find bundle named Tessaly_Tessaly");
}

TEST(TessalyResources, ColourDebugDescriptionNamesTheSpaceAndComponents) {
    EXPECT_EQ(debugDescription(tk::Color(1, 0, 0, 1)), "sRGB: [ 1.0, 0.0, 0.0, 1.0 ]");
    EXPECT_EQ(debugDescription(tk::Color(0.5, 0.25, 0, 0.75, tk::ColorSpace::displayP3)),
              "Display P3: [ 0.5, 0.25, 0.0, 0.75 ]");
}

} // namespace
} // namespace Tessaly
