#pragma once

// ShaderView: a view whose content a GPU device renders, frame by frame.
//
// Frames: while the view is in a window and not paused, its own frame timer on the main run loop
// asks for up to preferredFramesPerSecond frames a second (measured with the run loop's clock, so
// a test that steps a manual clock gets exactly the frames it steps over). It is a frame timer
// (RunLoop::scheduleFrameTimer): a run in simulated time may leave out the frames that the next one
// replaces before anything else happens, so a delegate's draw draws and changes nothing else. With
// enableSetNeedsDisplay, a setNeedsDisplay() on the view, or a size change, also renders one frame
// at the next display - the way to redraw while paused. renderFrame() renders one at once.
//
// One frame: the drawable size is the view's size times its window's backing scale (without a
// window, 1); when it changed the delegate hears drawableSizeWillChange first. The view then hands
// its delegate a render pass descriptor that clears the drawable's texture to clearColor, and the
// drawable; the delegate encodes, presents the drawable and commits. On present the device reads
// the texture back (top row first, premultiplied ARGB32, encoded for display as colorspace says)
// and the view shows that picture in draw(), stretched over its bounds, until the next one.
//
// No device, no delegate or an empty size: no frame, and the view draws nothing.
// All members are [main].

#include "platform/gpu/Device.h"
#include "platform/gpu/RenderPass.h"
#include "platform/gpu/Types.h"
#include "platform/tk/base/Timer.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/view/View.h"

#include <memory>
#include <optional>

namespace gpu {

class ShaderView;

class ShaderViewDelegate {
public:
    virtual ~ShaderViewDelegate() = default;
    // The drawable is about to take a new size (pixels).
    virtual void drawableSizeWillChange(ShaderView& view, PixelSize size) = 0;
    // Render one frame into view.currentRenderPassDescriptor() / view.currentDrawable().
    virtual void draw(ShaderView& view) = 0;
};

class ShaderView : public tk::View {
public:
    static constexpr int kDefaultFramesPerSecond = 60;

    ShaderView(tk::Rect frame, std::shared_ptr<Device> device);
    ~ShaderView() override;

    const std::shared_ptr<Device>& device() const { return device_; }
    void setDevice(std::shared_ptr<Device> device);

    // Not owned: whoever made the delegate keeps it alive; a delegate that is gone draws nothing.
    std::shared_ptr<ShaderViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(std::weak_ptr<ShaderViewDelegate> delegate) { delegate_ = std::move(delegate); }

    PixelFormat colorPixelFormat() const { return colorPixelFormat_; }
    void setColorPixelFormat(PixelFormat format);
    ColorSpace colorspace() const { return colorspace_; }
    void setColorspace(ColorSpace space) { colorspace_ = space; }
    ClearColor clearColor() const { return clearColor_; }
    void setClearColor(ClearColor color) { clearColor_ = color; }

    int preferredFramesPerSecond() const { return preferredFramesPerSecond_; }
    // Values below 1 mean the default, 60.
    void setPreferredFramesPerSecond(int framesPerSecond);
    bool isPaused() const { return paused_; }
    void setPaused(bool paused);
    bool enableSetNeedsDisplay() const { return enableSetNeedsDisplay_; }
    void setEnableSetNeedsDisplay(bool enable) { enableSetNeedsDisplay_ = enable; }

    // With autoResizeDrawable (the default) the drawable follows the view's size and backing scale;
    // without it, it keeps the size last set.
    bool autoResizeDrawable() const { return autoResizeDrawable_; }
    void setAutoResizeDrawable(bool autoResize);
    PixelSize drawableSize() const { return drawableSize_; }
    void setDrawableSize(PixelSize size);

    // Only while the delegate draws a frame; null otherwise.
    const RenderPassDescriptor* currentRenderPassDescriptor() const {
        return inFrame_ && pass_ ? &*pass_ : nullptr;
    }
    std::shared_ptr<Drawable> currentDrawable() const { return inFrame_ ? drawable_ : nullptr; }

    // Renders one frame now (does nothing while a frame is being rendered).
    void renderFrame();
    // Marks the view for display and, with enableSetNeedsDisplay, asks for a new frame there.
    void setNeedsDisplay();

    // The picture shown (empty before the first presented frame).
    const tk::Image& presentedImage() const { return presented_; }
    int framesRendered() const { return framesRendered_; }
    bool isFrameTimerRunning() const { return timer_.isValid(); }

    // tk::View
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;
    void frameDidChange(const tk::Rect& oldFrame) override;
    void viewDidMoveToWindow() override;

private:
    double backingScale() const;
    void updateDrawableSize();
    void updateFrameTimer();
    void takePresented(Drawable& drawable);

    std::shared_ptr<Device> device_;
    std::weak_ptr<ShaderViewDelegate> delegate_;
    PixelFormat colorPixelFormat_ = PixelFormat::bgra8Unorm;
    ColorSpace colorspace_ = ColorSpace::sRGB;
    ClearColor clearColor_{0, 0, 0, 1};
    int preferredFramesPerSecond_ = kDefaultFramesPerSecond;
    bool paused_ = false;
    bool enableSetNeedsDisplay_ = false;
    bool autoResizeDrawable_ = true;
    PixelSize drawableSize_;

    // Reused frame after frame while size and format stay.
    std::shared_ptr<Texture> texture_;
    std::shared_ptr<Drawable> drawable_;
    std::optional<RenderPassDescriptor> pass_;
    tk::Image presented_;
    tk::Timer timer_;
    std::shared_ptr<int> lifetime_ = std::make_shared<int>(0); // present handlers check it
    int framesRendered_ = 0;
    bool redrawRequested_ = true;
    bool inFrame_ = false;
    bool inDraw_ = false;
};

} // namespace gpu
