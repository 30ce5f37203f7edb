#pragma once

// SplitView: lays its subviews (the panes) side by side (vertical dividers, the default) or one
// above the other, with a divider of dividerThickness() between each two. The panes keep their
// share of the length when the split view resizes; dragging a divider moves it (panes keep at
// least zero length). Subclasses change the divider's thickness, colour and drawing.
//
// All members are [main].

#include "platform/tk/base/Color.h"
#include "platform/tk/view/View.h"

#include <vector>

namespace tk {

class SplitView : public View {
public:
    using View::View;

    // True: panes side by side, dividers vertical.
    bool isVertical() const { return vertical_; }
    void setVertical(bool vertical);
    virtual double dividerThickness() const { return 1; }
    virtual Color dividerColor() const;
    // Draws one divider (in the split view's coordinates).
    virtual void drawDivider(GraphicsContext& context, const Rect& rect);
    // The divider after pane `index`, in the split view's coordinates (zero when out of range).
    Rect dividerRect(int index) const;
    // Moves the divider after pane `index` so that pane ends at `position` (along the split).
    void setPosition(double position, int index);

    void layout() override;
    void draw(GraphicsContext& context, const Rect& dirtyRect) override;
    void didAddSubview(View& subview) override;
    void willRemoveSubview(View& subview) override;
    bool mouseDown(const Event& event) override;
    bool mouseDragged(const Event& event) override;
    bool mouseUp(const Event& event) override;
    bool hitTestSelf(Point pointInSelf) const override;

private:
    double length() const;
    double along(Point p) const { return vertical_ ? p.x : p.y; }
    // The divider under `p` (with a few points of slack for thin dividers), or -1.
    int dividerAt(Point p) const;
    // Shares of the available length, one per pane, adding up to 1.
    std::vector<double> shares_;
    int dragged_ = -1;
    bool vertical_ = true;
};

} // namespace tk
