#pragma once

// A region of a view that reports the pointer entering and leaving it (and, when asked, moving
// inside it) and that can set the cursor while the pointer is inside.

#include "platform/tk/base/Geometry.h"
#include "platform/tk/view/Cursor.h"

#include <cstdint>
#include <optional>

namespace tk {

class View;

enum class TrackingOptions : std::uint32_t {
    none = 0,
    mouseEnteredAndExited = 1u << 0,
    mouseMoved = 1u << 1,
    cursorUpdate = 1u << 2,
    // The area follows the view's bounds (its rect is ignored).
    inVisibleRect = 1u << 3,
};
constexpr TrackingOptions operator|(TrackingOptions a, TrackingOptions b) {
    return static_cast<TrackingOptions>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}
constexpr bool contains(TrackingOptions set, TrackingOptions o) {
    return (static_cast<std::uint32_t>(set) & static_cast<std::uint32_t>(o)) != 0;
}

class TrackingArea {
public:
    // `rect` in the owning view's coordinates. `cursor` shows while inside (with cursorUpdate).
    TrackingArea(Rect rect, TrackingOptions options, int userTag = 0, std::optional<Cursor> cursor = {})
        : rect_(rect), options_(options), userTag_(userTag), cursor_(cursor) {}

    Rect rect() const { return rect_; }
    TrackingOptions options() const { return options_; }
    int userTag() const { return userTag_; }
    std::optional<Cursor> cursor() const { return cursor_; }
    // The view the area belongs to (set when added).
    View* view() const { return view_; }

private:
    friend class View;
    Rect rect_;
    TrackingOptions options_;
    int userTag_;
    std::optional<Cursor> cursor_;
    View* view_ = nullptr;
};

} // namespace tk
