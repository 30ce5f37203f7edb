#pragma once

// How a string is drawn: font, colour, alignment, line limit, truncation, upper-casing.

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Font.h"

namespace tk {

enum class TextAlignment {
    leading, // left for left-to-right text
    left,
    center,
    right,
    justified,
};

// Where an ellipsis replaces what does not fit (only with a width and a line limit).
enum class TruncationMode { none, head, middle, tail };

struct TextAttributes {
    Font font;
    Color color = Color::black();
    TextAlignment alignment = TextAlignment::leading;
    // Most lines shown; 0 means no limit. Text without a width never wraps.
    int lineLimit = 0;
    TruncationMode truncation = TruncationMode::tail;
    // Shown in plain (not localised) upper case.
    bool uppercased = false;
    // Extra space between characters and between lines, in points.
    double letterSpacing = 0;
    double lineSpacing = 0;

    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};

} // namespace tk
