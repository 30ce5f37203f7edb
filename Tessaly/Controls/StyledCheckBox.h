#pragma once

// StyledCheckBox: a styled button whose cell draws a small box picture (chosen from the style's
// buttonImages by state) at the left and the title to its right, and toggles between off and on.
// FavouriteCheckBox: the star variant; the button dims itself while it is pressed.
//
// Check box cell layout:
//   - the box: buttonImageSize, centred vertically in the drawing rect, at x = xOffset (-2): the
//     box picture has a 2-point transparent margin, so the visible box starts at the cell's left.
//   - the title: from x = the box's width, as wide as the title's text but no wider than the
//     bounds leave (then cut at the tail), centred vertically when verticallyCenterTitle, else at
//     the top.
//   - the focus ring surrounds the box (focusRingMaskBounds is the box's rect), for the cell and
//     for the button alike.
//
// All members are [main].

#include "Tessaly/Controls/StyledButton.h"

namespace Tessaly {

class StyledCheckBoxCell : public StyledButtonCell {
public:
    using ViewStyle = CheckBoxCellStyle;
    static constexpr double kXOffset = -2;

    StyledCheckBoxCell();
    explicit StyledCheckBoxCell(std::string title);

    static std::shared_ptr<CheckBoxCellStyle> style();
    std::shared_ptr<ButtonCellStyle> dynamicStyle() const override { return style(); }
    // The check-box style of the cell's class (subclasses answer theirs).
    virtual std::shared_ptr<CheckBoxCellStyle> checkBoxStyle() const { return style(); }

    virtual tk::Size buttonImageSize() const { return {16, 16}; }
    // On when off or mixed, off when on: a click never gives mixed.
    tk::CellState nextState() const override;

    tk::Rect focusRingMaskBounds(const tk::Rect& frame, const tk::View& controlView) const override;
    tk::Rect imageRect(const tk::Rect& bounds) const override;
    tk::Rect titleRect(const tk::Rect& bounds) const override;
    // Draws the box of the current state; the image handed in is not used.
    void drawImage(const tk::Image& image, const tk::Rect& frame, tk::View& controlView,
                   tk::GraphicsContext& context) override;
    // The box is drawn even without an image of the cell's own.
    void drawInterior(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    tk::Size cellSize() const override;
};

class StyledCheckBox : public StyledButton {
public:
    using StyledButton::StyledButton;
    StyledCheckBoxCell* checkBoxCell() const { return dynamic_cast<StyledCheckBoxCell*>(cell()); }
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
};

class FavouriteCheckBoxCell : public StyledCheckBoxCell {
public:
    using ViewStyle = FavouriteCheckBoxCellStyle;
    using StyledCheckBoxCell::StyledCheckBoxCell;

    static std::shared_ptr<FavouriteCheckBoxCellStyle> style();
    std::shared_ptr<ButtonCellStyle> dynamicStyle() const override { return style(); }
    std::shared_ptr<CheckBoxCellStyle> checkBoxStyle() const override { return style(); }

    // The star of the current state; 16 x 16 when there is none.
    tk::Size buttonImageSize() const override;
    // The empty star (exactly the default entry) and the filled one (exactly the on entry);
    // setting either is ignored.
    tk::Image image() const override;
    void setImage(tk::Image) override {}
    tk::Image alternateImage() const override;
    void setAlternateImage(tk::Image) override {}
};

class FavouriteCheckBox : public StyledCheckBox {
public:
    using StyledCheckBox::StyledCheckBox;
    // Half opacity from the press to the release, whether or not the click toggles it.
    bool mouseDown(const tk::Event& event) override;
    bool mouseUp(const tk::Event& event) override;
    void mouseCancelled(const tk::Event& event) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
};

} // namespace Tessaly
