#pragma once

// Draws a control's bezel and title from a style the way the styled cells do, for the pictures
// the tests write and for the benchmarks (the cells themselves live above this library).

#include "Tessaly/Styles/ControlStyle.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextLayout.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace Tessaly::testing {

// `image` nine-part stretched into `rect` by the style's cap insets (the picture's own when the
// style sets none), at half opacity when the state is disabled.
inline void drawBezelImage(tk::GraphicsContext& context, const ControlStyle& style, const tk::Image& image,
                           StyledControlState state, const tk::Rect& rect) {
    const tk::EdgeInsets caps =
        style.bezelImageCapInsets().isZero() ? image.capInsets() : style.bezelImageCapInsets();
    tk::ImageDrawOptions options;
    options.opacity = state.contains(StyledControlState::disabled) ? 0.5 : 1.0;
    context.drawImageNinePart(image, rect, caps, options);
}

// The title in the style's font and text colour for `state`, within `rect` less the style's edge
// insets: centred, or from the leading edge (pop-ups, fields), its top on a whole point.
inline void drawTitle(tk::GraphicsContext& context, const ControlStyle& style, StyledControlState state,
                      const tk::Rect& rect, std::string_view title, bool leading = false) {
    const tk::TextLayout layout(std::string(title), {.font = style.font(), .color = style.textColor(state)});
    const tk::Rect inner = rect.insetBy(style.edgeInsets());
    const double x =
        leading ? inner.x() + 8 : inner.x() + std::round((inner.width() - layout.size().width) / 2);
    const tk::Point origin{x, inner.y() + std::round((inner.height() - layout.size().height) / 2)};
    context.drawText(layout, origin);
}

} // namespace Tessaly::testing
