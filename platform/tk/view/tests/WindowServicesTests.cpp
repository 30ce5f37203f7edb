#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/Alert.h"
#include "platform/tk/view/Application.h"
#include "platform/tk/view/DocumentController.h"
#include "platform/tk/view/FileIcons.h"
#include "platform/tk/view/FrameAutosave.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Window.h"
#include "platform/tk/view/tests/XdgFolders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace tk {
namespace {

class WindowServices : public ::testing::Test {
protected:
    TestMainLoop loop;
    testing::XdgFolders xdg;
};

TEST_F(WindowServices, FramesLieOnTheHeadlessScreenAndAreKeptUnderTheirName) {
    auto window = Window::make(Size{300, 200});
    window->setFrameOrigin({50, 60});
    ASSERT_TRUE(window->screen());
    EXPECT_EQ(window->screen()->visibleFrame, (Rect{0, 25, 1440, 875}));
    window->setFrameOrigin({-5000, -5000});
    EXPECT_FALSE(window->screen()) << "off every screen";

    window->setFrameAutosaveName("Inspector");
    EXPECT_FALSE(window->frameWasRestored()) << "nothing saved yet";
    window->setFrame({120, 80, 320, 240});
    EXPECT_EQ(savedFrame("Inspector"), (Rect{120, 80, 320, 240}));
    ASSERT_TRUE(frameAutosaveFile());
    EXPECT_EQ(frameAutosaveFile()->parent_path().parent_path(), xdg.root() / "config");

    auto again = Window::make(Size{100, 100});
    again->setFrameAutosaveName("Inspector");
    EXPECT_TRUE(again->frameWasRestored());
    EXPECT_EQ(again->frame(), (Rect{120, 80, 320, 240}));
    EXPECT_EQ(again->contentSize(), (Size{320, 240}));

    // A damaged file loses only its bad lines.
    std::ofstream(*frameAutosaveFile(), std::ios::app) << "garbage\n1 2 3\n5 5 10 10 Other name\n";
    EXPECT_EQ(savedFrame("Other name"), (Rect{5, 5, 10, 10}));
    EXPECT_EQ(savedFrame("Inspector"), (Rect{120, 80, 320, 240}));
    EXPECT_FALSE(savedFrame(""));
}

TEST_F(WindowServices, SheetsAttachToTheirParentAndEscapeEndsThem) {
    HeadlessWindow parent({400, 300});
    parent.window().setFrameOrigin({100, 100});
    auto sheet = Window::make(Size{200, 100});
    std::vector<int> responses;
    ASSERT_TRUE(parent.window().beginSheet(sheet, [&](int r) { responses.push_back(r); }));
    EXPECT_EQ(parent.window().attachedSheet(), sheet.get());
    EXPECT_EQ(sheet->sheetParent(), &parent.window());
    EXPECT_EQ(sheet->frame().origin, (Point{200, 100})) << "centred at the parent's top";
    EXPECT_TRUE(sheet->isKeyWindow());
    EXPECT_FALSE(parent.window().beginSheet(Window::make(Size{10, 10}))) << "one sheet at a time";

    HeadlessWindow sheetDriver(sheet);
    sheetDriver.key(KeyCode::escape);
    EXPECT_EQ(responses, (std::vector<int>{Window::kSheetResponseStop}));
    EXPECT_EQ(parent.window().attachedSheet(), nullptr);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_TRUE(parent.window().isKeyWindow());
    sheetDriver.key(KeyCode::escape); // no longer a sheet: nothing happens
    EXPECT_EQ(responses.size(), 1u);

    ASSERT_TRUE(parent.window().beginSheet(sheet, [&](int r) { responses.push_back(r); }));
    parent.window().endSheet(*sheet, 7);
    EXPECT_EQ(responses.back(), 7);
}

// Clicks the alert's button `index` once the alert runs (as a user answering it would).
void answerAlertByClicking(Alert& alert, const std::string& title) {
    RunLoop::main().post([&alert, title] {
        Window* w = alert.window();
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(Application::shared().modalWindow(), w);
        HeadlessWindow driver(w->sharedWindow());
        driver.render();
        // Buttons run right to left from the right edge.
        const auto& titles = alert.buttonTitles();
        const auto index = std::size_t(std::find(titles.begin(), titles.end(), title) - titles.begin());
        const double right = w->contentSize().width - 20 - index * (82 + 10);
        driver.click({right - 41, w->contentSize().height - 20 - 12});
    });
}

TEST_F(WindowServices, AlertsRunModallyUntilAButtonAnswers) {
    Alert alert("Delete the pattern?", "It cannot be restored.");
    alert.addButton("Delete");
    alert.addButton("Cancel");
    answerAlertByClicking(alert, "Cancel");
    EXPECT_EQ(alert.runModal(), Alert::kFirstButtonReturn + 1);
    EXPECT_EQ(alert.window(), nullptr) << "its window is gone";
    EXPECT_EQ(Application::shared().modalWindow(), nullptr);

    answerAlertByClicking(alert, "Delete");
    EXPECT_EQ(alert.runModal(), Alert::kFirstButtonReturn);

    // Keys: Return takes the first button, Escape the Cancel button.
    for (auto [key, expected] : {std::pair{KeyCode::returnKey, 1000}, std::pair{KeyCode::escape, 1001}}) {
        RunLoop::main().post(
            [&alert, key = key] { HeadlessWindow(alert.window()->sharedWindow()).key(key); });
        EXPECT_EQ(alert.runModal(), expected);
    }
    // Closed without an answer.
    RunLoop::main().post([&alert] { alert.window()->close(); });
    EXPECT_EQ(alert.runModal(), Application::kModalResponseAbort);
}

TEST_F(WindowServices, RecentDocumentsAreKeptNewestFirstInTheDataFolder) {
    DocumentController& documents = DocumentController::shared();
    documents.clearRecentDocuments();
    for (int i = 0; i < 12; ++i)
        documents.noteNewRecentDocumentURL("/songs/" + std::to_string(i) + ".zin");
    documents.noteNewRecentDocumentURL("/songs/5.zin");
    const auto recent = documents.recentDocumentURLs();
    ASSERT_EQ(recent.size(), DocumentController::kMaximumRecentDocuments);
    EXPECT_EQ(recent[0], "/songs/5.zin") << "a document opened again moves to the top";
    EXPECT_EQ(recent[1], "/songs/11.zin");
    EXPECT_EQ(std::count(recent.begin(), recent.end(), "/songs/5.zin"), 1);
    EXPECT_EQ(DocumentController::recentDocumentsFile()->parent_path().parent_path(), xdg.root() / "data");

    bool reported = true;
    documents.openDocument("/songs/new.zin", true, [&](bool ok) { reported = ok; });
    EXPECT_FALSE(reported) << "nothing can open documents without an opener";
    documents.setOpener(
        [](const std::filesystem::path&, bool, std::function<void(bool)> done) { done(true); });
    documents.openDocument("/songs/new.zin", true, [&](bool ok) { reported = ok; });
    EXPECT_TRUE(reported);
    EXPECT_EQ(documents.recentDocumentURLs()[0], "/songs/new.zin");
    documents.setOpener(nullptr);

    // "clearRecentDocuments:" sent up any chain reaches the application object.
    HeadlessWindow w({100, 100});
    EXPECT_TRUE(w.window().sendAction("clearRecentDocuments:", nullptr, {}));
    EXPECT_TRUE(documents.recentDocumentURLs().empty());
}

TEST_F(WindowServices, FileIconsCarrySmallAndLargePictures) {
    const Image page = iconForFile(xdg.root() / "missing.txt");
    const Image folder = iconForFile(xdg.root());
    EXPECT_FALSE(page.isSameImage(folder));
    EXPECT_EQ(page.size(), (Size{32, 32}));
    int small = 0;
    for (const auto& r : page.representations())
        small += r.size == Size{16, 16};
    EXPECT_EQ(small, 2) << "16 points at 1x and 2x";
}

} // namespace
} // namespace tk
