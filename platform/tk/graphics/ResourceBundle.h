#pragma once

// The named assets of a resource bundle directory (see the bundle format: Colors.json,
// Images/<name>.png with @2x and per-image .json options, Fonts/ and Fonts.json). Nothing is read
// until asked for; each colour table, image and font set is read once and kept. Safe from any
// thread. A missing asset is an ordinary outcome (nullopt), never an error.

#include "platform/tk/base/Color.h"
#include "platform/tk/graphics/Image.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class ResourceBundle {
public:
    // Over a bundle directory (which need not exist: every asset is then missing).
    explicit ResourceBundle(std::filesystem::path directory);
    ~ResourceBundle();
    ResourceBundle(const ResourceBundle&) = delete;
    ResourceBundle& operator=(const ResourceBundle&) = delete;

    // A shared bundle for a directory: the same object for the same (normalised) path, made on
    // first use, so its caches are shared too.
    static std::shared_ptr<ResourceBundle> shared(const std::filesystem::path& directory);

    const std::filesystem::path& directory() const { return directory_; }
    bool exists() const;

    // A colour of Colors.json ([r, g, b, a] in 0..1, or "#RRGGBB[AA]").
    std::optional<Color> color(std::string_view name) const;
    // Images/<name>.png and Images/<name>@2x.png as one image named `name`, with the options of
    // Images/<name>.json (template, capInsets).
    std::optional<Image> image(std::string_view name) const;
    std::vector<std::string> colorNames() const;

    // Registers every font file of Fonts.json (and of Fonts/ when there is no Fonts.json) with
    // fontconfig and maps the font names, once. Returns false when a listed file could not be
    // registered (the others are still registered).
    bool loadFonts() const;

private:
    struct Cache;
    std::filesystem::path directory_;
    std::unique_ptr<Cache> cache_;
};

} // namespace tk
