#pragma once

// WendlePushButton and its cell: a push button of the dark controls whose size can be pinned in
// either dimension. The cell draws the default button style's bezel picture for its state
// (within the cell's edge insets for a rounded bezel, over the whole frame otherwise), a centred
// title cut at the tail in the style's text colour, and its image at half strength while pressed
// or disabled. Both draw their own focus ring instead of the platform's.
//
// Cell state: on/mixed from the cell state only when showsStateBy is not none; disabled;
// highlighted when enabled; selected; invalid for a Validating subclass. Never focused.
//
// Drawing never changes the style's shared pictures: the bezel is drawn stretched between the
// picture's own caps as it is.
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

class WendlePushButtonCell : public tk::ButtonCell, public Selectable {
public:
    using ViewStyle = ButtonCellStyle;

    WendlePushButtonCell();
    explicit WendlePushButtonCell(std::string title);

    static std::shared_ptr<ButtonCellStyle> style();
    virtual StyledControlState controlState() const;

    bool isSelected() const override { return selected_; }
    void setSelected(bool selected) override { selected_ = selected; }
    tk::EdgeInsets imageEdgeInsets() const { return imageEdgeInsets_; }
    void setImageEdgeInsets(tk::EdgeInsets insets) { imageEdgeInsets_ = insets; }
    tk::EdgeInsets titleEdgeInsets() const { return titleEdgeInsets_; }
    tk::EdgeInsets edgeInsets() const { return edgeInsets_; }

    tk::Rect drawingRect(const tk::Rect& bounds) const override;
    tk::Rect focusRingMaskBounds(const tk::Rect& frame, const tk::View&) const override { return frame; }
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}
    tk::Rect imageRect(const tk::Rect& bounds) const override;
    tk::Rect titleRect(const tk::Rect& bounds) const override;
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawBezel(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    tk::Rect drawTitle(const tk::AttributedString& title, const tk::Rect& frame, tk::View& controlView,
                       tk::GraphicsContext& context) override;
    void drawImage(const tk::Image& image, const tk::Rect& frame, tk::View& controlView,
                   tk::GraphicsContext& context) override;

private:
    tk::EdgeInsets imageEdgeInsets_{0, 0, 0, 0};
    tk::EdgeInsets titleEdgeInsets_{4, 0, 6, 0};
    tk::EdgeInsets edgeInsets_{3, 4, 5, 4};
    bool selected_ = false;
};

class WendlePushButton : public tk::Button, public Selectable {
public:
    explicit WendlePushButton(std::optional<double> fixedHeight = std::nullopt,
                              std::optional<double> fixedWidth = std::nullopt, tk::Rect frame = {})
        : tk::Button(frame), fixedHeight_(fixedHeight), fixedWidth_(fixedWidth) {}
    explicit WendlePushButton(tk::Rect frame) : tk::Button(frame) {}

    std::optional<double> fixedHeight() const { return fixedHeight_; }
    void setFixedHeight(std::optional<double> height);
    std::optional<double> fixedWidth() const { return fixedWidth_; }
    void setFixedWidth(std::optional<double> width);
    // The cell's flag (false for a cell of another class); setting it always redraws.
    bool isSelected() const override;
    void setSelected(bool selected) override;
    WendlePushButtonCell* pushCell() const { return dynamic_cast<WendlePushButtonCell*>(cell()); }

    // The platform's size with the fixed width and height where they are set.
    tk::Size intrinsicContentSize() const override;
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    std::unique_ptr<tk::Cell> makeCell() const override;
    void setup() override;

private:
    std::optional<double> fixedHeight_;
    std::optional<double> fixedWidth_;
};

} // namespace Tessaly
