#pragma once

// The layer behind a view that asked for one (View::setWantsLayer): the few properties code sets
// on it, applied when the view draws. Opacity multiplies the view and its subtree (on top of the
// view's alpha); the background colour fills the bounds before the view draws itself. Setting
// either marks the view for display. All members are [main].

#include "platform/tk/base/Color.h"

#include <optional>

namespace tk {

class View;

class Layer {
public:
    explicit Layer(View& view) : view_(view) {}
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    double opacity() const { return opacity_; }
    void setOpacity(double opacity); // clamped to 0..1
    const std::optional<Color>& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(std::optional<Color> color);

private:
    View& view_;
    double opacity_ = 1;
    std::optional<Color> backgroundColor_;
};

} // namespace tk
