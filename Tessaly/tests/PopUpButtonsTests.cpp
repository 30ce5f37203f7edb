// Styled pop-up and pop-down buttons, and pop-ups tied to a value type: the title they draw, their
// sizes, what a disabled one does, and the stepping and selection by value.

#include "Tessaly/Controls/PopUpValues.h"
#include "Tessaly/Controls/StyledPopDownButton.h"
#include "Tessaly/Controls/StyledPopUpButton.h"
#include "Tessaly/Styles/Styles.h"
#include "Tessaly/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace Tessaly {

enum class Speed { slow = 1, steady = 2, fast = 3 };

template <> struct MenuPresentation<Speed> : MenuPresentationDefaults<Speed> {
    static std::string title(Speed s) {
        return s == Speed::slow ? "Slow" : s == Speed::steady ? "Steady" : "Fast";
    }
    static std::string menuTitle() { return "Speed"; }
    static std::vector<Speed> allCases() { return {Speed::slow, Speed::steady, Speed::fast}; }
    // A heading, the values, and a submenu whose item carries tag 0 like the heading.
    static MenuStructure<Speed> menuStructure() {
        using M = MenuStructure<Speed>;
        return M::submenu("Speed",
                          {M::inlineTitle("Pace"), M::item(Speed::slow), M::item(Speed::steady),
                           M::separator(), M::item(Speed::fast), M::submenu("More", {M::item(Speed::slow)})});
    }
};

// A value whose raw value is 0, the tag a heading carries too.
enum class Level { off = 0, low = 1, high = 2 };

template <> struct MenuPresentation<Level> : MenuPresentationDefaults<Level> {
    static std::string title(Level l) { return l == Level::off ? "Off" : l == Level::low ? "Low" : "High"; }
    static std::string menuTitle() { return "Level"; }
    static std::vector<Level> allCases() { return {Level::off, Level::low, Level::high}; }
    static MenuStructure<Level> menuStructure() {
        using M = MenuStructure<Level>;
        return M::submenu("Level", {M::inlineTitle("Output"), M::item(Level::off), M::item(Level::low),
                                    M::item(Level::high)});
    }
};

namespace {

using testing::ControlFixture;
using testing::recordDrawing;
using Log = std::vector<std::string>;

TEST(StyledPopUpButton, DrawsTheLabelBeforeTheValueAndItsOwnTitleRect) {
    ControlFixture f;
    auto pop = f.add(tk::View::make<StyledPopUpButton>(tk::Rect{10, 10, 150, 22}));
    pop->addItems({"Fast", "Steady"});
    auto texts = [&] { return recordDrawing(*pop)->textStrings(); };
    EXPECT_EQ(texts(), (Log{"Fast"}));
    pop->setLabel(std::string("Speed"));
    EXPECT_EQ(pop->styledCell()->label(), std::optional<std::string>("Speed"));
    EXPECT_EQ(texts(), (Log{"Speed", " Fast"})) << "label, one space, value";
    const auto title =
        pop->styledCell()->attributedTitle("Fast", std::nullopt, std::string("Speed"), tk::Color::red());
    ASSERT_EQ(title.runs().size(), 2u);
    EXPECT_EQ(title.runs()[0].attributes.color, tk::Color::red());
    EXPECT_EQ(title.runs()[1].attributes.font, Styles::BaseStyles::medium10());

    auto* cell = pop->styledCell();
    EXPECT_EQ(cell->titleRect({0, 0, 150, 22}), (tk::Rect{10, 4, 126, 14}));
    EXPECT_EQ(cell->titleRect({0, 0, 20, 22}).width(), 0) << "narrow: no negative width";
    cell->setImagePosition(tk::ImagePosition::imageOnly);
    EXPECT_EQ(cell->titleRect({0, 0, 150, 22}), tk::Rect{});
    EXPECT_EQ(texts(), Log{}) << "image only: no title";
}

TEST(StyledPopUpButton, SizesToItsBezelWithTheFixedWidthAndNeverHighlightsWhenDisabled) {
    ControlFixture f;
    auto pop = f.add(tk::View::make<StyledPopUpButton>(tk::Rect{10, 10, 150, 22}, false, 120));
    pop->addItem("A");
    const tk::Size bezel =
        StyledPopUpButtonCell::style()->bezelImage(StyledControlState::defaultState)->size();
    EXPECT_EQ(pop->intrinsicContentSize(), (tk::Size{std::max(120.0, bezel.width) - 4, bezel.height - 6}));
    pop->setEnabled(false);
    pop->setHighlighted(true);
    EXPECT_EQ(pop->styledCell()->controlState().rawValue(), 0x03u);
    const auto images = recordDrawing(*pop)->images();
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images[0].opacity, 0.5);
}

