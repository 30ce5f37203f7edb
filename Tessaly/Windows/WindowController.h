#pragma once

// Windows and sheets that host declarative content. The content finds its window through the
// WindowState in its environment (WindowStateKey).
//
//     auto controller = Tessaly::WindowController::makeWindowController(PreferencesView{}, "Preferences");
//     controller->show();
//
// show() centres the window on its screen one main-queue turn after showing it - unless its frame
// was just restored from the frame autosave, which centring would undo.
//
// All members are [main].

#include "Tessaly/Windows/WindowState.h"

#include "platform/tk/ui/Node.h"
#include "platform/tk/view/ViewController.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tk {
class Window;
}

namespace Tessaly {

// Which of the content's sizes the window takes on: none leaves the window's size alone; the others
// size it to the content's ideal size.
enum class HostingSizingOptions : std::uint8_t {
    none = 0,
    minSize = 1,
    intrinsicContentSize = 2,
    maxSize = 4
};
constexpr HostingSizingOptions operator|(HostingSizingOptions a, HostingSizingOptions b) {
    return HostingSizingOptions(std::uint8_t(a) | std::uint8_t(b));
}

class WindowController : public tk::WindowController {
public:
    using Configure = std::function<void(tk::Window&)>;

    explicit WindowController(std::shared_ptr<tk::Window> window);

    static std::shared_ptr<WindowController>
    makeWindowController(tk::ui::Node rootView, std::optional<std::string> frameAutosaveName = std::nullopt,
                         HostingSizingOptions sizingOptions = HostingSizingOptions::intrinsicContentSize,
                         Configure configure = {});
    // The same, in a sheet window.
    static std::shared_ptr<WindowController>
    makeSheetWindowController(tk::ui::Node rootView,
                              std::optional<std::string> frameAutosaveName = std::nullopt,
                              HostingSizingOptions sizingOptions = HostingSizingOptions::intrinsicContentSize,
                              Configure configure = {});

    void show();

private:
    static std::shared_ptr<WindowController> make(bool sheet, tk::ui::Node rootView,
                                                  std::optional<std::string> frameAutosaveName,
                                                  HostingSizingOptions sizingOptions, Configure configure);
};

} // namespace Tessaly
