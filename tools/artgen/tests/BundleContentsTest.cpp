// Checks the drawn resource bundles in the build folder against the names and sizes the controls
// ask for: every film-strip frame, every named picture at 1x and 2x, colours, fonts, options.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

const fs::path kBundles = ZINDRAL_BUNDLES_DIR;

struct Size {
    std::uint32_t width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Size& s) {
    return os << s.width << "x" << s.height;
}

// Pixel size from a PNG's header; none when the file is missing or is not a PNG.
std::optional<Size> pngSize(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 24> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size()))
        return std::nullopt;
    const std::array<unsigned char, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!std::equal(signature.begin(), signature.end(), head.begin()))
        return std::nullopt;
    const auto be32 = [&](int at) {
        return std::uint32_t(head[at]) << 24 | std::uint32_t(head[at + 1]) << 16 |
               std::uint32_t(head[at + 2]) << 8 | std::uint32_t(head[at + 3]);
    };
    return Size{be32(16), be32(20)};
}

json readJson(const fs::path& file) {
    std::ifstream in(file);
    if (!in)
        throw std::runtime_error("missing " + file.string());
    return json::parse(in);
}

fs::path bundle(const std::string& name) {
    return kBundles / (name + ".bundle");
}

// The picture exists at 1x and 2x, the 2x exactly twice the 1x; when points are given, the 1x
// has that size.
void expectImage(const std::string& bundleName, const std::string& image,
                 std::optional<Size> points = std::nullopt) {
    const fs::path base = bundle(bundleName) / "Images" / image;
    const auto one = pngSize(base.string() + ".png");
    const auto two = pngSize(base.string() + "@2x.png");
    ASSERT_TRUE(one.has_value()) << bundleName << ": " << image << ".png";
    ASSERT_TRUE(two.has_value()) << bundleName << ": " << image << "@2x.png";
    EXPECT_EQ(*two, (Size{one->width * 2, one->height * 2})) << image;
    if (points) {
        EXPECT_EQ(*one, *points) << image;
    }
}

std::string frameNumber(int k) {
    return (k <= 9 ? "0" : "") + std::to_string(k);
}

TEST(KorvaneBundle, EveryFilmStripHasFiftyOneFramesAtBothScales) {
    struct Strip {
        std::string prefix;
        Size points;
    };
    const std::vector<Strip> strips = {
        {"knobs/zindral-dial-grey_", {56, 64}},  {"knobs/dial-medium-blue-", {68, 84}},
        {"knobs/dial-medium-yellow-", {68, 84}}, {"knobs/dial-medium-red-", {68, 84}},
        {"knobs/dial-medium-purple-", {68, 84}}, {"knobs/dial-small-grey-", {34, 40}},
    };
    for (const auto& strip : strips) {
        for (int k = 1; k <= 51; ++k)
            expectImage("Korvane_Korvane", strip.prefix + frameNumber(k), strip.points);
        // Frames are numbered 01 to 51: nothing before or after.
        EXPECT_FALSE(fs::exists(bundle("Korvane_Korvane") / "Images" / (strip.prefix + "00.png")))
            << strip.prefix;
        EXPECT_FALSE(fs::exists(bundle("Korvane_Korvane") / "Images" / (strip.prefix + "52.png")))
            << strip.prefix;
    }
}

