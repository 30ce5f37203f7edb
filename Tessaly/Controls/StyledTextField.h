#pragma once

// StyledTextField and StyledTextFieldCell: the library's single-line text input, drawn from a
// TextFieldCellStyle.
//
// The cell draws (see draw): the bezel picture of its control state (tinted when it is a
// template), or its background colour when the picture is missing; its own focus ring only while
// the window is key and the field has the keyboard focus; then the text, or the placeholder in
// "Grey 50%", in the title rect - nothing while the field editor shows the text.
//
// Control state: the library's derivation (cell state, disabled, highlighted, selected from the
// cell's own flag, invalid for a Validating cell that is not valid) plus focused while the field
// has the keyboard focus of the key window, so the style's focused bezel shows (a field focused in a
// window that is not key looks as an unfocused one; the field redraws as its window gains or loses
// key state).
//
// Geometry:
//   - drawingRect: bezeled or bordered: the bounds less the style's padding, made integral; else the
//     bounds; while the editor is being placed (edit / select), the bounds unchanged.
//   - titleRect: with verticallyCenter, one line of the text drawn (the placeholder when the value
//     is empty, one line of the font when both are) centred vertically in the drawing rect.
//   - the editor edits in the title rect, in the style's font and colours (so the text keeps its
//     size and place when the field gains the focus).
//
// The field: vertical inset (its alignment insets), vertical centring, baselines, and an
// intrinsic size at least the bezel picture's.
//
// All members are [main].

#include "Tessaly/Controls/FirstResponderAwareTextField.h"
#include "Tessaly/Protocols/Selectable.h"
#include "Tessaly/Styles/StyleTypes.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TextFieldCellStyles.h"

#include "platform/tk/controls/TextFieldCell.h"

#include <memory>
#include <optional>
#include <utility>

namespace Tessaly {

class StyledTextFieldCell : public tk::TextFieldCell, public Selectable {
public:
    using ViewStyle = TextFieldCellStyle;

    StyledTextFieldCell();
    explicit StyledTextFieldCell(std::string text);

    // One style shared by every cell of this class, made on first use.
    static std::shared_ptr<TextFieldCellStyle> style();
    // The style of the cell's own class (subclasses answer theirs).
    virtual std::shared_ptr<TextFieldCellStyle> dynamicStyle() const { return style(); }
    virtual StyledControlState controlState() const;
    // For a Validating subclass: whether it holds valid input (always for this class).
    virtual std::optional<bool> validity() const { return std::nullopt; }

    bool isSelected() const override { return selected_; }
    void setSelected(bool selected) override;
    bool verticallyCenter() const { return verticallyCenter_; }
    void setVerticallyCenter(bool center);
    bool isBeingEdited() const { return beingEdited_; }
    bool isBeingSelected() const { return beingSelected_; }
    BackgroundStyle backgroundStyle() const { return backgroundStyle_; }
    // Stores the style and takes the text colour of the current state again.
    void setBackgroundStyle(BackgroundStyle style);
    BackgroundStyle interiorBackgroundStyle() const { return dynamicStyle()->interiorBackgroundStyle(); }

    // Font, text colour and background colour of the current state, and the background style.
    virtual void applyStyle();
    // `text` in the cell's font (the style's when the cell has none), `color` (the state's text
    // colour when none), the cell's alignment and line break mode, no tightening.
    virtual tk::AttributedString attributedString(const std::string& text,
                                                  std::optional<tk::Color> color) const;

    void setEnabled(bool enabled) override;
    tk::Rect drawingRect(const tk::Rect& bounds) const override;
    tk::Rect titleRect(const tk::Rect& bounds) const override;
    tk::Rect editWithFrame(const tk::Rect& frame, tk::View& controlView) override;
    tk::Rect selectWithFrame(const tk::Rect& frame, tk::View& controlView) override;
    tk::FieldEditorAttributes setUpFieldEditorAttributes(tk::FieldEditorAttributes attributes) const override;
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawInterior(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}

protected:
    // Draws the cell's ring (the style's focus ring colour of the state).
    void drawStyledFocusRing(const tk::Rect& frame, tk::View& controlView,
                             tk::GraphicsContext& context) const;
    // The height of one line of what the cell shows (see titleRect).
    double shownTextHeight() const;

private:
    bool selected_ = false;
    bool verticallyCenter_ = true;
    bool beingEdited_ = false;
    bool beingSelected_ = false;
    BackgroundStyle backgroundStyle_ = BackgroundStyle::normal;
    // The text last measured for the title rect, in the font it was measured in, and its height.
    struct MeasuredLine {
        std::string text;
        tk::Font font;
        double height = 0;
    };
    mutable std::optional<MeasuredLine> measured_;
};

class StyledTextField : public FirstResponderAwareTextField, public Selectable {
public:
    StyledTextField() = default;
    explicit StyledTextField(tk::Rect frame) : FirstResponderAwareTextField(frame) {}
    StyledTextField(tk::Rect frame, double verticalInset);

    // The cell as a styled cell (none when a cell of another class was set).
    StyledTextFieldCell* styledCell() const;

    double verticalInset() const { return verticalInset_; }
    void setVerticalInset(double inset);
    bool verticallyCenter() const { return verticallyCenter_; }
    void setVerticallyCenter(bool center);
    // The cell's flag (false without a styled cell).
    bool isSelected() const override;
    void setSelected(bool selected) override;

    // Bezeled or bordered: (verticalInset, 2, verticalInset, 2); else none.
    tk::EdgeInsets alignmentRectInsets() const override;
    double firstBaselineOffsetFromTop() const;
    double lastBaselineOffsetFromBottom() const;
    tk::Size intrinsicContentSize() const override;

protected:
    std::unique_ptr<tk::TextFieldCell> makeCell() const override;
    void setup() override;

private:
    double verticalInset_ = 0;
    bool verticallyCenter_ = true;
};

} // namespace Tessaly
