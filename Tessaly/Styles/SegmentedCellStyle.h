#pragma once

// Segmented controls drawn as window tabs: "tui-window-tab" bezels per segment, 12-point medium
// titles, padding inside each segment and a margin around it.

#include "Tessaly/Styles/ControlStyle.h"

namespace Tessaly {

class SegmentedCellStyle : public ControlStyle {
public:
    SegmentedCellStyle();

    virtual tk::EdgeInsets segmentPadding() const { return segmentPadding_; }
    virtual void setSegmentPadding(tk::EdgeInsets insets) { segmentPadding_ = insets; }
    virtual tk::EdgeInsets segmentMargin() const { return segmentMargin_; }
    virtual void setSegmentMargin(tk::EdgeInsets insets) { segmentMargin_ = insets; }

private:
    tk::EdgeInsets segmentPadding_{0, 21, 0, 21};
    tk::EdgeInsets segmentMargin_;
};

} // namespace Tessaly
