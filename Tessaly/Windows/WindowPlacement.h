#pragma once

// Placing windows on their screen and shaking them. Screen coordinates run y downwards, so a
// window's top edge is its frame's minY. All functions are [main].

#include "platform/tk/base/Geometry.h"

namespace tk {
class View;
class Window;
} // namespace tk

namespace Tessaly {

// Centres the window in its screen's visible frame; nothing for a window on no screen.
void centerOnScreen(tk::Window& window);
// Centres the window horizontally, `offset` points below the top of the visible frame.
void placeAtTopCenter(tk::Window& window, double offset);
// Centres the window over `view` (which must be in a window), on whole points.
void centerOver(tk::Window& window, const tk::View& view, bool display);
// As centerOver() for x; the window's bottom edge on the view's top edge.
void placeAbove(tk::Window& window, const tk::View& view, bool display);
// The height of the window's title bar. The window system draws its decorations outside the frame
// here, so the frame holds none.
double titleBarHeight(const tk::Window& window);
// Shakes the window sideways (three swings each way, 3 % of its width, 0.4 seconds on the main run
// loop's clock) and leaves it where it was.
void shake(tk::Window& window);

} // namespace Tessaly
