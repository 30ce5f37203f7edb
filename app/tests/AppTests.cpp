#include "Tessaly/Declarative/ButtonStyles.h"
#include "Tessaly/Styles/Styles.h"
#include "app/AboutPanel.h"
#include "app/ContentView.h"
#include "app/ContentViewShader.h"
#include "app/HeadlessApp.h"
#include "app/LinkOpener.h"
#include "app/ZindralApp.h"
#include "app/tests/AppTestSupport.h"
#include "platform/tk/base/tests/TempFolder.h"
#include "platform/tk/view/tests/XdgFolders.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/Application.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/MenuView.h"
#include "platform/tk/view/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace app {
namespace {

using Shown = std::vector<std::string>;

struct AppFixture {
    tk::TestMainLoop loop;
    std::shared_ptr<tk::HeadlessBackend> backend = std::make_shared<tk::HeadlessBackend>();
    apptest::TestEnvironment env;
    std::unique_ptr<ZindralApp> app;

    explicit AppFixture(const std::string& name, const std::function<void(AppEnvironment&)>& adjust = {}) {
        tk::setCurrentBackend(backend);
        auto environment = env.make(name);
        if (adjust)
            adjust(environment);
        app = std::make_unique<ZindralApp>(std::move(environment));
    }
    ~AppFixture() {
        app.reset();
        tk::setCurrentBackend(nullptr);
    }
    void settle() {
        app->sparkleHelper()->updaterController->updater().waitForFetch();
        loop.drain();
    }
    tk::Rect frameOf(const std::string& name) {
        tk::View* root = app->window()->contentView();
        tk::View* v = tk::ui::findNodeView(*root, name);
        EXPECT_NE(v, nullptr) << name;
        return v ? v->convertTo(tk::Rect(tk::Point{}, v->bounds().size), nullptr) : tk::Rect{};
    }
};

TEST(AppStartUp, TheUpdaterIsWiredAndStartedBeforeTheDelegateGetsTheHelper) {
    AppFixture f("startup");
    const auto& helper = f.app->sparkleHelper();
    ASSERT_TRUE(helper);
    ASSERT_TRUE(helper->updaterController);
    EXPECT_TRUE(helper->updaterController->updater().isStarted());
    EXPECT_EQ(f.app->appDelegate().sparkleHelper(), helper) << "one helper, two references";
    EXPECT_EQ(helper->feedURLString(helper->updaterController->updater()), "https://u.example/appcast.xml");
    f.app->launchFinished();
    EXPECT_EQ(f.app->application().appearance(), Appearance::dark);
    EXPECT_TRUE(f.env.driver->shown.empty()) << "starting checks nothing yet";
}

TEST(AppURLs, OpenAndUpdateChecksOncePerURLAndOthersAreIgnored) {
    AppFixture f("urls");
    f.app->open({"Zindral://openAndUpdate", "zindral://openandupdate", "zindral://elsewhere",
                 "https://velmor.example/"});
    f.settle();
    EXPECT_TRUE(f.env.driver->shown.empty());
    EXPECT_EQ(f.env.fetcher->fetches, 0);

    f.app->open({"zindral://openAndUpdate"});
    f.settle();
    EXPECT_EQ(f.env.driver->shown, (Shown{"checking", "up to date"}));
    EXPECT_EQ(f.env.fetcher->fetches, 1);
    EXPECT_EQ(f.env.fetcher->lastURL, "https://u.example/appcast.xml");

    // Two in one delivery reach the updater twice, in order; the second finds the first running.
    f.env.driver->shown.clear();
    f.app->open({"zindral://openAndUpdate", "zindral://openAndUpdate"});
    f.settle();
    EXPECT_EQ(f.env.driver->shown, (Shown{"checking", "focus", "up to date"}));
}

TEST(AppURLs, ACheckAskedForBeforeTheUpdaterStartedRunsOnceItHas) {
    tk::TestMainLoop loop;
    apptest::TestEnvironment env;
    AppDelegate delegate;
    Application application;
    delegate.application(application, {"zindral://openAndUpdate"});
    EXPECT_EQ(delegate.pendingUpdateChecks(), 1);

    auto helper = std::make_shared<UpdaterHelper>("https://u.example/appcast.xml");
    helper->updaterController = std::make_unique<updater::StandardUpdaterController>(
        false, helper.get(), nullptr, env.make("early").updater);
    delegate.setSparkleHelper(helper);
    EXPECT_EQ(delegate.pendingUpdateChecks(), 1) << "not started yet: still waiting";
    EXPECT_TRUE(env.driver->shown.empty());

    helper->updaterController->startUpdater();
    delegate.setSparkleHelper(helper);
    EXPECT_EQ(delegate.pendingUpdateChecks(), 0);
    helper->updaterController->updater().waitForFetch();
    loop.drain();
    EXPECT_EQ(env.driver->shown, (Shown{"checking", "up to date"})) << "handled once, after the start";
}

TEST(AppWindow, APlainLaterLaunchBringsTheWindowForwardWithItsUpdateDialogOnTop) {
    tk::TestMainLoop loop;
    auto backend = std::make_shared<tk::HeadlessBackend>();
    tk::setCurrentBackend(backend);
    apptest::TestEnvironment env;
    auto environment = env.make("forward");
    environment.updater.userDriver = nullptr; // the standard dialogs
    {
        ZindralApp app(std::move(environment));
        const auto window = app.body();
        app.comeForward();
        EXPECT_EQ(backend->keyWindow(), window.get()) << "no dialog: the window alone";

        app.open({"zindral://openAndUpdate"});
        app.sparkleHelper()->updaterController->updater().waitForFetch();
        loop.drain();
        tk::Window* dialog = backend->keyWindow();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->identifier(), "updater.upToDate");
        window->makeKeyAndOrderFront(); // the user clicked the window: the dialog went behind it
        app.comeForward();
        EXPECT_EQ(backend->keyWindow(), dialog) << "the dialog in front of the window";
        EXPECT_FALSE(dialog->isClosed());

        // Minimised, both come back: the window restored and raised, the dialog above it.
        auto* mainNative = static_cast<tk::HeadlessNativeWindow*>(window->nativeWindow());
        auto* dialogNative = static_cast<tk::HeadlessNativeWindow*>(dialog->nativeWindow());
        mainNative->minimize();
        dialogNative->minimize();
        EXPECT_FALSE(dialog->isKeyWindow());
        app.comeForward();
        EXPECT_FALSE(mainNative->isMinimized());
        EXPECT_FALSE(dialogNative->isMinimized());
        EXPECT_EQ(backend->keyWindow(), dialog);
        EXPECT_TRUE(dialog->isKeyWindow());
    }
    tk::setCurrentBackend(nullptr);
}

