#pragma once

// The running application as its delegate and its commands see it: its appearance, the standard
// About panel and the way to end the program. All members are [main].

#include <functional>
#include <memory>

namespace tk {
class Window;
}

namespace app {

enum class Appearance { system, dark };

class Application {
public:
    // `terminate` ends the program's run loop (the windowing backend's quit); none does nothing.
    explicit Application(std::function<void()> terminate = {});
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Appearance appearance() const { return appearance_; }
    void setAppearance(Appearance appearance) { appearance_ = appearance; }

    // Shows the About panel (made from the main bundle's information file), or brings it forward.
    void orderFrontStandardAboutPanel();
    // The About panel while it is open.
    tk::Window* aboutPanel() const;

    // Ends the program.
    void terminate();
    bool isTerminating() const { return terminating_; }

private:
    std::function<void()> terminate_;
    std::shared_ptr<tk::Window> aboutPanel_;
    Appearance appearance_ = Appearance::system;
    bool terminating_ = false;
};

} // namespace app
