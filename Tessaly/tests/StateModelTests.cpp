#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/ControlStateDerivation.h"
#include "Tessaly/Styles/SliderCellStyle.h"
#include "Tessaly/Styles/StateTable.h"
#include "Tessaly/Styles/StyledControlState.h"
#include "Tessaly/Styles/TableViewStyle.h"
#include "Tessaly/Styles/TextFieldCellStyles.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace Tessaly {
namespace {

using S = StyledControlState;

TEST(StyledControlState, SetAlgebraWorksOnTheRawValue) {
    const S downOn{S::defaultState, S::highlighted, S::on};
    EXPECT_EQ(downOn.rawValue(), 41u);
    EXPECT_EQ(S{}.rawValue(), 0u);
    EXPECT_TRUE(S{}.isEmpty());
    EXPECT_TRUE(downOn.contains(S::on));
    EXPECT_FALSE(downOn.contains(S{S::on, S::mixed}));
    EXPECT_TRUE(S::on.isSubset(downOn));
    EXPECT_TRUE(S{}.isSubset(S{}));
    EXPECT_TRUE(downOn.isDisjoint(S::invalid));
    EXPECT_EQ((downOn - S::highlighted).rawValue(), 33u);
    EXPECT_EQ((downOn ^ S{S::on, S::mixed}).rawValue(), 1u + 8u + 64u);
    S state = S::defaultState;
    state.insert(S::focused);
    state.remove(S::defaultState);
    EXPECT_EQ(state, S::focused);
    // Bits above the named ones are kept and compared.
    EXPECT_NE(S(1 | 256), S::defaultState);
    EXPECT_EQ(S(~0ull).rawValue(), ~0ull);
}

TEST(StyledControlState, DescriptionSpecificityAndComponentsNameOnlyTheKnownFlags) {
    EXPECT_EQ(S(33).description(), "default, on");
    EXPECT_EQ(S(255).description(), "default, disabled, selected, highlighted, focused, on, mixed, invalid");
    EXPECT_EQ(S(512 | 128).description(), "invalid");
    EXPECT_EQ(S(255).specificity(), 7);
    EXPECT_EQ(S(1 | 512).specificity(), 0);
    EXPECT_EQ(S::nonDefaultStates(), (std::vector<S>{S::disabled, S::selected, S::highlighted, S::focused,
                                                     S::on, S::mixed, S::invalid}));
    EXPECT_EQ(&S::nonDefaultStates(), &S::nonDefaultStates());
    EXPECT_EQ(S{}.components(), std::vector<S>{S::defaultState});
}

TEST(StyledControlState, HashesByDescriptionSoUnnamedBitsHashAlike) {
    EXPECT_EQ(S(1).hashValue(), S(1 | 1024).hashValue());
    EXPECT_NE(S(1).hashValue(), S(2).hashValue());
    EXPECT_EQ(S(33).rawHashValue(7, 9), S(33 | 4096).rawHashValue(7, 9));
    std::unordered_set<S> set{S(1), S(1 | 1024), S(1)};
    EXPECT_EQ(set.size(), 2u) << "equal hashes, still different members";
}

// A picture that only carries a name, to tell table entries apart.
tk::Image named(const char* name) {
    return tk::Image::draw({1, 1}, 1, [](tk::GraphicsContext&) {}).withName(name);
}

TEST(StateTable, KeepsInsertionOrderAndReplacesInPlace) {
    const tk::Image a = named("a");
    StateTable table{{S::highlighted, a}, {S::defaultState, a}};
    table.set(S::highlighted, named("b"));
    table.set(S::on, a);
    std::vector<S> keys;
    for (const auto& [key, image] : table)
        keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<S>{S::highlighted, S::defaultState, S::on}));
    EXPECT_EQ(table.image(S::highlighted)->name(), "b");
    table.remove(S::defaultState);
    EXPECT_FALSE(table.containsKey(S::defaultState));
    EXPECT_EQ(table.size(), 2u);
}

std::string nameOf(const std::optional<tk::Image>& image) {
    return image ? image->name() : "none";
}