TEST(KorvaneBundle, FramesDifferFromFirstToLast) {
    // The strip shows movement: the first and last frames are not the same picture.
    const fs::path dir = bundle("Korvane_Korvane") / "Images" / "knobs";
    const auto bytes = [](const fs::path& f) {
        std::ifstream in(f, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_NE(bytes(dir / "zindral-dial-grey_01.png"), bytes(dir / "zindral-dial-grey_51.png"));
    EXPECT_NE(bytes(dir / "zindral-dial-grey_01.png"), bytes(dir / "zindral-dial-grey_26.png"));
}

TEST(KorvaneBundle, EveryButtonHasItsRestingAndPressedPicture) {
    struct Button {
        std::string name;
        Size points;
    };
    const std::vector<Button> buttons = {
        {"zindral-button-yellow", {48, 56}},
        {"zindral-button-grey-off", {48, 56}},
        {"zindral-button-grey-on-yellow", {48, 56}},
        {"zindral-button-narrow-grey-off", {24, 62}},
        {"zindral-button-narrow-grey-on-yellow", {24, 62}},
        {"zindral-button-small-yellow-left", {28, 34}},
        {"zindral-button-small-yellow-right", {28, 34}},
        {"modern-button", {88, 27}},
        {"modern-button-on", {88, 27}},
        {"retro-button", {88, 27}},
        {"settings-button", {88, 27}},
    };
    for (const auto& b : buttons) {
        expectImage("Korvane_Korvane", b.name, b.points);
        expectImage("Korvane_Korvane", b.name + "-down", b.points);
    }
    expectImage("Korvane_Korvane", "velmor-logo");
}

TEST(ExtensionBundle, HasEveryPictureOfTheWindow) {
    expectImage("ZindralExtension_ZindralExtension", "controls-background", Size{616, 440});
    expectImage("ZindralExtension_ZindralExtension", "notes-background", Size{616, 192});
    expectImage("ZindralExtension_ZindralExtension", "morph-overlay", Size{264, 120});
    for (const char* name : {"notes-button-offsetleft", "notes-button-offsetright"}) {
        expectImage("ZindralExtension_ZindralExtension", name);
        expectImage("ZindralExtension_ZindralExtension", std::string(name) + "-down");
    }
    for (const char* name : {"notes-button-midi", "notes-button-seed", "morph-dot", "morph-dot-down"})
        expectImage("ZindralExtension_ZindralExtension", name);
}

TEST(TessalyBundle, HasEveryPictureOfTheControlsLibrary) {
    const std::vector<std::string> names = {"tui-button",
                                            "tui-button-down",
                                            "tui-button-selected",
                                            "tui-checkbox",
                                            "tui-checkbox-on",
                                            "tui-checkbox-mixed",
                                            "tui-checkbox-down",
                                            "tui-checkbox-on-down",
                                            "tui-checkbox-mixed-down",
                                            "tui-checkerboard",
                                            "tui-checkerboard-small",
                                            "tui-combobox",
                                            "tui-combobox-up",
                                            "tui-customslider-handle",
                                            "tui-customslider-handle-down",
                                            "tui-customslider-on",
                                            "tui-popdown",
                                            "tui-popdown-down",
                                            "tui-popup",
                                            "tui-popup-down",
                                            "tui-popup-tool",
                                            "tui-popup-tool-down",
                                            "tui-searchfield",
                                            "tui-searchfield-focus",
                                            "tui-slider",
                                            "tui-slider-alley",
                                            "tui-slider-handle",
                                            "tui-slider-handle-down",
                                            "tui-slider-handle-multi",
                                            "tui-textfield",
                                            "tui-textfield-error",
                                            "tui-textfield-focus",
                                            "tui-textfield-tableheader",
                                            "tui-window-tab",
                                            "tui-window-tab-down",
                                            "tui-window-tab-selected",
                                            "corner-tool-background",
                                            "corner-tool-background-down",
                                            "corner-tool-background-selected",
                                            "corner-tool-more",
                                            "cursor-trackingslider",
                                            "organiser-icon-disclose",
                                            "organiser-icon-disclose-open",
                                            "organiser-icon-star",
                                            "organiser-icon-star-empty",
                                            "organiser-navbar-back",
                                            "organiser-navbar-back-down",
                                            "properties-table-add",
                                            "properties-table-add-down",
                                            "properties-tableheader-overflow",
                                            "properties-tableheader-overflow-down",
                                            "window-velmor"};
    ASSERT_EQ(names.size(), 52u);
    for (const auto& n : names)
        expectImage("Tessaly_Tessaly", n);
    expectImage("Tessaly_Tessaly", "tui-customslider-handle", Size{16, 16});
}

TEST(ApplicationAndShaderBundles, HaveTheirPictures) {
    expectImage("Zindral_Zindral", "cursor-cycle");
    expectImage("WendleShaders_WendleShaders", "kestrine-logo");
    expectImage("WendleShaders_WendleShaders", "kestrine-noise");
}

TEST(Bundles, ColourTablesHoldEveryNamedColourAsFourComponents) {
    struct Table {
        std::string bundle;
        std::vector<std::string> names;
    };
    const std::vector<Table> tables = {
        {"Korvane_Korvane",
         {"ZindralYellowText", "background", "buttonText", "zindralToggleText", "zindralToggleTextPressed",
          "pluginBlue", "pluginYellow", "pluginRed", "pluginPurple", "pluginGrey", "tinyDialLabel",
          "tabSelected", "tabUnselected", "updateBackground", "versionInfo"}},
        {"ZindralExtension_ZindralExtension",
         {"background", "values", "randomYellow", "morphField", "noteLine", "noteLineAccented", "noteOverlay",
          "noteText", "seedText"}},
        {"Tessaly_Tessaly",
         {"Background/Normal", "Background/Darker", "Background/Darkest", "Error",         "Grey 20%",
          "Grey 30%",          "Grey 40%",          "Grey 50%",           "Grey 60%",      "Grey 70%",
          "Grey 85%",          "Grey 100%",         "Highlight/System",   "Wendle/Aqua",   "Wendle/Blue",
          "Wendle/DarkPurple", "Wendle/LightBlue",  "Wendle/Orange",      "Wendle/Purple", "Wendle/Red",
          "Wendle/Yellow"}},
        {"Zindral_Zindral", {"background", "logoTint"}},
    };
    for (const auto& t : tables) {
        const json colours = readJson(bundle(t.bundle) / "Colors.json");
        ASSERT_TRUE(colours.is_object()) << t.bundle;
        EXPECT_EQ(colours.size(), t.names.size()) << t.bundle;
        for (const auto& name : t.names) {
            ASSERT_TRUE(colours.contains(name)) << t.bundle << ": " << name;
            const json& c = colours[name];
            ASSERT_TRUE(c.is_array() && c.size() == 4) << name;
            for (const auto& component : c) {
                ASSERT_TRUE(component.is_number()) << name;
                EXPECT_GE(component.get<double>(), 0.0) << name;
                EXPECT_LE(component.get<double>(), 1.0) << name;
            }
        }
    }
}

TEST(Bundles, FontTablesNameFilesThatTheBundleCarries) {
    struct Fonts {
        std::string bundle;
        std::vector<std::string> names;
    };
    for (const auto& f : std::vector<Fonts>{{"Korvane_Korvane", {"Rocket", "Dosis-Light", "Dosis-Medium"}},
                                            {"Zindral_Zindral", {"system-rounded", "Quicksand-Bold"}}}) {
        const json fonts = readJson(bundle(f.bundle) / "Fonts.json");
        for (const auto& name : f.names) {
            ASSERT_TRUE(fonts.contains(name)) << f.bundle << ": " << name;
            const json& entry = fonts[name];
            EXPECT_FALSE(entry.value("family", "").empty()) << name;
            EXPECT_FALSE(entry.value("style", "").empty()) << name;
            const fs::path file = bundle(f.bundle) / entry.value("file", "");
            EXPECT_TRUE(fs::is_regular_file(file)) << file;
            EXPECT_GT(fs::file_size(file), 1000u) << file;
        }
    }
}

TEST(Bundles, InformationFilesAndImageOptionsAreWellFormed) {
    for (const char* name : {"Korvane_Korvane", "ZindralExtension_ZindralExtension", "Tessaly_Tessaly",
                             "Zindral_Zindral", "WendleShaders_WendleShaders"}) {
        const json info = readJson(bundle(name) / "Info.json");
        EXPECT_FALSE(info.value("CFBundleShortVersionString", "").empty()) << name;
        EXPECT_FALSE(info.value("CFBundleVersion", "").empty()) << name;
        for (const auto& e : fs::recursive_directory_iterator(bundle(name) / "Images")) {
            if (e.path().extension() != ".json")
                continue;
            const json options = readJson(e.path());
            fs::path png = e.path();
            png.replace_extension(".png");
            const auto size = pngSize(png);
            ASSERT_TRUE(size.has_value()) << png;
            if (options.contains("template")) {
                EXPECT_TRUE(options["template"].is_boolean()) << e.path();
            }
            if (options.contains("capInsets")) {
                const json& c = options["capInsets"];
                ASSERT_TRUE(c.is_array() && c.size() == 4) << e.path();
                for (const auto& v : c)
                    EXPECT_GE(v.get<double>(), 0.0) << e.path();
                // Caps leave room for the stretched middle.
                EXPECT_LE(c[0].get<double>() + c[2].get<double>(), size->height) << e.path();
                EXPECT_LE(c[1].get<double>() + c[3].get<double>(), size->width) << e.path();
            }
        }
    }
}

TEST(Bundles, TemplatesAreMarkedForTheTintedIcons) {
    for (const auto& [b, image] :
         std::vector<std::pair<std::string, std::string>>{{"Tessaly_Tessaly", "window-velmor"},
                                                          {"Tessaly_Tessaly", "corner-tool-more"},
                                                          {"Tessaly_Tessaly", "tui-combobox"},
                                                          {"Tessaly_Tessaly", "tui-combobox-up"}}) {
        const json options = readJson(bundle(b) / "Images" / (image + ".json"));
        EXPECT_TRUE(options.value("template", false)) << image;
    }
}

} // namespace
