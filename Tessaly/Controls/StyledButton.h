#pragma once

// StyledButton and StyledButtonCell: the base of the library's button family. The cell draws
// everything from its class's style (a ButtonCellStyle): the bezel picture chosen by the cell's
// control state, the title in the style's font and per-state colour, and the image at half
// strength while pressed or disabled. The button adds an optional fixed width, an intrinsic size
// taken from the bezel picture, alignment insets from the style, and its own focus ring.
//
// Control state of the cell, built in order: on/mixed from the cell state only when showsStateBy
// is not none (else default); disabled; highlighted when enabled; selected; invalid for a
// Validating subclass that is not valid.
//
// Layout (the inset rule of CellDrawing.h throughout):
//   - drawingRect: bordered or bezeled: the bounds less the style's edgeInsets; else the bounds.
//   - imageRect: the bounds less imageEdgeInsets; image only: that rect; otherwise the button
//     cell's image rect of it, centred vertically on the bounds.
//   - titleRect: the button cell's title rect of the bounds less titleEdgeInsets, centred
//     vertically on the bounds when verticallyCenterTitle.
//
// Subclasses (check boxes, back, corner and tool buttons) answer their own style through
// style() and dynamicStyle(), and replace a few rectangles and the mouse handling.
//
// All members are [main].

#include "Tessaly/Protocols/Selectable.h"
#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "platform/tk/controls/Button.h"
#include "platform/tk/controls/ButtonCell.h"

#include <memory>
#include <optional>

namespace Tessaly {

class StyledButtonCell : public tk::ButtonCell, public Selectable {
public:
    using ViewStyle = ButtonCellStyle;

    StyledButtonCell();
    explicit StyledButtonCell(std::string title);
    explicit StyledButtonCell(tk::Image image);

    // One style shared by every cell of this class, made on first use.
    static std::shared_ptr<ButtonCellStyle> style();
    // The style of the cell's own class (subclasses answer theirs).
    virtual std::shared_ptr<ButtonCellStyle> dynamicStyle() const { return style(); }
    virtual StyledControlState controlState() const;

    bool isSelected() const override { return selected_; }
    // Stores only; the button's setter redraws.
    void setSelected(bool selected) override { selected_ = selected; }
    bool verticallyCenterTitle() const { return verticallyCenterTitle_; }
    void setVerticallyCenterTitle(bool center) { verticallyCenterTitle_ = center; }

    // The title as drawn: the style's font, `color` (the style's text colour when none), centred
    // and cut at the tail.
    virtual tk::AttributedString attributedTitle(const std::string& text,
                                                 std::optional<tk::Color> color) const;
    using tk::ButtonCell::attributedTitle;

    tk::Rect focusRingMaskBounds(const tk::Rect& frame, const tk::View& controlView) const override;
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}
    tk::Rect drawingRect(const tk::Rect& bounds) const override;
    tk::Rect imageRect(const tk::Rect& bounds) const override;
    tk::Rect titleRect(const tk::Rect& bounds) const override;
    void drawBezel(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    tk::Rect drawTitle(const tk::AttributedString& title, const tk::Rect& frame, tk::View& controlView,
                       tk::GraphicsContext& context) override;
    void drawImage(const tk::Image& image, const tk::Rect& frame, tk::View& controlView,
                   tk::GraphicsContext& context) override;
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;

private:
    bool selected_ = false;
    bool verticallyCenterTitle_ = true;
};

class StyledButton : public tk::Button, public Selectable {
public:
    StyledButton() = default;
    explicit StyledButton(tk::Rect frame, std::optional<double> fixedWidth = std::nullopt)
        : tk::Button(frame), fixedWidth_(fixedWidth) {}

    std::optional<double> fixedWidth() const { return fixedWidth_; }
    void setFixedWidth(std::optional<double> width);
    // The cell's flag (false for a cell of another class); setting it always redraws.
    bool isSelected() const override;
    void setSelected(bool selected) override;
    StyledButtonCell* styledCell() const { return dynamic_cast<StyledButtonCell*>(cell()); }

    // The base class's shared style's alignment insets (whatever the cell's class), or none for a
    // cell of another class.
    virtual tk::EdgeInsets alignmentRectInsets() const;
    tk::Size intrinsicContentSize() const override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;

private:
    std::optional<double> fixedWidth_;
};

} // namespace Tessaly
