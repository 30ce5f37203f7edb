#include "Tessaly/Declarative/ButtonStyles.h"

#include "Tessaly/Resources/TYColors.h"
#include "Tessaly/Resources/TYImages.h"

namespace Tessaly {

namespace {
tk::ui::Node styledBody(const tk::ui::Node& label, const tk::Font& font, const tk::Color& textColor,
                        bool isPressed) {
    using namespace tk::ui;
    const tk::Image bezel = buttonStyleBezel(isPressed);
    // The bezel stretches to the label's frame through its own cap insets.
    return label.font(font)
        .foregroundColor(textColor)
        .frame(std::nullopt, kButtonStyleHeight)
        .background(Image(bezel).resizable(bezel.capInsets()))
        .padding(Edges::horizontal(), -kButtonStyleOverhang);
}
} // namespace

tk::Color buttonStyleTextColor(bool isPressed) {
    return isPressed ? TYColorsAK::grey50() : TYColorsAK::grey85();
}

tk::Image buttonStyleBezel(bool isPressed) {
    return isPressed ? TYImages::tuiButtonDown() : TYImages::tuiButton();
}

tk::Font DefaultWendleButtonStyle::font() {
    return tk::Font::system(11, tk::FontWeight::regular, tk::FontDesign::standard);
}

tk::ui::Node DefaultWendleButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    tk::Color text = buttonStyleTextColor(configuration.isPressed);
    if (!configuration.isEnabled())
        text = text.withAlpha(text.a * 0.5);
    return styledBody(configuration.label, font(), text, configuration.isPressed);
}

tk::Font VelmorButtonStyle::font() {
    return tk::Font::system(12, tk::FontWeight::bold, tk::FontDesign::rounded);
}

tk::ui::Node VelmorButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    return styledBody(configuration.label, font(), buttonStyleTextColor(configuration.isPressed),
                      configuration.isPressed);
}

} // namespace Tessaly
