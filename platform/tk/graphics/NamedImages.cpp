#include "platform/tk/graphics/NamedImages.h"

#include "platform/tk/base/Bundle.h"
#include "platform/tk/graphics/ResourceBundle.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace tk {

std::optional<Image> imageNamed(std::string_view name) {
    const std::filesystem::path resources = Bundle::main().resourcePath();
    if (auto image = ResourceBundle::shared(resources)->image(name))
        return image;
    std::vector<std::filesystem::path> bundles;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(resources, error))
        if (entry.is_directory(error) && entry.path().extension() == ".bundle")
            bundles.push_back(entry.path());
    std::sort(bundles.begin(), bundles.end());
    for (const auto& bundle : bundles)
        if (auto image = ResourceBundle::shared(bundle)->image(name))
            return image;
    return std::nullopt;
}

} // namespace tk
