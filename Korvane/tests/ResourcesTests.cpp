#include "Korvane/Extensions/ViewAnchoring.h"
#include "Korvane/Resources/AssetNames.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"
#include "Korvane/Resources/KorvaneBundle.h"
#include "Korvane/Resources/Links.h"
#include "platform/tk/base/tests/TempFolder.h"

#include "Korvane/tests/KorvaneTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/View.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace Korvane {
namespace {

using namespace testing;

TEST(KorvaneResources, EveryNamedAssetIsInTheBundle) {
    useBuiltBundles();
    for (auto name : AssetNames::kColors) {
        EXPECT_TRUE(korvaneResources().color(name).has_value()) << name;
    }
    for (auto name : AssetNames::kImages) {
        EXPECT_TRUE(korvaneResources().image(name).has_value()) << name;
    }
    EXPECT_EQ(Colors::background(), korvaneColor("background"));
    EXPECT_EQ(Images::velmorLogo().name(), "velmor-logo");
    // A missing asset is no error.
    EXPECT_EQ(korvaneColor("no-such-colour"), tk::Color::clear());
    EXPECT_TRUE(korvaneImage("no-such-image").isEmpty());
}

TEST(KorvaneResources, FontsResolveThroughTheBundlesMapping) {
    useBuiltBundles();
    struct Case {
        KorvFont font;
        const char* name;
        const char* family;
    } cases[] = {
        {KorvFont::rocket, "Rocket", "League Spartan"},
        {KorvFont::dosisLight, "Dosis-Light", "Dosis"},
        {KorvFont::dosisMedium, "Dosis-Medium", "Dosis"},
    };
    for (const auto& c : cases) {
        const tk::Font font = korvTypeface(c.font, 12);
        EXPECT_EQ(font.name(), c.name);
        EXPECT_EQ(font.size(), 12);
        EXPECT_EQ(font.resolved().family, c.family) << c.name;
        EXPECT_EQ(font.matchedFamily(), c.family) << c.name << " is registered for the process";
    }
    EXPECT_EQ(korvTypeface(KorvFont::dosisLight, 12).resolved().weight, tk::FontWeight::light);
}

TEST(KorvaneResources, LinksAreFixedWebAddresses) {
    for (const std::string* url :
         {&Links::velmorSite(), &Links::velmorMastodonAccount(), &Links::velmorContactPage()}) {
        EXPECT_EQ(url->rfind("https://", 0), 0u) << *url;
    }
    EXPECT_EQ(&Links::velmorSite(), &Links::velmorSite()) << "made once";
}

TEST(KorvaneResources, TheBundleIsLookedUpNextToTheMainBundlesResources) {
    const tk::testing::TempFolder scratch("korvane-lookup");
    const auto folder = scratch.path();
    std::filesystem::create_directories(folder / "Korvane_Korvane.bundle");
    ASSERT_TRUE(tk::Bundle::setMain(folder));
    const auto found = findKorvaneBundle();
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->bundlePath(), folder / "Korvane_Korvane.bundle");
    std::filesystem::remove_all(folder / "Korvane_Korvane.bundle");
    EXPECT_FALSE(findKorvaneBundle().has_value());
    useBuiltBundles();
    EXPECT_TRUE(findKorvaneBundle().has_value());
}

TEST(KorvaneBundleDeathTest, AMissingBundleStopsWithItsMessage) {
    // In a fresh child process (the bundle is found once per process), whose main bundle is a
    // folder without the Korvane bundle.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            tk::Bundle::setMain(std::filesystem::temp_directory_path());
            korvaneBundle();
            std::exit(0);
        },
        ::testing::KilledBySignal(SIGABRT), "unable to find bundle named Korvane_Korvane");
}

TEST(ViewAnchoring, PinsToAllSidesWithInsets) {
    tk::TestMainLoop loop;
    auto outer = tk::View::make<tk::View>(tk::Rect{0, 0, 616, 678});
    auto inner = tk::View::make<tk::View>();
    outer->addSubview(inner);
    anchorToAllSidesOf(*inner, outer.get(), {10, 20, 30, 40});
    EXPECT_EQ(inner->frame(), (tk::Rect{20, 10, 616 - 60, 678 - 40}));
    outer->setFrameSize({800, 700});
    outer->layoutSubtreeIfNeeded();
    EXPECT_EQ(inner->frame().size, (tk::Size{800 - 60, 700 - 40}));

    auto lone = tk::View::make<tk::View>(tk::Rect{1, 2, 3, 4});
    anchorToAllSidesOf(*lone, nullptr);
    EXPECT_EQ(lone->frame(), (tk::Rect{1, 2, 3, 4}));
}

} // namespace
} // namespace Korvane