// A control style whose colour fields are all different, so an answer tells which field it came from.
struct ColourProbe {
    ControlStyle style;
    std::vector<std::pair<tk::Color, std::string>> fields;

    ColourProbe() {
        auto field = [this](const char* name, void (ControlStyle::*set)(tk::Color)) {
            const tk::Color unique(0.01 * static_cast<double>(fields.size() + 1), 0.5, 0.5);
            (style.*set)(unique);
            fields.emplace_back(unique, name);
        };
        field("textColor", &ControlStyle::setTextColor);
        field("selectedTextColor", &ControlStyle::setSelectedTextColor);
        field("selectedBackgroundColor", &ControlStyle::setSelectedBackgroundColor);
        field("disabledTextColor", &ControlStyle::setDisabledTextColor);
        field("disabledBackgroundColor", &ControlStyle::setDisabledBackgroundColor);
        field("highlightedTextColor", &ControlStyle::setHighlightedTextColor);
        field("highlightedBackgroundColor", &ControlStyle::setHighlightedBackgroundColor);
        field("invalidTextColor", &ControlStyle::setInvalidTextColor);
        field("invalidBackgroundColor", &ControlStyle::setInvalidBackgroundColor);
        field("backgroundColor", &ControlStyle::setBackgroundColor);
        field("focusRingColor", &ControlStyle::setFocusRingColor);
        field("invalidFocusRingColor", &ControlStyle::setInvalidFocusRingColor);
    }
    std::string which(const tk::Color& colour) const {
        for (const auto& [value, name] : fields)
            if (value == colour)
                return name;
        return "?";
    }
};

std::string description(const std::vector<S>& states) {
    std::string text;
    for (S s : states)
        text += (text.empty() ? "" : " | ") + s.description();
    return text;
}

