// Writes pictures of every control in each of its states into <build>/pictures/controls/, so a
// person can look at them. The checks here are only that each picture was written and is not
// blank; what the controls draw is checked by the other tests.

#include "Korvane/Controls/ButtonStyles.h"
#include "Korvane/Controls/FilmStripDials.h"
#include "Korvane/Controls/ImageButton.h"
#include "Korvane/Controls/LeftRightArrowButton.h"
#include "Korvane/Controls/ModeToggleButton.h"
#include "Korvane/Controls/ParameterHoldButton.h"
#include "Korvane/Controls/ToggleButton.h"
#include "Korvane/Controls/ZindralButton.h"
#include "Korvane/Controls/ZindralToggleButton.h"
#include "Korvane/Controls/ZindralToggleButtonNarrow.h"
#include "Korvane/Header/PluginHeaderView.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/PictureLabels.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/ui/Button.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace Korvane {
namespace {

using namespace testing;
namespace fs = std::filesystem;

fs::path picturesFolder() {
    const fs::path folder = buildFolder() / "pictures" / "controls";
    fs::create_directories(folder);
    return folder;
}

// The control on the plug-in's background, in a window of `size` at 2x. When `pressAt` is given
// the pointer is held down there while the picture is taken.
void writePicture(const std::string& name, tk::ui::Node control, tk::Size size,
                  std::optional<tk::Point> pressAt = std::nullopt) {
    tk::ui::Node shown =
        control.frame(tk::ui::FrameLimits{.maxWidth = tk::ui::kInfinity, .maxHeight = tk::ui::kInfinity})
            .background(Colors::background());
    HostedTree tree(shown, size, 2);
    if (pressAt) {
        tree.window.mouseDown(*pressAt);
        tree.settle();
    }
    const fs::path file = picturesFolder() / (name + ".png");
    ASSERT_TRUE(tree.window.writePNG(file)) << file;
    EXPECT_GT(fs::file_size(file), 500u) << file;
    if (pressAt) {
        tree.window.mouseUp({-100, -100});
    }
}

TEST(ControlPictures, Dials) {
    useBuiltBundles();
    struct Kind {
        const char* name;
        std::function<tk::ui::Node(std::shared_ptr<AudioParameter>)> make;
        tk::Size window;
    } kinds[] = {
        {"zindral-dial",
         [](auto p) { return ZindralDial(p, ModernDialColor::grey, kNamedLabel, nullptr, [] {}); },
         {96, 120}},
        {"medium-dial-blue",
         [](auto p) { return MediumDial(p, SmallDialColor::blue, kNamedLabel, nullptr, [] {}); },
         {100, 130}},
        {"medium-dial-yellow",
         [](auto p) { return MediumDial(p, SmallDialColor::yellow, kNamedLabel, nullptr, [] {}); },
         {100, 130}},
        {"medium-dial-red",
         [](auto p) { return MediumDial(p, SmallDialColor::red, kNamedLabel, nullptr, [] {}); },
         {100, 130}},
        {"medium-dial-purple",
         [](auto p) { return MediumDial(p, SmallDialColor::purple, kNamedLabel, nullptr, [] {}); },
         {100, 130}},
        {"tiny-dial", [](auto p) { return TinyDial(p, kValueOnlyLabel, nullptr, [] {}); }, {70, 80}},
    };
    for (const auto& kind : kinds) {
        for (const auto& [state, value] : {std::pair{"min", 0.0f}, {"mid", 50.0f}, {"max", 100.0f}}) {
            auto param = makeParameter(
                {.units = au::ParameterUnit::percent, .hi = 100, .value = value, .name = "Gate"});
            writePicture(std::string(kind.name) + "-" + state, kind.make(param), kind.window);
        }
    }
}

const ParameterShape kModes{.units = au::ParameterUnit::indexed,
                            .hi = 3,
                            .valueStrings = std::vector<std::string>{"Abcd", "Abca", "Step", "Aaab"}};

TEST(ControlPictures, Buttons) {
    useBuiltBundles();
    struct Kind {
        const char* name;
        std::function<tk::ui::Node(std::shared_ptr<AudioParameter>)> make;
        tk::Size window;
        float offValue;
        float onValue;
    } kinds[] = {
        {"zindral-button",
         [](auto) { return ZindralButton("Seed", ZindralButtonColor::yellow, [] {}); },
         {72, 76},
         0,
         0},
        {"zindral-toggle-button",
         [](auto p) { return ZindralToggleButton(p, 2, ZindralButtonColor::yellow); },
         {72, 76},
         0,
         2},
        {"zindral-toggle-button-narrow",
         [](auto p) { return ZindralToggleButtonNarrow(p, std::string("C#")); },
         {48, 82},
         0,
         1},
        {"left-right-arrow-button", [](auto p) { return LeftRightArrowButton(p, 0); }, {52, 54}, 1, 0},
        {"mode-toggle-button-modern",
         [](auto p) {
             return ModeToggleButton(p, 2, Colors::ZindralYellowText(), ToggleButtonStyle::modern, 12);
         },
         {112, 47},
         0,
         2},
        {"mode-toggle-button-retro",
         [](auto p) {
             return ModeToggleButton(p, 2, Colors::ZindralYellowText(), ToggleButtonStyle::retro, 12);
         },
         {112, 47},
         0,
         2},
        {"toggle-button",
         [](auto p) { return ToggleButton(p, Colors::ZindralYellowText(), std::nullopt, 12); },
         {112, 47},
         0,
         1},
        {"parameter-hold-button",
         [](auto p) { return ParameterHoldButton(p, Images::modernButton(), Images::modernButtonDown()); },
         {112, 47},
         0,
         1},
        {"image-button",
         [](auto) {
             return ImageButton(Images::zindralButtonYellow(), Images::zindralButtonYellowDown(),
                                [](bool) {});
         },
         {72, 76},
         0,
         0},
    };
    for (const auto& kind : kinds) {
        const tk::Point centre{kind.window.width / 2, kind.window.height / 2};
        const bool hasOnState = kind.onValue != kind.offValue;
        for (bool on : {false, true}) {
            if (on && !hasOnState) {
                continue;
            }
            for (bool pressed : {false, true}) {
                auto shape = kModes;
                shape.name = "Hold";
                shape.value = on ? kind.onValue : kind.offValue;
                auto param = makeParameter(shape);
                std::string name = kind.name;
                if (hasOnState) {
                    name += on ? "-on" : "-off";
                }
                name += pressed ? "-pressed" : "";
                writePicture(name, kind.make(param), kind.window,
                             pressed ? std::optional<tk::Point>(centre) : std::nullopt);
            }
        }
    }
}

TEST(ControlPictures, ButtonStyles) {
    useBuiltBundles();
    using namespace tk::ui;
    auto label = [](const char* text) { return rocketFont(Text(text), 12); };
    for (bool pressed : {false, true}) {
        const std::optional<tk::Point> press =
            pressed ? std::optional<tk::Point>(tk::Point{56, 23}) : std::nullopt;
        const std::string suffix = pressed ? "-pressed" : "";
        for (bool on : {false, true}) {
            writePicture(
                std::string("modern-button-style-") + (on ? "on" : "off") + suffix,
                Button([] {}, label("Sync")).buttonStyle(ModernButtonStyle(on, Colors::ZindralYellowText())),
                {112, 47}, press);
        }
        writePicture("settings-button-style" + suffix,
                     Button([] {}, label("Settings")).buttonStyle(SettingsButtonStyle(KorvFont::rocket)),
                     {112, 47}, press);
        writePicture("update-button-style" + suffix,
                     Button([] {}, Text("1.2.0 Available").textCase(TextCase::uppercase))
                         .buttonStyle(UpdateButtonStyle()),
                     {112, 47}, press);
    }
}

TEST(ControlPictures, Header) {
    useBuiltBundles();
    auto tabs = AudioParameter::dummyParam();
    writePicture("header",
                 PluginHeaderView("zindral://openAndUpdate", "1.0.0", tabs, KorvFont::rocket, std::nullopt),
                 {616, 46});
    writePicture("header-update-available",
                 PluginHeaderView("zindral://openAndUpdate", "1.0.0", tabs, KorvFont::rocket,
                                  UpdateAvailableDetails{"1.2.0"}),
                 {616, 46});
    auto named = makeParameter(kModes);
    writePicture("header-with-tabs",
                 PluginHeaderView("zindral://openAndUpdate", "1.0.0", named, KorvFont::rocket, std::nullopt),
                 {616, 46});
}

// All controls at rest on one sheet, to see them side by side.
TEST(ControlPictures, Sheet) {
    useBuiltBundles();
    using namespace tk::ui;
    auto percent = [](float v) {
        return makeParameter({.units = au::ParameterUnit::percent, .hi = 100, .value = v, .name = "Gate"});
    };
    auto modes = [](float v) {
        auto shape = kModes;
        shape.value = v;
        return makeParameter(shape);
    };
    auto toggle = [](float v) { return makeParameter({.value = v, .name = "Sync"}); };
    std::vector<Node> dials;
    for (float v : {0.0f, 50.0f, 100.0f}) {
        dials.push_back(ZindralDial(percent(v), ModernDialColor::grey, kNamedLabel, nullptr, [] {}));
    }
    for (auto color :
         {SmallDialColor::blue, SmallDialColor::yellow, SmallDialColor::red, SmallDialColor::purple}) {
        dials.push_back(MediumDial(percent(65), color, kNamedLabel, nullptr, [] {}));
    }
    dials.push_back(TinyDial(percent(30), kValueOnlyLabel, nullptr, [] {}));
    Node buttons =
        HStack({.spacing = 16}, {ZindralButton("Seed", ZindralButtonColor::yellow, [] {}),
                                 ZindralToggleButton(modes(2), 2, ZindralButtonColor::yellow),
                                 ZindralToggleButton(modes(0), 2, ZindralButtonColor::yellow),
                                 ZindralToggleButtonNarrow(toggle(1), std::string("C#")),
                                 ZindralToggleButtonNarrow(toggle(0), std::string("D#")),
                                 LeftRightArrowButton(toggle(0), 0), LeftRightArrowButton(toggle(1), 0)});
    Node modeButtons =
        HStack({.spacing = 12},
               {ModeToggleButton(modes(2), 2, Colors::ZindralYellowText(), ToggleButtonStyle::modern, 12),
                ModeToggleButton(modes(0), 2, Colors::ZindralYellowText(), ToggleButtonStyle::modern, 12),
                ModeToggleButton(modes(2), 2, Colors::ZindralYellowText(), ToggleButtonStyle::retro, 12),
                ModeToggleButton(modes(0), 2, Colors::ZindralYellowText(), ToggleButtonStyle::retro, 12),
                ToggleButton(toggle(1), Colors::ZindralYellowText(), std::nullopt, 12)});
    auto styleLabel = [](const char* text) { return rocketFont(Text(text), 12); };
    Node styles = HStack(
        {.spacing = 12},
        {Button([] {}, styleLabel("Sync")).buttonStyle(ModernButtonStyle(true, Colors::ZindralYellowText())),
         Button([] {}, styleLabel("Sync")).buttonStyle(ModernButtonStyle(false, Colors::ZindralYellowText())),
         Button([] {}, styleLabel("Settings")).buttonStyle(SettingsButtonStyle(KorvFont::rocket)),
         Button([] {}, Text("1.2.0 Available").textCase(TextCase::uppercase))
             .buttonStyle(UpdateButtonStyle())});
    auto tabs = AudioParameter::dummyParam();
    Node header = PluginHeaderView("zindral://openAndUpdate", "1.0.0", tabs, KorvFont::rocket, std::nullopt);
    Node update = PluginHeaderView("zindral://openAndUpdate", "1.0.0", tabs, KorvFont::rocket,
                                   UpdateAvailableDetails{"1.2.0"});
    Node sheet = VStack({.spacing = 20}, {header.frame(616, 46), update.frame(616, 46),
                                          HStack({.spacing = 4}, dials), buttons, modeButtons, styles});
    writePicture("sheet", sheet, {680, 560});
}

} // namespace
} // namespace Korvane
