#pragma once

// The drawing and layout rules the styled cells share.
//
//   - insetRect: a rect shrunk by insets as x + left, y + bottom, width - (left + right),
//     height - (top + bottom), made integral. The origin moves by the bottom inset.
//   - centeredOnY: a rect's y replaced by mid-y of `bounds` minus half its height, rounded to the
//     nearest whole number (halves away from zero), made integral.
//   - Bezel and image pictures are drawn upright into their destination rect. (The toolkit's
//     coordinates run top-down in every view, so no flip about the destination is needed to keep a
//     picture the right way up in a button.)
//   - The styled focus ring: a rounded rect (radius 3) of the mask bounds inset by `inset`, filled
//     with the ring colour at alpha 0.3 and stroked with it at width 2, round caps and joins. It
//     shows only while the view's window is key and the view holds the keyboard focus.
//
// All of it is [main].

#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/controls/CellTypes.h"
#include "platform/tk/graphics/Image.h"

#include <optional>

namespace tk {
class ButtonCell;
class Cell;
class GraphicsContext;
class View;
} // namespace tk

namespace Tessaly {

class ControlStyle;

tk::Rect insetRect(const tk::Rect& rect, const tk::EdgeInsets& insets);
tk::Rect centeredOnY(const tk::Rect& rect, const tk::Rect& bounds);

// Where an image of `imageSize` is drawn in `frame` by `scaling`: the frame (axes independently),
// the size centred on whole points (none), or the image's own size placed at
// (max(minX, min(maxX, w) - w), max(minY, min(maxY, h) - h)) (both proportional modes).
tk::Rect imageDestination(tk::Size imageSize, const tk::Rect& frame, tk::ImageScaling scaling);

// The strength a cell's image is drawn at: half while pressed or disabled, full otherwise.
double cellImageOpacity(const tk::Cell& cell);

// Draws a button cell's `image` into `frame` by the cell's image scaling, at cellImageOpacity.
// Nothing for an empty image.
void drawCellImage(const tk::ButtonCell& cell, const tk::Image& image, const tk::Rect& frame,
                   tk::GraphicsContext& context);

// Draws `image` (tinted with the control text colour when it is a template) into `rect` at
// `opacity`: nine-part by the picture's own cap insets and resizing mode when it carries some,
// else scaled whole. Nothing for an empty image.
void drawTintedImage(tk::GraphicsContext& context, const tk::Image& image, const tk::Rect& rect,
                     double opacity = 1);

// Draws `style`'s bezel picture for `state` over `rect` by drawTintedImage, at half strength when
// not `enabled`. Nothing when the style has no picture for the state.
void drawStateBezel(tk::GraphicsContext& context, const ControlStyle& style, StyledControlState state,
                    const tk::Rect& rect, bool enabled);
// A bordered control sized to its bezel picture of `bezelSize`: the larger of the two widths and the
// picture's height, each less `alignmentInsets`.
tk::Size sizedToBezel(tk::Size size, tk::Size bezelSize, const tk::EdgeInsets& alignmentInsets);

// Whether `view` shows its own focus ring now (window key, keyboard focus).
bool hasVisibleFocus(const tk::View& view);
void drawFocusRing(tk::GraphicsContext& context, const tk::Rect& maskBounds, const tk::Color& color,
                   double inset = 1);

} // namespace Tessaly
