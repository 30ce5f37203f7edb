#include "extension/Interface/MorphDotField.h"

#include "extension/Interface/MorphEditorView.h"

#include "platform/tk/base/MainThread.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/GraphicsContext.h"

#include <cmath>

namespace extension {

namespace {

bool isWhole(double v) {
    return std::abs(v - std::round(v)) < 1e-6;
}

// The canvas maps to the device by a translation onto whole pixels, and the picture's pixels are
// the canvas's: copying it is drawing the dots. Dots pushed past the edge show only where the
// canvas is not clipped to its size, and the picture holds none of them.
bool copiesExactly(const tk::GraphicsContext& context, tk::Size size) {
    const tk::AffineTransform t = context.transform();
    const double scale = context.backingScale();
    return t.a == 1 && t.b == 0 && t.c == 0 && t.d == 1 && isWhole(t.tx * scale) && isWhole(t.ty * scale) &&
           isWhole(size.width * scale) && isWhole(size.height * scale) && context.alpha() == 1 &&
           context.blendMode() == tk::BlendMode::normal &&
           tk::Rect{tk::Point{}, size}.contains(context.clipBounds());
}

} // namespace

void MorphDotField::draw(tk::GraphicsContext& context, tk::Size size, tk::Point handle,
                         const tk::Color& color) {
    TK_CHECK_MAIN_THREAD();
    if (size.isEmpty()) {
        return;
    }
    if (!copiesExactly(context, size)) {
        ++renders_;
        drawMorphDots(context, size, handle, color);
        return;
    }
    const Key key{size, handle, color, context.backingScale()};
    if (key_ != key) {
        tk::BitmapContext bitmap(size, key.scale);
        ++renders_;
        drawMorphDots(bitmap, size, handle, color);
        picture_ = bitmap.makeImage();
        key_ = key;
    }
    context.drawImage(picture_, tk::Rect{tk::Point{}, size});
}

} // namespace extension
