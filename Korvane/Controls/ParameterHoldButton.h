#pragma once

// ParameterHoldButton: holds its parameter at 1 while the pointer presses it. The press begins an
// edit with the current value and sets 1; the release (wherever it happens) or a cancelled press
// sets 0 and ends the edit. Every end belongs to a press of this button: a value of 1 that arrives
// from elsewhere (host automation) only shows the pressed picture.

#include "Korvane/Controls/ViewLocal.h"

#include "platform/tk/graphics/Image.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>

namespace Korvane {

class AudioParameter;

struct ParameterHoldButton {
    ParameterHoldButton(std::shared_ptr<AudioParameter> param, tk::Image image, tk::Image pressedImage);

    std::shared_ptr<AudioParameter> param;
    tk::Image image;
    tk::Image pressedImage;
    tk::ui::State<bool> isPressed{false};

    // [main]
    tk::ui::Node body();

private:
    // Whether the pointer holds the button (an edit of ours is open).
    ViewLocal<bool> pointerHolds_;
};

} // namespace Korvane
