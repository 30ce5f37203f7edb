#include "Korvane/Controls/ButtonStyles.h"

#include "Korvane/Controls/ButtonPictures.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "platform/tk/base/MainThread.h"

namespace Korvane {

tk::ui::Node ModernButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    Node picture = Image(korvaneImage(modernPicture(configuration.isPressed, isOn)))
                       .resizable(tk::EdgeInsets{}, ImageResizingMode::stretch)
                       .aspectRatio(std::nullopt, AspectMode::fit)
                       .frame(std::nullopt, 27);
    Node label = configuration.label.foregroundColor(isOn ? color : Colors::buttonText()).offset(0, 2);
    return ZStack(Alignment::center(), {picture, label});
}

tk::ui::Node SettingsButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    Node picture = Image(korvaneImage(settingsPicture(configuration.isPressed)));
    Node label =
        configuration.label.foregroundColor(Colors::buttonText()).offset(0, font == KorvFont::rocket ? 2 : 0);
    return ZStack(Alignment::center(), {picture, label});
}

tk::ui::Node UpdateButtonStyle::makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const {
    TK_CHECK_MAIN_THREAD();
    using namespace tk::ui;
    return korvFont(configuration.label, KorvFont::rocket, 13)
        .foregroundColor(Colors::background())
        .padding(Edges::horizontal(), 4)
        .padding(Edges::top(), 2)
        .background(RoundedRectangle(tk::Size{4, 4}).fill(Colors::updateBackground()))
        .opacity(configuration.isPressed ? 0.8 : 1);
}

} // namespace Korvane
