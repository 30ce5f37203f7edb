#include "app/ZindralApp.h"

#include "app/AppResources.h"
#include "app/ContentView.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/Menu.h"
#include "platform/tk/view/Window.h"

namespace app {

ZindralApp::ZindralApp(AppEnvironment environment)
    : application_(std::move(environment.terminate)), openURL_(std::move(environment.openURL)) {
    TK_CHECK_MAIN_THREAD();
    appDelegate_ = std::make_unique<AppDelegate>();
    sparkleHelper_ = std::make_shared<UpdaterHelper>(std::move(environment.feedURL));
    sparkleHelper_->updaterController = std::make_unique<updater::StandardUpdaterController>(
        false, sparkleHelper_.get(), nullptr, std::move(environment.updater));
    sparkleHelper_->updaterController->startUpdater();
    appDelegate_->setSparkleHelper(sparkleHelper_);
}

ZindralApp::~ZindralApp() {
    windowClose_.cancel();
    if (window_)
        window_->close();
}

std::shared_ptr<tk::Menu> ZindralApp::makeMenu() {
    auto menu = std::make_shared<tk::Menu>(kWindowTitle);
    tk::MenuItem about("About", {}, "i");
    about.handler = [this](const tk::MenuItem&) { application_.orderFrontStandardAboutPanel(); };
    menu->addItem(std::move(about));
    menu->addSeparator();
    tk::MenuItem check(kCheckForUpdatesTitle, {}, "u");
    check.handler = [this](const tk::MenuItem&) {
        if (sparkleHelper_->updaterController)
            appDelegate_->checkForUpdates();
    };
    menu->addItem(std::move(check));
    menu->addSeparator();
    tk::MenuItem quit(std::string("Quit ") + kWindowTitle, {}, "q");
    quit.handler = [this](const tk::MenuItem&) { application_.terminate(); };
    menu->addItem(std::move(quit));
    return menu;
}

std::shared_ptr<tk::Window> ZindralApp::body() {
    TK_CHECK_MAIN_THREAD();
    if (window_ && !window_->isClosed()) {
        window_->makeKeyAndOrderFront();
        return window_;
    }
    using namespace tk::ui;
    tk::Window::Options options;
    options.contentSize = {kWindowWidth, kWindowHeight};
    options.title = kWindowTitle;
    options.identifier = kWindowIdentifier;
    options.resizable = false;
    window_ = tk::Window::make(options);
    window_->setBackgroundColor(AppColors::background());
    Node content = Node(ContentView{.buttonWidth = kButtonWidth, .openURL = openURL_})
                       .frame(kWindowWidth, kWindowHeight)
                       .background(AppColors::background());
    window_->setContentView(tk::View::make<HostingView>(content));
    window_->setMenu(makeMenu());
    // With no dock to bring it back from, closing the only window ends the program.
    windowClose_ = window_->observeWillClose([this](tk::Window&) { application_.terminate(); });
    window_->makeKeyAndOrderFront();
    return window_;
}

void ZindralApp::launchFinished() {
    TK_CHECK_MAIN_THREAD();
    appDelegate_->applicationDidFinishLaunching(application_);
}

void ZindralApp::open(const std::vector<std::string>& urls) {
    TK_CHECK_MAIN_THREAD();
    appDelegate_->application(application_, urls);
}

void ZindralApp::comeForward() {
    TK_CHECK_MAIN_THREAD();
    body();
    if (sparkleHelper_->updaterController)
        sparkleHelper_->updaterController->updater().userDriver().showUpdateInFocus();
}

void ZindralApp::handOver(const std::vector<std::string>& urls) {
    TK_CHECK_MAIN_THREAD();
    comeForward();
    open(urls);
}

} // namespace app
