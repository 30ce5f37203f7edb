#pragma once

// The application's own resource bundle, "Zindral_Zindral.bundle", found as every module finds its
// bundle (next to the main bundle's resources, next to this code, in the main bundle's folder),
// once, and kept. Without it the window cannot be drawn: a missing bundle stops the program with
// "unable to find bundle named Zindral_Zindral".

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/ResourceBundle.h"

#include <string_view>

namespace app {

inline constexpr std::string_view kAppBundleName = "Zindral_Zindral";

// [any] The bundle's assets; the first call finds it (or stops) and registers its fonts (the
// rounded face of the system font among them).
const tk::ResourceBundle& appResources();

namespace AppColors {
// [any] Each made once: "background" (the window) and "logoTint" (texts, version line, logo).
const tk::Color& background();
const tk::Color& logoTint();
} // namespace AppColors

namespace AppImages {
// [any] "app-icon", the picture of the About panel and the desktop entry.
const tk::Image& appIcon();
} // namespace AppImages

} // namespace app
