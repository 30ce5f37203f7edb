#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/Control.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/MenuView.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/Workspace.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include <sys/wait.h>

namespace tk {
namespace {

using Log = std::vector<std::string>;

struct RecordingControl : Control {
    using Control::Control;
    Log* log = nullptr;
    bool startTracking(Point p, const Event&) override {
        log->push_back("start " + std::to_string(int(p.x)));
        return true;
    }
    void stopTracking(Point, Point p, bool up) override {
        log->push_back(std::string(up ? "stop up " : "stop cancel ") + std::to_string(int(p.x)));
    }
};

class Actions : public ::testing::Test {
protected:
    TestMainLoop loop;
    HeadlessWindow w{{200, 100}};
    std::shared_ptr<View> panel = View::make<View>(Rect{0, 0, 200, 100});
    std::shared_ptr<RecordingControl> button = View::make<RecordingControl>(Rect{10, 10, 40, 20});
    Log log;

    void SetUp() override {
        button->log = &log;
        button->setAction("press:");
        w.contentView().addSubview(panel);
        panel->addSubview(button);
        panel->setActionHandler("press:", [this](const ActionSender& s) {
            log.push_back(s.responder == button.get() ? "panel got press from button" : "panel got press");
        });
    }
};

TEST_F(Actions, AReleaseInsideSendsTheActionUpTheChain) {
    w.click({20, 20});
    EXPECT_EQ(log, (Log{"start 10", "stop up 10", "panel got press from button"}));
    EXPECT_FALSE(button->isHighlighted());

    log.clear();
    w.mouseDown({20, 20});
    EXPECT_TRUE(button->isHighlighted());
    w.dragTo({100, 20});
    EXPECT_FALSE(button->isHighlighted()) << "the highlight follows the pointer";
    w.mouseUp({100, 20});
    EXPECT_EQ(log, (Log{"start 10", "stop up 90"})) << "released outside: no action";

    log.clear();
    w.mouseDown({20, 20});
    w.cancelDrag();
    w.mouseUp({20, 20});
    EXPECT_EQ(log, (Log{"start 10", "stop cancel 10"})) << "a cancelled press sends nothing";

    log.clear();
    button->setEnabled(false);
    w.click({20, 20});
    EXPECT_TRUE(log.empty());
}

TEST_F(Actions, TheFirstRespondersChainComesFirstThenTheTargetRules) {
    // The window's next responder (an application object) is the chain's last stop.
    auto app = std::make_shared<Responder>();
    app->setActionHandler("about", [&](const ActionSender&) { log.push_back("app about"); });
    w.window().setNextResponder(app);
    button->setAction("about");
    w.click({20, 20});
    EXPECT_EQ(log.back(), "app about");

    // A target takes the action directly.
    auto target = std::make_shared<Responder>();
    target->setActionHandler("press:", [&](const ActionSender&) { log.push_back("target"); });
    button->setAction("press:");
    button->setTarget(target);
    w.click({20, 20});
    EXPECT_EQ(log.back(), "target");

    // No one answers: false.
    EXPECT_FALSE(w.window().sendAction("nothing", nullptr, {}));
    button->setTarget({});
    button->setAction("nothing");
    EXPECT_FALSE(button->sendAction());
}

TEST_F(Actions, MenuKeyEquivalentsAndChosenItemsPerformTheirActions) {
    auto menu = std::make_shared<Menu>("Zindral");
    menu->addItem("About", "about");
    menu->addItem("Check for Updates…", "checkForUpdates", "u").keyEquivalentModifierMask =
        ModifierFlags::command | ModifierFlags::shift;
    menu->addSeparator();
    menu->addItem("Quit", "", "q").handler = [&](const MenuItem&) { log.push_back("quit"); };
    menu->addItem("Disabled", "about", "d").enabled = false;
    w.window().setMenu(menu);
    auto app = std::make_shared<Responder>();
    app->setActionHandler("about", [&](const ActionSender& s) {
        log.push_back("about from " + (s.menuItem ? s.menuItem->title : std::string("?")));
    });
    app->setActionHandler("checkForUpdates", [&](const ActionSender&) { log.push_back("check"); });
    w.window().setNextResponder(app);

    w.key(KeyCode::u, ModifierFlags::control | ModifierFlags::shift); // Ctrl stands in for command
    w.key(KeyCode::u, ModifierFlags::control);                        // Shift missing: no match
    w.key(KeyCode::q, ModifierFlags::command);
    w.key(KeyCode::d, ModifierFlags::control); // disabled
    EXPECT_EQ(log, (Log{"check", "quit"}));
    EXPECT_EQ(menu->item(1)->keyEquivalentDisplayString(), "Ctrl+Shift+U");

    // A right click with no handler shows the nearest context menu; the user picks "About".
    panel->setMenu(menu);
    w.rightClick({150, 50});
    auto* backend = HeadlessBackend::current();
    ASSERT_NE(backend, nullptr);
    ASSERT_EQ(backend->menus().shownMenu(), menu.get());
    EXPECT_EQ(backend->menus().shownLocation(), (Point{150, 50}));
    EXPECT_FALSE(backend->menus().chooseItem(4)) << "disabled";
    w.rightClick({150, 50});
    EXPECT_TRUE(backend->menus().chooseItem(0));
    EXPECT_EQ(log.back(), "about from About");
}

TEST_F(Actions, TheInWindowMenuShowsItemsAndPerformsTheClickedOne) {
    auto menu = std::make_shared<Menu>();
    menu->addItem("About", "about");
    menu->addSeparator();
    menu->addItem("Check for Updates…", "checkForUpdates");
    auto app = std::make_shared<Responder>();
    app->setActionHandler("checkForUpdates", [&](const ActionSender&) { log.push_back("check"); });
    w.window().setNextResponder(app);

    InWindowMenuPresenter presenter;
    presenter.present(w.window(), menu, {20, 10});
    ASSERT_EQ(w.window().overlayViews().size(), 1u);
    auto* view = dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
    ASSERT_NE(view, nullptr);
    w.contentView().setSubviews({}); // the content rebuilding itself leaves the menu alone
    ASSERT_EQ(w.window().overlayViews().size(), 1u);
    w.render(); // lays the menu out
    const Rect panelRect = view->panelRect();
    const Point third{panelRect.midX(),
                      panelRect.y() + 4 + MenuView::kItemHeight + MenuView::kSeparatorHeight + 5};
    EXPECT_EQ(view->itemAt({panelRect.midX(), panelRect.y() + 4 + MenuView::kItemHeight + 2}), -1)
        << "separators cannot be chosen";
    w.click(third);
    EXPECT_EQ(log, (Log{"check"}));
    EXPECT_TRUE(w.window().overlayViews().empty()) << "the menu closed";

    // Escape closes it without choosing.
    presenter.present(w.window(), menu, {20, 10});
    w.key(KeyCode::escape);
    EXPECT_TRUE(w.window().overlayViews().empty());
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(Actions, MenusAskTheirDelegateBeforeOpeningAndOptionShowsAlternates) {
    struct Filler : MenuDelegate {
        int updates = 0;
        void menuNeedsUpdate(Menu& menu) override {
            ++updates;
            menu.removeAllItems();
            menu.addItem(MenuItem::sectionHeader("Recent"));
            menu.addItem("Open", "open");
            MenuItem alternate("Open in New Window", "openNew");
            alternate.isAlternate = true;
            alternate.keyEquivalentModifierMask = ModifierFlags::option;
            menu.addItem(alternate);
        }
    };
    auto filler = std::make_shared<Filler>();
    auto menu = std::make_shared<Menu>();
    menu->setDelegate(filler);
    auto app = std::make_shared<Responder>();
    app->setActionHandler("open", [&](const ActionSender&) { log.push_back("open"); });
    app->setActionHandler("openNew", [&](const ActionSender&) { log.push_back("openNew"); });
    w.window().setNextResponder(app);

    w.window().popUpMenu(menu, {20, 10});
    EXPECT_EQ(filler->updates, 1);
    ASSERT_EQ(menu->numberOfItems(), 3);
    EXPECT_FALSE(HeadlessBackend::current()->menus().chooseItem(0)) << "a section header cannot be chosen";

    InWindowMenuPresenter presenter;
    presenter.present(w.window(), menu, {20, 10});
    auto* view = dynamic_cast<MenuView*>(w.window().overlayViews().back().get());
    ASSERT_NE(view, nullptr);
    w.render();
    const Rect panelRect = view->panelRect();
    const Point second{panelRect.midX(), panelRect.y() + 4 + MenuView::kItemHeight * 1.5};
    EXPECT_EQ(view->itemAt(second), 1);
    w.flagsChanged(ModifierFlags::option);
    EXPECT_EQ(view->itemAt(second), 2) << "Option shows the alternate in the same place";
    w.click(second, ModifierFlags::option);
    EXPECT_EQ(log, (Log{"openNew"}));
}

TEST(Workspace, OpensURLsThroughTheOpenerWithoutAShell) {
    TestMainLoop loop;
    std::vector<std::vector<std::string>> commands;
    Workspace workspace;
    workspace.setOpener([&](const std::vector<std::string>& argv) {
        commands.push_back(argv);
        return true;
    });
    const std::string tricky = "https://example.org/a b;$(rm -rf ~)&c='d'";
    EXPECT_TRUE(workspace.openURL("zindral://openAndUpdate"));
    EXPECT_TRUE(workspace.openURL(tricky));
    for (const char* bad : {"", "-h", "no scheme", "1http://x", "http://x\ny"})
        EXPECT_FALSE(workspace.openURL(bad)) << bad;
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], (std::vector<std::string>{"xdg-open", "zindral://openAndUpdate"}));
    EXPECT_EQ(commands[1], (std::vector<std::string>{"xdg-open", tricky})) << "one argument, unquoted";

