#pragma once

// Shader: what a colour effect (Node::colorEffect) runs over a view's drawing - a function of each
// pixel's position and colour, with its arguments. The toolkit only asks for the result; whoever
// can run the function (the GPU layer, gpu::ColorShader) implements it. Without a way to run it,
// the view is shown as it was drawn.
//
// All members are [main].

#include "platform/tk/graphics/Image.h"

#include <optional>

namespace tk::ui {

class Shader {
public:
    virtual ~Shader() = default;
    // `drawing` (premultiplied, at its own scale, its origin at the view's top-left corner) with
    // the function applied to every pixel, as a picture of the same size and scale; nothing when
    // the function cannot be run here.
    virtual std::optional<tk::Image> applyColorEffect(const tk::Image& drawing) const = 0;
};

} // namespace tk::ui
