// The styled button and its cell: the state its cell derives, its layout and size, what it draws
// in which state, and the button driven by injected events.

#include "Tessaly/Controls/StyledButton.h"
#include "Tessaly/Protocols/Validating.h"
#include "Tessaly/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Tessaly {
namespace {

using testing::ControlFixture;
using testing::recordDrawing;
using S = StyledControlState;

class ValidatingCell final : public StyledButtonCell, public Validating {
public:
    bool valid = true;
    bool isValid() const override { return valid; }
};

TEST(StyledButtonCell, DerivesItsStateFromItsFlags) {
    testing::useBuiltBundles();
    struct Case {
        const char* name;
        tk::CellMask showsStateBy;
        tk::CellState state;
        bool enabled;
        bool highlighted;
        bool selected;
        bool valid;
        std::uint64_t expected;
    };
    using M = tk::CellMask;
    using C = tk::CellState;
    const Case cases[] = {
        {"plain", M::none, C::off, true, false, false, true, 0x01},
        {"on but showsStateBy none", M::none, C::on, true, false, false, true, 0x01},
        {"on", M::contents, C::on, true, false, false, true, 0x21},
        {"mixed", M::contents, C::mixed, true, false, false, true, 0x41},
        {"disabled and highlighted", M::none, C::off, false, true, false, true, 0x03},
        {"mixed disabled highlighted", M::contents, C::mixed, false, true, false, true, 0x43},
        {"highlighted", M::none, C::off, true, true, false, true, 0x09},
        {"selected", M::none, C::off, true, false, true, true, 0x05},
        {"invalid", M::none, C::off, true, false, false, false, 0x81},
        {"on disabled highlighted", M::contents, C::on, false, true, false, true, 0x23},
    };
    for (const Case& c : cases) {
        ValidatingCell cell;
        cell.setAllowsMixedState(true);
        cell.setShowsStateBy(c.showsStateBy);
        cell.setState(c.state);
        cell.setEnabled(c.enabled);
        cell.setHighlighted(c.highlighted);
        cell.setSelected(c.selected);
        cell.valid = c.valid;
        EXPECT_EQ(cell.controlState().rawValue(), c.expected) << c.name;
    }
    StyledButtonCell plain; // not Validating: never invalid
    EXPECT_EQ(plain.controlState().rawValue(), 0x01u);
}

TEST(StyledButtonCell, LaysOutWithTheStylesInsetsAndCentresVertically) {
    testing::useBuiltBundles();
    StyledButtonCell cell("Title");
    const tk::Rect bounds{0, 0, 100, 30};
    cell.setBordered(true);
    EXPECT_EQ(cell.drawingRect(bounds), bounds) << "the button style has no edge insets";
    EXPECT_EQ(cell.focusRingMaskBounds(bounds, *tk::View::make<tk::View>()), bounds);
    cell.setBordered(false);
    cell.setBezeled(false);
    const tk::Rect title = cell.titleRect(bounds);
    EXPECT_EQ(title.y(), std::round(15 - title.height() / 2)) << "centred on the bounds";
    cell.setVerticallyCenterTitle(false);
    EXPECT_EQ(cell.titleRect(bounds), cell.tk::ButtonCell::titleRect(bounds));

    cell.setImage(tk::Image::draw({10, 10}, 1, [](tk::GraphicsContext&) {}));
    cell.setImagePosition(tk::ImagePosition::imageOnly);
    EXPECT_EQ(cell.imageRect(bounds), bounds) << "image only: the inset rect, not re-centred";
    cell.setImagePosition(tk::ImagePosition::imageLeft);
    EXPECT_EQ(cell.imageRect(bounds).y(), 10) << "the image is centred vertically on the bounds";
}

TEST(StyledButton, IntrinsicSizeFollowsTheBezelPictureAndTheFixedWidth) {
    ControlFixture f;
    auto button = tk::View::make<StyledButton>(tk::Rect{0, 0, 80, 22});
    button->setTitle("Go");
    const tk::Size bezel = StyledButtonCell::style()->bezelImage(S::defaultState)->size();
    const tk::EdgeInsets insets = button->alignmentRectInsets();
    const double platformWidth = button->tk::Button::intrinsicContentSize().width;

    EXPECT_EQ(button->intrinsicContentSize(),
              (tk::Size{std::max(platformWidth, bezel.width) - insets.horizontal(),
                        bezel.height - insets.vertical()}));
    button->setFixedWidth(3);
    EXPECT_EQ(button->intrinsicContentSize().width, 3 - insets.horizontal())
        << "a small fixed width still wins";
    button->setBordered(false);
    EXPECT_EQ(button->intrinsicContentSize(),
              (tk::Size{3, button->tk::Button::intrinsicContentSize().height}))
        << "unbordered: the platform's size with the fixed width";
}

TEST(StyledButton, DrawsTheBezelOfItsStateAndDimsImagesWhenPressedOrDisabled) {
    ControlFixture f;
    auto button = f.add(tk::View::make<StyledButton>(tk::Rect{10, 10, 80, 22}));
    button->setTitle("Go");
    auto bezelNames = [&] {
        std::vector<std::string> names;
        for (const auto& d : recordDrawing(*button)->pictures())
            names.push_back(d.imageName);
        return names;
    };
    EXPECT_EQ(bezelNames(), (std::vector<std::string>{"tui-button"}));
    button->setHighlighted(true);
    EXPECT_EQ(bezelNames(), (std::vector<std::string>{"tui-button-down"}));
    button->setHighlighted(false);

    const tk::Image picture = tk::Image::draw({8, 8}, 1, [](tk::GraphicsContext& c) {
                                  c.fillRect({0, 0, 8, 8}, tk::Color::white());
                              }).withName("glyph");
    button->setImage(picture);
    button->setImagePosition(tk::ImagePosition::imageLeft);
    auto opacityOf = [&](const std::string& name) {
        for (const auto& d : recordDrawing(*button)->pictures())
            if (d.imageName == name)
                return d.opacity * d.alpha;
        return -1.0;
    };
    EXPECT_EQ(opacityOf("glyph"), 1.0);
    button->setHighlighted(true);
    EXPECT_EQ(opacityOf("glyph"), 0.5) << "pressed and enabled";
    EXPECT_EQ(opacityOf("tui-button-down"), 1.0);
    button->setHighlighted(false);
    button->setEnabled(false);
    EXPECT_EQ(opacityOf("tui-button"), 0.5) << "a disabled bezel";
    EXPECT_EQ(opacityOf("glyph"), 0.5);

    EXPECT_EQ(recordDrawing(*button)->textStrings(), (std::vector<std::string>{"Go"}))
        << "the title goes through the cell's attributed title";
}

TEST(StyledButton, AClickSendsTheActionSelectionRedrawsAndTheRingShowsOnlyInAKeyWindow) {
    ControlFixture f;
    auto button = f.add(tk::View::make<StyledButton>(tk::Rect{10, 10, 80, 22}));
    button->setTarget(f.target("go:"));
    button->setAction("go:");
    f.window->click({20, 20});
    EXPECT_EQ(f.log, (std::vector<std::string>{"action"}));

    f.window->render();
    button->styledCell()->setSelected(true);
    EXPECT_FALSE(button->needsDisplay()) << "the cell alone does not ask for a redraw";
    button->setSelected(true);
    EXPECT_TRUE(button->needsDisplay());
    EXPECT_TRUE(button->isSelected());

    auto rings = [&] { return recordDrawing(*button)->draws(tk::RecordedDraw::Kind::stroke).size(); };
    f.window->window().makeFirstResponder(nullptr);
    EXPECT_EQ(rings(), 0u) << "no keyboard focus";
    f.window->window().makeFirstResponder(button.get());
    EXPECT_EQ(rings(), 1u);
    f.window->unfocus();
    EXPECT_EQ(rings(), 0u) << "the window is not key";
}

} // namespace
} // namespace Tessaly
