#include "platform/tk/graphics/AttributedString.h"

#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/TextLayout.h"

#include <algorithm>

namespace tk {

namespace {

// One line, no wrapping: the run is measured at its natural width.
TextAttributes singleLine(TextAttributes a) {
    a.lineLimit = 1;
    return a;
}

struct LineMetrics {
    double ascent = 0;
    double descent = 0;
};

} // namespace

AttributedString::AttributedString(std::string text, TextAttributes attributes) {
    append(std::move(text), std::move(attributes));
}

void AttributedString::append(std::string text, TextAttributes attributes) {
    if (!text.empty())
        runs_.push_back({std::move(text), std::move(attributes)});
}

void AttributedString::append(const AttributedString& other) {
    runs_.insert(runs_.end(), other.runs_.begin(), other.runs_.end());
}

std::string AttributedString::string() const {
    std::string s;
    for (const TextRun& run : runs_)
        s += run.text;
    return s;
}

TextAttributes AttributedString::firstAttributes() const {
    return runs_.empty() ? TextAttributes{} : runs_.front().attributes;
}

Size AttributedString::size() const {
    double width = 0;
    LineMetrics line;
    for (const TextRun& run : runs_) {
        const TextLayout layout(run.text, singleLine(run.attributes));
        width += layout.size().width;
        line.ascent = std::max(line.ascent, layout.baseline());
        line.descent = std::max(line.descent, layout.size().height - layout.baseline());
    }
    return {width, line.ascent + line.descent};
}

Rect AttributedString::draw(GraphicsContext& context, const Rect& rect) const {
    if (runs_.empty())
        return Rect::zero();
    std::vector<TextLayout> layouts;
    layouts.reserve(runs_.size());
    double width = 0;
    LineMetrics line;
    for (const TextRun& run : runs_) {
        layouts.emplace_back(run.text, singleLine(run.attributes));
        width += layouts.back().size().width;
        line.ascent = std::max(line.ascent, layouts.back().baseline());
        line.descent = std::max(line.descent, layouts.back().size().height - layouts.back().baseline());
    }
    const double available = std::max(0.0, rect.width());
    const double shown = std::min(width, available);
    double x = rect.x();
    switch (firstAttributes().alignment) {
    case TextAlignment::center:
        x += (available - shown) / 2;
        break;
    case TextAlignment::right:
        x += available - shown;
        break;
    default:
        break;
    }
    const double startX = x;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const double remaining = startX + shown - x;
        if (remaining <= 0)
            break;
        const double top = rect.y() + line.ascent - layouts[i].baseline();
        if (layouts[i].size().width <= remaining + 1e-9) {
            context.drawText(layouts[i], Point{x, top});
            x += layouts[i].size().width;
            continue;
        }
        // The run that does not fit: truncated (or clipped) to what is left, and the line ends.
        const TextLayout cut(runs_[i].text, singleLine(runs_[i].attributes), remaining);
        if (runs_[i].attributes.truncation == TruncationMode::none) {
            GraphicsStateGuard guard(context);
            context.clipToRect(Rect{x, rect.y(), remaining, line.ascent + line.descent});
            context.drawText(cut, Point{x, top});
        } else {
            context.drawText(cut, Point{x, top});
        }
        break;
    }
    return Rect{startX, rect.y(), shown, line.ascent + line.descent};
}

} // namespace tk
