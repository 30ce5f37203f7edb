#include "platform/tk/graphics/TextTruncation.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tk {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset after the first `count` characters of UTF-8 `text` (its size when it has fewer).
std::size_t afterCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < count; ++n) {
        ++i;
        while (i < text.size() && isContinuationByte(text[i]))
            ++i;
    }
    return i;
}

// Byte offset where the last `count` characters of UTF-8 `text` begin (0 when it has fewer).
std::size_t beforeLastCharacters(std::string_view text, std::size_t count) {
    std::size_t i = text.size();
    for (std::size_t n = 0; i > 0 && n < count; ++n) {
        --i;
        while (i > 0 && isContinuationByte(text[i]))
            --i;
    }
    return i;
}

double emOf(const TextAttributes& attributes) {
    const double size = attributes.font.size();
    return std::isfinite(size) && size > 0 ? size : 12;
}

} // namespace

std::string truncatedToWidestLine(std::string_view text, const TextAttributes& attributes) {
    if (static_cast<double>(text.size()) <= kWidestLine / (emOf(attributes) * 0.02))
        return std::string(text); // short enough without counting its lines
    const auto paragraphs = std::count(text.begin(), text.end(), '\n') + 1;
    return truncatedToFrame(text, attributes, kWidestLine,
                            static_cast<int>(std::min<std::ptrdiff_t>(paragraphs, 1'000'000)));
}

int linesWithin(double height, const TextAttributes& attributes) {
    if (!std::isfinite(height))
        return 0;
    const double em = emOf(attributes);
    const double lowest = std::max(em * 0.5 + std::min(attributes.lineSpacing, 0.0), em * 0.1);
    return static_cast<int>(std::min(std::ceil(std::max(height, 0.0) / lowest) + 1, 1.0e6));
}

std::string truncatedToFrame(std::string_view text, const TextAttributes& attributes, double width,
                             int lines) {
    if (lines <= 0 || !std::isfinite(width))
        return std::string(text);
    const double em = emOf(attributes);
    // Narrow glyphs and tight letter spacing make more characters fit; never count a glyph narrower
    // than a fiftieth of the size.
    const double narrowest = std::max(em * 0.1 + std::min(attributes.letterSpacing, 0.0), em * 0.02);
    const double perLine = std::ceil(std::max(width, 0.0) / narrowest) + 2;
    // Lines plus one more, so that what does not fit is still there to be cut with an ellipsis.
    const double limit = perLine * (static_cast<double>(lines) + 1);
    if (static_cast<double>(text.size()) <= limit)
        return std::string(text); // no more characters than bytes
    const auto keep = static_cast<std::size_t>(limit);
    switch (attributes.truncation) {
    case TruncationMode::head:
        return std::string(text.substr(beforeLastCharacters(text, keep)));
    case TruncationMode::middle: {
        const std::size_t head = afterCharacters(text, keep / 2 + 1);
        const std::size_t tail = std::max(head, beforeLastCharacters(text, keep / 2 + 1));
        return std::string(text.substr(0, head)) + std::string(text.substr(tail));
    }
    case TruncationMode::none:
    case TruncationMode::tail:
        break;
    }
    return std::string(text.substr(0, afterCharacters(text, keep)));
}

} // namespace tk
