#pragma once

// Applying the plug-in's typefaces to declarative content: korvFont(content, font, size) sets the
// content's font to the typeface of `font` at `size` points; rocketFont(content, size) is the same
// with Rocket. The fonts resolve through the Korvane bundle's font mapping, which the first use
// registers for the process.

#include "Korvane/Resources/KorvFont.h"

#include "platform/tk/graphics/Font.h"
#include "platform/tk/ui/Node.h"

namespace Korvane {

struct CustomFontModifier {
    KorvFont font = KorvFont::rocket;
    double size = 0;

    // [main] The content with its font set.
    tk::ui::Node body(const tk::ui::Node& content) const;
};

// [main] The typeface of a case at a size.
tk::Font korvTypeface(KorvFont font, double size);

// [main]
tk::ui::Node korvFont(const tk::ui::Node& content, KorvFont font, double size);
tk::ui::Node rocketFont(const tk::ui::Node& content, double size);

} // namespace Korvane