// Every hand-over of a later launch brings the window back, minimised or not, with or without URLs;
// a dialog that is up, or that the URLs open, stands in front of it.
TEST(AppWindow, EveryHandOverBringsTheWindowForward) {
    struct Case {
        const char* name;
        bool minimised;
        bool dialogUp; // an update dialog already open (and minimised with the window)
        std::vector<std::string> urls;
        const char* keyWindow; // identifier of the window in front afterwards
    };
    const Case cases[] = {
        {"plain launch", false, false, {}, "main"},
        {"plain launch, minimised", true, false, {}, "main"},
        {"other URL, minimised", true, false, {"zindral://elsewhere"}, "main"},
        {"openAndUpdate, minimised", true, false, {"zindral://openAndUpdate"}, "updater.upToDate"},
        {"openAndUpdate", false, false, {"zindral://openAndUpdate"}, "updater.upToDate"},
        {"plain launch, minimised with its dialog", true, true, {}, "updater.upToDate"},
        {"openAndUpdate, minimised with its dialog",
         true,
         true,
         {"zindral://openAndUpdate"},
         "updater.upToDate"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tk::TestMainLoop loop;
        auto backend = std::make_shared<tk::HeadlessBackend>();
        tk::setCurrentBackend(backend);
        apptest::TestEnvironment env;
        auto environment = env.make("handover");
        environment.updater.userDriver = nullptr; // the standard dialogs
        {
            ZindralApp app(std::move(environment));
            const auto window = app.body();
            auto settle = [&] {
                app.sparkleHelper()->updaterController->updater().waitForFetch();
                loop.drain();
            };
            if (c.dialogUp) {
                app.open({"zindral://openAndUpdate"});
                settle();
                ASSERT_NE(backend->keyWindow(), window.get());
            }
            if (c.minimised)
                for (tk::Window* w : backend->windows())
                    static_cast<tk::HeadlessNativeWindow*>(w->nativeWindow())->minimize();
            app.handOver(c.urls);
            settle();
            const auto* mainNative = static_cast<tk::HeadlessNativeWindow*>(window->nativeWindow());
            EXPECT_TRUE(mainNative->isShown());
            EXPECT_FALSE(mainNative->isMinimized());
            ASSERT_NE(backend->keyWindow(), nullptr);
            EXPECT_EQ(backend->keyWindow()->identifier(), c.keyWindow);
            for (tk::Window* w : backend->windows()) {
                if (!w->isClosed()) {
                    EXPECT_FALSE(static_cast<tk::HeadlessNativeWindow*>(w->nativeWindow())->isMinimized())
                        << w->identifier();
                }
            }
        }
        tk::setCurrentBackend(nullptr);
    }
}

TEST(AppWindow, LayoutOfTheMainWindow) {
    AppFixture f("layout");
    auto window = f.app->body();
    EXPECT_EQ(f.app->body(), window) << "one window";
    EXPECT_EQ(window->title(), "Zindral");
    EXPECT_EQ(window->identifier(), "main");
    EXPECT_EQ(window->contentSize(), (tk::Size{400, 572}));
    EXPECT_TRUE(window->isKeyWindow());
    window->layoutIfNeeded();

    const tk::Rect band = f.frameOf("band");
    EXPECT_EQ(band, (tk::Rect{0, 0, 400, 300})) << "the shader band across the top";
    const tk::Rect help = f.frameOf("help");
    const tk::Rect site = f.frameOf("website");
    EXPECT_DOUBLE_EQ(help.width(), 176) << "a 180-point label, its bezel overhanging by 2 on each side";
    EXPECT_DOUBLE_EQ(site.width(), 176);
    EXPECT_DOUBLE_EQ(help.height(), 24);
    EXPECT_DOUBLE_EQ(site.minX() - help.maxX(), 16);
    EXPECT_DOUBLE_EQ(572 - help.maxY(), 14) << "14 points above the bottom edge";
    EXPECT_DOUBLE_EQ(help.midX() + site.midX(), 400) << "centred";
    const tk::Rect version = f.frameOf("version");
    const tk::Rect logo = f.frameOf("logo");
    EXPECT_GT(version.minY(), band.maxY());
    EXPECT_GT(logo.minY(), version.maxY());
    EXPECT_LT(logo.maxY(), help.minY());
}

ShaderBandView* findBand(tk::View& view) {
    if (auto* band = dynamic_cast<ShaderBandView*>(&view))
        return band;
    for (const auto& child : view.subviews())
        if (auto* band = findBand(*child))
            return band;
    return nullptr;
}

TEST(AppWindow, TheBandRunsTheWaveformShaderOnlyWhileTheWindowIsKey) {
    AppFixture f("band");
    auto window = f.app->body();
    window->layoutIfNeeded();
    ShaderBandView* band = findBand(*window->contentView());
    ASSERT_NE(band, nullptr);
    const auto& controller = band->controller();
    EXPECT_EQ(controller.rendererName(), "Main");
    EXPECT_EQ(controller.vertxShaderName(), "audioWaveformVertexShader");
    EXPECT_EQ(controller.fragmentShaderName(), "audioWaveformFragmentShader");
    EXPECT_EQ(controller.view()->frame(), (tk::Rect{0, 0, 400, 300})) << "the root view fills the band";
    if (!controller.metalKitView())
        GTEST_SKIP() << "no GPU device here: the band stays empty";
    EXPECT_FALSE(controller.metalKitView()->isPaused());
    tk::HeadlessWindow(window).unfocus();
    EXPECT_TRUE(controller.metalKitView()->isPaused());
    tk::HeadlessWindow(window).focus();
    EXPECT_FALSE(controller.metalKitView()->isPaused());
}

// Each frame of the band redraws the band's area (with the shadowed title over it) and looks as
// the whole window drawn again.
TEST(AppWindow, TheBandsFramesRedrawOnlyWhereTheyShowAndLookAsTheWholeWindow) {
    AppFixture f("redraw");
    auto window = f.app->body();
    window->display();
    auto pixels = [&] {
        const tk::BitmapContext& frame = *window->lastFrame();
        return std::vector<std::uint8_t>(frame.pixelData(),
                                         frame.pixelData() + frame.stride() * frame.pixelHeight());
    };
    for (int frame = 0; frame < 3; ++frame) {
        f.loop.advance(tk::seconds(1.0 / 60));
        window->displayIfNeeded();
        const auto partial = pixels();
        window->display();
        EXPECT_TRUE(partial == pixels()) << "frame " << frame;
    }
}

TEST(AppWindow, ButtonsOpenTheirPagesAndLeaveTheWindowAlone) {
    AppFixture f("buttons");
    auto window = f.app->body();
    window->layoutIfNeeded();
    tk::HeadlessWindow driver(window);
    const tk::Rect help = f.frameOf("help");
    const tk::Rect site = f.frameOf("website");
    driver.click({help.midX(), help.midY()});
    driver.click({site.midX(), site.midY()});
    f.loop.drain();
    EXPECT_EQ(
        f.backend->openedURLs(),
        (std::vector<std::string>{"https://velmor.example/help/zindral/welcome", "https://velmor.example/"}));
    EXPECT_FALSE(window->isClosed());
    EXPECT_EQ(window->contentSize(), (tk::Size{400, 572}));
}

// The button whose focus ring the window draws ("" for none): the ring is stroked in the focus
// colour over the button's bezel.
std::string ringedButton(AppFixture& f) {
    tk::Window& window = *f.app->window();
    window.layoutIfNeeded();
    tk::RecordingContext recording;
    window.contentView()->drawHierarchy(recording, tk::Rect(tk::Point{}, window.contentSize()));
    const tk::Color ring = Tessaly::Styles::Control::selectedBackgroundColor();
    std::string ringed;
    for (const auto& draw : recording.draws(tk::RecordedDraw::Kind::stroke)) {
        if (draw.color != ring)
            continue;
        for (const char* name : {"help", "website"})
            if (f.frameOf(name).insetBy(-Tessaly::kButtonStyleOverhang, 0).contains(draw.deviceRect()))
                ringed += ringed.empty() ? name : std::string("+") + name;
    }
    return ringed;
}

// The window's keyboard path: Tab and Shift-Tab ring the buttons in turn, wrapping; Space and
// Return press the ringed one; with nothing ringed they press nothing.
TEST(AppWindow, TabRingsTheButtonsAndSpaceOrReturnPressesTheRingedOne) {
    const std::string help = "https://velmor.example/help/zindral/welcome";
    const std::string site = "https://velmor.example/";
    enum Key { tab, backTab, space, enter };
    struct Case {
        std::vector<Key> keys;
        const char* ringed;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {{}, "", {}},
        {{tab}, "help", {}},
        {{tab, tab}, "website", {}},
        {{tab, tab, tab}, "help", {}},
        {{backTab}, "website", {}},
        {{backTab, backTab}, "help", {}},
        {{tab, tab, backTab}, "help", {}},
        {{space, enter}, "", {}},
        {{tab, space}, "help", {help}},
        {{tab, enter}, "help", {help}},
        {{tab, tab, space, enter}, "website", {site, site}},
        {{backTab, enter, tab, space}, "help", {site, help}},
    };
    for (const Case& c : cases) {
        std::string trace;
        for (Key k : c.keys)
            trace += k == tab ? "Tab " : k == backTab ? "Shift-Tab " : k == space ? "Space " : "Return ";
        SCOPED_TRACE(trace);
        AppFixture f("keys");
        auto window = f.app->body();
        tk::HeadlessWindow driver(window);
        for (Key k : c.keys) {
            switch (k) {
            case tab:
                driver.key(tk::KeyCode::tab, tk::ModifierFlags::none, "\t");
                break;
            case backTab:
                driver.key(tk::KeyCode::tab, tk::ModifierFlags::shift, "\t");
                break;
            case space:
                driver.key(tk::KeyCode::space, tk::ModifierFlags::none, " ");
                break;
            case enter:
                driver.key(tk::KeyCode::returnKey, tk::ModifierFlags::none, "\r");
                break;
            }
            f.loop.drain();
        }
        EXPECT_EQ(ringedButton(f), c.ringed);
        EXPECT_EQ(f.backend->openedURLs(), c.opened);
        EXPECT_FALSE(window->isClosed());
    }
}

// The ring shows only while the window is key, and a click presses a button without ringing it.
TEST(AppWindow, TheRingLeavesWithTheKeyWindowAndClicksRingNothing) {
    AppFixture f("ring");
    auto window = f.app->body();
    tk::HeadlessWindow driver(window);
    window->layoutIfNeeded();
    const tk::Rect site = f.frameOf("website");
    driver.click({site.midX(), site.midY()});
    f.loop.drain();
    EXPECT_EQ(ringedButton(f), "");
    EXPECT_EQ(f.backend->openedURLs().size(), 1u);

    driver.key(tk::KeyCode::tab, tk::ModifierFlags::none, "\t");
    f.loop.drain();
    EXPECT_EQ(ringedButton(f), "help");
    EXPECT_TRUE(driver.writePNG(tk::testing::picturesFolder("app") / "focus-ring.png")); // for a person
    driver.unfocus();
    f.loop.drain();
    EXPECT_EQ(ringedButton(f), "");
    driver.focus();
    f.loop.drain();
    EXPECT_EQ(ringedButton(f), "help") << "the focus stayed on the button";
}

// A page that does not open (no browser) says so in an alert that names its address, whether the
// button was clicked or pressed from the keyboard; the window stays as it was.
TEST(AppWindow, APageThatDoesNotOpenShowsItsAddressInAnAlert) {
    struct AlertShown {
        std::string title;
        std::vector<std::string> texts;
    };
    std::vector<AlertShown> alerts;
    std::shared_ptr<tk::Window> window;
    // Runs inside the alert's modal session: notes what it shows, then answers it with Return.
    const auto answerTheAlert = [&] {
        tk::Window* alert = tk::Application::shared().modalWindow();
        ASSERT_NE(alert, nullptr);
        EXPECT_NE(alert, window.get());
        tk::RecordingContext recording;
        alert->contentView()->drawHierarchy(recording, tk::Rect(tk::Point{}, alert->contentSize()));
        alerts.push_back({alert->title(), recording.textStrings()});
        tk::HeadlessWindow(alert->sharedWindow()).key(tk::KeyCode::returnKey);
    };
    std::vector<std::string> tried;
    AppFixture f("no-browser", [&](AppEnvironment& environment) {
        environment.openURL = [&](const std::string& url, std::function<void(bool)> opened) {
            tried.push_back(url);
            tk::RunLoop::main().post([&answerTheAlert, opened] {
                tk::RunLoop::main().post(answerTheAlert); // the alert's session runs it
                opened(false);
            });
        };
    });
    window = f.app->body();
    window->layoutIfNeeded();
    tk::HeadlessWindow driver(window);
    const tk::Rect help = f.frameOf("help");
    driver.click({help.midX(), help.midY()});
    f.loop.drain();
    driver.key(tk::KeyCode::tab, tk::ModifierFlags::none, "\t");
    driver.key(tk::KeyCode::tab, tk::ModifierFlags::none, "\t");
    driver.key(tk::KeyCode::space, tk::ModifierFlags::none, " ");
    f.loop.drain();

    const std::vector<std::string> pages{"https://velmor.example/help/zindral/welcome",
                                         "https://velmor.example/"};
    EXPECT_EQ(tried, pages);
    ASSERT_EQ(alerts.size(), 2u);
    for (std::size_t i = 0; i < alerts.size(); ++i) {
        SCOPED_TRACE(pages[i]);
        const LinkFailureAlert expected = linkFailureAlert(pages[i]);
        EXPECT_EQ(alerts[i].title, expected.message);
        EXPECT_NE(expected.informativeText.find(pages[i]), std::string::npos);
        const auto& texts = alerts[i].texts;
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected.message), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected.informativeText), texts.end())
            << "the address is drawn in the alert";
    }
    EXPECT_EQ(tk::Application::shared().modalWindow(), nullptr) << "answered and gone";
    EXPECT_FALSE(window->isClosed());
    EXPECT_EQ(window->contentSize(), (tk::Size{400, 572}));
    EXPECT_EQ(f.env.terminations, 0);
}

