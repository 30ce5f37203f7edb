#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/Occlusion.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <cmath>
#include <utility>

namespace tk {

namespace {

// `r` grown to whole device pixels.
Rect onWholePixels(const Rect& r, double scale) {
    const double x0 = std::floor(r.minX() * scale) / scale;
    const double y0 = std::floor(r.minY() * scale) / scale;
    const double x1 = std::ceil(r.maxX() * scale) / scale;
    const double y1 = std::ceil(r.maxY() * scale) / scale;
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace

void Window::render(GraphicsContext& context) {
    layoutIfNeeded();
    renderArea(context, Rect{Point{}, contentSize_});
}

void Window::renderArea(GraphicsContext& context, const Rect& area, Occlusion* occlusion) {
    GraphicsStateGuard guard(context);
    if (backgroundColor_.a > 0) {
        if (occlusion) {
            for (const Rect& part : occlusion->uncoveredParts(area))
                context.fillRect(part, backgroundColor_);
        } else {
            context.fillRect(area, backgroundColor_);
        }
    }
    for (auto& root : rootViews())
        root->drawHierarchy(context, area, occlusion);
}

void Window::drawIntoBacking(const Rect& area) {
    Occlusion occlusion(rootViews(), onWholePixels(area, backingScaleFactor_), backingScaleFactor_);
    for (const Rect& part : occlusion.uncoveredParts(onWholePixels(area, backingScaleFactor_)))
        backing_->clearRect(part);
    renderArea(*backing_, area, &occlusion);
}

void Window::display() {
    redraw(true);
}

void Window::displayIfNeeded() {
    if (needsDisplay_ || needsLayout_)
        redraw(false);
}

void Window::redraw(bool whole) {
    layoutIfNeeded();
    needsDisplay_ = false;
    whole = std::exchange(wholeNeedsDisplay_, false) || whole;
    const Rect dirty = std::exchange(dirtyRect_, Rect{});
    if (contentSize_.isEmpty())
        return;
    const Rect all{Point{}, contentSize_};
    const int wantWidth = int(std::ceil(contentSize_.width * backingScaleFactor_));
    const int wantHeight = int(std::ceil(contentSize_.height * backingScaleFactor_));
    if (!backing_ || backing_->pixelWidth() != wantWidth || backing_->pixelHeight() != wantHeight ||
        backing_->backingScale() != backingScaleFactor_) {
        backing_ = std::make_unique<BitmapContext>(contentSize_, backingScaleFactor_);
        whole = true;
    }
    if (whole) {
        // What the drawing leaves uncleared, opaque views paint over.
        backing_->resetState();
        drawIntoBacking(all);
    } else {
        // The rest of the last frame stands; only the changed area is cleared and drawn again.
        const Rect area = onWholePixels(dirty.intersection(all), backingScaleFactor_);
        if (area.isEmpty())
            return;
        GraphicsStateGuard guard(*backing_);
        backing_->clipToRect(area);
        drawIntoBacking(area);
    }
    // Drawing code that marked something again asks for the next frame, not this one.
    if (native_ && !closed_) {
        RenderedFrame frame;
        frame.pixels = backing_->pixelData();
        frame.pixelWidth = backing_->pixelWidth();
        frame.pixelHeight = backing_->pixelHeight();
        frame.stride = backing_->stride();
        frame.scale = backingScaleFactor_;
        native_->present(frame);
    }
}

} // namespace tk
