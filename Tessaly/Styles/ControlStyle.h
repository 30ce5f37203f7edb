#pragma once

// The style of a control: its fonts, its text and background colours for each state, its bezel
// pictures keyed by state and its insets. The initialiser gives the library's dark look (colours
// and fonts from the Styles catalogue); subclasses replace what their control draws differently.
//
// The per-state lookups read the fields through their getters, so a subclass that overrides a
// getter changes what the lookups answer - except the last resort of backgroundColor(state), which
// is the stored background colour. A getter and its lookup share a name (textColor() and
// textColor(state)), so a subclass that overrides the getter brings the lookup back into view with
// `using ControlStyle::textColor;`.
//
// Colour priorities (the first test that holds decides):
//   textColor(state):        disabled, invalid, selected, highlighted/on/mixed, else textColor
//   backgroundColor(state):  invalid, highlighted/on/mixed, selected, disabled, else background
//   focusRingColor(state):   invalid, else focusRingColor
// So a disabled, invalid control has the disabled text on the invalid background, and a selected,
// highlighted one the selected text on the highlighted background.

#include "Tessaly/Styles/BaseStyle.h"

#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Font.h"
#include "platform/tk/ui/Node.h"

namespace Tessaly {

class ControlStyle : public BaseStyle {
public:
    ControlStyle();

    virtual tk::Font font() const { return font_; }
    virtual void setFont(tk::Font font) { font_ = std::move(font); }
    virtual tk::Color textColor() const { return textColor_; }
    virtual void setTextColor(tk::Color color) { textColor_ = color; }
    virtual tk::Color textBackgroundColor() const { return textBackgroundColor_; }
    virtual void setTextBackgroundColor(tk::Color color) { textBackgroundColor_ = color; }
    virtual tk::Font selectedFont() const { return selectedFont_; }
    virtual void setSelectedFont(tk::Font font) { selectedFont_ = std::move(font); }
    virtual tk::Color selectedTextColor() const { return selectedTextColor_; }
    virtual void setSelectedTextColor(tk::Color color) { selectedTextColor_ = color; }
    virtual tk::Color selectedBackgroundColor() const { return selectedBackgroundColor_; }
    virtual void setSelectedBackgroundColor(tk::Color color) { selectedBackgroundColor_ = color; }
    virtual tk::Color disabledTextColor() const { return disabledTextColor_; }
    virtual void setDisabledTextColor(tk::Color color) { disabledTextColor_ = color; }
    virtual tk::Color disabledBackgroundColor() const { return disabledBackgroundColor_; }
    virtual void setDisabledBackgroundColor(tk::Color color) { disabledBackgroundColor_ = color; }
    virtual tk::Color highlightedTextColor() const { return highlightedTextColor_; }
    virtual void setHighlightedTextColor(tk::Color color) { highlightedTextColor_ = color; }
    virtual tk::Color highlightedBackgroundColor() const { return highlightedBackgroundColor_; }
    virtual void setHighlightedBackgroundColor(tk::Color color) { highlightedBackgroundColor_ = color; }
    virtual tk::Color invalidTextColor() const { return invalidTextColor_; }
    virtual void setInvalidTextColor(tk::Color color) { invalidTextColor_ = color; }
    virtual tk::Color invalidBackgroundColor() const { return invalidBackgroundColor_; }
    virtual void setInvalidBackgroundColor(tk::Color color) { invalidBackgroundColor_ = color; }

    // Made empty on first read when nothing was stored; assigning replaces the whole table.
    virtual const StateTable& bezelImages() const;
    virtual void setBezelImages(StateTable images) { bezelImages_ = std::move(images); }
    virtual tk::EdgeInsets bezelImageCapInsets() const { return bezelImageCapInsets_; }
    virtual void setBezelImageCapInsets(tk::EdgeInsets insets) { bezelImageCapInsets_ = insets; }
    virtual ImageResizingMode bezelImageResizingMode() const { return bezelImageResizingMode_; }
    virtual void setBezelImageResizingMode(ImageResizingMode mode) { bezelImageResizingMode_ = mode; }

    // The bezel as declarative views draw it.
    virtual const StateTable& declarativeBezelImages() const;
    virtual void setDeclarativeBezelImages(StateTable images) { declarativeBezelImages_ = std::move(images); }
    virtual tk::EdgeInsets declarativeBezelImageCapInsets() const { return declarativeBezelImageCapInsets_; }
    virtual void setDeclarativeBezelImageCapInsets(tk::EdgeInsets insets) {
        declarativeBezelImageCapInsets_ = insets;
    }
    virtual tk::ui::ImageResizingMode declarativeBezelImageResizingMode() const {
        return declarativeBezelImageResizingMode_;
    }
    virtual void setDeclarativeBezelImageResizingMode(tk::ui::ImageResizingMode mode) {
        declarativeBezelImageResizingMode_ = mode;
    }

    virtual tk::EdgeInsets alignmentRectInsets() const { return alignmentRectInsets_; }
    virtual void setAlignmentRectInsets(tk::EdgeInsets insets) { alignmentRectInsets_ = insets; }
    virtual tk::EdgeInsets edgeInsets() const { return edgeInsets_; }
    virtual void setEdgeInsets(tk::EdgeInsets insets) { edgeInsets_ = insets; }
    virtual tk::Color focusRingColor() const { return focusRingColor_; }
    virtual void setFocusRingColor(tk::Color color) { focusRingColor_ = color; }
    virtual tk::Color invalidFocusRingColor() const { return invalidFocusRingColor_; }
    virtual void setInvalidFocusRingColor(tk::Color color) { invalidFocusRingColor_ = color; }

    // The per-state lookups (priorities in the file comment).
    virtual tk::Color focusRingColor(StyledControlState state) const;
    virtual tk::Color textColor(StyledControlState state) const;
    virtual tk::Color backgroundColor(StyledControlState state) const;
    // bestMatchImage over bezelImages(); none when the table has nothing that fits.
    virtual std::optional<tk::Image> bezelImage(StyledControlState state) const;

    using BaseStyle::backgroundColor;

private:
    tk::Font font_;
    tk::Color textColor_;
    tk::Color textBackgroundColor_;
    tk::Font selectedFont_;
    tk::Color selectedTextColor_;
    tk::Color selectedBackgroundColor_;
    tk::Color disabledTextColor_;
    tk::Color disabledBackgroundColor_;
    tk::Color highlightedTextColor_;
    tk::Color highlightedBackgroundColor_;
    tk::Color invalidTextColor_;
    tk::Color invalidBackgroundColor_;
    mutable std::optional<StateTable> bezelImages_;
    tk::EdgeInsets bezelImageCapInsets_;
    ImageResizingMode bezelImageResizingMode_ = ImageResizingMode::tile;
    mutable std::optional<StateTable> declarativeBezelImages_;
    tk::EdgeInsets declarativeBezelImageCapInsets_;
    tk::ui::ImageResizingMode declarativeBezelImageResizingMode_ = tk::ui::ImageResizingMode::stretch;
    tk::EdgeInsets alignmentRectInsets_;
    tk::EdgeInsets edgeInsets_;
    tk::Color focusRingColor_;
    tk::Color invalidFocusRingColor_;
};

} // namespace Tessaly
