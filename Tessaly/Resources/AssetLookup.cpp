#include "Tessaly/Resources/AssetLookup.h"

#include "Tessaly/Resources/TessalyBundle.h"

#include <charconv>

namespace Tessaly {

tk::Color color(ColorResource resource) {
    return tessalyResources().color(resource.name).value_or(tk::Color::clear());
}

tk::Image image(ImageResource resource) {
    return tessalyResources().image(resource.name).value_or(tk::Image());
}

namespace {
// Shortest text that reads back as the same number, always with a fractional part ("1.0").
std::string componentText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".eEn") == std::string::npos)
        text += ".0";
    return text;
}
} // namespace

std::string debugDescription(const tk::Color& c) {
    std::string text = tk::colorSpaceName(c.space);
    text += ": [ ";
    const double components[] = {c.r, c.g, c.b, c.a};
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            text += ", ";
        text += componentText(components[i]);
    }
    text += " ]";
    return text;
}

} // namespace Tessaly
