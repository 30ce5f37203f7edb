#pragma once

// A modal alert: a message, an explaining text and one or more buttons, in a window of its own.
// runModal() shows it and runs the main run loop (nested) until a button is chosen - clicked, or
// Return for the first button, or Escape for a button titled "Cancel" - then closes the window and
// answers kFirstButtonReturn + the button's index. Closing the window some other way answers
// Application::kModalResponseAbort. Buttons run right to left, the first at the right edge.
//
// Tests answer an alert as a user would: post a task that clicks a button (or presses a key) in
// the alert's window before calling runModal().
//
// All members are [main].

#include "platform/tk/base/Geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

class Window;
class AlertView;

class Alert {
public:
    static constexpr int kFirstButtonReturn = 1000;

    Alert() = default;
    Alert(std::string message, std::string informative)
        : messageText(std::move(message)), informativeText(std::move(informative)) {}

    std::string messageText;
    std::string informativeText;

    void addButton(std::string title) { buttonTitles_.push_back(std::move(title)); }
    const std::vector<std::string>& buttonTitles() const { return buttonTitles_; }

    // The alert's window, laid out for the texts and buttons as they are now (made anew each time).
    std::shared_ptr<Window> makeWindow();
    // The window of the alert that runs now, while runModal() runs.
    Window* window() const { return window_.get(); }

    int runModal();

private:
    std::vector<std::string> buttonTitles_;
    std::shared_ptr<Window> window_;
};

} // namespace tk
