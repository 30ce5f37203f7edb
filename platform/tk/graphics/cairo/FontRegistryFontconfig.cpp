#include "platform/tk/graphics/FontRegistry.h"
#include "platform/tk/graphics/cairo/PangoInternal.h"
#include "platform/tk/graphics/cairo/PangoLayoutCache.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <set>

namespace tk {

namespace {

struct Registry {
    std::map<std::string, RegisteredFontName, std::less<>> names;
    std::set<std::string> files;
};

// Guarded by textMutex(), which also guards the font map the registrations reset.
Registry& registry() {
    static Registry r;
    return r;
}

std::string normalised(const std::filesystem::path& file) {
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(file, ec);
    return (ec ? file : canonical).string();
}

bool fontconfigHasApplicationFont(const std::string& file) {
    FcFontSet* set = FcConfigGetFonts(FcConfigGetCurrent(), FcSetApplication);
    if (!set)
        return false;
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &path) == FcResultMatch &&
            file == reinterpret_cast<const char*>(path))
            return true;
    }
    return false;
}

} // namespace

bool registerFontFile(const std::filesystem::path& file) {
    const std::string path = normalised(file);
    std::lock_guard lock(detail::textMutex());
    Registry& r = registry();
    if (r.files.count(path))
        return true;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    FcInit();
    if (!FcConfigAppFontAddFile(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(path.c_str())))
        return false;
    r.files.insert(path);
    detail::resetFontMap();
    return true;
}

bool isFontFileRegistered(const std::filesystem::path& file) {
    const std::string path = normalised(file);
    std::lock_guard lock(detail::textMutex());
    return registry().files.count(path) && fontconfigHasApplicationFont(path);
}

void registerFontName(std::string name, std::string family, std::string style) {
    std::lock_guard lock(detail::textMutex());
    registry().names[std::move(name)] = RegisteredFontName{std::move(family), std::move(style)};
    // Layouts and metrics are kept by the font's name: made again with what it now stands for.
    detail::clearLayoutCache();
    detail::noteFontsChanged();
}

std::optional<RegisteredFontName> registeredFontName(std::string_view name) {
    std::lock_guard lock(detail::textMutex());
    const auto& names = registry().names;
    const auto it = names.find(name);
    if (it == names.end())
        return std::nullopt;
    return it->second;
}

} // namespace tk
