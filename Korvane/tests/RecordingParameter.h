#pragma once

// A parameter that records every setValue call a control makes, before passing it on; and the
// small fixture that shows a declarative tree in a headless window.

#include "Korvane/Parameters/AudioParameter.h"

#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace Korvane::testing {

struct Edit {
    float value;
    ParameterEditor source;
    ParameterEditorState state;
    bool operator==(const Edit&) const = default;
};

inline Edit begin(float v) {
    return {v, ParameterEditor::ui, ParameterEditorState::beginInteractive};
}
inline Edit change(float v) {
    return {v, ParameterEditor::ui, ParameterEditorState::change};
}
inline Edit end(float v) {
    return {v, ParameterEditor::ui, ParameterEditorState::endInteractive};
}

inline std::ostream& operator<<(std::ostream& out, const Edit& e) {
    const char* state = e.state == ParameterEditorState::change             ? "change"
                        : e.state == ParameterEditorState::beginInteractive ? "begin"
                                                                            : "end";
    return out << state << "(" << e.value << (e.source == ParameterEditor::ui ? "" : ", observer") << ")";
}

class RecordingParameter final : public AudioParameter {
public:
    using AudioParameter::AudioParameter;

    void setValue(float newValue, ParameterEditor source, ParameterEditorState state) override {
        edits.push_back({newValue, source, state});
        AudioParameter::setValue(newValue, source, state);
    }

    std::vector<Edit> edits;
};

struct ParameterShape {
    au::ParameterUnit units = au::ParameterUnit::generic;
    float lo = 0;
    float hi = 1;
    float value = 0;
    ValueIncrement increment = ValueIncrement::linear();
    std::optional<std::vector<std::string>> valueStrings{};
    std::string name = "Gate";
    float defaultValue = 0;
};

// A parameter of the given shape whose interface value is `shape.value` (set directly, as the
// settings model's mirror would).
inline std::shared_ptr<RecordingParameter> makeParameter(const ParameterShape& shape) {
    auto param = std::make_shared<RecordingParameter>(
        7, "gate", shape.name, shape.units, tk::ClosedRange<float>{shape.lo, shape.hi}, shape.defaultValue,
        shape.increment, shape.valueStrings, std::nullopt);
    param->value.set(shape.value);
    return param;
}

// A tree in a headless window of `size` whose content is exactly the window, so window and
// content coordinates agree when the root fills the window.
class HostedTree {
public:
    explicit HostedTree(tk::ui::Node root, tk::Size size, double scale = 1) : window(size, scale) {
        host = tk::View::make<tk::ui::HostingView>(std::move(root));
        window.setContentView(host);
        settle();
    }
    ~HostedTree() { loop.drain(); }

    // Runs the main queue: published values arrive, components rebuild, layout runs.
    void settle() {
        loop.drain();
        window.window().layoutIfNeeded();
        loop.drain();
    }

    tk::TestMainLoop loop;
    tk::HeadlessWindow window;
    std::shared_ptr<tk::ui::HostingView> host;
};

} // namespace Korvane::testing
