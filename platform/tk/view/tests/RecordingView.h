#pragma once

// A view for tests that records the events it receives (as short strings with the local location)
// and can be told to handle them or to pass them on.

#include "platform/tk/view/View.h"

#include <string>
#include <vector>

namespace tk::testing {

class RecordingView : public View {
public:
    using View::View;

    std::vector<std::string> log;
    bool handlesMouse = true;
    bool handlesKeys = true;
    bool acceptsFocus = false;
    // Whether a click focuses it (a view that takes text) or only Tab does (a button).
    bool focusOnClick = true;
    bool refusesToResign = false;

    std::string name;

    bool mouseDown(const Event& e) override { return record("down", e, handlesMouse); }
    bool mouseDragged(const Event& e) override { return record("drag", e, handlesMouse); }
    bool mouseUp(const Event& e) override { return record("up", e, handlesMouse); }
    void mouseCancelled(const Event& e) override { record("cancel", e, true); }
    bool mouseEntered(const Event& e) override { return record("enter", e, true); }
    bool mouseExited(const Event& e) override { return record("exit", e, true); }
    bool mouseMoved(const Event& e) override { return record("move", e, true); }
    bool scrollWheel(const Event& e) override { return record("scroll", e, handlesMouse); }
    bool keyDown(const Event& e) override {
        log.push_back("key " + e.characters);
        return handlesKeys;
    }
    bool insertText(const std::string& text) override {
        log.push_back("text " + text);
        return handlesKeys;
    }
    bool acceptsFirstResponder() const override { return acceptsFocus; }
    bool takesFocusOnClick() const override { return focusOnClick; }
    bool becomeFirstResponder() override {
        log.push_back("become");
        return true;
    }
    bool resignFirstResponder() override {
        log.push_back("resign");
        return !refusesToResign;
    }

private:
    bool record(const char* what, const Event& e, bool handled) {
        const Point p = locationOf(e);
        log.push_back(std::string(what) + " " + std::to_string(int(p.x)) + "," + std::to_string(int(p.y)));
        return handled;
    }
};

} // namespace tk::testing
