#include "Tessaly/Declarative/ButtonStyles.h"

#include "Tessaly/Resources/TYColors.h"
#include "Tessaly/Resources/TYImages.h"
#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

namespace {
tk::ui::Node styledBody(const tk::ui::ButtonStyleConfiguration& configuration, const tk::Font& font,
                        const tk::Color& textColor) {
    using namespace tk::ui;
    const tk::Image bezel = buttonStyleBezel(configuration.isPressed);
    // The bezel stretches to the label's frame through its own cap insets.
    Node body = configuration.label.font(font)
                    .foregroundColor(textColor)
                    .frame(std::nullopt, kButtonStyleHeight)
                    .background(Image(bezel).resizable(bezel.capInsets()));
    if (configuration.isFocused)
        body = body.overlay(focusRing());
    return body.padding(Edges::horizontal(), -kButtonStyleOverhang);
}
} // namespace

tk::ui::Node focusRing() {
    using namespace tk::ui;
    const tk::Color ring = Styles::Control::selectedBackgroundColor();
    return ZStack({RoundedRectangle(kFocusRingRadius).fill(ring.withAlpha(0.3)),
                   RoundedRectangle(kFocusRingRadius).stroke(ring, kFocusRingWidth)});
}

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
    return styledBody(configuration, font(), text);
}

tk::Font VelmorButtonStyle::font() {
    return tk::Font::system(12, tk::FontWeight::bold, tk::FontDesign::rounded);
}

tk::ui::Node VelmorButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    return styledBody(configuration, font(), buttonStyleTextColor(configuration.isPressed));
}

} // namespace Tessaly
