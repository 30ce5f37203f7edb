#pragma once

// The Korvane library's resource bundle, "Korvane_Korvane.bundle": looked up once, on first use,
// next to the main bundle's resources, then next to the shared object holding this code, then in
// the main bundle's own folder. Without it the controls cannot draw, so a missing bundle stops the
// program with "unable to find bundle named Korvane_Korvane".

#include "platform/tk/base/Bundle.h"

#include <optional>
#include <string_view>

namespace Korvane {

inline constexpr std::string_view kKorvaneBundleName = "Korvane_Korvane";

// [any] The bundle (found once, thread-safely); stops the program when there is none.
const tk::Bundle& korvaneBundle();

// [any] The lookup itself, without the stop: the bundle or nothing.
std::optional<tk::Bundle> findKorvaneBundle();

} // namespace Korvane