TEST(PopUpValues, FillSelectReadAndStepOverHeadingsSeparatorsAndDisabledItems) {
    ControlFixture f;
    auto pop = f.add(tk::View::make<StyledPopUpButton>(tk::Rect{10, 10, 150, 22}));
    pop->setTarget(f.target("changed:"));
    pop->setAction("changed:");
    fillWithValues(*pop, Speed::fast);
    EXPECT_EQ(pop->itemTitles(), (Log{"Pace", "Slow", "Steady", "", "Fast", "More"}));
    EXPECT_EQ(selectedValue<Speed>(*pop), Speed::fast);
    selectValue(*pop, Speed::slow);
    EXPECT_EQ(pop->indexOfSelectedItem(), 1);

    pop->menu()->mutableItem(2)->enabled = false; // Steady
    EXPECT_TRUE(pop->selectNextItem());
    EXPECT_EQ(selectedValue<Speed>(*pop), Speed::fast) << "over the disabled item and the separator";
    EXPECT_TRUE(pop->selectNextItem());
    EXPECT_EQ(pop->titleOfSelectedItem(), "More") << "a submenu item can be stepped onto";
    EXPECT_EQ(selectedValue<Speed>(*pop), std::nullopt) << "but stands for no value";
    EXPECT_EQ(selectedValue(*pop, Speed::steady), Speed::steady);
    EXPECT_TRUE(pop->selectNextItem());
    EXPECT_EQ(pop->indexOfSelectedItem(), 1) << "round past the heading to the first usable item";
    EXPECT_TRUE(pop->selectPreviousItem());
    EXPECT_EQ(pop->titleOfSelectedItem(), "More") << "backwards round the end";
    EXPECT_EQ(f.log.size(), 4u) << "each step sends the action once";

    for (int i = 0; i < pop->numberOfItems(); ++i)
        pop->menu()->mutableItem(i)->enabled = false;
    f.log.clear();
    EXPECT_FALSE(pop->selectNextItem());
    EXPECT_EQ(pop->titleOfSelectedItem(), "More") << "nothing usable: nothing changes";
    EXPECT_TRUE(f.log.empty()) << "and nothing is sent";
}

TEST(PopUpValues, TagsSelectOnlyItemsThatStandForAValueAndTheCyclingActionsAreAnswered) {
    ControlFixture f;
    auto pop = f.add(tk::View::make<StyledPopUpButton>(tk::Rect{10, 10, 150, 22}));
    fillWithValues(*pop, Speed::steady);
    EXPECT_EQ(valueForTag<Speed>(*pop, 0), std::nullopt) << "the heading's tag 0 stands for nothing";
    selectValueByTag(*pop, Speed::fast);
    EXPECT_EQ(selectedValue<Speed>(*pop), Speed::fast);

    auto cycler = f.add(tk::View::make<tk::Button>(tk::Rect{200, 10, 20, 20}));
    EXPECT_TRUE(cycler->sendAction(tk::PopUpButton::kSelectNextItemAction, pop.get()));
    EXPECT_EQ(pop->titleOfSelectedItem(), "More");
    EXPECT_TRUE(cycler->sendAction(tk::PopUpButton::kSelectPreviousItemAction, pop.get()));
    EXPECT_EQ(selectedValue<Speed>(*pop), Speed::fast);
}

