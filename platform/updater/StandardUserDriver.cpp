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

constexpr tk::Color kFocusRing = tk::Color::rgba8(0x8f, 0xb8, 0xf2);

struct DialogButtonStyle {
    bool isDefault = false;
    bool isFocused = false;
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& c) const {
        using namespace tk::ui;
        const tk::Color face = isDefault ? (c.isPressed ? kDefaultPressed : kDefaultFace)
                                         : (c.isPressed ? kButtonPressed : kButtonFace);
        Node body = c.label.font(tk::Font::system(12, tk::FontWeight::medium))
                        .foregroundColor(tk::Color::white())
                        .padding(tk::EdgeInsets{0, 14, 0, 14})
                        .frame({.minWidth = 72, .minHeight = 26, .maxHeight = 26})
                        .background(RoundedRectangle(6).fill(face));
        if (isFocused)
            body = body.overlay(RoundedRectangle(6).stroke(kFocusRing, 2));
        return body;
    }
};

tk::ui::Node dialogBody(const DialogContent& content, int focused) {
    using namespace tk::ui;
    std::vector<Node> buttons{Spacer()};
    for (std::size_t i = 0; i < content.buttons.size(); ++i) {
        const bool isDefault = i + 1 == content.buttons.size();
        buttons.push_back(Button(content.buttons[i].action, Text(content.buttons[i].title))
                              .buttonStyle(DialogButtonStyle{isDefault, int(i) == focused})
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

// The dialog's content view. It is the window's first responder while the dialog shows (a
// click leaves it so), and answers the dialog's keys (see the header) as its buttons would.
class DialogView final : public tk::ui::HostingView {
public:
    explicit DialogView(DialogContent content)
        : HostingView(dialogBody(content, -1)), content_(std::move(content)) {}

    bool acceptsFirstResponder() const override { return true; }

    bool keyDown(const tk::Event& event) override {
        const tk::ModifierFlags held = event.modifierFlags & tk::kShortcutModifierMask;
        const int count = int(content_.buttons.size());
        if (event.keyCode == tk::KeyCode::tab &&
            (held & ~tk::ModifierFlags::shift) == tk::ModifierFlags::none) {
            if (count == 0)
                return true;
            const bool back = contains(held, tk::ModifierFlags::shift);
            focused_ = focused_ < 0 ? (back ? count - 1 : 0) : (focused_ + (back ? count - 1 : 1)) % count;
            setRoot(dialogBody(content_, focused_));
            return true;
        }
        if (held != tk::ModifierFlags::none)
            return false;
        switch (event.keyCode) {
        case tk::KeyCode::returnKey:
        case tk::KeyCode::keypadEnter:
            return press(count - 1);
        case tk::KeyCode::escape:
            return press(content_.cancelButton >= 0 ? content_.cancelButton : (count == 1 ? 0 : -1));
        case tk::KeyCode::space:
            return press(focused_);
        default:
            return false;
        }
    }

private:
    // Runs button `index`'s action as its click would; the key counts as handled either way.
    bool press(int index) {
        if (index >= 0 && index < int(content_.buttons.size()) && content_.buttons[std::size_t(index)].action)
            content_.buttons[std::size_t(index)].action();
        return true;
    }

    DialogContent content_;
    int focused_ = -1; // no ring until Tab brings the focus to a button
};
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
    d.cancelButton = 1;
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
    auto view = tk::View::make<DialogView>(content);
    window_->setContentView(view);
    closeObservation_ = window_->observeWillClose([onClose](tk::Window&) { onClose(); });
    window_->makeKeyAndOrderFront();
    window_->makeFirstResponder(view.get());
}

} // namespace updater
