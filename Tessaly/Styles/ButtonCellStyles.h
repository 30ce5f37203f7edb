#pragma once

// Styles of the button family: push buttons and their variants, pop-up and pop-down buttons,
// combo boxes and check boxes. Each initialiser starts from its superclass's and then replaces what
// its control draws differently; a bezel table set here replaces the inherited one whole.

#include "Tessaly/Styles/ControlStyle.h"

namespace Tessaly {

// Bezel default "tui-button", on "tui-button-selected", highlighted "tui-button-down"; clear
// background, 10-point medium font.
class ButtonCellStyle : public ControlStyle {
public:
    ButtonCellStyle();

    virtual tk::EdgeInsets imageEdgeInsets() const { return imageEdgeInsets_; }
    virtual void setImageEdgeInsets(tk::EdgeInsets insets) { imageEdgeInsets_ = insets; }
    virtual tk::EdgeInsets titleEdgeInsets() const { return titleEdgeInsets_; }
    virtual void setTitleEdgeInsets(tk::EdgeInsets insets) { titleEdgeInsets_ = insets; }

private:
    tk::EdgeInsets imageEdgeInsets_;
    tk::EdgeInsets titleEdgeInsets_;
};

// The outline's back button: "organiser-navbar-back", its "-down" picture when on or pressed.
class BackButtonCellStyle : public ButtonCellStyle {
public:
    BackButtonCellStyle();
};

// Combo boxes keep the button bezels and inset their title past the arrow.
class ComboBoxStyle : public ButtonCellStyle {
public:
    ComboBoxStyle();
};

// The small tool buttons in a corner: "corner-tool-background" pictures, image nudged up a point.
class ToolButtonCellStyle : public ButtonCellStyle {
public:
    ToolButtonCellStyle();
};

// The button style as it stands; its cells adjust it.
class CornerButtonCellStyle : public ButtonCellStyle {};

// "tui-popup" bezels with room on the right for the arrows.
class PopUpButtonCellStyle : public ButtonCellStyle {
public:
    PopUpButtonCellStyle();
};

// The compact pop-up of tool bars: "tui-popup-tool" bezels, no alignment insets.
class ToolPopUpButtonCellStyle : public PopUpButtonCellStyle {
public:
    ToolPopUpButtonCellStyle();
};

// As the pop-up, with "tui-popdown" bezels.
class StyledPopDownButtonCellStyle : public ButtonCellStyle {
public:
    StyledPopDownButtonCellStyle();
};

// Check boxes draw a box picture chosen by state (buttonImages) beside their title; pressing
// changes the box, not the title's colours.
class CheckBoxCellStyle : public ButtonCellStyle {
public:
    CheckBoxCellStyle();

    // Made empty on first read when nothing was stored; assigning replaces the whole table.
    virtual const StateTable& buttonImages() const;
    virtual void setButtonImages(StateTable images) { buttonImages_ = std::move(images); }
    // bestMatchImage over buttonImages().
    virtual std::optional<tk::Image> buttonImage(StyledControlState state) const;

private:
    mutable std::optional<StateTable> buttonImages_;
};

// A star instead of a box: "organiser-icon-star-empty", "organiser-icon-star" when on.
class FavouriteCheckBoxCellStyle : public CheckBoxCellStyle {
public:
    FavouriteCheckBoxCellStyle();
};

} // namespace Tessaly
