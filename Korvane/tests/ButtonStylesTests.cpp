#include "Korvane/Controls/ButtonStyles.h"
#include "Korvane/Resources/CustomFont.h"
#include "Korvane/Resources/KorvaneAssets.h"

#include "Korvane/tests/KorvaneTestBundle.h"
#include "Korvane/tests/RecordingParameter.h"

#include "platform/tk/graphics/RecordingContext.h"

#include <gtest/gtest.h>

namespace Korvane {
namespace {

using namespace testing;

constexpr tk::Size kWindow{112, 47};
constexpr tk::Point kCentre{56, 23};

struct Styled {
    template <class Style>
    Styled(Style style, tk::ui::Node label)
        : tree(
              (useBuiltBundles(), tk::ui::Button([this] { ++actions; }, label).buttonStyle(std::move(style))),
              kWindow) {}

    std::unique_ptr<tk::RecordingContext> drawn() {
        tree.settle();
        auto context = std::make_unique<tk::RecordingContext>();
        tree.window.window().render(*context);
        return context;
    }

    int actions = 0;
    HostedTree tree;
};

tk::ui::Node label() {
    return rocketFont(tk::ui::Text("Sync"), 12);
}

TEST(ButtonStyles, ModernShowsOnPicturesAndTheCallersColour) {
    useBuiltBundles();
    const tk::Color yellow = Colors::ZindralYellowText();
    struct Case {
        bool on;
        bool pressed;
        const char* picture;
    } cases[] = {
        {false, false, "modern-button"},
        {true, false, "modern-button-on"},
        {false, true, "modern-button-down"},
        {true, true, "modern-button-on-down"},
    };
    for (const auto& c : cases) {
        Styled button(ModernButtonStyle(c.on, yellow), label());
        if (c.pressed) {
            button.tree.window.mouseDown(kCentre);
        }
        const auto drawn = button.drawn();
        EXPECT_EQ(drawn->imageNames(), std::vector<std::string>{c.picture});
        ASSERT_EQ(drawn->texts().size(), 1u);
        EXPECT_EQ(drawn->texts()[0].color, c.on ? yellow : Colors::buttonText());
        // Stretched to 27 points high, keeping its proportions.
        EXPECT_DOUBLE_EQ(drawn->images()[0].deviceRect().height(), 27);
        button.tree.window.mouseUp(kCentre);
        EXPECT_EQ(button.actions, c.pressed ? 1 : 0);
    }
}

TEST(ButtonStyles, SettingsMovesOnlyARocketLabelDown) {
    useBuiltBundles();
    Styled rocket(SettingsButtonStyle(KorvFont::rocket), label());
    Styled dosis(SettingsButtonStyle(KorvFont::dosisMedium), label());
    const auto r = rocket.drawn();
    const auto d = dosis.drawn();
    EXPECT_EQ(r->imageNames(), std::vector<std::string>{"settings-button"});
    EXPECT_DOUBLE_EQ(r->texts()[0].deviceRect().y() - d->texts()[0].deviceRect().y(), 2);
    EXPECT_EQ(d->texts()[0].color, Colors::buttonText());
    rocket.tree.window.mouseDown(kCentre);
    EXPECT_EQ(rocket.drawn()->imageNames(), std::vector<std::string>{"settings-button-down"});
}

TEST(ButtonStyles, UpdateBadgeIsDimmedWhilePressed) {
    useBuiltBundles();
    Styled badge(UpdateButtonStyle(), tk::ui::Text("1.2.0 AVAILABLE"));
    const auto resting = badge.drawn();
    ASSERT_EQ(resting->texts().size(), 1u);
    EXPECT_EQ(resting->texts()[0].textAttributes.font.name(), "Rocket");
    EXPECT_EQ(resting->texts()[0].textAttributes.font.size(), 13);
    EXPECT_EQ(resting->texts()[0].color, Colors::background());
    EXPECT_DOUBLE_EQ(resting->texts()[0].alpha, 1);
    const auto fills = resting->draws(tk::RecordedDraw::Kind::fill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].color, Colors::updateBackground());

    badge.tree.window.mouseDown(kCentre);
    const auto pressed = badge.drawn();
    EXPECT_DOUBLE_EQ(pressed->texts()[0].alpha, 0.8);
    EXPECT_DOUBLE_EQ(pressed->draws(tk::RecordedDraw::Kind::fill)[0].alpha, 0.8);
}

} // namespace
} // namespace Korvane
