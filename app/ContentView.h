#pragma once

// The whole content of the main window, top to bottom:
//
//   +--------------------------------------+
//   |  shader band (300 high), "Zindral"   |  ContentViewShader under the shadowed title
//   |              spacer                  |
//   |  Zindral is now available as ...     |  text pair A, 15 bold rounded
//   |  To use Zindral, insert it as ...    |  text pair B, 12 medium rounded
//   |  1.0.0 (1)                           |  version line
//   |              (logo)                  |  the maker's logo, tinted
//   |              spacer                  |
//   |     [ Help ]   [ Velmor Website ]    |  buttons, 16 apart, 14 above the bottom
//   +--------------------------------------+
//
// Texts, the version line and the logo take the asset colour "logoTint". "Help" opens the help
// page, "Velmor Website" the maker's site, both through `openURL` (see LinkOpener.h: a page that does
// not open shows its address in an alert); neither changes the window.
// Tab and Shift-Tab move a focus ring between the two buttons; Space or Return presses the ringed one.

#include "app/LinkOpener.h"

#include "platform/tk/base/Bundle.h"
#include "platform/tk/ui/Node.h"

#include <string>

namespace app {

inline constexpr const char* kProductName = "Zindral";
inline constexpr double kBandHeight = 300;

struct ContentView {
    // Width of each button's label.
    double buttonWidth = 180;
    // How the buttons open their pages; the workspace's when empty.
    URLOpener openURL;

    // [main]
    tk::ui::Node body() const;
};

// [any] "<short version> (<version>)" of the bundle, each part empty when missing: "1.2 (45)".
std::string versionLine(const tk::Bundle& bundle);

} // namespace app
