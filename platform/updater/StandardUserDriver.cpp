#include "platform/updater/StandardUserDriver.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/ui/UI.h"
#include "platform/tk/view/Window.h"

namespace updater {

namespace {
// The dialogs' palette: dark surfaces, light text, one blue for the default button.
constexpr tk::Color kSurface = tk::Color::rgba8(0x1c, 0x1e, 0x23);
constexpr tk::Color kTitleText = tk::Color::rgba8(0xe6, 0xe8, 0xec);
constexpr tk::Color kMessageText = tk::Color::rgba8(0xb8, 0xbd, 0xc7);
constexpr tk::Color kButtonFace = tk::Color::rgba8(0x2c, 0x30, 0x37);
constexpr tk::Color kButtonPressed = tk::Color::rgba8(0x3a, 0x3f, 0x48);
constexpr tk::Color kDefaultFace = tk::Color::rgba8(0x3d, 0x7f, 0xe0);
constexpr tk::Color kDefaultPressed = tk::Color::rgba8(0x33, 0x6b, 0xbd);

struct DialogButtonStyle {
    bool isDefault = false;
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& c) const {
        using namespace tk::ui;
        const tk::Color face = isDefault ? (c.isPressed ? kDefaultPressed : kDefaultFace)
                                         : (c.isPressed ? kButtonPressed : kButtonFace);
        return c.label.font(tk::Font::system(12, tk::FontWeight::medium))
            .foregroundColor(tk::Color::white())
            .padding(tk::EdgeInsets{0, 14, 0, 14})
            .frame({.minWidth = 72, .minHeight = 26, .maxHeight = 26})
            .background(RoundedRectangle(6).fill(face));
    }
};

tk::ui::Node dialogBody(const DialogContent& content) {
    using namespace tk::ui;
    std::vector<Node> buttons{Spacer()};
    for (std::size_t i = 0; i < content.buttons.size(); ++i) {
        const bool isDefault = i + 1 == content.buttons.size();
        buttons.push_back(Button(content.buttons[i].action, Text(content.buttons[i].title))
                              .buttonStyle(DialogButtonStyle{isDefault})
                              .identifier("button." + std::to_string(i)));
    }
    return VStack({.alignment = HorizontalAlignment::leading, .spacing = 8},
                  {
                      Text(content.title)
                          .font(tk::Font::system(15, tk::FontWeight::bold))
                          .foregroundColor(kTitleText),
                      Text(content.message)
                          .font(tk::Font::system(12))
                          .foregroundColor(kMessageText)
                          .lineLimit(3)
                          .frame({.maxWidth = kInfinity, .alignment = Alignment::topLeading()}),
                      Spacer(),
                      HStack({.spacing = 8}, std::move(buttons)),
                  })
        .padding(20)
        .frame({.maxWidth = kInfinity, .maxHeight = kInfinity})
        .background(kSurface);
}
} // namespace

DialogContent checkingDialog(const HostInfo& host, std::function<void()> cancel) {
    DialogContent d;
    d.identifier = "updater.checking";
    d.title = "Checking for updates\u2026";
    d.message = "Looking for a newer version of " + host.name + ".";
    d.buttons = {{"Cancel", cancel}};
    d.onClose = cancel;
    return d;
}

DialogContent updateFoundDialog(const HostInfo& host, const AppcastItem& item,
                                std::function<void(UpdateChoice)> reply) {
    DialogContent d;
    d.identifier = "updater.found";
    d.title = "A new version of " + host.name + " is available!";
    d.message = host.name + " " + item.displayVersion() + " is now available\u2014you have " +
                host.displayVersion() + ". Would you like to download it now?";
    d.buttons = {{"Skip This Version", [reply] { reply(UpdateChoice::skip); }},
                 {"Remind Me Later", [reply] { reply(UpdateChoice::remindLater); }},
                 {"Download", [reply] { reply(UpdateChoice::install); }}};
    d.onClose = [reply] { reply(UpdateChoice::remindLater); };
    return d;
}

DialogContent upToDateDialog(const HostInfo& host, std::function<void()> acknowledgement) {
    DialogContent d;
    d.identifier = "updater.upToDate";
    d.title = "You're up to date!";
    d.message = host.name + " " + host.displayVersion() + " is currently the newest version available.";
    d.buttons = {{"OK", acknowledgement}};
    d.onClose = acknowledgement;
    return d;
}

DialogContent errorDialog(const HostInfo&, const std::string& message,
                          std::function<void()> acknowledgement) {
    DialogContent d;
    d.identifier = "updater.error";
    d.title = "Update Error!";
    d.message = message + " Please try again later.";
    d.buttons = {{"OK", acknowledgement}};
    d.onClose = acknowledgement;
    return d;
}

StandardUserDriver::~StandardUserDriver() {
    *self_ = nullptr;
    closeDialog();
}

void StandardUserDriver::showUserInitiatedUpdateCheck(const HostInfo& host, std::function<void()> cancel) {
    show(checkingDialog(host, std::move(cancel)));
}

void StandardUserDriver::showUpdateFound(const HostInfo& host, const AppcastItem& item,
                                         std::function<void(UpdateChoice)> reply) {
    show(updateFoundDialog(host, item, std::move(reply)));
}

void StandardUserDriver::showUpdateNotFound(const HostInfo& host, std::function<void()> acknowledgement) {
    show(upToDateDialog(host, std::move(acknowledgement)));
}

void StandardUserDriver::showUpdaterError(const HostInfo& host, const std::string& message,
                                          std::function<void()> acknowledgement) {
    show(errorDialog(host, message, std::move(acknowledgement)));
}

void StandardUserDriver::showUpdateInFocus() {
    TK_CHECK_MAIN_THREAD();
    if (window_)
        window_->makeKeyAndOrderFront();
}

void StandardUserDriver::closeDialog() {
    closeObservation_.cancel();
    if (answered_)
        *answered_ = true;
    if (auto window = std::move(window_))
        window->close();
}

void StandardUserDriver::show(DialogContent content) {
    TK_CHECK_MAIN_THREAD();
    closeDialog();
    // Each answer counts once: a button, or closing the window, whichever comes first. The window
    // is closed from the queue, never from inside the button handler that is running.
    auto answered = std::make_shared<bool>(false);
    answered_ = answered;
    auto once = [weak = std::weak_ptr<StandardUserDriver*>(self_), answered](std::function<void()> action,
                                                                             bool closeWindow) {
        return [weak, answered, action = std::move(action), closeWindow] {
            if (*answered)
                return;
            *answered = true;
            if (closeWindow)
                tk::RunLoop::main().post([weak, answered] {
                    if (auto self = weak.lock(); self && *self && (*self)->answered_ == answered)
                        (*self)->closeDialog();
                });
            if (action)
                action();
        };
    };
    for (auto& button : content.buttons)
        button.action = once(std::move(button.action), true);
    auto onClose = once(std::move(content.onClose), false);

    tk::Window::Options options;
    options.contentSize = {kDialogWidth, kDialogHeight};
    options.title = content.title;
    options.identifier = content.identifier;
    options.resizable = false;
    window_ = tk::Window::make(options);
    window_->setBackgroundColor(kSurface);
    window_->setContentView(tk::View::make<tk::ui::HostingView>(dialogBody(content)));
    closeObservation_ = window_->observeWillClose([onClose](tk::Window&) { onClose(); });
    window_->makeKeyAndOrderFront();
}

} // namespace updater