TEST(PopUpValues, AZeroValueBehindAHeadingIsFoundPastTheHeadingsTag) {
    ControlFixture f;
    auto pop = f.add(tk::View::make<StyledPopUpButton>(tk::Rect{10, 10, 150, 22}));
    tk::PassthroughSubject<Level> model;
    std::vector<tk::Cancellable> cancellables;
    bindValues<Level>(*pop, Level::high, model.publisher(), cancellables, [](const Level&) {});
    ASSERT_EQ(pop->itemAtIndex(0)->tag, 0) << "the heading comes first with tag 0";
    EXPECT_EQ(valueForTag<Level>(*pop, 0), Level::off);
    model.send(Level::off);
    EXPECT_EQ(pop->titleOfSelectedItem(), "Off");
    EXPECT_EQ(selectedValue<Level>(*pop), Level::off);
}

TEST(StyledPopDownButton, ActsOnAReleaseInsideShowsItsOwnTitleAndIgnoresPressesWhenDisabled) {
    ControlFixture f;
    auto down = f.add(tk::View::make<StyledPopDownButton>(tk::Rect{10, 10, 150, 22}));
    EXPECT_EQ(down->title(), "") << "before any title is set";
    down->addItems({"One", "Two"});
    down->setTitle("Export");
    down->selectItemAtIndex(1);
    EXPECT_EQ(down->title(), "Export") << "the menu's selection is not shown";
    down->setLabel(std::string("File"));
    EXPECT_EQ(recordDrawing(*down)->textStrings(), (Log{"File", " Export"}));

    down->setTarget(f.target("export:"));
    down->setAction("export:");
    f.window->mouseDown({20, 20});
    EXPECT_TRUE(down->isHighlighted());
    EXPECT_EQ(f.backend->menus().shownMenu(), nullptr) << "no menu";
    f.window->mouseUp({400, 400});
    EXPECT_FALSE(down->isHighlighted());
    EXPECT_TRUE(f.log.empty()) << "released outside";
    f.window->click({20, 20});
    EXPECT_EQ(f.log, (Log{"action"}));

    down->setEnabled(false);
    f.window->click({20, 20});
    EXPECT_EQ(f.log, (Log{"action"})) << "a disabled pop-down does nothing";
    EXPECT_FALSE(down->isHighlighted());
    const auto images = recordDrawing(*down)->images();
    ASSERT_FALSE(images.empty());
    EXPECT_EQ(images[0].opacity, 0.5);
}

TEST(PopUpValues, ABindingSelectsPublishedValuesAndReportsChosenOnes) {
    ControlFixture f;
    auto pop = f.add(tk::View::make<StyledPopUpButton>(tk::Rect{10, 10, 150, 22}));
    tk::PassthroughSubject<Speed> model;
    std::vector<tk::Cancellable> cancellables;
    std::vector<Speed> reported;
    bindValues<Speed>(*pop, Speed::steady, model.publisher(), cancellables,
                      [&](const Speed& s) { reported.push_back(s); });
    EXPECT_EQ(selectedValue<Speed>(*pop), Speed::steady);
    model.send(Speed::fast);
    EXPECT_EQ(selectedValue<Speed>(*pop), Speed::fast);
    EXPECT_TRUE(reported.empty()) << "selecting from the model reports nothing";
    EXPECT_TRUE(pop->selectPreviousItem()); // a step sends the action once
    EXPECT_EQ(reported, (std::vector<Speed>{Speed::steady}));
    pop->selectItemAtIndex(5); // "More", a submenu item with tag 0: stands for no value
    pop->sendAction();
    EXPECT_EQ(reported, (std::vector<Speed>{Speed::steady})) << "the action path ignores it";
    pop->showMenu();
    ASSERT_TRUE(f.backend->menus().chooseItem(1)); // "Slow", chosen by the user
    EXPECT_EQ(reported, (std::vector<Speed>{Speed::steady, Speed::slow}));
    cancellables.clear();
    model.send(Speed::fast);
    EXPECT_EQ(pop->titleOfSelectedItem(), "Slow") << "nothing after cancelling";
}

} // namespace
} // namespace Tessaly
