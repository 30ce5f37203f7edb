#include "Tessaly/Menus/MenuBuilder.h"
#include "Tessaly/Windows/Alerts.h"
#include "Tessaly/Windows/RecentDocumentsMenuDelegate.h"
#include "Tessaly/Windows/SheetWindow.h"
#include "Tessaly/Windows/WindowController.h"
#include "Tessaly/Windows/WindowPlacement.h"
#include "Tessaly/Windows/XiblessViews.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/Application.h"
#include "platform/tk/view/DocumentController.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/tests/XdgFolders.h"

#include <gtest/gtest.h>

#include <fstream>

namespace Tessaly {
namespace {

class TessalyWindows : public ::testing::Test {
protected:
    tk::TestMainLoop loop;
    tk::testing::XdgFolders xdg;
};

// Content that reads its window from the environment.
struct WindowTitleProbe {
    tk::Window** seen = nullptr;
    tk::ui::Node body() {
        if (auto state = tk::ui::environment<WindowStateKey>())
            *seen = state->parentWindow();
        return tk::ui::Text("Probe").frame(120, 40);
    }
};

TEST_F(TessalyWindows, HostedContentFindsItsWindowAndShowCentresIt) {
    tk::Window* seen = nullptr;
    std::vector<std::string> configured;
    auto controller = WindowController::makeWindowController(
        WindowTitleProbe{.seen = &seen}, std::nullopt, HostingSizingOptions::intrinsicContentSize,
        [&](tk::Window& w) { configured.push_back(w.isVisible() ? "shown" : "hidden"); });
    tk::Window* window = controller->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(configured, (std::vector<std::string>{"hidden"}));
    EXPECT_EQ(window->contentSize(), (tk::Size{120, 40})) << "sized to the content";
    loop.drain();
    EXPECT_EQ(seen, window) << "the content's environment holds the window";

    window->setFrameOrigin({3, 4});
    controller->show();
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_EQ(window->frame().origin, (tk::Point{3, 4})) << "centred one main-queue turn later";
    loop.drain();
    EXPECT_EQ(window->frame().origin, (tk::Point{720 - 60, 25 + 437.5 - 20}));
}

TEST_F(TessalyWindows, ARestoredAutosaveFrameIsNotUndoneByShow) {
    tk::Window* seen = nullptr;
    {
        auto first = WindowController::makeWindowController(WindowTitleProbe{.seen = &seen}, "Probe");
        first->window()->setFrame({40, 50, 300, 200});
    }
    auto second = WindowController::makeWindowController(WindowTitleProbe{.seen = &seen}, "Probe");
    EXPECT_EQ(second->windowFrameAutosaveName(), "Probe");
    second->show();
    loop.drain();
    EXPECT_EQ(second->window()->frame(), (tk::Rect{40, 50, 300, 200}));
}

TEST_F(TessalyWindows, WindowStateNotifiesOnlyForAnotherWindow) {
    WindowState state;
    int changes = 0;
    auto token = state.observe([&] { ++changes; });
    auto window = tk::Window::make(tk::Size{10, 10});
    state.setParentWindow(nullptr);
    EXPECT_EQ(changes, 0) << "none over none";
    state.setParentWindow(window);
    state.setParentWindow(window);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(state.parentWindow(), window.get());
    window.reset();
    EXPECT_EQ(state.parentWindow(), nullptr) << "it never keeps the window alive";
}

TEST_F(TessalyWindows, PlacementOnTheScreenAndOverViews) {
    auto window = tk::Window::make(tk::Size{200, 100});
    window->setFrameOrigin({-5000, -5000});
    centerOnScreen(*window);
    EXPECT_EQ(window->frame().origin, (tk::Point{-5000, -5000})) << "no screen: unchanged";
    window->setFrameOrigin({0, 0});
    centerOnScreen(*window);
    EXPECT_EQ(window->frame().origin, (tk::Point{620, 25 + 437.5 - 50}));
    placeAtTopCenter(*window, 30);
    EXPECT_EQ(window->frame().origin, (tk::Point{620, 55}));
    EXPECT_EQ(titleBarHeight(*window), 0);

    tk::HeadlessWindow host({400, 300});
    host.window().setFrameOrigin({100, 200});
    auto anchor = tk::View::make<tk::View>(tk::Rect{50, 120, 25, 10});
    host.contentView().addSubview(anchor);
    auto popup = tk::Window::make(tk::Size{60, 30});
    centerOver(*popup, *anchor, false);
    // Over (150, 320, 25, 10): x = 150 + round(-17.5) = 132, y = 320 + round(-10) = 310.
    EXPECT_EQ(popup->frame(), (tk::Rect{132, 310, 60, 30}));
    placeAbove(*popup, *anchor, false);
    EXPECT_EQ(popup->frame(), (tk::Rect{132, 290, 60, 30})) << "its bottom edge on the view's top edge";
}

TEST_F(TessalyWindows, ShakeSwingsSidewaysAndComesHome) {
    auto window = tk::Window::make(tk::Size{200, 100});
    window->setFrameOrigin({300, 100});
    shake(*window);
    double minX = 300, maxX = 300;
    for (int i = 0; i < 30; ++i) {
        loop.advance(tk::seconds(1.0 / 60.0));
        minX = std::min(minX, window->frame().x());
        maxX = std::max(maxX, window->frame().x());
        EXPECT_EQ(window->frame().y(), 100);
    }
    EXPECT_NEAR(minX, 294, 1.0) << "3 % of the width each way";
    EXPECT_NEAR(maxX, 306, 1.0);
    EXPECT_EQ(window->frame().origin, (tk::Point{300, 100}));
    EXPECT_FALSE(tk::RunLoop::main().nextTimerFireDate()) << "the shake is over";
    shake(*window);
    loop.advance(tk::seconds(2.0 / 60.0));
    EXPECT_NE(window->frame().x(), 300) << "an ended shake lets the next one run";
}

TEST_F(TessalyWindows, AShakeEndsWithItsWindow) {
    // Closed: the window is put back and its shake ends at once.
    auto closed = tk::Window::make(tk::Size{200, 100});
    closed->setFrameOrigin({300, 100});
    shake(*closed);
    loop.advance(tk::seconds(2.0 / 60.0));
    ASSERT_NE(closed->frame().x(), 300);
    closed->close();
    EXPECT_EQ(closed->frame().origin, (tk::Point{300, 100}));
    EXPECT_FALSE(tk::RunLoop::main().nextTimerFireDate());
    shake(*closed);
    EXPECT_FALSE(tk::RunLoop::main().nextTimerFireDate()) << "a closed window does not shake";

    // Gone: its shake goes with it, and a new window shakes, wherever it was made.
    auto gone = tk::Window::make(tk::Size{200, 100});
    shake(*gone);
    gone.reset();
    EXPECT_FALSE(tk::RunLoop::main().nextTimerFireDate());
    auto next = tk::Window::make(tk::Size{200, 100});
    next->setFrameOrigin({300, 100});
    shake(*next);
    loop.advance(tk::seconds(2.0 / 60.0));
    EXPECT_NE(next->frame().x(), 300);
}

TEST_F(TessalyWindows, SheetsEndThroughTheirParent) {
    tk::HeadlessWindow parent({400, 300});
    auto sheet = SheetWindow::make({200, 120});
    int ended = 0;
    parent.window().beginSheet(sheet, [&](int) { ++ended; });
    dismissSheet(*sheet);
    EXPECT_EQ(ended, 1);
    dismissSheet(*sheet); // no longer attached
    EXPECT_EQ(ended, 1);
}

TEST_F(TessalyWindows, ARunningSheetDoesNotHoldUpTheProgramsEndAndTakesTheApplicationsAppearance) {
    tk::Application& application = tk::Application::shared();
    application.setAppearance(tk::Appearance::light);
    auto sheet = SheetWindow::make({200, 120});
    auto hosted = WindowController::makeSheetWindowController(tk::ui::Text("Sheet"));
    application.setAppearance(std::nullopt);
    for (tk::Window* w : {sheet.get(), hosted->window()}) {
        EXPECT_EQ(w->appearance(), tk::Appearance::light) << "taken when made, kept afterwards";
        EXPECT_FALSE(w->preventsApplicationTerminationWhenModal());
    }

    std::optional<bool> mayEnd;
    tk::RunLoop::main().post([&] {
        mayEnd = application.prepareToTerminate();
        if (!*mayEnd)
            application.stopModal(7); // held up: end it anyway so that the test goes on
    });
    EXPECT_EQ(application.runModal(*sheet), tk::Application::kModalResponseAbort);
    EXPECT_EQ(mayEnd, true);

    // An ordinary window running modally is answered before the program may end.
    auto plain = tk::Window::make(tk::Size{200, 120});
    EXPECT_EQ(plain->effectiveAppearance(), tk::Appearance::dark);
    tk::RunLoop::main().post([&] {
        mayEnd = application.prepareToTerminate();
        application.stopModal(7);
    });
    EXPECT_EQ(application.runModal(*plain), 7);
    EXPECT_EQ(mayEnd, false);
}

// Answers the running alert by pressing a key in its window.
void answerWith(tk::KeyCode key) {
    tk::RunLoop::main().post([key] {
        tk::Window* w = tk::Application::shared().modalWindow();
        ASSERT_NE(w, nullptr);
        tk::HeadlessWindow(w->sharedWindow()).key(key);
    });
}

TEST_F(TessalyWindows, ConfirmationRunsItsClosureOnlyWhenConfirmed) {
    int confirmed = 0;
    answerWith(tk::KeyCode::escape); // Cancel
    showConfirmationAlert("Replace the preset?", "The old one is lost.", "Replace", [&] { ++confirmed; });
    EXPECT_EQ(confirmed, 0);
    answerWith(tk::KeyCode::returnKey);
    showConfirmationAlert("Replace the preset?", "The old one is lost.", "Replace", [&] { ++confirmed; });
    EXPECT_EQ(confirmed, 1);
    answerWith(tk::KeyCode::returnKey);
    showAlert("Saved", "", "OK");
    EXPECT_EQ(makeAlert("a", "b").buttonTitles().size(), 0u);
}

TEST_F(TessalyWindows, OpenRecentListsOnlyFilesThatStillExist) {
    auto& documents = tk::DocumentController::shared();
    documents.clearRecentDocuments();
    const auto kept = xdg.root() / "Kept.zin";
    const auto gone = xdg.root() / "Gone.zin";
    std::ofstream(kept) << "x";
    std::ofstream(gone) << "x";
    documents.noteNewRecentDocumentURL(kept);
    documents.noteNewRecentDocumentURL(gone);
    std::filesystem::remove(gone);

    auto delegate = std::make_shared<RecentDocumentsMenuDelegate>();
    auto menu = makeMenu({TYMenuItem("Open Recent", std::nullopt, {}, std::nullopt, tk::ModifierFlags::none,
                                     TYMenuType::recentDocuments(delegate))});
    const auto recent = menu->item(0)->submenu;
    ASSERT_TRUE(recent);
    recent->update();
    ASSERT_EQ(recent->numberOfItems(), 3);
    const tk::MenuItem& item = *recent->item(0);
    EXPECT_EQ(item.title, "Kept.zin");
    EXPECT_EQ(item.action, "openRecentDocument:");
    EXPECT_EQ(item.target.lock(), delegate);
    EXPECT_EQ(item.image.size(), (tk::Size{16, 16}));
    EXPECT_EQ(item.image.representations().size(), 2u) << "only the 16-point pictures";
    EXPECT_TRUE(recent->item(1)->isSeparator);
    EXPECT_EQ(recent->item(2)->title, "Clear Recent Documents");
    EXPECT_TRUE(recent->item(2)->target.expired()) << "travels the responder chain";

    // Choosing the document opens it through the document controller.
    std::vector<std::filesystem::path> opened;
    documents.setOpener([&](const std::filesystem::path& p, bool, std::function<void(bool)> done) {
        opened.push_back(p);
        done(true);
    });
    tk::HeadlessWindow w({100, 100});
    w.window().performMenuItem(item);
    EXPECT_EQ(opened, (std::vector<std::filesystem::path>{kept}));
    documents.setOpener(nullptr);
    w.window().performMenuItem(*recent->item(2));
    recent->update();
    EXPECT_EQ(recent->numberOfItems(), 2) << "cleared: the separator and the clear item stay";
}

TEST_F(TessalyWindows, XiblessViewsAndControllers) {
    struct Panel : XiblessView {};
    XiblessVC<Panel> controller;
    EXPECT_FALSE(controller.isViewLoaded());
    Panel& panel = controller.rootView();
    EXPECT_TRUE(controller.isViewLoaded());
    EXPECT_EQ(panel.frame(), tk::Rect::zero());
    EXPECT_FALSE(panel.translatesAutoresizingMaskIntoConstraints());
    EXPECT_EQ(controller.view(), &panel);
}

} // namespace
} // namespace Tessaly
