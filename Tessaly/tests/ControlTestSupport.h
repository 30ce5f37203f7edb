#pragma once

// What the tests of the styled controls share: the drawn bundle as the main bundle, a test main
// loop, a headless backend whose menus a test picks from, a key window with the library's
// background, and recording a view's drawing.

#include "Tessaly/tests/TessalyTestBundle.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <memory>
#include <string>
#include <vector>

namespace Tessaly::testing {

class ControlFixture {
public:
    explicit ControlFixture(tk::Size size = {300, 200}, double scale = 1) {
        useBuiltBundles();
        tk::setCurrentBackend(backend);
        window = std::make_unique<tk::HeadlessWindow>(size, scale);
    }
    ~ControlFixture() {
        window.reset();
        tk::setCurrentBackend(nullptr);
    }
    ControlFixture(const ControlFixture&) = delete;
    ControlFixture& operator=(const ControlFixture&) = delete;

    template <class V> std::shared_ptr<V> add(std::shared_ptr<V> view) {
        window->contentView().addSubview(view);
        return view;
    }
    // A responder answering `action` by logging `name`.
    std::shared_ptr<tk::Responder> target(const std::string& action, std::string name = "action") {
        auto t = std::make_shared<tk::Responder>();
        t->setActionHandler(action, [this, name](const tk::ActionSender&) { log.push_back(name); });
        targets.push_back(t);
        return t;
    }

    tk::TestMainLoop loop;
    std::shared_ptr<tk::HeadlessBackend> backend = std::make_shared<tk::HeadlessBackend>();
    std::unique_ptr<tk::HeadlessWindow> window;
    std::vector<std::shared_ptr<tk::Responder>> targets;
    std::vector<std::string> log;
};

// What `view` draws itself (not its subviews), recorded.
inline std::unique_ptr<tk::RecordingContext> recordDrawing(tk::View& view) {
    auto context = std::make_unique<tk::RecordingContext>();
    view.draw(*context, view.bounds());
    return context;
}

} // namespace Tessaly::testing