TEST(AppWindow, MenuOffersAboutAndCheckForUpdatesWithShortcuts) {
    AppFixture f("menu");
    auto window = f.app->body();
    tk::Menu* menu = window->menu();
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->numberOfItems(), 3);
    EXPECT_EQ(menu->item(0)->title, "About");
    EXPECT_TRUE(menu->item(1)->isSeparator);
    EXPECT_EQ(menu->item(2)->title, "Check for Updates\u2026");

    tk::HeadlessWindow driver(window);
    driver.key(tk::KeyCode::f10);
    EXPECT_EQ(f.backend->menus().shownMenu(), menu) << "F10 shows the window's menu";
    f.backend->menus().dismiss();
    driver.key(tk::KeyCode::u, tk::ModifierFlags::control, "u");
    f.settle();
    EXPECT_EQ(f.env.driver->shown, (Shown{"checking", "up to date"}));

    ASSERT_TRUE(window->performMenuItem(*menu->item(0)));
    ASSERT_NE(f.app->application().aboutPanel(), nullptr);
    tk::Window& about = *f.app->application().aboutPanel();
    EXPECT_EQ(about.identifier(), "about");
    EXPECT_EQ(about.contentSize(), (tk::Size{kAboutPanelWidth, kAboutPanelHeight}));
    about.display();
    ASSERT_NE(about.lastFrame(), nullptr);
    EXPECT_TRUE(
        about.lastFrame()->writePNG(tk::testing::picturesFolder("app") / "about.png")); // for a person
    tk::InWindowMenuPresenter().present(*window, std::make_shared<tk::Menu>(*menu), {8, 8});
    EXPECT_TRUE(driver.writePNG(tk::testing::picturesFolder("app") / "menu.png")); // for a person

    // The About panel closes from the keyboard: Escape, and Ctrl+W.
    for (const auto& [key, modifiers, characters] :
         {std::tuple{tk::KeyCode::escape, tk::ModifierFlags::none, std::string()},
          std::tuple{tk::KeyCode::w, tk::ModifierFlags::control, std::string("w")}}) {
        ASSERT_TRUE(window->performMenuItem(*menu->item(0)));
        auto panel = f.app->application().aboutPanel()->sharedWindow();
        tk::HeadlessWindow(panel).key(key, modifiers, characters);
        f.loop.drain();
        EXPECT_TRUE(panel->isClosed()) << characters;
        EXPECT_EQ(f.app->application().aboutPanel(), nullptr);
        EXPECT_FALSE(window->isClosed()) << "the main window stays";
    }

    // Closing the only window ends the program.
    EXPECT_EQ(f.env.terminations, 0);
    window->close();
    EXPECT_EQ(f.env.terminations, 1);
}

