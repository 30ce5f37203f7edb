#pragma once

// A view controller: owns one view, made on first use by loadView() (a plain view unless a
// subclass makes another), then viewDidLoad(). Built in code; nothing is read from archives.
//
// All members are [main].

#include "platform/tk/view/Responder.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <string>

namespace tk {

class ViewController : public Responder {
public:
    ViewController() = default;

    // The view, loaded on first access.
    View* view();
    std::shared_ptr<View> sharedView();
    bool isViewLoaded() const { return view_ != nullptr; }
    void setView(std::shared_ptr<View> view) { view_ = std::move(view); }

    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

protected:
    // Makes the view (setView); the default is an empty view.
    virtual void loadView();
    virtual void viewDidLoad() {}

private:
    void loadViewIfNeeded();
    std::shared_ptr<View> view_;
    std::string title_;
};

// Owns a window and shows it; the window's frame can be kept between runs under a name.
class WindowController : public Responder {
public:
    explicit WindowController(std::shared_ptr<Window> window);

    Window* window() const { return window_.get(); }
    std::shared_ptr<Window> sharedWindow() const { return window_; }

    // Restores the frame saved under `name`, if there is one, and keeps saving it there.
    void setWindowFrameAutosaveName(std::string name);
    const std::string& windowFrameAutosaveName() const;

    // Shows the window and makes it key.
    virtual void showWindow();

private:
    std::shared_ptr<Window> window_;
};

} // namespace tk
