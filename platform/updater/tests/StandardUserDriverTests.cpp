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
#include <optional>
#include <vector>

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

// What each key does to each dialog: Return and Enter press the default button, Escape the
// cancel button or the only one, Space the button Tab brought the focus to.
TEST(UpdaterStandardUserDriver, DialogsAnswerTheKeyboard) {
    tk::TestMainLoop loop;
    tk::setCurrentBackend(nullptr);
    const AppcastItem item{"Version 2.0", "20", "2.0", "https://velmor.example/zindral/2.0", ""};
    struct Case {
        const char* name;
        std::vector<tk::KeyCode> keys;
        std::vector<tk::ModifierFlags> modifiers; // per key; none when shorter
        std::optional<UpdateChoice> choice;       // what the offer answers
        int acknowledgements;                     // what the error dialog counts
    };
    using K = tk::KeyCode;
    const std::vector<Case> cases{
        {"return", {K::returnKey}, {}, UpdateChoice::install, 1},
        {"keypad enter", {K::keypadEnter}, {}, UpdateChoice::install, 1},
        {"escape", {K::escape}, {}, UpdateChoice::remindLater, 1},
        {"space without focus", {K::space}, {}, std::nullopt, 0},
        {"tab, space", {K::tab, K::space}, {}, UpdateChoice::skip, 1},
        {"tab twice, space", {K::tab, K::tab, K::space}, {}, UpdateChoice::remindLater, 1},
        {"shift-tab, space", {K::tab, K::space}, {tk::ModifierFlags::shift}, UpdateChoice::install, 1},
        {"a letter", {K::a}, {}, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StandardUserDriver driver;
        auto press = [&](tk::Window& window) {
            tk::HeadlessWindow w(window.sharedWindow());
            for (std::size_t i = 0; i < c.keys.size(); ++i)
                w.key(c.keys[i], i < c.modifiers.size() ? c.modifiers[i] : tk::ModifierFlags::none);
            loop.drain();
        };

        std::vector<UpdateChoice> choices;
        driver.showUpdateFound(updatertest::testHost(), item, [&](UpdateChoice u) { choices.push_back(u); });
        auto offer = driver.dialogWindow()->sharedWindow();
        press(*offer);
        EXPECT_EQ(choices.size(), c.choice ? 1u : 0u);
        if (c.choice && !choices.empty()) {
            EXPECT_EQ(choices.front(), *c.choice);
        }
        EXPECT_EQ(offer->isClosed(), c.choice.has_value());

        int acknowledged = 0;
        driver.showUpdaterError(updatertest::testHost(), "The update server could not be reached.",
                                [&] { ++acknowledged; });
        auto error = driver.dialogWindow()->sharedWindow();
        press(*error);
        EXPECT_EQ(acknowledged, c.acknowledgements) << "one button: every key that presses one presses it";
        EXPECT_EQ(error->isClosed(), c.acknowledgements == 1);
    }
}

TEST(UpdaterStandardUserDriver, TabShowsTheFocusRingAndAClickMovesNoFocus) {
    tk::TestMainLoop loop;
    tk::setCurrentBackend(nullptr);
    StandardUserDriver driver;
    std::vector<UpdateChoice> choices;
    const AppcastItem item{"Version 2.0", "20", "2.0", "https://velmor.example/zindral/2.0", ""};
    driver.showUpdateFound(updatertest::testHost(), item, [&](UpdateChoice c) { choices.push_back(c); });
    const auto shared = driver.dialogWindow()->sharedWindow();
    tk::HeadlessWindow w(shared);
    tk::Responder* dialogFocus = shared->firstResponder();
    EXPECT_EQ(dialogFocus, shared->contentView()) << "the dialog takes the keys from the start";
    w.key(tk::KeyCode::tab);
    w.key(tk::KeyCode::tab);
    shared->display();
    const auto picture = tk::testing::picturesFolder("updater") / "update-found-focused.png"; // for a person
    ASSERT_NE(shared->lastFrame(), nullptr);
    EXPECT_TRUE(shared->lastFrame()->writePNG(picture));

    // A press on a button that is let go outside it answers nothing and leaves the keys where they were.
    tk::View* skip = tk::ui::findNodeView(*shared->contentView(), "button.0");
    ASSERT_NE(skip, nullptr);
    const tk::Rect r = skip->convertTo(tk::Rect(tk::Point{}, skip->bounds().size), nullptr);
    w.mouseDown({r.midX(), r.midY()});
    w.mouseUp({r.midX(), r.maxY() + 40});
    loop.drain();
    EXPECT_TRUE(choices.empty());
    EXPECT_EQ(shared->firstResponder(), dialogFocus);
    w.key(tk::KeyCode::space);
    loop.drain();
    EXPECT_EQ(choices, (std::vector<UpdateChoice>{UpdateChoice::remindLater}))
        << "the second button had the ring";
}

} // namespace
} // namespace updater
