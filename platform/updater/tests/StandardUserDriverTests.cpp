#include "platform/tk/base/tests/BuiltBundles.h"
#include "platform/updater/StandardUserDriver.h"
#include "platform/updater/tests/UpdaterTestSupport.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace updater {
namespace {

// Clicks the dialog's button number `index` as a user would.
void clickButton(tk::Window& window, int index) {
    tk::View* button = tk::ui::findNodeView(*window.contentView(), "button." + std::to_string(index));
    ASSERT_NE(button, nullptr);
    const tk::Rect r = button->convertTo(tk::Rect(tk::Point{}, button->bounds().size), nullptr);
    tk::HeadlessWindow(window.sharedWindow()).click({r.midX(), r.midY()});
}

TEST(UpdaterStandardUserDriver, UpdateFoundDialogOffersItsThreeChoices) {
    tk::TestMainLoop loop;
    tk::setCurrentBackend(nullptr);
    StandardUserDriver driver;
    std::vector<UpdateChoice> choices;
    const AppcastItem item{"Version 2.0", "20", "2.0", "https://velmor.example/zindral/2.0", ""};
    driver.showUpdateFound(updatertest::testHost(), item, [&](UpdateChoice c) { choices.push_back(c); });
    ASSERT_NE(driver.dialogWindow(), nullptr);
    const auto shared = driver.dialogWindow()->sharedWindow(); // outlives the driver's reference
    tk::Window& window = *shared;
    EXPECT_EQ(window.identifier(), "updater.found");
    EXPECT_TRUE(window.isKeyWindow());
    window.display();
    const auto picture = tk::testing::picturesFolder("updater") / "update-found.png"; // for a person
    ASSERT_NE(window.lastFrame(), nullptr);
    EXPECT_TRUE(window.lastFrame()->writePNG(picture));

    clickButton(window, 2);
    loop.drain();
    EXPECT_EQ(choices, (std::vector<UpdateChoice>{UpdateChoice::install}));
    EXPECT_TRUE(window.isClosed()) << "answered: the dialog goes away";
    EXPECT_EQ(driver.dialogWindow(), nullptr);

    // Closing the window is the mildest answer, given once.
    driver.showUpdateFound(updatertest::testHost(), item, [&](UpdateChoice c) { choices.push_back(c); });
    driver.dialogWindow()->close();
    loop.drain();
    EXPECT_EQ(choices.back(), UpdateChoice::remindLater);
    EXPECT_EQ(choices.size(), 2u);
}

TEST(UpdaterStandardUserDriver, ANewDialogReplacesTheShownOneWithoutAnsweringIt) {
    tk::TestMainLoop loop;
    tk::setCurrentBackend(nullptr);
    StandardUserDriver driver;
    int cancelled = 0;
    int acknowledged = 0;
    driver.showUserInitiatedUpdateCheck(updatertest::testHost(), [&] { ++cancelled; });
    tk::Window* checking = driver.dialogWindow();
    ASSERT_NE(checking, nullptr);
    auto keep = checking->sharedWindow();
    driver.showUpdaterError(updatertest::testHost(), "The update server could not be reached.",
                            [&] { ++acknowledged; });
    EXPECT_TRUE(keep->isClosed());
    EXPECT_EQ(cancelled, 0) << "replaced, not cancelled";
    EXPECT_EQ(driver.dialogWindow()->identifier(), "updater.error");
    clickButton(*driver.dialogWindow(), 0);
    loop.drain();
    EXPECT_EQ(acknowledged, 1);
}

TEST(UpdaterStandardUserDriver, DialogTexts) {
    const HostInfo host = updatertest::testHost();
    const auto found = updateFoundDialog(host, AppcastItem{"", "20", "2.0", "", ""}, [](UpdateChoice) {});
    EXPECT_EQ(found.title, "A new version of Zindral is available!");
    ASSERT_EQ(found.buttons.size(), 3u);
    EXPECT_EQ(found.buttons[0].title, "Skip This Version");
    EXPECT_EQ(found.buttons[1].title, "Remind Me Later");
    EXPECT_EQ(found.buttons[2].title, "Download");
    EXPECT_EQ(upToDateDialog(host, {}).title, "You're up to date!");
    EXPECT_EQ(upToDateDialog(host, {}).message, "Zindral 1.0.0 is currently the newest version available.");
}

} // namespace
} // namespace updater