    // Without an opener the headless backend records the URL instead of opening it.
    auto* backend = HeadlessBackend::current();
    ASSERT_NE(backend, nullptr);
    const auto before = backend->openedURLs().size();
    Workspace plain;
    EXPECT_TRUE(plain.openURL("https://example.org/"));
    ASSERT_EQ(backend->openedURLs().size(), before + 1);
    EXPECT_EQ(backend->openedURLs().back(), "https://example.org/");
}

// What a launch reports once its program exits: success only for status 0 (xdg-open without a
// program for the URL exits 3); a program that cannot start is a failure too. Answers come on the
// main run loop, never inside the call.
TEST(Workspace, ALaunchReportsWhetherItsProgramSucceeded) {
    TestMainLoop loop;
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {{"true"}, true},
        {{"false"}, false},
        {{"sh", "-c", "exit 3"}, false},
        {{"zindral-no-such-program-here"}, false},
    };
    for (const auto& [argv, succeeds] : cases) {
        SCOPED_TRACE(argv.front());
        std::optional<bool> told;
        Workspace::launchReportingExit(argv, [&told](bool succeeded) { told = succeeded; });
        EXPECT_FALSE(told.has_value()) << "not inside the call";
        while (!told)
            RunLoop::main().runOnce(); // waits for the answer the child's exit posts
        EXPECT_EQ(*told, succeeds);
    }

    // Through the workspace: a refused URL and an installed opener's answer, posted as well.
    Workspace workspace;
    workspace.setOpener([](const std::vector<std::string>&) { return false; });
    std::vector<bool> answers;
    workspace.openURL("no scheme", [&](bool opened) { answers.push_back(opened); });
    workspace.openURL("https://example.org/", [&](bool opened) { answers.push_back(opened); });
    EXPECT_TRUE(answers.empty());
    loop.drain();
    EXPECT_EQ(answers, (std::vector<bool>{false, false}));
}

TEST(Workspace, SpawnRunsTheProgramWithItsArgumentsVerbatim) {
    // `test` with these arguments exits 0 only when it got the string unchanged as one argument.
    auto pid = Workspace::spawn({"test", "a b;$(x)", "=", "a b;$(x)"});
    ASSERT_TRUE(pid.has_value());
    int status = -1;
    ASSERT_EQ(waitpid(*pid, &status, 0), *pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(Workspace::spawn({"zindral-no-such-program-here"}).has_value());
    EXPECT_FALSE(Workspace::spawn({}).has_value());
}

} // namespace
} // namespace tk
