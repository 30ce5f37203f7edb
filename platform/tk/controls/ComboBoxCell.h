#pragma once

// ComboBoxCell: the look and geometry of a combo box (its cell class): the field's bezel with the
// list button at the right edge, and where the text goes.
//
// Geometry, for bounds B:
//   - buttonRect(B): (B.maxX - kButtonWidth, B.y, kButtonWidth, B.height);
//   - titleRect(B): from kTextInset inside B's left edge to kTextGap before the button's left edge
//     (clear of the field's border), B's height. It asks buttonRect, so a subclass with a wider
//     button keeps the text off it.
// Drawing: draw(frame) draws the bezel (drawBezel) when bordered or bezeled (a new cell is
// bezeled), then drawInterior(frame). The text is the box's own field (a subview placed at
// titleRect), so drawInterior draws nothing here.
//
// All members are [main].

#include "platform/tk/controls/TextFieldCell.h"

namespace tk {

class ComboBoxCell : public TextFieldCell {
public:
    static constexpr double kButtonWidth = 18;
    static constexpr double kTextInset = 6;
    static constexpr double kTextGap = 3;

    ComboBoxCell();

    virtual Rect buttonRect(const Rect& bounds) const;
    Rect titleRect(const Rect& bounds) const override;
    virtual void drawBezel(const Rect& frame, View& controlView, GraphicsContext& context);

    void draw(const Rect& frame, View& controlView, GraphicsContext& context) override;
    void drawInterior(const Rect&, View&, GraphicsContext&) override {}
};

} // namespace tk
