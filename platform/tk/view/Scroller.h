#pragma once

// Scroller: a scroller of a ScrollView, a track (along its right edge when vertical, its bottom
// edge when horizontal) with a knob whose length shows how much of the document is in view and
// whose place shows where. What follows says "above" and "below" for a vertical scroller; a
// horizontal one works the same way from left to right.
//
//   - Dragging the knob scrolls the document with it: the point of the knob that was grabbed stays
//     under the pointer, as far as the document reaches.
//   - A press in the track above or below the knob scrolls by one page (the visible height less a
//     line of overlap) towards the press.
// Both scroll through the clip view, so its bounds-changed notification follows. With a document
// that fits, there is no knob and presses do nothing.
//
// All members are [main].

#include "platform/tk/view/View.h"

#include <optional>

namespace tk {

class ClipView;

class Scroller : public View {
public:
    static constexpr double kMinimumKnobLength = 20;
    // What a page scroll keeps of the previous page in view.
    static constexpr double kPageOverlap = 10;

    enum class Orientation { vertical, horizontal };

    using View::View;

    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation orientation);

    // The knob's rect in the scroller's bounds; none when the document fits.
    std::optional<Rect> knobRect() const;

    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    void mouseCancelled(const Event& event) override;

private:
    // The clip view of the scroll view this scroller serves (none outside one).
    ClipView* clipView() const;
    // How far the document reaches past the visible part (0 when it fits).
    double scrollRange() const;
    void scrollTo(double offset);
    bool isVertical() const { return orientation_ == Orientation::vertical; }
    // Along the scroller's own axis: a point's coordinate, a rect's start and length.
    double along(Point p) const { return isVertical() ? p.y : p.x; }
    double startOf(const Rect& r) const { return isVertical() ? r.minY() : r.minX(); }
    double lengthOf(const Rect& r) const { return isVertical() ? r.height() : r.width(); }
    double lengthOf(Size s) const { return isVertical() ? s.height : s.width; }

    std::optional<double> grabOffset_; // from the knob's start, while the knob is dragged
    Orientation orientation_ = Orientation::vertical;
};

} // namespace tk
