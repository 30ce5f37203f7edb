#pragma once

// Modifiers whose newest form only some systems offer, applied in the form this system has (the
// earlier one): soft scroll edges leave the content as it is, a fixed width is a centred frame of
// that width.
//
//     backport(content).fixedWidth(240)

#include "platform/tk/base/Color.h"
#include "platform/tk/ui/Node.h"

#include <functional>

namespace Tessaly {

struct Backport {
    tk::ui::Node content;

    // The content unchanged: the soft scroll-edge effect does not exist here.
    tk::ui::Node softScrollEdges() const { return content; }
    // The content in a frame of `width` (height left free), centred.
    tk::ui::Node fixedWidth(double width) const;
    // The content with alternating row backgrounds in its lists switched on or off (tk::ui::List).
    tk::ui::Node alternatingRowBackgrounds(bool enabled = true) const;
    // The content, with Escape pressed (or held) in it running `action` and counting as handled;
    // other keys pass on. Key events reach it while the focus is inside the content.
    tk::ui::Node escapeHandling(std::function<void()> action) const;
    // The content over a background of `color`, scaled by 1.5 in both directions about its centre.
    tk::ui::Node coloredBackground(const tk::Color& color) const;
};

inline Backport backport(tk::ui::Node content) {
    return Backport{std::move(content)};
}

} // namespace Tessaly