// Every answer the state model must give: best-match images over the styles' own tables and
// small ones, the colour priorities and the default state derivation.
TEST(StateModel, GivesTheListedAnswers) {
    testing::useBuiltBundles();
    const ColourProbe probe;
    const ButtonCellStyle button;
    const CheckBoxCellStyle checkBox;
    const TextFieldCellStyle textField;
    const SearchFieldCellStyle searchField;
    const SliderCellStyle slider;
    TableViewStyle table;
    table.setRowBackgroundColor(tk::Color::red());
    table.setSelectedRowBackgroundColor(tk::Color::green());
    const StateTable pressedOrDisabled{{S::defaultState, named("default")},
                                       {S::highlighted, named("highlighted")},
                                       {S::disabled, named("disabled")}};
    const StateTable onlyDefaultOn{{S{S::defaultState, S::on}, named("default+on")}};
    const StateTable defaultOnAndDefault{{S{S::defaultState, S::on}, named("default+on")},
                                         {S::defaultState, named("default")}};
    const StateTable noDefault{{S::on, named("on")}};
    const auto text = [&](S s) { return probe.which(probe.style.textColor(s)); };
    const auto background = [&](S s) { return probe.which(probe.style.backgroundColor(s)); };
    const auto ring = [&](S s) { return probe.which(probe.style.focusRingColor(s)); };
    const auto derived = [](ControlStateInputs inputs) {
        return std::to_string(deriveControlState(inputs).rawValue());
    };

    struct Case {
        const char* what;
        std::function<std::string()> answer;
        std::string expected;
    };
    const std::vector<Case> cases{
        // Best match over small tables.
        {"tie between highlighted and disabled: first listed",
         [&] {
             return nameOf(
                 bestMatchImage(S{S::defaultState, S::highlighted, S::disabled}, pressedOrDisabled));
         },
         "highlighted"},
        {"exact key",
         [&] {
             return nameOf(bestMatchImage(S{S::defaultState, S::on}, onlyDefaultOn));
         },
         "default+on"},
        {"on without default: default+on is no subset",
         [&] { return nameOf(bestMatchImage(S::on, defaultOnAndDefault)); }, "default"},
        {"empty state takes default", [&] { return nameOf(bestMatchImage(S{}, pressedOrDisabled)); },
         "default"},
        {"empty state without default", [&] { return nameOf(bestMatchImage(S{}, noDefault)); }, "none"},
        {"empty table", [&] { return nameOf(bestMatchImage(S(255), StateTable{})); }, "none"},
        {"empty table, default state", [&] { return nameOf(bestMatchImage(S::defaultState, StateTable{})); },
         "none"},
        // Best match over the styles' tables.
        {"check box on (33)", [&] { return nameOf(checkBox.buttonImage(S(33))); }, "tui-checkbox-on"},
        {"check box on, pressed (41)", [&] { return nameOf(checkBox.buttonImage(S(41))); },
         "tui-checkbox-on-down"},
        {"check box selected, mixed (69)", [&] { return nameOf(checkBox.buttonImage(S(69))); },
         "tui-checkbox-mixed-down"},
        {"push button on, pressed (41)", [&] { return nameOf(button.bezelImage(S(41))); },
         "tui-button-selected"},
        {"text field focused, invalid (145)", [&] { return nameOf(textField.bezelImage(S(145))); },
         "tui-textfield-error"},
        {"search field invalid",
         [&] {
             return nameOf(searchField.bezelImage(S{S::defaultState, S::invalid}));
         },
         "tui-searchfield"},
        {"slider knob disabled",
         [&] {
             return nameOf(slider.knobImage(S{S::defaultState, S::disabled}));
         },
         "tui-slider-handle"},
        // Colour priorities.
        {"text of disabled+invalid",
         [&] {
             return text(S{S::disabled, S::invalid});
         },
         "disabledTextColor"},
        {"background of disabled+invalid",
         [&] {
             return background(S{S::disabled, S::invalid});
         },
         "invalidBackgroundColor"},
        {"text of selected+on",
         [&] {
             return text(S{S::selected, S::on});
         },
         "selectedTextColor"},
        {"background of selected+on",
         [&] {
             return background(S{S::selected, S::on});
         },
         "highlightedBackgroundColor"},
        {"text of focused only", [&] { return text(S::focused); }, "textColor"},
        {"background of focused only", [&] { return background(S::focused); }, "backgroundColor"},
        {"text of mixed", [&] { return text(S::mixed); }, "highlightedTextColor"},
        {"background of selected", [&] { return background(S::selected); }, "selectedBackgroundColor"},
        {"background of disabled", [&] { return background(S::disabled); }, "disabledBackgroundColor"},
        {"ring of focused", [&] { return ring(S::focused); }, "focusRingColor"},
        {"ring of invalid",
         [&] {
             return ring(S{S::focused, S::invalid});
         },
         "invalidFocusRingColor"},
        {"table row of selected+highlighted",
         [&] {
             return table.rowBackgroundColor(S{S::selected, S::highlighted}) == tk::Color::green()
                        ? "selected"
                        : "row";
         },
         "selected"},
        {"table row of highlighted",
         [&] { return table.rowBackgroundColor(S::highlighted) == tk::Color::green() ? "selected" : "row"; },
         "row"},
        // Description and components.
        {"description of 65", [] { return S(65).description(); }, "default, mixed"},
        {"description of 0", [] { return S(0).description(); }, ""},
        {"components of 40", [] { return description(S(40).components()); }, "default | highlighted | on"},
        // Default derivation.
        {"mixed, highlighted, enabled", [&] { return derived({.cellState = -1, .highlighted = true}); },
         "73"},
        {"disabled, highlighted", [&] { return derived({.enabled = false, .highlighted = true}); }, "3"},
        {"on, disabled, highlighted",
         [&] { return derived({.cellState = 1, .enabled = false, .highlighted = true}); }, "35"},
        {"selected Selectable", [&] { return derived({.isSelected = true}); }, "5"},
        {"unselected Selectable, invalid Validating",
         [&] { return derived({.isSelected = false, .isValid = false}); }, "129"},
        {"any other cell state is off", [&] { return derived({.cellState = 2}); }, "1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.answer(), c.expected) << c.what;
}

} // namespace
} // namespace Tessaly