TEST(AppWindow, VersionLineFromTheBundle) {
    const tk::testing::TempFolder folder("zindral-version");
    auto bundleWith = [&](const std::string& name, const std::string& json) {
        const auto dir = folder / (name + ".bundle");
        std::filesystem::create_directories(dir);
        std::ofstream(dir / "Info.json") << json;
        return *tk::Bundle::open(dir);
    };
    EXPECT_EQ(
        versionLine(bundleWith("both", R"({"CFBundleShortVersionString": "2.0", "CFBundleVersion": "7"})")),
        "2.0 (7)");
    EXPECT_EQ(versionLine(bundleWith("build", R"({"CFBundleVersion": "45"})")), " (45)");
    EXPECT_EQ(
        versionLine(bundleWith("short", R"({"CFBundleShortVersionString": "1.2", "CFBundleVersion": 45})")),
        "1.2 ()");
    const auto about = aboutPanelContent(bundleWith("about", R"({"CFBundleName": "Zindral",
        "CFBundleShortVersionString": "1.0.0", "CFBundleVersion": "1", "HumanReadableCopyright": "(c) Velmor"})"));
    EXPECT_EQ(about.version, "Version 1.0.0 (1)");
    EXPECT_EQ(about.copyright, "(c) Velmor");
}

// Whether every "." of `text`, drawn in `attributes` at `x` (a fraction of a pixel, at 1x), shows
// as a dot of its own: between its darkest column and that of each neighbouring character lies a
// column less than half as dark.
bool dotsStandApart(const std::string& text, const tk::TextAttributes& attributes, double x) {
    const tk::TextLayout layout(text, attributes);
    tk::BitmapContext context({std::ceil(layout.size().width) + 4, std::ceil(layout.size().height) + 4});
    context.drawText(layout, tk::Point{x, 2});
    std::vector<double> ink(std::size_t(context.pixelWidth()), 0.0);
    for (int px = 0; px < context.pixelWidth(); ++px)
        for (int py = 0; py < context.pixelHeight(); ++py)
            ink[std::size_t(px)] = std::max(ink[std::size_t(px)], context.pixelColor(px, py).a);
    const auto darkest = [&](std::size_t index) {
        const int from = int(x + layout.caretRect(index).minX());
        const int to = std::min(int(x + layout.caretRect(index + 1).minX()), context.pixelWidth() - 1);
        int best = from;
        for (int px = from; px <= to; ++px)
            if (ink[std::size_t(px)] > ink[std::size_t(best)])
                best = px;
        return best;
    };
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != '.')
            continue;
        const int dot = darkest(i);
        for (const int neighbour : {darkest(i - 1), darkest(i + 1)}) {
            double lightest = 1;
            for (int px = std::min(dot, neighbour) + 1; px < std::max(dot, neighbour); ++px)
                lightest = std::min(lightest, ink[std::size_t(px)]);
            if (!(lightest < 0.5 * ink[std::size_t(dot)]))
                return false;
        }
    }
    return true;
}

