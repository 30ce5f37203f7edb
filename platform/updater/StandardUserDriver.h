#pragma once

// The standard dialogs, drawn with tk: one small window at a time, titled after the host.
//
//   checking        "Checking for updates…"                      [Cancel]
//   update found    "A new version of <host> is available!"      [Skip This Version] [Remind Me Later]
//   [Download] up to date      "You're up to date!"                         [OK] error           "Update
//   Error!" and what went wrong          [OK]
//
// A new dialog replaces the one shown. Closing a dialog's window answers it as its mildest button
// does (cancel, remind me later, OK). The windows are ordinary non-modal windows: the main window
// keeps working while one is up.
//
// Keys: Return and keypad Enter press the default button (the last, drawn in blue); Escape the
// cancel button (Remind Me Later, Cancel), or the only button of a dialog that has one; Tab and
// Shift-Tab move a focus ring along the buttons and Space presses the one that has it. Clicks
// move no focus. All members are [main].

#include "platform/tk/base/Subscription.h"
#include "platform/updater/UserDriver.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {
class Window;
}

namespace updater {

// One dialog as data: what it says and its buttons, the last one being the default.
struct DialogContent {
    struct Button {
        std::string title;
        std::function<void()> action;
    };
    std::string identifier; // "updater.checking", "updater.found", "updater.upToDate", "updater.error"
    std::string title;
    std::string message;
    std::vector<Button> buttons;
    // The button Escape presses; -1: the only button when there is one, else none.
    int cancelButton = -1;
    // Runs when the window is closed without a button.
    std::function<void()> onClose;
};

// The dialogs' texts and buttons, apart from the drawing.
DialogContent checkingDialog(const HostInfo& host, std::function<void()> cancel);
DialogContent updateFoundDialog(const HostInfo& host, const AppcastItem& item,
                                std::function<void(UpdateChoice)> reply);
DialogContent upToDateDialog(const HostInfo& host, std::function<void()> acknowledgement);
DialogContent errorDialog(const HostInfo& host, const std::string& message,
                          std::function<void()> acknowledgement);

class StandardUserDriver final : public UserDriver {
public:
    static constexpr double kDialogWidth = 440;
    static constexpr double kDialogHeight = 150;

    StandardUserDriver() = default;
    ~StandardUserDriver() override;

    void showUserInitiatedUpdateCheck(const HostInfo& host, std::function<void()> cancel) override;
    void showUpdateFound(const HostInfo& host, const AppcastItem& item,
                         std::function<void(UpdateChoice)> reply) override;
    void showUpdateNotFound(const HostInfo& host, std::function<void()> acknowledgement) override;
    void showUpdaterError(const HostInfo& host, const std::string& message,
                          std::function<void()> acknowledgement) override;
    void showUpdateInFocus() override;

    // The dialog's window shown now, if any (tests and screenshots).
    tk::Window* dialogWindow() const { return window_.get(); }

private:
    void show(DialogContent content);
    void closeDialog();

    std::shared_ptr<tk::Window> window_;
    tk::Subscription closeObservation_;
    std::shared_ptr<bool> answered_;
    // Tasks queued by the dialogs' buttons find this expired once the driver is gone.
    std::shared_ptr<StandardUserDriver*> self_ = std::make_shared<StandardUserDriver*>(this);
};

} // namespace updater
