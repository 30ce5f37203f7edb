#pragma once

// A stretch of text, by byte offsets as the toolkit's text positions are.

#include "platform/tk/graphics/AttributedString.h"

#include <cstddef>

namespace Tessaly {

struct TextRange {
    std::size_t location = 0;
    std::size_t length = 0;
    bool operator==(const TextRange&) const = default;
};

// [any] The whole of `text`: location 0, the length of its string.
inline TextRange fullRange(const tk::AttributedString& text) {
    return {0, text.string().size()};
}

} // namespace Tessaly
