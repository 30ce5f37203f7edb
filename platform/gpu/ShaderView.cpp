#include "platform/gpu/ShaderView.h"

#include "platform/tk/base/RunLoop.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/view/Window.h"

#include <cmath>

namespace gpu {

ShaderView::ShaderView(tk::Rect frame, std::shared_ptr<Device> device)
    : tk::View(frame), device_(std::move(device)) {
    updateDrawableSize();
}

ShaderView::~ShaderView() = default;

void ShaderView::setDevice(std::shared_ptr<Device> device) {
    device_ = std::move(device);
    texture_.reset();
}

void ShaderView::setColorPixelFormat(PixelFormat format) {
    colorPixelFormat_ = format;
    texture_.reset();
}

void ShaderView::setPreferredFramesPerSecond(int framesPerSecond) {
    const int fps = framesPerSecond < 1 ? kDefaultFramesPerSecond : framesPerSecond;
    if (fps == preferredFramesPerSecond_)
        return;
    preferredFramesPerSecond_ = fps;
    timer_.invalidate();
    updateFrameTimer();
}

void ShaderView::setPaused(bool paused) {
    paused_ = paused;
    updateFrameTimer();
}

void ShaderView::setAutoResizeDrawable(bool autoResize) {
    autoResizeDrawable_ = autoResize;
    updateDrawableSize();
}

void ShaderView::setDrawableSize(PixelSize size) {
    if (autoResizeDrawable_ || size == drawableSize_)
        return;
    if (auto d = delegate())
        d->drawableSizeWillChange(*this, size);
    drawableSize_ = size;
}

double ShaderView::backingScale() const {
    return window() ? window()->backingScaleFactor() : 1.0;
}

void ShaderView::updateDrawableSize() {
    if (!autoResizeDrawable_)
        return;
    const auto size = bounds().size * backingScale();
    const PixelSize pixels{static_cast<int>(std::lround(std::max(0.0, size.width))),
                           static_cast<int>(std::lround(std::max(0.0, size.height)))};
    if (pixels == drawableSize_)
        return;
    if (auto d = delegate())
        d->drawableSizeWillChange(*this, pixels);
    drawableSize_ = pixels;
    redrawRequested_ = true;
}

void ShaderView::updateFrameTimer() {
    const bool run = !paused_ && window() != nullptr;
    if (!run) {
        timer_.invalidate();
        return;
    }
    if (timer_.isValid())
        return;
    timer_ = tk::RunLoop::main().scheduleFrameTimer(tk::seconds(1.0 / preferredFramesPerSecond_),
                                                    [this] { renderFrame(); });
}

void ShaderView::renderFrame() {
    if (inFrame_)
        return;
    updateDrawableSize();
    auto d = delegate();
    if (!d || !device_ || drawableSize_.isEmpty())
        return;
    if (!texture_ || texture_->size() != drawableSize_ || texture_->pixelFormat() != colorPixelFormat_) {
        texture_ = device_->makeTexture({colorPixelFormat_, drawableSize_, TextureUsage::renderTarget});
        if (!texture_)
            return;
        texture_->setLabel("Drawable");
        drawable_.reset();
    }
    if (!drawable_) {
        // A command buffer may present it after the view is gone.
        std::weak_ptr<int> alive = lifetime_;
        drawable_ = std::make_shared<Drawable>(texture_, [this, alive](Drawable& presented) {
            if (!alive.expired())
                takePresented(presented);
        });
    }
    drawable_->prepareForNextFrame();
    if (!pass_)
        pass_.emplace();
    pass_->colorAttachments[0] = {texture_, LoadAction::clear, clearColor_};
    inFrame_ = true;
    d->draw(*this);
    inFrame_ = false;
    ++framesRendered_;
}

void ShaderView::takePresented(Drawable& drawable) {
    if (!device_ || !drawable.texture())
        return;
    if (!device_->readImage(*drawable.texture(), colorspace_, backingScale(), presented_))
        return;
    if (!inDraw_)
        tk::View::setNeedsDisplay();
}

void ShaderView::setNeedsDisplay() {
    redrawRequested_ = true;
    tk::View::setNeedsDisplay();
}

void ShaderView::draw(tk::GraphicsContext& context, const tk::Rect&) {
    inDraw_ = true;
    if (redrawRequested_ && enableSetNeedsDisplay_) {
        redrawRequested_ = false;
        renderFrame();
    }
    inDraw_ = false;
    if (presented_)
        context.drawImage(presented_, bounds());
}

void ShaderView::frameDidChange(const tk::Rect& oldFrame) {
    tk::View::frameDidChange(oldFrame);
    updateDrawableSize();
}

void ShaderView::viewDidMoveToWindow() {
    tk::View::viewDidMoveToWindow();
    updateDrawableSize();
    updateFrameTimer();
}

} // namespace gpu
