#include "Tessaly/Styles/WindowStyle.h"

#include "Tessaly/Styles/Styles.h"

namespace Tessaly {

WindowStyle::WindowStyle() : font_(Styles::CanvasInfo::font()), textColor_(Styles::CanvasInfo::textColor()) {
    setAppearanceName(AppearanceName::dark);
    setBackgroundStyle(BackgroundStyle::emphasized);
    setInteriorBackgroundStyle(BackgroundStyle::emphasized);
    setOpaque(false);
    setBackgroundColor(Styles::Window::windowBackgroundColor());
}

} // namespace Tessaly
