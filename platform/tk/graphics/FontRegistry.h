#pragma once

// The process's registered fonts: font files added to fontconfig's application fonts (so Pango
// finds them without installing them), and font names that map to a family and style. Resource
// bundles register theirs from Fonts.json (ResourceBundle::loadFonts). Safe from any thread.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

struct RegisteredFontName {
    std::string family;
    std::string style; // e.g. "Light"; may be empty

    friend bool operator==(const RegisteredFontName&, const RegisteredFontName&) = default;
};

// Adds a font file for this process. Returns false when fontconfig cannot read it. Adding the
// same file again does nothing and returns true.
bool registerFontFile(const std::filesystem::path& file);
bool isFontFileRegistered(const std::filesystem::path& file);

// Maps a font name (as Font::named uses it) to a family and style. A later mapping of the same
// name replaces the earlier one.
void registerFontName(std::string name, std::string family, std::string style);
std::optional<RegisteredFontName> registeredFontName(std::string_view name);

} // namespace tk
