#include "platform/tk/graphics/FontRegistry.h"
#include "platform/tk/graphics/GraphicsContext.h"
#include "platform/tk/graphics/Image.h"
#include "platform/tk/graphics/ResourceBundle.h"
#include "platform/tk/graphics/TextLayout.h"
#include "platform/tk/graphics/tests/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace tk {
namespace {

namespace fs = std::filesystem;
using testing::colorNear;

constexpr char kDosisLight[] = "/usr/share/fonts/opentype/dosis/Dosis-Light.otf";

void writeFile(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p) << text;
}

void writePicture(const fs::path& p, Size size, double scale, Color color) {
    fs::create_directories(p.parent_path());
    ASSERT_TRUE(Image::draw(size, scale, [&](GraphicsContext& g) {
                    g.fillRect(Rect{Point{}, size}, color);
                }).writePNG(p));
}

class BundleFixture : public ::testing::Test {
protected:
    void SetUp() override {
        root = dir.path() / "Test_Test.bundle";
        writeFile(root / "Colors.json",
                  R"({"background": [0.1, 0.2, 0.3, 1], "versionInfo": "#FF000080", "bad": [1, "x", 0]})");
        writePicture(root / "Images/knobs/dial_01.png", Size{10, 12}, 1, Color::red());
        writePicture(root / "Images/knobs/dial_01@2x.png", Size{10, 12}, 2, Color::blue());
        writePicture(root / "Images/button.png", Size{20, 10}, 1, Color::green());
        writeFile(root / "Images/button.json", R"({"template": true, "capInsets": [1, 2, 3, 4]})");
    }

    testing::TempFolder dir;
    fs::path root;
};

TEST_F(BundleFixture, NamedColours) {
    const ResourceBundle bundle(root);
    EXPECT_TRUE(bundle.exists());
    EXPECT_EQ(bundle.color("background"), (Color{0.1, 0.2, 0.3, 1}));
    EXPECT_EQ(bundle.color("versionInfo"), Color::rgba8(255, 0, 0, 128));
    EXPECT_FALSE(bundle.color("bad").has_value()) << "malformed entries are left out";
    EXPECT_FALSE(bundle.color("missing").has_value());
    EXPECT_EQ(bundle.colorNames(), (std::vector<std::string>{"background", "versionInfo"}));
}

TEST_F(BundleFixture, NamedImagesWithScalesAndOptions) {
    const ResourceBundle bundle(root);
    const auto dial = bundle.image("knobs/dial_01");
    ASSERT_TRUE(dial.has_value());
    EXPECT_EQ(dial->name(), "knobs/dial_01");
    EXPECT_EQ(dial->size(), (Size{10, 12}));
    EXPECT_EQ(dial->scales(), (std::vector<double>{1, 2}));
    EXPECT_TRUE(colorNear(dial->pixelColor(0, 0, 1), Color::red()));
    EXPECT_TRUE(colorNear(dial->pixelColor(0, 0, 2), Color::blue()));

    const auto button = bundle.image("button");
    ASSERT_TRUE(button.has_value());
    EXPECT_TRUE(button->isTemplate());
    EXPECT_EQ(button->capInsets(), (EdgeInsets{1, 2, 3, 4}));
    EXPECT_EQ(button->scales(), (std::vector<double>{1}));

    EXPECT_TRUE(bundle.image("knobs/dial_01")->isSameImage(*dial)) << "loaded once";
    EXPECT_FALSE(bundle.image("missing").has_value());
    EXPECT_FALSE(bundle.image("../Test_Test.bundle/Images/button").has_value())
        << "names stay inside the bundle";
    EXPECT_FALSE(bundle.image("/etc/passwd").has_value());
    EXPECT_FALSE(bundle.image("").has_value());
}

TEST_F(BundleFixture, ConcurrentFirstUseLoadsOneImage) {
    const ResourceBundle bundle(root);
    std::vector<Image> seen(8);
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&, i] {
            seen[i] = bundle.image("knobs/dial_01").value_or(Image());
            (void)bundle.color("background");
        });
    for (auto& t : threads)
        t.join();
    for (const Image& image : seen)
        EXPECT_TRUE(image.isSameImage(seen[0]));
}

TEST(ResourceBundle, MissingBundleHasNoAssets) {
    const ResourceBundle bundle("/nonexistent/Nothing.bundle");
    EXPECT_FALSE(bundle.exists());
    EXPECT_FALSE(bundle.color("background").has_value());
    EXPECT_FALSE(bundle.image("logo").has_value());
    EXPECT_TRUE(bundle.loadFonts()) << "no fonts listed, none failed";
}

TEST(ResourceBundle, SharedBundleIsOnePerDirectory) {
    testing::TempFolder dir;
    EXPECT_EQ(ResourceBundle::shared(dir.path()).get(), ResourceBundle::shared(dir.path() / ".").get());
}

TEST(ResourceBundle, RegistersItsFontsAndMapsTheirNames) {
    if (!fs::exists(kDosisLight))
        GTEST_SKIP() << "fonts-dosis is not installed";
    testing::TempFolder dir;
    const fs::path root = dir.path() / "Fonts_Fonts.bundle";
    fs::create_directories(root / "Fonts");
    fs::copy_file(kDosisLight, root / "Fonts/Dosis-Light.otf");
    writeFile(root / "Fonts.json", R"({
        "BundleFace-Light": {"file": "Fonts/Dosis-Light.otf", "family": "Dosis", "style": "Light"},
        "Broken": {"file": "Fonts/missing.otf", "family": "Nothing"},
        "Escaping": {"file": "../outside.otf", "family": "Nothing"}
    })");

    const ResourceBundle bundle(root);
    EXPECT_FALSE(bundle.loadFonts()) << "a listed file is missing";
    EXPECT_TRUE(isFontFileRegistered(root / "Fonts/Dosis-Light.otf"));
    EXPECT_EQ(registeredFontName("BundleFace-Light"), (RegisteredFontName{"Dosis", "Light"}));
    EXPECT_FALSE(registeredFontName("Broken").has_value());

    const Font face = Font::named("BundleFace-Light", 14);
    EXPECT_EQ(face.resolved().family, "Dosis");
    EXPECT_EQ(face.resolved().weight, FontWeight::light);
    EXPECT_EQ(face.matchedFamily(), "Dosis");
    TextAttributes attrs;
    attrs.font = face;
    EXPECT_GT(measureText("Zindral", attrs).width, 0);
    // Dosis is a narrow face: the same text is narrower than in the default sans-serif.
    TextAttributes sans;
    sans.font = Font::system(14);
    EXPECT_LT(measureText("Zindral Zindral", attrs).width, measureText("Zindral Zindral", sans).width);
}

} // namespace
} // namespace tk
