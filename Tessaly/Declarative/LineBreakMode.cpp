#include "Tessaly/Declarative/LineBreakMode.h"

#include <cstdio>
#include <cstdlib>

namespace Tessaly {

tk::LineBreakMode lineBreakMode(tk::TruncationMode mode) {
    switch (mode) {
    case tk::TruncationMode::head:
        return tk::LineBreakMode::truncatingHead;
    case tk::TruncationMode::tail:
        return tk::LineBreakMode::truncatingTail;
    case tk::TruncationMode::middle:
        return tk::LineBreakMode::truncatingMiddle;
    case tk::TruncationMode::none:
        // The environment can ask for no truncation at all: the text is clipped, not a reason to
        // stop the program.
        return tk::LineBreakMode::clipping;
    default:
        break;
    }
    std::fprintf(stderr, "Unknown truncation mode\n");
    std::fflush(stderr);
    std::abort();
}

} // namespace Tessaly
