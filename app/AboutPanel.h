#pragma once

// The standard About panel: the application's icon, name, version and copyright, taken from the
// main bundle's information file.

#include "platform/tk/base/Bundle.h"

#include <memory>
#include <string>

namespace tk {
class Window;
}

namespace app {

struct AboutPanelContent {
    std::string name;      // CFBundleName ("Zindral" when missing)
    std::string version;   // "Version 1.0.0 (1)"
    std::string copyright; // HumanReadableCopyright, may be empty
};

inline constexpr double kAboutPanelWidth = 280;
inline constexpr double kAboutPanelHeight = 260;

// [any]
AboutPanelContent aboutPanelContent(const tk::Bundle& bundle);
// [main] A window (identifier "about", not resizable) showing `content`; not yet shown. Escape and
// Ctrl+W (its menu's "Close") close it.
std::shared_ptr<tk::Window> makeAboutPanel(const AboutPanelContent& content);

} // namespace app
