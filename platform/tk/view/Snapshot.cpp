#include "platform/tk/view/Snapshot.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

namespace tk {

Image snapshot(View& view, double scale) {
    if (scale <= 0)
        scale = view.window() ? view.window()->backingScaleFactor() : 1;
    view.layoutSubtreeIfNeeded();
    const Rect frame = view.frame();
    return Image::draw(frame.size, scale, [&](GraphicsContext& context) {
        // drawHierarchy draws in the superview's coordinates: move the frame's origin to 0, 0.
        context.translate(-frame.x(), -frame.y());
        view.drawHierarchy(context, frame);
    });
}

} // namespace tk
