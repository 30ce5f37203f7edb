// The styled combo box: the list opened from its button (open state and indicator), a chosen
// numeric item becoming its value and action, its bezel, text place and size, and a cell of
// another class turning the styling off, driven by injected events.

#include "Tessaly/Controls/CellDrawing.h"
#include "Tessaly/Controls/StyledComboBox.h"
#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/tests/ControlTestSupport.h"
#include "platform/tk/graphics/BitmapContext.h"
#include "platform/tk/graphics/SemanticColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;
using Log = std::vector<std::string>;

class Combo : public ::testing::Test {
protected:
    ControlFixture f;
    std::shared_ptr<StyledComboBox> box = f.add(tk::View::make<StyledComboBox>(tk::Rect{10, 10, 120, 22}));

    void SetUp() override {
        box->addItem("0.5", 0.5);
        box->addItem("Twelve", 12);
        box->addItem("Loud", std::string("loud"));
        box->setTarget(f.target("set:"));
        box->setAction("set:");
    }
    StyledComboBoxCell& cell() const { return *box->styledCell(); }
};

TEST_F(Combo, TheButtonOpensTheListAndAChoiceBecomesTheValueAndTheAction) {
    f.window->click({125, 20});
    ASSERT_NE(f.backend->menus().shownMenu(), nullptr);
    EXPECT_TRUE(cell().isPopupOpen());
    EXPECT_EQ(cell().indicatorImage().name(), "tui-combobox") << "open";
    ASSERT_TRUE(f.backend->menus().chooseItem(1));
    EXPECT_FALSE(cell().isPopupOpen());
    EXPECT_EQ(cell().indicatorImage().name(), "tui-combobox-up");
    EXPECT_EQ(box->doubleValue(), 12);
    EXPECT_EQ(f.log, (Log{"action"}));

    EXPECT_EQ(box->stringValue(), "12");
    box->selectItemAtIndex(0);
    EXPECT_EQ(box->stringValue(), "0.5") << "the value as its item reads, not 0.500000";
    EXPECT_EQ(f.log, (Log{"action", "action"}));

    box->selectItemAtIndex(2);
    EXPECT_EQ(box->doubleValue(), 0) << "a word changes the text, not the value it sends";
    EXPECT_EQ(f.log, (Log{"action", "action"})) << "and sends nothing";
    box->selectItemAtIndex(-1);
    EXPECT_EQ(f.log, (Log{"action", "action"})) << "no selected item: nothing";
}

TEST_F(Combo, DrawsBothPicturesAtTheirPlacesAndHalfStrengthWhenDisabled) {
    const auto images = recordDrawing(*box)->pictures();
    ASSERT_EQ(images.size(), 2u);
    const double closedIndicator = cell().indicatorImage().size().width;
    EXPECT_EQ(images[0].rect, cell().bezelRect(box->bounds()));
    EXPECT_EQ(images[0].rect.width(), 120 - closedIndicator);
    EXPECT_EQ(images[1].rect.x(), 120 - closedIndicator);
    EXPECT_EQ(images[1].rect.size, cell().indicatorImage().size());

    cell().setPopupOpen(true);
    const auto open = recordDrawing(*box)->pictures();
    ASSERT_EQ(open.size(), 3u) << "the field, the button and the open indicator over it";
    EXPECT_EQ(open[0].rect, images[0].rect) << "the field stays";
    EXPECT_EQ(open[1].rect, images[1].rect) << "the button stays";
    EXPECT_EQ(open[2].rect, images[1].rect) << "the indicator shades the button";
    cell().setPopupOpen(false);

    box->setEnabled(false);
    const auto disabled = recordDrawing(*box)->pictures();
    ASSERT_EQ(disabled.size(), 2u);
    for (const auto& d : disabled)
        EXPECT_EQ(d.opacity, 0.5);
    EXPECT_EQ(box->textField().textColor(), tk::disabledControlTextColor()) << "the text dims with the bezel";
    box->setEnabled(true);
    EXPECT_EQ(box->textField().textColor(), tk::controlTextColor());
}

TEST_F(Combo, TheTextStaysInsideTheFieldsPictureOpenOrClosed) {
    box->setStringValue("A value far too long to fit in the field of the box");
    for (bool open : {false, true}) {
        cell().setPopupOpen(open);
        f.window->render();
        const tk::Rect field = box->textField().frame();
        const tk::Rect bezel = cell().bezelRect(box->bounds());
        EXPECT_EQ(field, cell().titleRect(box->bounds())) << "open " << open;
        EXPECT_EQ(field.minX(), 6 + 7) << "the toolkit's inset plus the style's";
        EXPECT_EQ(field.maxX(), bezel.maxX() - tk::ComboBoxCell::kTextGap) << "clear of the field's border";
        EXPECT_GT(field.width(), 0);
        EXPECT_EQ(field.y(), 3) << "centred: mid-y 11 less half of 17, rounded away from zero";
        EXPECT_EQ(box->buttonRect(box->bounds()).minX(), bezel.maxX()) << "the button is the indicator";
    }
}

