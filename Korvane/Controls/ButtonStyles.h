#pragma once

// The plug-in's looks for ordinary buttons (tk::ui::Button with Node::buttonStyle):
//   - ModernButtonStyle: the modern picture button, off or on; the label in `color` while on;
//   - SettingsButtonStyle: the settings picture button; the caller sets the label's typeface;
//   - UpdateButtonStyle: the small rounded badge that announces a newer version.

#include "Korvane/Resources/KorvFont.h"

#include "platform/tk/base/Color.h"
#include "platform/tk/ui/Button.h"

namespace Korvane {

class ModernButtonStyle final : public tk::ui::ButtonStyle {
public:
    ModernButtonStyle(bool on, tk::Color onColor) : isOn(on), color(onColor) {}

    bool isOn;
    tk::Color color;

    // [main]
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const override;
};

class SettingsButtonStyle final : public tk::ui::ButtonStyle {
public:
    explicit SettingsButtonStyle(KorvFont labelFont) : font(labelFont) {}

    KorvFont font;

    // [main]
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const override;
};

class UpdateButtonStyle final : public tk::ui::ButtonStyle {
public:
    // [main]
    tk::ui::Node makeBody(const tk::ui::ButtonStyleConfiguration& configuration) const override;
};

} // namespace Korvane
