#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/view/Backend.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <cmath>

namespace tk {

void Window::render(GraphicsContext& context) {
    layoutIfNeeded();
    const Rect all{Point{}, contentSize_};
    GraphicsStateGuard guard(context);
    if (backgroundColor_.a > 0)
        context.fillRect(all, backgroundColor_);
    for (auto& root : rootViews())
        root->drawHierarchy(context, all);
}

void Window::display() {
    layoutIfNeeded();
    needsDisplay_ = false;
    if (contentSize_.isEmpty())
        return;
    const int wantWidth = int(std::ceil(contentSize_.width * backingScaleFactor_));
    const int wantHeight = int(std::ceil(contentSize_.height * backingScaleFactor_));
    if (!backing_ || backing_->pixelWidth() != wantWidth || backing_->pixelHeight() != wantHeight ||
        backing_->backingScale() != backingScaleFactor_)
        backing_ = std::make_unique<BitmapContext>(contentSize_, backingScaleFactor_);
    else
        backing_->reset();
    render(*backing_);
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

void Window::displayIfNeeded() {
    if (needsDisplay_ || needsLayout_)
        display();
}

} // namespace tk
