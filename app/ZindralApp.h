#pragma once

// The application: its start-up, its one window and the window's menu.
//
// Start-up (the constructor), in this order:
//   1. the application delegate is made;
//   2. an UpdaterHelper is made and kept;
//   3. the standard updater controller is made, not started, with the helper as its delegate and
//      stored in the helper;
//   4. the updater is started;
//   5. the delegate is given the helper.
// So the updater never starts before its delegate and controller are wired, and the delegate has
// the helper before any URL reaches it. body() then makes the window; launchFinished() lets the
// delegate finish the launch.
//
// The window: "Zindral", identifier "main", 400 x 572 and not resizable, on the asset colour
// "background", showing ContentView with 180-point buttons. Its menu (F10 or a right click, since
// this platform has no global menu bar) holds "About" (Ctrl+I), a divider, "Check for Updates…"
// (Ctrl+U), a divider and "Quit Zindral" (Ctrl+Q). Closing the window ends the program.
//
// All members are [main].

#include "app/AppDelegate.h"
#include "app/Application.h"
#include "app/LinkOpener.h"
#include "app/UpdaterHelper.h"

#include "platform/tk/base/Subscription.h"
#include "platform/updater/Updater.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tk {
class Menu;
class Window;
} // namespace tk

namespace app {

inline constexpr double kWindowWidth = 400;
inline constexpr double kWindowHeight = 572;
inline constexpr double kButtonWidth = 180;
inline constexpr const char* kWindowTitle = "Zindral";
inline constexpr const char* kWindowIdentifier = "main";
inline constexpr const char* kCheckForUpdatesTitle = "Check for Updates\u2026";

// What the application reaches outside itself; tests replace the parts.
struct AppEnvironment {
    // The updater's network, dialogs, settings file and clock (see updater::UpdaterEnvironment).
    updater::UpdaterEnvironment updater;
    // The feed's address; default the application's update feed.
    std::optional<std::string> feedURL;
    // Ends the program (the windowing backend's quit).
    std::function<void()> terminate;
    // How the window's buttons open their pages; default the workspace's.
    URLOpener openURL;
};

class ZindralApp {
public:
    explicit ZindralApp(AppEnvironment environment = {});
    ~ZindralApp();
    ZindralApp(const ZindralApp&) = delete;
    ZindralApp& operator=(const ZindralApp&) = delete;

    // Makes and shows the window (once; later calls bring it forward and return it).
    std::shared_ptr<tk::Window> body();
    // The launch is over: the delegate's applicationDidFinishLaunching.
    void launchFinished();
    // URLs handed to the application (command line, a later launch).
    void open(const std::vector<std::string>& urls);
    // A later launch without URLs: the window comes forward (restored when minimised), and an
    // updater dialog that is up stays in front of it.
    void comeForward();
    // What a later launch handed over, with or without URLs: the window comes forward, then the
    // URLs are opened, so that a dialog they open stands in front of it.
    void handOver(const std::vector<std::string>& urls);

    AppDelegate& appDelegate() { return *appDelegate_; }
    Application& application() { return application_; }
    const std::shared_ptr<UpdaterHelper>& sparkleHelper() const { return sparkleHelper_; }
    tk::Window* window() const { return window_.get(); }

    // The window's menu, as described above.
    std::shared_ptr<tk::Menu> makeMenu();

private:
    Application application_;
    std::unique_ptr<AppDelegate> appDelegate_;
    std::shared_ptr<UpdaterHelper> sparkleHelper_;
    URLOpener openURL_;
    std::shared_ptr<tk::Window> window_;
    tk::Subscription windowClose_;
};

} // namespace app
