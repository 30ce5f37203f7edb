#include "platform/tk/controls/ImageView.h"

#include "platform/tk/controls/Cell.h"
#include "platform/tk/graphics/GraphicsContext.h"

namespace tk {

void ImageView::setImage(Image image) {
    image_ = std::move(image);
    invalidateIntrinsicContentSize();
    setNeedsDisplay();
}

void ImageView::setImageScaling(ImageScaling scaling) {
    scaling_ = scaling;
    setNeedsDisplay();
}

void ImageView::setImageDimsWhenDisabled(bool dims) {
    dims_ = dims;
    setNeedsDisplay();
}

Rect ImageView::imageRect(const Rect& bounds) const {
    if (image_.isEmpty())
        return {};
    return centeredRect(scaledImageSize(image_.size(), bounds.size, scaling_), bounds);
}

Size ImageView::intrinsicContentSize() const {
    return image_.isEmpty() ? Size{kNoIntrinsicMetric, kNoIntrinsicMetric} : image_.size();
}

void ImageView::draw(GraphicsContext& context, const Rect&) {
    if (image_.isEmpty())
        return;
    const double opacity = !isEnabled() && dims_ ? 0.5 : 1.0;
    context.drawImage(image_, imageRect(bounds()), ImageDrawOptions{}.withOpacity(opacity));
}

} // namespace tk
