#pragma once

// Text cut to what a frame can show before it is shaped. Shaping and wrapping cost grows faster
// than the text's length, so a text from outside (a feed, a file) of any length must not reach the
// layout whole when only a few lines of it can show.

#include "platform/tk/graphics/TextAttributes.h"

#include <string>
#include <string_view>

namespace tk {

// [any] The part of `text` that can show within `lines` lines of `width` points in `attributes`,
// with a margin, so that a layout of the result shows the same lines (and the same ellipsis) as a
// layout of the whole text. Every glyph is taken to be at least a tenth of the font's size wide.
// Where the attributes truncate at the head the text's end is kept; in the middle, both ends.
// The text unchanged when it is short enough, when `lines` is not positive or `width` not finite.
std::string truncatedToFrame(std::string_view text, const TextAttributes& attributes, double width,
                             int lines);

// [any] The part of `text`, laid out without a width (one line per paragraph), that can show on
// lines as wide as kWidestLine points, cut as truncatedToFrame cuts.
std::string truncatedToWidestLine(std::string_view text, const TextAttributes& attributes);

// Wider than any screen, and narrow enough that the layout's measures cannot overflow.
inline constexpr double kWidestLine = 20000;

// [any] The most lines of `attributes` that a frame `height` points high can show, counting every
// line at least half the font's size high; 0 when the height is not finite.
int linesWithin(double height, const TextAttributes& attributes);

} // namespace tk
