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
    default:
        break;
    }
    std::fprintf(stderr, "Unknown truncation mode\n");
    std::fflush(stderr);
    std::abort();
}

} // namespace Tessaly