// The version lines of the About panel and of the main window are drawn as the bundle gives them,
// and their dots do not merge into the digits beside them ("1.0.0" read as "10.0"), wherever the
// line falls on the pixel grid.
TEST(AppVersionText, EveryDotShowsInBothWindows) {
    AppFixture f("version-dots");
    const auto panel = makeAboutPanel({"Zindral", "Version 1.0.0 (1)", "(c) Velmor"});
    const auto window = f.app->body();
    struct Case {
        const char* name;
        tk::Window& window;
        std::string shown;   // the version line drawn there
        std::string checked; // the same line for version 1.0.0, build 1
    };
    const Case cases[] = {
        {"about", *panel, "Version 1.0.0 (1)", "Version 1.0.0 (1)"},
        {"main", *window, versionLine(tk::Bundle::main()), "1.0.0 (1)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.window.layoutIfNeeded();
        tk::RecordingContext recording;
        c.window.contentView()->drawHierarchy(recording, tk::Rect(tk::Point{}, c.window.contentSize()));
        const auto texts = recording.texts();
        const auto line = std::find_if(texts.begin(), texts.end(),
                                       [&](const tk::RecordedDraw& d) { return d.text == c.shown; });
        ASSERT_NE(line, texts.end());
        tk::TextAttributes white = line->textAttributes;
        white.color = tk::Color::white();
        const double shownAt = line->deviceRect().minX();
        EXPECT_TRUE(dotsStandApart(c.checked, white, shownAt - std::floor(shownAt))) << "where it shows";
        for (int eighth = 0; eighth < 8; ++eighth)
            EXPECT_TRUE(dotsStandApart(c.checked, white, eighth / 8.0)) << eighth << "/8 of a pixel";
    }
    panel->close();
}

TEST(AppHeadless, WritesTheWindowToAPictureAndLeavesTheUserSettingsAlone) {
    apptest::TestEnvironment env;
    CommandLine line;
    line.headless = true;
    line.afterSeconds = 0.5;
    const tk::testing::TempFolder folder("zindral-headless");
    line.screenshot = folder / "window.png";
    // The user's settings where the updater looks by default; damaged, so that reading them would
    // move them aside and writing would replace them.
    const tk::testing::XdgFolders xdg;
    const auto settings = xdg.root() / "config" / "Zindral" / "updater.json";
    std::filesystem::create_directories(settings.parent_path());
    std::ofstream(settings) << R"({"automaticallyChecksForUpdates": tr)";
    auto environment = env.make("headless");
    environment.updater.settingsFile.reset();
    ASSERT_EQ(runHeadlessApp(line, std::move(environment)), 0);
    EXPECT_EQ(
        std::vector<std::filesystem::path>(std::filesystem::directory_iterator(settings.parent_path()), {}),
        std::vector<std::filesystem::path>{settings})
        << "nothing moved aside or written beside it";
    std::ifstream in(settings);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), R"({"automaticallyChecksForUpdates": tr)");
    const auto picture = tk::Image::fromPNGFile(line.screenshot);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->pixelSize().width, 400);
    EXPECT_EQ(picture->pixelSize().height, 572);
    const tk::Color corner = picture->pixelColor(0, 0);
    int differing = 0;
    for (int y = 0; y < 572; y += 13)
        for (int x = 0; x < 400; x += 13)
            differing += picture->pixelColor(x, y) != corner;
    EXPECT_GT(differing, 100) << "the window drew something";
    tk::setCurrentBackend(nullptr);
}

} // namespace
} // namespace app
