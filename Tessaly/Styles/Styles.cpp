#include "Tessaly/Styles/Styles.h"

#include "Tessaly/Resources/AssetLookup.h"

namespace Tessaly::Styles {

// One static per member, made on first read.
#define TESSALY_SHARED(type, ns, member, value)                                                              \
    const type& ns::member() {                                                                               \
        static const type shared = (value);                                                                  \
        return shared;                                                                                       \
    }
#define TESSALY_COLOR(ns, member, resource)                                                                  \
    TESSALY_SHARED(tk::Color, ns, member, color(ColorResources::resource))
#define TESSALY_CLEAR(ns, member) TESSALY_SHARED(tk::Color, ns, member, tk::Color::clear())
// A font member answering one of the base fonts (the same object).
#define TESSALY_FONT(ns, member, base)                                                                       \
    const tk::Font& ns::member() {                                                                           \
        return BaseStyles::base();                                                                           \
    }

double Layout::length32() {
    return 32.0;
}
double Layout::length24() {
    return 24.0;
}
tk::Size Layout::size76x83() {
    return {76, 83};
}

TESSALY_SHARED(tk::Font, BaseStyles, regular10, tk::Font::system(10))
TESSALY_SHARED(tk::Font, BaseStyles, monospacedDigit10, tk::Font::monospacedDigitSystem(10))
TESSALY_SHARED(tk::Font, BaseStyles, medium10, tk::Font::system(10, tk::FontWeight::medium))
TESSALY_SHARED(tk::Font, BaseStyles, medium12, tk::Font::system(12, tk::FontWeight::medium))
TESSALY_SHARED(tk::Font, BaseStyles, regular12, tk::Font::system(12))
TESSALY_SHARED(tk::Font, BaseStyles, medium14, tk::Font::system(14, tk::FontWeight::medium))
TESSALY_SHARED(tk::Font, BaseStyles, medium20, tk::Font::system(20, tk::FontWeight::medium))

TESSALY_FONT(Control, font, regular10)
TESSALY_COLOR(Control, textColor, grey85)
TESSALY_CLEAR(Control, textBackgroundColor)
TESSALY_COLOR(Control, disabledTextColor, grey40)
TESSALY_CLEAR(Control, disabledBackgroundColor)
TESSALY_COLOR(Control, invalidTextColor, grey100)
TESSALY_COLOR(Control, invalidBackgroundColor, error)
TESSALY_COLOR(Control, highlightedTextColor, grey50)
TESSALY_CLEAR(Control, highlightedBackgroundColor)
TESSALY_COLOR(Control, grey20Color, grey20)
TESSALY_CLEAR(Control, clearBackgroundColor)
TESSALY_COLOR(Control, selectedTextColor, grey100)
TESSALY_COLOR(Control, invalidFocusRingColor, error)
tk::Color Control::selectedBackgroundColor() {
    return color(ColorResources::highlightSystem);
}

TESSALY_COLOR(ScrollView, backgroundColor, backgroundDarker)

TESSALY_FONT(OutlineHeader, font, medium12)
TESSALY_COLOR(OutlineHeader, textColor, grey50)

TESSALY_FONT(OutlineRow, font, monospacedDigit10)
TESSALY_COLOR(OutlineRow, textColor, grey85)
TESSALY_COLOR(OutlineRow, backgroundColor, backgroundDarker)
TESSALY_FONT(OutlineRow, selectedFont, medium10)
TESSALY_COLOR(OutlineRow, selectedTextColor, grey100)

TESSALY_COLOR(TableView, rowBackgroundColor, backgroundDarker)

TESSALY_FONT(TableHeader, font, medium12)
TESSALY_COLOR(TableHeader, textColor, grey50)
TESSALY_COLOR(TableHeader, headerBackgroundColor, backgroundDarkest)

TESSALY_FONT(TableRow, font, monospacedDigit10)
TESSALY_COLOR(TableRow, textColor, grey70)
TESSALY_FONT(TableRow, selectedFont, medium10)
TESSALY_COLOR(TableRow, selectedTextColor, grey100)

TESSALY_FONT(TableGroupRow, font, regular10)
TESSALY_COLOR(TableGroupRow, textColor, grey50)
TESSALY_FONT(TableGroupRow, selectedFont, medium10)
TESSALY_COLOR(TableGroupRow, selectedTextColor, grey100)

TESSALY_FONT(Label, font, regular10)
TESSALY_COLOR(Label, textColor, grey60)
TESSALY_COLOR(Label, textColorForDeclarativeViews, grey60)
TESSALY_COLOR(Label, disabledTextColor, grey30)

TESSALY_FONT(TextInput, font, regular10)
TESSALY_COLOR(TextInput, textColor, grey85)
TESSALY_CLEAR(TextInput, textBackgroundColor)
TESSALY_COLOR(TextInput, disabledTextColor, grey40)
TESSALY_CLEAR(TextInput, disabledBackgroundColor)
TESSALY_COLOR(TextInput, invalidTextColor, error)
TESSALY_COLOR(TextInput, invalidBackgroundColor, error)
TESSALY_COLOR(TextInput, highlightedTextColor, grey100)
TESSALY_CLEAR(TextInput, highlightedBackgroundColor)
TESSALY_COLOR(TextInput, placeholderTextColor, grey50)
TESSALY_COLOR(TextInput, wendleBlue, wendleBlue)
TESSALY_CLEAR(TextInput, placeholderBackground)
TESSALY_COLOR(TextInput, selectedTextColor, grey100)

TESSALY_FONT(PropertiesTab, font, medium12)
TESSALY_COLOR(PropertiesTab, textColor, grey70)
TESSALY_COLOR(PropertiesTab, selectedTextColor, grey85)
TESSALY_COLOR(PropertiesTab, highlightedTextColor, grey50)

TESSALY_FONT(CanvasInfo, font, regular10)
TESSALY_COLOR(CanvasInfo, textColor, grey85)
TESSALY_COLOR(CanvasInfo, backgroundColor, backgroundNormal)

TESSALY_COLOR(Window, windowBackgroundColor, backgroundNormal)

#undef TESSALY_FONT
#undef TESSALY_CLEAR
#undef TESSALY_COLOR
#undef TESSALY_SHARED

} // namespace Tessaly::Styles
