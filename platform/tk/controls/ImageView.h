#pragma once

// ImageView: a control that shows one image, placed by its image scaling and centred in the
// bounds, at half strength while disabled. It asks for the image's size. Clicks and drags on it
// are usually watched with gesture recognisers (View::addGestureRecognizer); a press and release
// reach mouseDown and mouseUp as on any control, so subclasses can react to both.

#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/view/Control.h"

namespace tk {

class ImageView : public Control {
public:
    using Control::Control;

    const Image& image() const { return image_; }
    void setImage(Image image);
    ImageScaling imageScaling() const { return scaling_; }
    void setImageScaling(ImageScaling scaling);
    // Whether a disabled view draws its image at half strength (true by default).
    bool imageDimsWhenDisabled() const { return dims_; }
    void setImageDimsWhenDisabled(bool dims);

    // Where the image is drawn within `bounds`.
    Rect imageRect(const Rect& bounds) const;
    Size intrinsicContentSize() const override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;

private:
    Image image_;
    ImageScaling scaling_ = ImageScaling::proportionallyDown;
    bool dims_ = true;
};

} // namespace tk
