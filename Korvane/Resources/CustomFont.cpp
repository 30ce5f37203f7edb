#include "Korvane/Resources/CustomFont.h"

#include "Korvane/Resources/KorvaneAssets.h"

#include <string>

namespace Korvane {

tk::Font korvTypeface(KorvFont font, double size) {
    // The bundle registers its font files and names on first use.
    korvaneResources();
    return tk::Font::named(std::string(typefaceName(font)), size);
}

tk::ui::Node CustomFontModifier::body(const tk::ui::Node& content) const {
    return content.font(korvTypeface(font, size));
}

tk::ui::Node korvFont(const tk::ui::Node& content, KorvFont font, double size) {
    return CustomFontModifier{font, size}.body(content);
}

tk::ui::Node rocketFont(const tk::ui::Node& content, double size) {
    return korvFont(content, KorvFont::rocket, size);
}

} // namespace Korvane
