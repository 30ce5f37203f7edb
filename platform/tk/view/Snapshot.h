#pragma once

// A picture of a view as its window would show it: the view and its subviews drawn into a new
// image of the view's frame size (its bounds transform, clipping and alpha applied, as the window
// applies them). A hidden view gives a transparent picture. Layout runs first where needed.

#include "platform/tk/graphics/Image.h"

namespace tk {

class View;

// [main] At `scale` pixels per point; 0 takes the window's backing scale (1 without a window).
Image snapshot(View& view, double scale = 0);

} // namespace tk
