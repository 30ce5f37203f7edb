#include "Tessaly/Publishers/ControlSizes.h"

#include <cstdio>
#include <cstdlib>

namespace Tessaly {

namespace {

[[noreturn]] void unhandled(int raw) {
    std::fprintf(stderr, "Unhandled control size: %d\n", raw);
    std::fflush(stderr);
    std::abort();
}

} // namespace

tk::ui::ControlSize declarativeControlSize(tk::ControlSize size) {
    switch (static_cast<int>(size)) {
    case static_cast<int>(tk::ControlSize::regular):
        return tk::ui::ControlSize::regular;
    case static_cast<int>(tk::ControlSize::small):
        return tk::ui::ControlSize::small;
    case static_cast<int>(tk::ControlSize::mini):
        return tk::ui::ControlSize::mini;
    case static_cast<int>(tk::ControlSize::large):
    case 4:
        return tk::ui::ControlSize::large;
    default:
        unhandled(static_cast<int>(size));
    }
}

tk::ControlSize classicControlSize(tk::ui::ControlSize size) {
    switch (size) {
    case tk::ui::ControlSize::mini:
        return tk::ControlSize::mini;
    case tk::ui::ControlSize::small:
        return tk::ControlSize::small;
    case tk::ui::ControlSize::regular:
        return tk::ControlSize::regular;
    case tk::ui::ControlSize::large:
    case tk::ui::ControlSize::extraLarge:
        return tk::ControlSize::large;
    }
    unhandled(static_cast<int>(size));
}

} // namespace Tessaly
