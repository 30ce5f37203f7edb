#pragma once

// A font as a plain value: a name, a size in points, a weight, an italic flag and a design. The
// name is either a registered font name (from a resource bundle's Fonts.json, e.g. "Dosis-Light",
// see FontRegistry.h) or a font family known to fontconfig ("DejaVu Sans", "sans-serif"). It is
// resolved each time the font is used, so fonts registered later still take effect.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tk {

enum class FontWeight : int {
    ultraLight = 100,
    thin = 200,
    light = 300,
    regular = 400,
    medium = 500,
    semibold = 600,
    bold = 700,
    heavy = 800,
    black = 900,
};

// The system font's designs; `rounded` uses the face registered as "system-rounded" when a
// bundle provides one, else the default sans-serif family.
enum class FontDesign { standard, rounded, monospaced, serif };

// What a font resolves to: a family with weight and slant, as fontconfig is asked for it.
struct ResolvedFont {
    std::string family;
    FontWeight weight = FontWeight::regular;
    bool italic = false;
    double size = 13;
    // Digits of one width (the font's tabular figures), so columns of numbers line up.
    bool monospacedDigits = false;

    friend bool operator==(const ResolvedFont&, const ResolvedFont&) = default;
};

struct FontMetrics {
    double ascent = 0;     // above the baseline
    double descent = 0;    // below the baseline (positive)
    double lineHeight = 0; // distance between baselines of consecutive lines
};

class Font {
public:
    static constexpr double kDefaultSize = 13;

    // The system font at the default size.
    Font();
    Font(std::string nameOrFamily, double size, FontWeight weight = FontWeight::regular, bool italic = false);

    // A registered font name (or a family) at a size, as the controls name their typefaces.
    static Font named(std::string name, double size);
    static Font system(double size, FontWeight weight = FontWeight::regular,
                       FontDesign design = FontDesign::standard);
    // The system font with digits of one width (values that change in place do not jitter).
    static Font monospacedDigitSystem(double size, FontWeight weight = FontWeight::regular);

    const std::string& name() const { return name_; }
    double size() const { return size_; }
    FontWeight weight() const { return weight_; }
    bool italic() const { return italic_; }
    FontDesign design() const { return design_; }
    bool isSystemFont() const { return system_; }
    bool hasMonospacedDigits() const { return monospacedDigits_; }

    Font withSize(double size) const;
    Font withWeight(FontWeight weight) const;
    Font withItalic(bool italic) const;
    Font withMonospacedDigits(bool monospaced) const;

    // The family, weight and slant this font asks fontconfig for, through the registered names:
    // a registered name gives its family and style; an unregistered "Family-Style" name (style one
    // of Light, Medium, Bold, ...) is split; anything else is taken as a family.
    ResolvedFont resolved() const;
    // The family of the face that is actually used (after fontconfig's substitution).
    std::string matchedFamily() const;
    // Looked up once and kept with the font (and its copies) until fonts are registered again.
    FontMetrics metrics() const;

    friend bool operator==(const Font&, const Font&) = default;

private:
    std::string name_;
    double size_ = kDefaultSize;
    FontWeight weight_ = FontWeight::regular;
    bool italic_ = false;
    FontDesign design_ = FontDesign::standard;
    bool system_ = false;
    bool monospacedDigits_ = false;

    // The metrics once looked up, shared by copies of the font; a changed font starts a slot of
    // its own. Not part of the font's value: any two slots compare equal.
    struct MetricsSlot {
        struct Kept { // guarded by the text backend's lock
            std::optional<FontMetrics> metrics;
            unsigned generation = 0;
        };
        std::shared_ptr<Kept> kept = std::make_shared<Kept>();
        friend bool operator==(const MetricsSlot&, const MetricsSlot&) { return true; }
    };
    MetricsSlot metrics_;
};

// The weight a style word names ("Light" 300, "Medium" 500, "SemiBold" 600, ...); regular for
// words it does not know.
FontWeight fontWeightFromStyle(std::string_view style);
// True when the style word names an italic or oblique face.
bool fontStyleIsItalic(std::string_view style);

} // namespace tk
