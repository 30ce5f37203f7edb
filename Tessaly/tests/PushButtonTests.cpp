// The push button and its cell: pinned sizes, the bezel and image strength in each state, the
// title rect, where the title's glyphs stand on the drawn face, and a click driven through the window.

#include "Tessaly/Controls/PushButton.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/graphics/BitmapContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;

TEST(WendlePushButton, PinsOnlyTheDimensionsThatAreSet) {
    ControlFixture f;
    auto button = tk::View::make<WendlePushButton>(tk::Rect{0, 0, 80, 24});
    button->setTitle("Save");
    const tk::Size platform = button->tk::Button::intrinsicContentSize();
    EXPECT_EQ(button->intrinsicContentSize(), platform);
    button->setFixedWidth(140);
    EXPECT_EQ(button->intrinsicContentSize(), (tk::Size{140, platform.height}));
    button->setFixedHeight(30);
    EXPECT_EQ(button->intrinsicContentSize(), (tk::Size{140, 30}));
}

TEST(WendlePushButton, DrawsBezelAndImageAtTheirStrengthsAndNeverHighlightsWhenDisabled) {
    ControlFixture f;
    auto button = f.add(tk::View::make<WendlePushButton>(tk::Rect{10, 10, 80, 24}));
    button->setTitle("Save");
    button->setImage(tk::Image::draw({8, 8}, 1, [](tk::GraphicsContext&) {}).withName("glyph"));
    button->setImagePosition(tk::ImagePosition::imageLeft);
    struct Expect {
        const char* bezel;
        double bezelOpacity;
        double imageOpacity;
    };
    auto check = [&](const Expect& e, const char* what) {
        const auto images = recordDrawing(*button)->pictures();
        ASSERT_EQ(images.size(), 2u) << what;
        EXPECT_EQ(images[0].imageName, e.bezel) << what;
        EXPECT_EQ(images[0].opacity, e.bezelOpacity) << what;
        EXPECT_EQ(images[1].opacity, e.imageOpacity) << what;
    };
    check({"tui-button", 1.0, 1.0}, "resting");
    button->setHighlighted(true);
    check({"tui-button-down", 1.0, 0.5}, "pressed");
    button->setEnabled(false);
    EXPECT_FALSE(button->pushCell()->controlState().contains(StyledControlState::highlighted));
    check({"tui-button", 0.5, 0.5}, "disabled while pressed");
}

TEST(WendlePushButtonCell, InsetsTheRoundedBezelAndTheTitle) {
    ControlFixture f;
    auto button = f.add(tk::View::make<WendlePushButton>(tk::Rect{10, 10, 80, 24}));
    button->setTitle("Save");
    auto* cell = button->pushCell();
    const tk::Rect bounds = button->bounds();
    const tk::Rect platformTitle = cell->tk::ButtonCell::titleRect(bounds);
    const tk::Rect title = cell->titleRect(bounds);
    EXPECT_EQ(title.y(), std::round(platformTitle.y()) + 6);
    EXPECT_EQ(title.height(), std::ceil(platformTitle.maxY()) - std::floor(platformTitle.y()) - 10);
    EXPECT_EQ(recordDrawing(*button)->pictures()[0].rect, (tk::Rect{4, 5, 72, 16}))
        << "rounded: within the edge insets";
    button->setBezelStyle(tk::BezelStyle::regularSquare);
    EXPECT_EQ(recordDrawing(*button)->pictures()[0].rect, bounds) << "any other bezel: the whole frame";
}

