#pragma once

// SegmentedControl: the cell control of a SegmentedCell (its cell class), with the cell's segment
// members at hand. A click on an enabled segment selects it by the tracking mode and sends the
// action; with the keyboard focus, Left and Right move the key segment and Space clicks it.

#include "platform/tk/controls/CellControl.h"
#include "platform/tk/controls/SegmentedCell.h"

namespace tk {

class SegmentedControl : public CellControl {
public:
    SegmentedControl() = default;
    explicit SegmentedControl(Rect frame) : CellControl(frame) {}

    // The cell as a segmented cell (none when a cell of another class was set).
    SegmentedCell* segmentedCell() const;

    int segmentCount() const;
    void setSegmentCount(int count);
    std::string label(int segment) const;
    void setLabel(std::string label, int segment);
    Image image(int segment) const;
    void setImage(Image image, int segment);
    double width(int segment) const;
    void setWidth(double width, int segment);
    bool isEnabled(int segment) const;
    void setEnabled(bool enabled, int segment);
    bool isSelected(int segment) const;
    void setSelected(bool selected, int segment);
    int selectedSegment() const;
    void setSelectedSegment(int segment);
    SegmentSwitchTracking trackingMode() const;
    void setTrackingMode(SegmentSwitchTracking mode);
    using CellControl::isEnabled;
    using CellControl::setEnabled;

    bool keyDown(const Event& event) override;
    // A click selects segments; the control as a whole has no next state.
    void trackingDidEndInside() override {}

protected:
    std::unique_ptr<Cell> makeCell() const override;
};

} // namespace tk