// Drawn at 2x, a box keeps its field, its button and the button's chevron where they are while
// its list is open; only the button's shade changes.
TEST(ComboBoxPictures, OpeningTheListKeepsTheFieldTheButtonAndItsChevron) {
    constexpr double kScale = 2;
    ControlFixture f({140, 42}, kScale);
    f.window->window().setBackgroundColor(color(ColorResources::backgroundNormal));
    auto box = f.add(tk::View::make<StyledComboBox>(tk::Rect{10, 10, 120, 22}));
    box->addItem("0.5", 0.5);
    const StyledComboBoxCell& cell = *box->styledCell();
    struct Look {
        tk::Rect field, button, text;
        std::vector<std::pair<int, int>> chevron; // the bright pixels of the button's middle
        double face = 0;                          // luma of the button's face beside the chevron
    };
    const auto look = [&] {
        const tk::BitmapContext& picture = f.window->render();
        Look l{
            cell.bezelRect(box->bounds()), box->buttonRect(box->bounds()), box->textField().frame(), {}, 0};
        const tk::Point origin = box->convertToWindow({0, 0});
        const tk::Rect middle = l.button.insetBy(5, 5).offsetBy(origin.x, origin.y);
        const auto luma = [&](int x, int y) {
            const tk::Color c = picture.pixelColor(x, y);
            return 255 * (0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b);
        };
        for (int y = int(middle.minY() * kScale); y < int(middle.maxY() * kScale); ++y)
            for (int x = int(middle.minX() * kScale); x < int(middle.maxX() * kScale); ++x)
                if (luma(x, y) > 150)
                    l.chevron.emplace_back(x, y);
        l.face = luma(int(middle.minX() * kScale), int(middle.minY() * kScale));
        return l;
    };
    const Look closed = look();
    f.window->click({125, 20});
    ASSERT_TRUE(cell.isPopupOpen());
    const Look open = look();
    EXPECT_EQ(open.field, closed.field);
    EXPECT_EQ(open.button, closed.button);
    EXPECT_EQ(open.text, closed.text);
    EXPECT_GE(closed.chevron.size(), 20u) << "a chevron on the closed button";
    for (const auto& p : closed.chevron)
        EXPECT_NE(std::find(open.chevron.begin(), open.chevron.end(), p), open.chevron.end())
            << "chevron pixel " << p.first << "," << p.second << " gone while open";
    EXPECT_GT(open.face, closed.face + 4) << "the open button's shade";
}

// Records the frame the interior is drawn in.
class InteriorRecordingCell : public StyledComboBoxCell {
public:
    tk::Rect* interior = nullptr;
    void drawInterior(const tk::Rect& frame, tk::View&, tk::GraphicsContext&) override { *interior = frame; }
};

TEST_F(Combo, TheInteriorIsDrawnInTheFrameLessTheTitleInsets) {
    tk::Rect interior;
    auto recording = std::make_unique<InteriorRecordingCell>();
    recording->interior = &interior;
    box->setCell(std::move(recording));
    recordDrawing(*box);
    EXPECT_EQ(interior, (tk::Rect{7, 2, 113, 17})) << "x + left, y + bottom, less both, integral";
    EXPECT_EQ(interior, insetRect(box->bounds(), StyledComboBoxCell::style()->titleEdgeInsets()));
}

TEST_F(Combo, AsksForItsWidthLessTheInsetsAndShowsItsRingOnlyWithFocusInAKeyWindow) {
    EXPECT_EQ(box->intrinsicContentSize(), (tk::Size{43, 20}));
    EXPECT_EQ(box->focusRingMaskBounds(), cell().bezelRect(box->bounds()));
    auto strokes = [&] { return recordDrawing(*box)->draws(tk::RecordedDraw::Kind::stroke).size(); };
    EXPECT_EQ(strokes(), 0u);
    f.window->window().makeFirstResponder(&box->textField());
    EXPECT_EQ(strokes(), 1u);
    f.window->unfocus();
    EXPECT_EQ(strokes(), 0u);
}

TEST_F(Combo, ACellOfAnotherClassTurnsTheStylingOff) {
    box->setCell(std::make_unique<tk::ComboBoxCell>());
    EXPECT_EQ(box->styledCell(), nullptr);
    EXPECT_EQ(box->alignmentRectInsets(), tk::EdgeInsets{});
    EXPECT_EQ(box->focusRingMaskBounds(), box->bounds());
    EXPECT_EQ(box->intrinsicContentSize(), (tk::Size{47, 26}));
    f.window->window().makeFirstResponder(&box->textField());
    EXPECT_TRUE(recordDrawing(*box)->images().empty()) << "the toolkit's bezel, no pictures";
    EXPECT_EQ(recordDrawing(*box)->draws(tk::RecordedDraw::Kind::fill).size(), 1u) << "no ring";
    f.window->click({125, 20});
    ASSERT_NE(f.backend->menus().shownMenu(), nullptr) << "the list still opens";
    ASSERT_TRUE(f.backend->menus().chooseItem(0));
    EXPECT_EQ(box->doubleValue(), 0.5);
}

TEST_F(Combo, TypingGoesToTheFieldAndDownOpensTheList) {
    f.window->render();
    f.window->click({30, 20});
    f.window->type("7.5");
    EXPECT_EQ(box->stringValue(), "7.5");
    EXPECT_EQ(box->doubleValue(), 7.5);
    EXPECT_EQ(box->indexOfSelectedItem(), -1);
    f.window->key(tk::KeyCode::downArrow);
    EXPECT_TRUE(cell().isPopupOpen());
}

} // namespace
} // namespace Tessaly
