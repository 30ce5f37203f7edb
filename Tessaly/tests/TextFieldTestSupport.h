#pragma once

// What the text-field tests share: the drawn bundle as the main bundle, a test main loop, a
// headless key window on the controls' background, and recording a view's own drawing.

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/graphics/RecordingContext.h"
#include "platform/tk/view/HeadlessBackend.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <memory>

namespace Tessaly::testing {

class FieldFixture {
public:
    explicit FieldFixture(tk::Size size = {300, 120}, double scale = 1) {
        useBuiltBundles();
        tk::setCurrentBackend(backend);
        window = std::make_unique<tk::HeadlessWindow>(size, scale);
        window->window().setBackgroundColor(color(ColorResources::backgroundNormal));
    }
    ~FieldFixture() {
        window.reset();
        tk::setCurrentBackend(nullptr);
    }
    FieldFixture(const FieldFixture&) = delete;
    FieldFixture& operator=(const FieldFixture&) = delete;

    template <class V> std::shared_ptr<V> add(std::shared_ptr<V> view) {
        window->contentView().addSubview(view);
        return view;
    }
    tk::Window& win() { return window->window(); }

    tk::TestMainLoop loop;
    std::shared_ptr<tk::HeadlessBackend> backend = std::make_shared<tk::HeadlessBackend>();
    std::unique_ptr<tk::HeadlessWindow> window;
};

// What `view` draws itself (not its subviews), recorded.
inline std::unique_ptr<tk::RecordingContext> recordDrawing(tk::View& view) {
    auto context = std::make_unique<tk::RecordingContext>();
    view.draw(*context, view.bounds());
    return context;
}

} // namespace Tessaly::testing
