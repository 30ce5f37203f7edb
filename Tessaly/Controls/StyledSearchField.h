#pragma once

// StyledSearchField and StyledSearchFieldCell: the dark, picture-bezelled search field.
//
// The cell draws the bezel picture of its state - the search field's ("tui-searchfield", and
// "tui-searchfield-focus" while the field has the keyboard focus and its window is key) with the
// search icon, the plain text field's without it - then its text or placeholder ("Grey 50%", the
// style's font) between the search and cancel buttons, and the cancel button while there is text
// (also while the editor shows the text).
//
// Text rect: from 10 points inside the search button's right edge (4 without the icon) to 2
// points past the cancel button's left edge (the full width without a cancel button); centred
// vertically on one line of what is drawn (the placeholder for an empty value, one line of the
// font when both are empty) when verticallyCenter, else one line of the style's font centred
// (the font it is drawn in, also when the cell was given another); made integral.
//
// The field: alignment insets from the style, an intrinsic size from the bezel picture, and its
// own focus ring (bounds inset by 1, radius 3) while its window is key and it has the focus.
//
// All members are [main].

#include "Tessaly/Styles/StyleTypes.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TextFieldCellStyles.h"

#include "platform/tk/controls/SearchField.h"

#include <memory>
#include <optional>
#include <string>

namespace Tessaly {

class StyledSearchFieldCell : public tk::SearchFieldCell {
public:
    using ViewStyle = SearchFieldCellStyle;

    StyledSearchFieldCell();

    static std::shared_ptr<SearchFieldCellStyle> style();
    StyledControlState controlState() const;

    bool showsSearchIcon() const { return showsSearchIcon_; }
    void setShowsSearchIcon(bool shows);
    bool verticallyCenter() const { return verticallyCenter_; }
    void setVerticallyCenter(bool center);
    bool isBeingEdited() const { return beingEdited_; }
    bool isBeingSelected() const { return beingSelected_; }
    BackgroundStyle backgroundStyle() const { return backgroundStyle_; }
    void setBackgroundStyle(BackgroundStyle style);
    BackgroundStyle interiorBackgroundStyle() const { return style()->interiorBackgroundStyle(); }

    // The bezel picture for the state (see the class comment); none when the table has no match.
    std::optional<tk::Image> currentBezelImage() const;
    void applyStyle();
    tk::AttributedString attributedString(const std::string& text, std::optional<tk::Color> color) const;

    // What the cell's placeholder is; a value also sets the attributed placeholder in "Grey 50%"
    // (none keeps the attributed one there was).
    std::optional<std::string> placeholderString() const override { return internalPlaceholder_; }
    void setPlaceholderString(std::optional<std::string> placeholder) override;

    void setEnabled(bool enabled) override;
    tk::Rect drawingRect(const tk::Rect& bounds) const override;
    tk::Rect searchTextRect(const tk::Rect& bounds) const override;
    // The style's: the text is drawn in it whatever font the cell was given.
    tk::Font lineFont() const override { return style()->font(); }
    tk::Rect editWithFrame(const tk::Rect& frame, tk::View& controlView) override;
    tk::Rect selectWithFrame(const tk::Rect& frame, tk::View& controlView) override;
    tk::FieldEditorAttributes setUpFieldEditorAttributes(tk::FieldEditorAttributes attributes) const override;
    void draw(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawInterior(const tk::Rect& frame, tk::View& controlView, tk::GraphicsContext& context) override;
    void drawFocusRingMask(const tk::Rect&, tk::View&, tk::GraphicsContext&) override {}

private:
    // Where the editor is placed: the text rect, where the cell draws the text.
    tk::Rect editorFrame(const tk::Rect& frame) const;

    bool showsSearchIcon_ = true;
    bool verticallyCenter_ = true;
    std::optional<std::string> internalPlaceholder_;
    bool beingEdited_ = false;
    bool beingSelected_ = false;
    BackgroundStyle backgroundStyle_ = BackgroundStyle::normal;
};

class StyledSearchField : public tk::SearchField {
public:
    using tk::SearchField::SearchField;

    StyledSearchFieldCell* styledCell() const;
    bool verticallyCenter() const { return verticallyCenter_; }
    void setVerticallyCenter(bool center);

    tk::EdgeInsets alignmentRectInsets() const override;
    tk::Size intrinsicContentSize() const override;
    tk::Rect focusRingMaskBounds() const override { return bounds(); }
    void drawFocusRingMask(tk::GraphicsContext&) override {}
    void draw(tk::GraphicsContext& context, const tk::Rect& dirtyRect) override;

protected:
    std::unique_ptr<tk::TextFieldCell> makeCell() const override;
    void setup() override;

private:
    bool verticallyCenter_ = true;
};

} // namespace Tessaly
