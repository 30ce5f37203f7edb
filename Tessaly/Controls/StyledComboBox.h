#pragma once

// StyledComboBox: a combo box drawn from two tinted pictures - the background "tui-combobox"
// stretched over the bezel rect and the indicator at its own size at the right edge
// ("tui-combobox" while the list is open, "tui-combobox-up" while it is closed) - with its text
// inset by the style's title insets, its own rounded focus ring, and the choice of a list item
// turned into its number value plus its action.
//
// The box remembers whether its list is open (isPopupOpen) from the list's will-pop-up to its
// will-dismiss. A selection change with a numeric item sets the box's double value and sends its
// action; a non-numeric item, or no selected item at all, changes nothing and sends nothing.
//
// Its state is the library's default derivation (enabled, highlighted); it never shows focused
// itself: the ring is drawn while the window is key and the box or its field holds the focus.
//
// All members are [main].

#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/ComboBox.h"

#include <memory>

namespace Tessaly {

class StyledComboBox : public tk::ComboBox {
public:
    using ViewStyle = ComboBoxStyle;
    using tk::ComboBox::ComboBox;

    static std::shared_ptr<ComboBoxStyle> style();
    StyledControlState controlState() const;
    bool isPopupOpen() const { return popupOpen_; }
    void setPopupOpen(bool open);

    tk::Image backgroundImage() const;
    tk::Image indicatorImage() const;
    // x = the frame's minX, y = 0, the frame's width less the indicator's, the background's height.
    tk::Rect bezelRect(const tk::Rect& frame) const;
    tk::Rect focusRingMaskBounds() const { return bezelRect(bounds()); }
    tk::EdgeInsets alignmentRectInsets() const { return style()->alignmentRectInsets(); }
    // Index -1 or a non-numeric item: nothing.
    void applySelectedItem();

    void willPopUp() override { setPopupOpen(true); }
    void willDismiss() override { setPopupOpen(false); }
    void selectionDidChange() override { applySelectedItem(); }
    tk::Rect textRect(const tk::Rect& bounds) const override;
    void drawBezel(tk::GraphicsContext& context, const tk::Rect& bounds) override;
    // max(platform width, 47) less the horizontal insets, by 26 less the vertical ones.
    tk::Size intrinsicContentSize() const override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

private:
    bool popupOpen_ = false;
};

} // namespace Tessaly
