// Writes a picture of every style's images, one per key of each table, drawn through the style at
// 1x and 2x - at the picture's natural size and stretched by its cap insets to a typical control
// size - into <build>/pictures/tessaly/styles/, with a contact sheet of them all, so a person can
// look at them. The checks here are only that each picture was written and is not blank.

#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/SegmentedCellStyle.h"
#include "Tessaly/Styles/SliderCellStyle.h"
#include "Tessaly/Styles/TextFieldCellStyles.h"
#include "Tessaly/tests/ContactSheet.h"
#include "Tessaly/tests/StyleDrawing.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include "platform/tk/graphics/BitmapContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

namespace fs = std::filesystem;
using S = StyledControlState;
using testing::drawBezelImage;
using testing::drawTitle;

// One image table of a style and how a control uses it.
struct Subject {
    std::string name;
    std::shared_ptr<ControlStyle> style;
    std::function<const StateTable&()> table;
    std::function<std::optional<tk::Image>(S)> lookup;
    tk::Size typicalSize; // zero: a fixed picture, shown at its natural size only
    std::string title;
    bool leadingTitle = false;
};

template <class Style>
Subject bezels(std::string name, tk::Size typical, std::string title, bool leading = false) {
    auto style = std::make_shared<Style>();
    return {std::move(name),
            style,
            [style]() -> const StateTable& { return style->bezelImages(); },
            [style](S state) { return style->bezelImage(state); },
            typical,
            std::move(title),
            leading};
}

std::vector<Subject> subjects() {
    auto checkBox = std::make_shared<CheckBoxCellStyle>();
    auto favourite = std::make_shared<FavouriteCheckBoxCellStyle>();
    auto slider = std::make_shared<SliderCellStyle>();
    return {
        bezels<ButtonCellStyle>("button", {96, 24}, "Render"),
        bezels<CornerButtonCellStyle>("corner-button", {96, 24}, "Reset"),
        bezels<ComboBoxStyle>("combo-box", {120, 24}, "Scale", true),
        bezels<CheckBoxCellStyle>("check-box-bezel", {96, 24}, "Accent"),
        bezels<BackButtonCellStyle>("back-button", {}, ""),
        bezels<ToolButtonCellStyle>("tool-button", {44, 24}, ""),
        bezels<PopUpButtonCellStyle>("pop-up", {140, 22}, "Dorian", true),
        bezels<ToolPopUpButtonCellStyle>("tool-pop-up", {72, 20}, "1/16", true),
        bezels<StyledPopDownButtonCellStyle>("pop-down", {140, 22}, "Actions", true),
        bezels<SegmentedCellStyle>("segmented", {110, 28}, "Pattern"),
        bezels<TextFieldCellStyle>("text-field", {160, 22}, "120.0", true),
        bezels<HeaderTextFieldStyle>("header-field", {120, 20}, "Name", true),
        bezels<SearchFieldCellStyle>("search-field", {180, 22}, ""),
        {"check-box",
         checkBox,
         [checkBox]() -> const StateTable& { return checkBox->buttonImages(); },
         [checkBox](S state) { return checkBox->buttonImage(state); },
         {},
         ""},
        {"favourite",
         favourite,
         [favourite]() -> const StateTable& { return favourite->buttonImages(); },
         [favourite](S state) { return favourite->buttonImage(state); },
         {},
         ""},
        {"slider-bar",
         slider,
         [slider]() -> const StateTable& { return slider->barImages(); },
         [slider](S state) { return slider->barImage(state); },
         {160, 6},
         ""},
        {"slider-knob",
         slider,
         [slider]() -> const StateTable& { return slider->knobImages(); },
         [slider](S state) { return slider->knobImage(state); },
         {},
         ""},
    };
}

// "highlighted+on" for a key.
std::string keyName(S key) {
    std::string text;
    for (S part : key.components())
        if (part != S::defaultState || key.contains(S::defaultState))
            text += (text.empty() ? "" : "+") + part.description();
    return text;
}

constexpr double kMargin = 10;

// The picture at its natural size, and stretched to the typical size beside it, with the title.
tk::Image drawSubject(const Subject& subject, S key, double scale) {
    const tk::Image image = subject.lookup(key).value_or(tk::Image());
    const tk::Size natural = image.size();
    const bool stretched = subject.typicalSize.width > 0;
    const double width =
        kMargin + natural.width + (stretched ? kMargin + subject.typicalSize.width : 0) + kMargin;
    const double height = 2 * kMargin + std::max(natural.height, subject.typicalSize.height);
    tk::BitmapContext context({width, height}, scale);
    context.fillRect({0, 0, width, height}, color(ColorResources::backgroundNormal));
    const auto centredY = [height](double h) { return std::round((height - h) / 2); };
    drawBezelImage(context, *subject.style, image, key,
                   {kMargin, centredY(natural.height), natural.width, natural.height});
    if (stretched) {
        const tk::Rect rect{2 * kMargin + natural.width, centredY(subject.typicalSize.height),
                            subject.typicalSize.width, subject.typicalSize.height};
        drawBezelImage(context, *subject.style, image, key, rect);
        if (!subject.title.empty())
            drawTitle(context, *subject.style, key, rect, subject.title, subject.leadingTitle);
    }
    return context.makeImage();
}

TEST(StylePictures, EveryStyleImageForEachKeyAt1xAnd2x) {
    testing::useBuiltBundles();
    const fs::path folder = testing::buildFolder() / "pictures" / "tessaly" / "styles";
    fs::create_directories(folder);
    std::vector<testing::SheetPicture> sheet;
    for (const Subject& subject : subjects()) {
        for (const auto& [key, image] : subject.table()) {
            ASSERT_FALSE(image.isEmpty()) << subject.name << " " << keyName(key);
            for (const double scale : {1.0, 2.0}) {
                const tk::Image picture = drawSubject(subject, key, scale);
                const fs::path file =
                    folder / (subject.name + "-" + keyName(key) + (scale == 2 ? "@2x" : "") + ".png");
                ASSERT_TRUE(picture.writePNG(file)) << file;
                EXPECT_GT(fs::file_size(file), 200u) << file;
                if (scale == 2)
                    sheet.push_back({subject.name + " " + keyName(key), picture});
            }
        }
    }
    testing::writeContactSheet(folder / "contact-sheet.png", sheet, 5);
}

} // namespace
} // namespace Tessaly
