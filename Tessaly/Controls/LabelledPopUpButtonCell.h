#pragma once

// LabelledPopUpButtonCell: what the styled pop-up and pop-down cells share. The bezel is the cell
// style's picture for the cell's state (at half strength while disabled); the title is drawn in the
// style's per-state text colour and may be preceded by a secondary label (labelledPopUpTitle, the
// label in the secondary label colour); the cell draws no focus ring (its button paints one). A
// subclass names its style (cellStyle) and its state rule (controlState).
//
// All members are [main].

#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/PopUpButtonCell.h"

#include <optional>
#include <string>

namespace Tessaly {

class LabelledPopUpButtonCell : public tk::PopUpButtonCell {
public:
    using tk::PopUpButtonCell::PopUpButtonCell;

    virtual StyledControlState controlState() const = 0;

    const std::optional<std::string>& label() const { return label_; }
    void setLabel(std::optional<std::string> label);

    // labelledPopUpTitle with `color`, or the style's text colour.
    tk::AttributedString attributedTitle(const std::string& text, std::optional<tk::Color> color,
                                         const std::optional<std::string>& label,
                                         std::optional<tk::Color> labelColor) const;
    using tk::PopUpButtonCell::attributedTitle;

    void drawBezel(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}

protected:
    virtual const ButtonCellStyle& cellStyle() const = 0;
    // `text` as drawn now: in the text colour of the cell's state, after the label.
    tk::AttributedString drawnTitle(const std::string& text) const;

private:
    std::optional<std::string> label_;
};

} // namespace Tessaly
