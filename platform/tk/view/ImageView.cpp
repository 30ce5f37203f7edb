#include "platform/tk/view/ImageView.h"

#include "platform/tk/graphics/GraphicsContext.h"

namespace tk {

void ImageView::setImage(Image image) {
    image_ = std::move(image);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

Size ImageView::intrinsicContentSize() const {
    return image_ ? image_.size() : Size{kNoIntrinsicMetric, kNoIntrinsicMetric};
}

void ImageView::draw(GraphicsContext& context, const Rect&) {
    if (image_)
        context.drawImage(image_, bounds(), ContentMode::aspectFit);
}

} // namespace tk
