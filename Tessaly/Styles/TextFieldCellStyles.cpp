#include "Tessaly/Styles/TextFieldCellStyles.h"

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

namespace {

using S = StyledControlState;
namespace img = ImageResources;

// The text-field bezels: `base` at rest, focus and error pictures over it.
StateTable fieldBezels(ImageResource base) {
    return {
        {S::defaultState, image(base)},
        {{S::focused, S::invalid}, image(img::tuiTextfieldError)},
        {S::focused, image(img::tuiTextfieldFocus)},
        {S::invalid, image(img::tuiTextfieldError)},
    };
}

} // namespace

TextFieldCellStyle::TextFieldCellStyle()
    : placeholderTextColor_(Styles::TextInput::placeholderTextColor()),
      placeholderBackground_(Styles::TextInput::placeholderBackground()) {
    setFont(Styles::TextInput::font());
    setTextColor(Styles::TextInput::textColor());
    setTextBackgroundColor(Styles::TextInput::textBackgroundColor());
    setSelectedTextColor(Styles::TextInput::selectedTextColor());
    setSelectedBackgroundColor(Styles::Control::selectedBackgroundColor());
    setDisabledTextColor(Styles::TextInput::disabledTextColor());
    setDisabledBackgroundColor(Styles::TextInput::disabledBackgroundColor());
    setHighlightedTextColor(Styles::TextInput::highlightedTextColor());
    setHighlightedBackgroundColor(Styles::TextInput::highlightedBackgroundColor());
    setInvalidTextColor(Styles::TextInput::invalidTextColor());
    setInvalidBackgroundColor(Styles::TextInput::invalidBackgroundColor());
    setAlignmentRectInsets(tk::EdgeInsets::all(2));
    setEdgeInsets(tk::EdgeInsets::all(2));
    setBezelImages(fieldBezels(img::tuiTextfield));
}

HeaderTextFieldStyle::HeaderTextFieldStyle() {
    setBezelImages(fieldBezels(img::tuiTextfieldTableheader));
}

SearchFieldCellStyle::SearchFieldCellStyle() {
    setBezelImages({
        {S::defaultState, image(img::tuiSearchfield)},
        {S::focused, image(img::tuiSearchfieldFocus)},
    });
}

TextLabelCellStyle::TextLabelCellStyle() {
    setFont(Styles::Label::font());
    setTextColor(Styles::Label::textColor());
    setDisabledTextColor(Styles::Label::disabledTextColor());
    setBezelImageCapInsets({});
    setPadding({});
    setBezelImages({});
}

} // namespace Tessaly
