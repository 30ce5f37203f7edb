#pragma once

// The morph pad's dot field, kept as a picture: drawn once for a handle position (and canvas size,
// colour and backing scale) and copied to the canvas until the handle moves. Where the copy could
// not land on whole device pixels, or the canvas draws translucent, the dots are drawn directly.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Image.h"

#include <optional>

namespace tk {
class GraphicsContext;
}

namespace extension {

class MorphDotField {
public:
    // [main] Draws the field for a canvas of `size` with the handle at `handle` (drawMorphDots).
    void draw(tk::GraphicsContext& context, tk::Size size, tk::Point handle, const tk::Color& color);

    // How often the dots themselves were drawn (tests).
    int renders() const { return renders_; }

private:
    struct Key {
        tk::Size size;
        tk::Point handle;
        tk::Color color;
        double scale = 1;
        friend bool operator==(const Key&, const Key&) = default;
    };
    std::optional<Key> key_;
    tk::Image picture_;
    int renders_ = 0;
};

} // namespace extension