TEST(WendlePushButtonCell, DrawsAStretchModeCopyOfATiledBezel) {
    ControlFixture f;
    auto button = f.add(tk::View::make<WendlePushButton>(tk::Rect{10, 10, 200, 24}));
    const auto style = WendlePushButtonCell::style();
    const StateTable saved = style->bezelImages();
    const tk::Image tiled =
        saved.image(StyledControlState::defaultState)->withResizingMode(tk::ImageResizingMode::tile);
    style->setBezelImages(StateTable{{StyledControlState::defaultState, tiled}});
    const auto drawn = recordDrawing(*button);
    style->setBezelImages(saved);
    const auto pictures = drawn->pictures();
    ASSERT_FALSE(pictures.empty());
    EXPECT_EQ(pictures[0].image.resizingMode(), tk::ImageResizingMode::stretch);
    EXPECT_EQ(pictures[0].rect, (tk::Rect{4, 5, 192, 16}));
    EXPECT_EQ(drawn->images().size(), 9u) << "each part once: stretched, not repeated";
}

// Rows (in pixels) of a drawn push button: where its bezel's face is opaque down the middle, and
// where its title's glyphs leave ink (what differs from the same button drawn untitled).
struct DrawnRows {
    int faceTop = -1, faceBottom = -1, inkTop = -1, inkBottom = -1;
};

DrawnRows drawnRows(WendlePushButton& button, const std::string& title) {
    const tk::Size size = button.bounds().size;
    tk::BitmapContext titled(size, 2), untitled(size, 2);
    button.setTitle(title);
    button.draw(titled, button.bounds());
    button.setTitle("");
    button.draw(untitled, button.bounds());
    DrawnRows rows;
    const auto extend = [](int& top, int& bottom, int y) {
        top = top < 0 ? y : top;
        bottom = y + 1;
    };
    for (int y = 0; y < titled.pixelHeight(); ++y) {
        if (untitled.pixelColor(titled.pixelWidth() / 2, y).a > 0.9)
            extend(rows.faceTop, rows.faceBottom, y);
        for (int x = 0; x < titled.pixelWidth(); ++x) {
            const tk::Color a = titled.pixelColor(x, y), b = untitled.pixelColor(x, y);
            if (std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 0.05) {
                extend(rows.inkTop, rows.inkBottom, y);
                break;
            }
        }
    }
    return rows;
}

TEST(WendlePushButton, TitleGlyphsStandCentredInsideTheVisibleFaceAtEveryHeight) {
    ControlFixture f;
    for (const double height : {22.0, 24.0, 28.0, 32.0}) {
        for (const std::string title : {"Save", "Apply"}) {
            auto button = f.add(tk::View::make<WendlePushButton>(tk::Rect{10, 10, 96, height}));
            const DrawnRows r = drawnRows(*button, title);
            const std::string what = title + " at height " + std::to_string(static_cast<int>(height));
            ASSERT_GE(r.faceTop, 0) << what;
            ASSERT_GE(r.inkTop, 0) << what;
            EXPECT_GE(r.inkTop, r.faceTop) << what;
            EXPECT_LE(r.inkBottom, r.faceBottom) << what << ": descenders too";
            if (title == "Save") { // capitals only: no descender to weigh the line down
                EXPECT_LE(std::abs((r.inkTop + r.inkBottom) - (r.faceTop + r.faceBottom)) / 2.0, 2.0)
                    << what << ": centred within a point (two pixels)";
                EXPECT_GE(std::min(r.inkTop - r.faceTop, r.faceBottom - r.inkBottom), 3)
                    << what << ": clear of the face's edges by more than a point";
            }
            button->removeFromSuperview();
        }
    }
}

TEST(WendlePushButton, AClickActsAndSelectionRedrawsEvenWithAForeignCell) {
    ControlFixture f;
    auto button = f.add(tk::View::make<WendlePushButton>(tk::Rect{10, 10, 80, 24}));
    button->setTarget(f.target("save:"));
    button->setAction("save:");
    f.window->click({20, 20});
    EXPECT_EQ(f.log, (std::vector<std::string>{"action"}));
    button->setCell(std::make_unique<tk::ButtonCell>());
    f.window->render();
    button->setSelected(true);
    EXPECT_TRUE(button->needsDisplay());
    EXPECT_FALSE(button->isSelected());
}

} // namespace
} // namespace Tessaly
