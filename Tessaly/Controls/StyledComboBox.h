#pragma once

// StyledComboBox and StyledComboBoxCell: a combo box drawn from two tinted pictures - the
// background "tui-combobox" stretched over the bezel rect and the indicator at its own size at the
// right edge ("tui-combobox" while the list is open, "tui-combobox-up" while it is closed) - with
// its text inset by the style's title insets, its own rounded focus ring, and the choice of a list
// item turned into its number value plus its action. The two pictures are one size, so the field
// and the button keep their rects when the list opens; open, the indicator is drawn over the
// "tui-combobox-up" button as its shade, and the button keeps its chevron.
//
// The cell remembers whether the list is open (isPopupOpen), from the list's will-pop-up to its
// will-dismiss, which the box hears and passes on. Its button is the indicator's rect, so the text,
// which ends at the button, stays inside the field's picture whichever indicator shows.
//
// The box: a selection change with a numeric item sets its double value and sends its action; a
// non-numeric item, or no selected item at all, changes nothing and sends nothing. With a cell of
// another class the box keeps the toolkit's insets and focus-ring bounds, draws no ring of its own
// and lets the list's notifications pass.
//
// The cell's state is the library's default derivation (state, enabled, highlighted); it never
// shows focused itself: the ring is drawn while the window is key and the box or its field holds
// the focus.
//
// All members are [main].

#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/ComboBox.h"

#include <memory>

namespace Tessaly {

class StyledComboBoxCell : public tk::ComboBoxCell {
public:
    using ViewStyle = ComboBoxStyle;

    static std::shared_ptr<ComboBoxStyle> style();
    StyledControlState controlState() const;
    BackgroundStyle interiorBackgroundStyle() const { return style()->interiorBackgroundStyle(); }

    bool isPopupOpen() const { return popupOpen_; }
    // Redraws the box and lays its field out again (for an indicator of another width).
    void setPopupOpen(bool open);

    tk::Image backgroundImage() const;
    tk::Image indicatorImage() const;
    // x = the frame's minX, y = 0, the frame's width less the indicator's, the background's height.
    tk::Rect bezelRect(const tk::Rect& frame) const;

    // The indicator's columns: from the bezel rect's right edge to the frame's, the frame's height.
    tk::Rect buttonRect(const tk::Rect& bounds) const override;
    // The toolkit's text rect less the style's title insets, centred on the bounds' middle.
    tk::Rect titleRect(const tk::Rect& bounds) const override;
    void drawBezel(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    // The bezel when bordered or bezeled, then the interior in the frame less the title insets.
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}

private:
    bool popupOpen_ = false;
};

class StyledComboBox : public tk::ComboBox {
public:
    using tk::ComboBox::ComboBox;

    // The cell as a styled cell (none when a cell of another class was set).
    StyledComboBoxCell* styledCell() const { return dynamic_cast<StyledComboBoxCell*>(cell()); }

    // The styled cell's bezel rect of the bounds; the bounds with another cell.
    tk::Rect focusRingMaskBounds() const;
    // The style's with a styled cell; the toolkit's (none) otherwise.
    tk::EdgeInsets alignmentRectInsets() const override;
    // Index -1 or a non-numeric item: nothing.
    void applySelectedItem();

    void willPopUp() override;
    void willDismiss() override;
    void selectionDidChange() override { applySelectedItem(); }
    // max(platform width, 47) less the horizontal insets, by 26 less the vertical ones.
    tk::Size intrinsicContentSize() const override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    std::unique_ptr<tk::ComboBoxCell> makeCell() const override;
};

} // namespace Tessaly
