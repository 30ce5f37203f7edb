#include "platform/tk/graphics/ResourceBundle.h"

#include "platform/tk/graphics/FontRegistry.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>

namespace tk {

namespace {

namespace fs = std::filesystem;

std::optional<nlohmann::json> readJSON(const fs::path& file) {
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    nlohmann::json j = nlohmann::json::parse(in, nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded()) {
        std::fprintf(stderr, "tk: ignoring unreadable JSON file %s\n", file.c_str());
        return std::nullopt;
    }
    return j;
}

std::optional<double> number(const nlohmann::json& j) {
    if (!j.is_number())
        return std::nullopt;
    return j.get<double>();
}

std::optional<Color> colorFromJSON(const nlohmann::json& j) {
    if (j.is_string())
        return Color::fromHex(j.get<std::string>());
    if (!j.is_array() || j.size() < 3 || j.size() > 4)
        return std::nullopt;
    double c[4] = {0, 0, 0, 1};
    for (std::size_t i = 0; i < j.size(); ++i) {
        const auto v = number(j[i]);
        if (!v)
            return std::nullopt;
        c[i] = *v;
    }
    return Color{c[0], c[1], c[2], c[3]}.clamped();
}

// A path inside the bundle made from a name it was given: relative, without "..".
std::optional<fs::path> safeRelative(std::string_view name) {
    if (name.empty())
        return std::nullopt;
    const fs::path p{std::string(name)};
    if (p.is_absolute() || p.has_root_name())
        return std::nullopt;
    for (const auto& part : p)
        if (part == "..")
            return std::nullopt;
    return p;
}

bool isFontFile(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".otf" || ext == ".ttf" || ext == ".ttc";
}

} // namespace

struct ResourceBundle::Cache {
    std::once_flag colorsOnce;
    std::map<std::string, Color, std::less<>> colors;

    std::mutex imagesMutex;
    std::map<std::string, std::optional<Image>, std::less<>> images;

    std::once_flag fontsOnce;
    bool fontsLoaded = false;
};

ResourceBundle::ResourceBundle(fs::path directory)
    : directory_(std::move(directory)), cache_(std::make_unique<Cache>()) {}

ResourceBundle::~ResourceBundle() = default;

std::shared_ptr<ResourceBundle> ResourceBundle::shared(const fs::path& directory) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<ResourceBundle>> bundles;
    std::error_code ec;
    fs::path key = fs::weakly_canonical(directory, ec);
    if (ec)
        key = directory.lexically_normal();
    std::lock_guard lock(mutex);
    auto& slot = bundles[key.string()];
    if (!slot)
        slot = std::make_shared<ResourceBundle>(key);
    return slot;
}

bool ResourceBundle::exists() const {
    std::error_code ec;
    return fs::is_directory(directory_, ec);
}

std::optional<Color> ResourceBundle::color(std::string_view name) const {
    std::call_once(cache_->colorsOnce, [this] {
        const auto j = readJSON(directory_ / "Colors.json");
        if (!j || !j->is_object())
            return;
        for (const auto& [key, value] : j->items()) {
            if (const auto c = colorFromJSON(value))
                cache_->colors.emplace(key, *c);
            else
                std::fprintf(stderr, "tk: colour \"%s\" in %s is not [r, g, b, a]\n", key.c_str(),
                             (directory_ / "Colors.json").c_str());
        }
    });
    const auto it = cache_->colors.find(name);
    if (it == cache_->colors.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> ResourceBundle::colorNames() const {
    (void)color("");
    std::vector<std::string> names;
    for (const auto& [key, value] : cache_->colors)
        names.push_back(key);
    return names;
}

std::optional<Image> ResourceBundle::image(std::string_view name) const {
    std::lock_guard lock(cache_->imagesMutex);
    if (const auto it = cache_->images.find(name); it != cache_->images.end())
        return it->second;
    std::optional<Image> result;
    if (const auto relative = safeRelative(name)) {
        const fs::path base = directory_ / "Images" / *relative;
        if (auto loaded = Image::loadAllScales(fs::path(base.string() + ".png"))) {
            Image image = loaded->withName(std::string(name));
            if (const auto options = readJSON(fs::path(base.string() + ".json"));
                options && options->is_object()) {
                if (const auto t = options->find("template"); t != options->end() && t->is_boolean())
                    image = image.withTemplate(t->get<bool>());
                if (const auto c = options->find("capInsets");
                    c != options->end() && c->is_array() && c->size() == 4) {
                    double v[4] = {};
                    bool ok = true;
                    for (std::size_t i = 0; i < 4; ++i) {
                        const auto n = number((*c)[i]);
                        ok = ok && n && *n >= 0;
                        v[i] = n.value_or(0);
                    }
                    if (ok)
                        image = image.withCapInsets(EdgeInsets{v[0], v[1], v[2], v[3]});
                }
            }
            result = image;
        }
    }
    cache_->images.emplace(std::string(name), result);
    return result;
}

bool ResourceBundle::loadFonts() const {
    std::call_once(cache_->fontsOnce, [this] {
        bool ok = true;
        const auto j = readJSON(directory_ / "Fonts.json");
        if (j && j->is_object()) {
            for (const auto& [name, entry] : j->items()) {
                if (!entry.is_object())
                    continue;
                const std::string file = entry.value("file", std::string());
                const std::string family = entry.value("family", name);
                const std::string style = entry.value("style", std::string());
                const auto relative = safeRelative(file);
                if (!relative || !registerFontFile(directory_ / *relative)) {
                    std::fprintf(stderr, "tk: cannot register font file \"%s\" of %s\n", file.c_str(),
                                 directory_.c_str());
                    ok = false;
                    continue;
                }
                registerFontName(name, family, style);
            }
        } else {
            std::error_code ec;
            for (const auto& entry : fs::directory_iterator(directory_ / "Fonts", ec))
                if (entry.is_regular_file() && isFontFile(entry.path()))
                    ok = registerFontFile(entry.path()) && ok;
        }
        cache_->fontsLoaded = ok;
    });
    return cache_->fontsLoaded;
}

} // namespace tk
