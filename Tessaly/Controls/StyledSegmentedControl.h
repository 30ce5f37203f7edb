#pragma once

// StyledSegmentedControl and its cell: every segment is drawn as the style's bezel picture for
// that segment's own state, with a centred label, and the key segment gets a focus ring. Widths
// follow the label plus the style's padding.
//
// Segment state, built in order: default, plus disabled when the cell is disabled; plus
// highlighted while the segment is pressed; plus selected when it is the selected segment and
// hideSelection is off. The pressed state comes from the toolkit's per-segment value mapped as:
// 1...5 give 0...4; anything else gives 3 for the selected segment and 0 for the others; 1, 2 and
// 4 count as pressed.
//
// Layout: the bezel is as tall as its picture (less the style's vertical margins) and centred on
// the segment frame. A set width is replaced by the label's width in the style's font (the font
// that draws the labels) plus the style's padding on both sides.
//
// The focus ring surrounds the key segment's bezel, known once that segment has been drawn
// (cachedSegmentFrames keeps the last frame of each segment); a change of key segment redraws.
//
// All members are [main].

#include "Tessaly/Styles/SegmentedCellStyle.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/SegmentedCell.h"
#include "platform/tk/controls/SegmentedControl.h"

#include <map>
#include <memory>

namespace Tessaly {

class StyledSegmentedCell : public tk::SegmentedCell {
public:
    using ViewStyle = SegmentedCellStyle;

    StyledSegmentedCell();

    static std::shared_ptr<SegmentedCellStyle> style();
    // The whole cell's state (the library's default derivation).
    virtual StyledControlState controlState() const;
    virtual StyledControlState controlState(int segment) const;
    // The pressed value of `segment` in the 0...4 shape above.
    int styledHighlightState(int segment) const;

    bool hideSelection() const { return hideSelection_; }
    // Stores only (the control's setter redraws).
    void setHideSelection(bool hide) { hideSelection_ = hide; }
    const std::map<int, tk::Rect>& cachedSegmentFrames() const { return cachedFrames_; }
    tk::Rect bezelRect(int segment, const tk::Rect& frame) const;

    void setWidth(double width, int segment) override;
    tk::Rect focusRingMaskBounds(const tk::Rect& frame, const tk::View& controlView) const override;
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawSegment(int segment, const tk::Rect& frame, tk::View& controlView,
                     tk::GraphicsContext& context) override;

private:
    tk::TextAttributes labelAttributes(StyledControlState state) const;
    bool hideSelection_ = true;
    std::map<int, tk::Rect> cachedFrames_;
};

class StyledSegmentedControl : public tk::SegmentedControl {
public:
    using tk::SegmentedControl::SegmentedControl;

    StyledSegmentedCell* styledCell() const { return dynamic_cast<StyledSegmentedCell*>(cell()); }
    // The cell's flag (false for a cell of another class); setting it redraws.
    bool hideSelection() const;
    void setHideSelection(bool hide);
    tk::Size intrinsicContentSize() const override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
};

} // namespace Tessaly
