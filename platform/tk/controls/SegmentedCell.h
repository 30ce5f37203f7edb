#pragma once

// SegmentedCell: the cell of a row of segments, each with a label or an image, a width, an
// enabled and a selected flag, a tag and a tool tip.
//
// Selection by tracking mode: selectOne keeps exactly the clicked segment selected; selectAny
// toggles the clicked one; momentary keeps none selected. selectedSegment() is the selected
// segment (selectAny: the one selected last that is still selected; momentary: the one clicked
// last), -1 when none.
//
// Pressed state: while the pointer presses an enabled segment, that segment is pressed (and only
// while the pointer is inside it). segmentHighlightState(i) reports it in the shape drawing code
// reads: 0 when the segment is not pressed (its look then follows its selection), 2 when it is
// pressed while not selected, 3 when it is pressed while selected.
//
// Key segment: the segment the keyboard is on while the control has the focus (Left and Right
// move it, Space selects it); -1 when there are no segments.
//
// Geometry: segments stand side by side from the bounds' left edge, each as wide as its width,
// or, with width 0 (automatic), as its label (in the cell's font) or image plus kAutoPadding on
// each side; the height is the bounds'. cellSize() is the widths added by kDefaultHeight.
//
// Drawing: draw() calls drawInterior(), which calls drawSegment(i, frame) for each segment, left to
// right. The default segment drawing is a plain bezel with the label or image centred.
//
// All members are [main].

#include "platform/tk/controls/ActionCell.h"

#include <string>
#include <vector>

namespace tk {

enum class SegmentSwitchTracking : int { selectOne = 0, selectAny = 1, momentary = 2 };

class SegmentedCell : public ActionCell {
public:
    static constexpr double kAutoPadding = 8;
    static constexpr double kDefaultHeight = 22;

    SegmentedCell();

    // --- Segments -----------------------------------------------------------------------------
    int segmentCount() const { return int(segments_.size()); }
    // New segments are empty and automatic in width; removed ones take their selection along.
    void setSegmentCount(int count);
    const std::string& label(int segment) const;
    void setLabel(std::string label, int segment);
    Image image(int segment) const;
    void setImage(Image image, int segment);
    // 0: automatic (see the class comment).
    double width(int segment) const;
    virtual void setWidth(double width, int segment);
    bool isEnabled(int segment) const;
    void setEnabled(bool enabled, int segment);
    bool isSelected(int segment) const;
    void setSelected(bool selected, int segment);
    int tag(int segment) const;
    void setTag(int tag, int segment);
    const std::string& toolTip(int segment) const;
    void setToolTip(std::string toolTip, int segment);

    SegmentSwitchTracking trackingMode() const { return trackingMode_; }
    void setTrackingMode(SegmentSwitchTracking mode);
    int selectedSegment() const;
    // Selects `segment` as a click would in selectOne mode (others deselected); -1 deselects all.
    void setSelectedSegment(int segment);
    bool selectSegmentWithTag(int tag);

    // --- Pressed and key segment --------------------------------------------------------------
    int pressedSegment() const { return pressed_; }
    int segmentHighlightState(int segment) const;
    int keySegment() const;
    void setKeySegment(int segment);
    // Left (-1) or right (+1) over the enabled segments, stopping at the ends.
    void moveKeySegment(int step);

    // --- Geometry and drawing -----------------------------------------------------------------
    // The width segment `segment` takes (its width, or the automatic one).
    double effectiveWidth(int segment) const;
    Rect segmentRect(int segment, const Rect& bounds) const;
    // -1 when the point is on no segment.
    int segmentAt(Point point, const Rect& bounds) const;
    Size cellSize() const override;
    void draw(const Rect& frame, View& controlView, GraphicsContext& context) override;
    void drawInterior(const Rect& frame, View& controlView, GraphicsContext& context) override;
    virtual void drawSegment(int segment, const Rect& frame, View& controlView, GraphicsContext& context);

    // --- Tracking -----------------------------------------------------------------------------
    bool startTracking(Point startPoint, View& controlView) override;
    bool continueTracking(Point lastPoint, Point currentPoint, View& controlView) override;
    void stopTracking(Point lastPoint, Point stopPoint, View& controlView, bool mouseIsUp) override;
    // A click keeps the selection of the segments (no next state for the control as a whole).
    CellState nextState() const override { return state(); }

private:
    struct Segment {
        std::string label;
        Image image;
        double width = 0;
        bool enabled = true;
        bool selected = false;
        int tag = 0;
        std::string toolTip;
    };
    const Segment* at(int segment) const;
    Segment* at(int segment);
    // Applies a click on `segment` by the tracking mode.
    void click(int segment);
    Rect trackingBounds(View& controlView) const;

    std::vector<Segment> segments_;
    SegmentSwitchTracking trackingMode_ = SegmentSwitchTracking::selectOne;
    int lastSelected_ = -1;
    int pressed_ = -1;
    int tracked_ = -1; // the segment the press began on
    int key_ = 0;
};

} // namespace tk
