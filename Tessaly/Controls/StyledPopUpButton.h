#pragma once

// StyledPopUpButton and its cell: the library's pop-up menu button. The bezel is the style's
// picture for the cell's state, the title is drawn in the style's per-state text colour and may be
// preceded by a secondary label ("Mode Fast": the label in the secondary colour at regular weight,
// the value at medium weight), and the button paints its own focus ring. ToolPopUpButton is the
// same control with the compact tool style.
//
// Cell state: on/mixed from the cell state only when showsStateBy is not none (else default);
// disabled; highlighted when enabled (while the menu is open).
//
// Title rect: zero for an image-only cell or an empty title; else x 10, y = mid-y - 7 (rounded),
// width max(0, width - 24), height 14, integral. (A narrow pop-up gets an empty title rect rather
// than a negative width.)
//
// All members are [main].

#include "Tessaly/Controls/LabelledPopUpButtonCell.h"
#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/PopUpButton.h"

#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class StyledPopUpButtonCell : public LabelledPopUpButtonCell {
public:
    using ViewStyle = PopUpButtonCellStyle;

    explicit StyledPopUpButtonCell(std::string title = {}, bool pullsDown = false);

    static std::shared_ptr<PopUpButtonCellStyle> style();
    virtual std::shared_ptr<PopUpButtonCellStyle> dynamicStyle() const { return style(); }
    StyledControlState controlState() const override;

    tk::Rect titleRect(const tk::Rect& bounds) const override;
    tk::Rect drawTitle(const tk::AttributedString& title, const tk::Rect& frame, tk::View& controlView,
                       tk::GraphicsContext& context) override;

protected:
    // The style shared by the cell's class (the pop-up's or the tool pop-up's); it lives as long as
    // the program.
    const ButtonCellStyle& cellStyle() const override { return *dynamicStyle(); }
};

class StyledPopUpButton : public tk::PopUpButton {
public:
    explicit StyledPopUpButton(tk::Rect frame = {}, bool pullsDown = false,
                               std::optional<double> fixedWidth = std::nullopt);

    std::optional<double> fixedWidth() const { return fixedWidth_; }
    void setFixedWidth(std::optional<double> width);
    // The button's own copy; setting it also sets the cell's (when it is a styled pop-up cell).
    const std::optional<std::string>& label() const { return label_; }
    void setLabel(std::optional<std::string> label);
    StyledPopUpButtonCell* styledCell() const { return dynamic_cast<StyledPopUpButtonCell*>(cell()); }

    // The base cell class's style's alignment insets (whatever the cell's class); zero otherwise.
    virtual tk::EdgeInsets alignmentRectInsets() const;
    tk::Size intrinsicContentSize() const override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;
    // Step 2 of the intrinsic size with `style`: sized to its bezel picture less the insets.
    tk::Size sizedToBezel(tk::Size size, const ButtonCellStyle& style) const;

private:
    std::optional<double> fixedWidth_;
    std::optional<std::string> label_;
};

class ToolPopUpButtonCell : public StyledPopUpButtonCell {
public:
    using ViewStyle = ToolPopUpButtonCellStyle;
    using StyledPopUpButtonCell::StyledPopUpButtonCell;
    static std::shared_ptr<ToolPopUpButtonCellStyle> style();
    std::shared_ptr<PopUpButtonCellStyle> dynamicStyle() const override { return style(); }
};

class ToolPopUpButton : public StyledPopUpButton {
public:
    using StyledPopUpButton::StyledPopUpButton;
    tk::EdgeInsets alignmentRectInsets() const override;
    tk::Size intrinsicContentSize() const override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
};

} // namespace Tessaly
