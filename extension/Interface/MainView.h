#pragma once

// MainView: the whole plug-in window. On a design canvas of 616 x 678 points, scaled to the size the
// host gives (the smaller of the two ratios, anchored at the top-left corner, never distorted): the
// plug-in header, the melody display and the control panel with the playback and randomise rows,
// eight dials, the morph pad and a one-octave keyboard of pitch-class toggles. Every control edits
// its parameter of the Settings in the environment (SettingsEnvironment.h) through the parameter's
// own begin/change/end protocol; the view holds no parameter values.

#include "Korvane/Parameters/AudioParameter.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

#include <memory>

namespace extension {

class Settings;

struct MainView {
    // The header's tab parameter: a placeholder without value strings, so no tab row shows.
    tk::ui::State<std::shared_ptr<Korvane::AudioParameter>> fakeTabParam{
        Korvane::AudioParameter::dummyParam()};

    static constexpr tk::Size kCanvasSize{616, 678};

    // [main]
    tk::ui::Node body();

    // [main] The canvas scale for an available size: min(width / 616, height / 678).
    static double canvasScale(tk::Size available);
    // [main] After a dial's label edit: the plug-in window's recorded responder (or the window
    // itself when that is gone) becomes first responder again; nothing before the window is known.
    static void restoreKeyboardFocus(const Settings& settings);

private:
    tk::ui::Node canvas(const std::shared_ptr<Settings>& settings);
    tk::ui::Node controlPanel(const std::shared_ptr<Settings>& settings);
};

} // namespace extension
