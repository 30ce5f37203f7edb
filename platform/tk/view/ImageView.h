#pragma once

// A view that shows one image scaled to fit its bounds (keeping the aspect ratio, centred).
// All members are [main].

#include "platform/tk/graphics/Image.h"
#include "platform/tk/view/View.h"

namespace tk {

class ImageView : public View {
public:
    ImageView() = default;
    explicit ImageView(Image image) : image_(std::move(image)) {}

    const Image& image() const { return image_; }
    void setImage(Image image);

    Size intrinsicContentSize() const override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

private:
    Image image_;
};

} // namespace tk
