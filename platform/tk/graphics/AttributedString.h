#pragma once

// Text in runs, each with its own attributes, set on one line: what a control's title is when a
// label and a value are drawn in different styles. The first run's alignment places the whole
// line; baselines line up across runs; a line wider than its rect is cut at the run that
// overflows, which is truncated by its own truncation mode (the runs after it are not drawn).

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/TextAttributes.h"

#include <string>
#include <vector>

namespace tk {

class GraphicsContext;

struct TextRun {
    std::string text;
    TextAttributes attributes;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

class AttributedString {
public:
    AttributedString() = default;
    AttributedString(std::string text, TextAttributes attributes);

    // Adds a run (an empty text adds nothing).
    void append(std::string text, TextAttributes attributes);
    void append(const AttributedString& other);

    const std::vector<TextRun>& runs() const { return runs_; }
    // The plain text of all runs.
    std::string string() const;
    bool empty() const { return runs_.empty(); }
    // The attributes of the first run (defaults when empty).
    TextAttributes firstAttributes() const;

    // The size of the line: the runs' widths added, the tallest ascent plus the deepest descent.
    Size size() const;
    // Draws the line with its top at rect's top, placed in rect's width by the first run's
    // alignment. Returns the rect the text covers (zero when empty).
    Rect draw(GraphicsContext& context, const Rect& rect) const;

    friend bool operator==(const AttributedString&, const AttributedString&) = default;

private:
    std::vector<TextRun> runs_;
};

} // namespace tk
