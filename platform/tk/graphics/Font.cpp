#include "platform/tk/graphics/Font.h"

#include "platform/tk/graphics/FontRegistry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tk {

namespace {

constexpr char kRoundedFontName[] = "system-rounded";

std::string lowered(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    out.erase(std::remove_if(out.begin(), out.end(), [](char c) { return c == ' ' || c == '-' || c == '_'; }),
              out.end());
    return out;
}

struct StyleWord {
    const char* word;
    FontWeight weight;
};

// Longest words first so that "extralight" is not read as "light".
constexpr std::array<StyleWord, 18> kStyleWords{{
    {"ultralight", FontWeight::ultraLight},
    {"extralight", FontWeight::ultraLight},
    {"hairline", FontWeight::thin},
    {"thin", FontWeight::thin},
    {"light", FontWeight::light},
    {"book", FontWeight::regular},
    {"regular", FontWeight::regular},
    {"normal", FontWeight::regular},
    {"roman", FontWeight::regular},
    {"medium", FontWeight::medium},
    {"semibold", FontWeight::semibold},
    {"demibold", FontWeight::semibold},
    {"extrabold", FontWeight::heavy},
    {"ultrabold", FontWeight::heavy},
    {"bold", FontWeight::bold},
    {"heavy", FontWeight::heavy},
    {"black", FontWeight::black},
    {"italic", FontWeight::regular},
}};

bool isStyleWord(std::string_view style) {
    std::string s = lowered(style);
    for (const char* suffix : {"italic", "oblique"})
        if (s.size() > std::string_view(suffix).size() && s.ends_with(suffix))
            s.resize(s.size() - std::string_view(suffix).size());
    return s == "oblique" || std::any_of(kStyleWords.begin(), kStyleWords.end(),
                                         [&](const StyleWord& w) { return s == w.word; });
}

} // namespace

FontWeight fontWeightFromStyle(std::string_view style) {
    const std::string s = lowered(style);
    for (const StyleWord& w : kStyleWords)
        if (s.starts_with(w.word))
            return w.weight;
    return FontWeight::regular;
}

bool fontStyleIsItalic(std::string_view style) {
    const std::string s = lowered(style);
    return s.find("italic") != std::string::npos || s.find("oblique") != std::string::npos;
}

Font::Font() : system_(true) {}

Font::Font(std::string nameOrFamily, double size, FontWeight weight, bool italic)
    : name_(std::move(nameOrFamily)), size_(size), weight_(weight), italic_(italic) {}

Font Font::named(std::string name, double size) {
    return Font(std::move(name), size);
}

Font Font::system(double size, FontWeight weight, FontDesign design) {
    Font f;
    f.size_ = size;
    f.weight_ = weight;
    f.design_ = design;
    f.system_ = true;
    return f;
}

Font Font::monospacedDigitSystem(double size, FontWeight weight) {
    return system(size, weight).withMonospacedDigits(true);
}

Font Font::withMonospacedDigits(bool monospaced) const {
    Font f = *this;
    f.monospacedDigits_ = monospaced;
    f.metrics_ = {};
    return f;
}

Font Font::withSize(double size) const {
    Font f = *this;
    f.size_ = size;
    f.metrics_ = {};
    return f;
}

Font Font::withWeight(FontWeight weight) const {
    Font f = *this;
    f.weight_ = weight;
    f.metrics_ = {};
    return f;
}

Font Font::withItalic(bool italic) const {
    Font f = *this;
    f.italic_ = italic;
    f.metrics_ = {};
    return f;
}

ResolvedFont Font::resolved() const {
    ResolvedFont r;
    r.size = size_;
    r.weight = weight_;
    r.italic = italic_;
    r.monospacedDigits = monospacedDigits_;
    if (system_) {
        switch (design_) {
        case FontDesign::standard:
            r.family = "sans-serif";
            break;
        case FontDesign::monospaced:
            r.family = "monospace";
            break;
        case FontDesign::serif:
            r.family = "serif";
            break;
        case FontDesign::rounded: {
            const auto rounded = registeredFontName(kRoundedFontName);
            r.family = rounded ? rounded->family : "sans-serif";
            break;
        }
        }
        return r;
    }
    if (const auto registered = registeredFontName(name_)) {
        r.family = registered->family;
        if (!registered->style.empty()) {
            r.weight = fontWeightFromStyle(registered->style);
            r.italic = italic_ || fontStyleIsItalic(registered->style);
        }
        return r;
    }
    const auto dash = name_.rfind('-');
    if (dash != std::string::npos && dash > 0 && isStyleWord(std::string_view(name_).substr(dash + 1))) {
        const std::string_view style = std::string_view(name_).substr(dash + 1);
        r.family = name_.substr(0, dash);
        r.weight = fontWeightFromStyle(style);
        r.italic = italic_ || fontStyleIsItalic(style);
        return r;
    }
    r.family = name_.empty() ? "sans-serif" : name_;
    return r;
}

} // namespace tk
