#include "Tessaly/Resources/AssetLookup.h"
#include "Tessaly/Styles/ButtonCellStyles.h"
#include "Tessaly/Styles/SegmentedCellStyle.h"
#include "Tessaly/Styles/SliderCellStyle.h"
#include "Tessaly/Styles/Styles.h"
#include "Tessaly/Styles/TableViewStyle.h"
#include "Tessaly/Styles/TextFieldCellStyles.h"
#include "Tessaly/Styles/WindowStyle.h"
#include "Tessaly/tests/TessalyTestBundle.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Tessaly {
namespace {

using S = StyledControlState;

// "key:image key:image ..." in table order, keys by their flags ("highlighted+on").
std::string tableText(const StateTable& table) {
    std::string text;
    for (const auto& [key, image] : table) {
        std::string flags;
        for (S part : key.components())
            if (part != S::defaultState || key.contains(S::defaultState))
                flags += (flags.empty() ? "" : "+") + part.description();
        text += (text.empty() ? "" : " ") + flags + ":" + image.name();
    }
    return text;
}

TEST(StylesCatalogue, SharedMembersAreTheSameObjectOnEveryRead) {
    testing::useBuiltBundles();
    using FontRead = const tk::Font& (*)();
    for (FontRead read : {&Styles::BaseStyles::regular10, &Styles::BaseStyles::monospacedDigit10,
                          &Styles::BaseStyles::medium20, &Styles::Control::font, &Styles::TableRow::font,
                          &Styles::PropertiesTab::font})
        EXPECT_EQ(&read(), &read());
    using ColorRead = const tk::Color& (*)();
    for (ColorRead read : {&Styles::Control::textColor, &Styles::Control::clearBackgroundColor,
                           &Styles::ScrollView::backgroundColor, &Styles::TableHeader::headerBackgroundColor,
                           &Styles::Label::textColorForDeclarativeViews, &Styles::TextInput::wendleBlue,
                           &Styles::Window::windowBackgroundColor})
        EXPECT_EQ(&read(), &read());
    // The groups hold the base fonts themselves.
    EXPECT_EQ(&Styles::Control::font(), &Styles::BaseStyles::regular10());
    EXPECT_EQ(&Styles::TableRow::font(), &Styles::BaseStyles::monospacedDigit10());
    EXPECT_EQ(Styles::BaseStyles::monospacedDigit10(),
              tk::Font::monospacedDigitSystem(10)); // figures line up
    EXPECT_EQ(&Styles::OutlineHeader::font(), &Styles::BaseStyles::medium12());
    // Made anew on each read, always equal.
    EXPECT_EQ(Styles::Control::selectedBackgroundColor(), color(ColorResources::highlightSystem));
    EXPECT_EQ(Styles::Control::selectedBackgroundColor(), Styles::Control::selectedBackgroundColor());
    EXPECT_EQ(Styles::Layout::size76x83(), (tk::Size{76, 83}));
    EXPECT_EQ(Styles::Layout::length32(), 32.0);
    // Where the text-input group differs from the control group.
    EXPECT_EQ(Styles::TextInput::invalidTextColor(), color(ColorResources::error));
    EXPECT_EQ(Styles::Control::invalidTextColor(), color(ColorResources::grey100));
    EXPECT_EQ(Styles::TextInput::highlightedTextColor(), color(ColorResources::grey100));
    EXPECT_EQ(Styles::BaseStyles::medium12(), tk::Font::system(12, tk::FontWeight::medium));
}

TEST(ControlStyle, StartsFromTheCatalogueInTheDarkLook) {
    testing::useBuiltBundles();
    const ControlStyle style;
    EXPECT_EQ(style.font(), Styles::Control::font());
    EXPECT_EQ(style.selectedFont(), Styles::Control::font());
    EXPECT_EQ(style.textColor(), color(ColorResources::grey85));
    EXPECT_EQ(style.highlightedTextColor(), color(ColorResources::grey50));
    EXPECT_EQ(style.invalidBackgroundColor(), color(ColorResources::error));
    EXPECT_EQ(style.focusRingColor(), color(ColorResources::highlightSystem));
    EXPECT_EQ(style.backgroundColor(), color(ColorResources::backgroundNormal));
    EXPECT_EQ(style.appearanceName(), AppearanceName::dark);
    EXPECT_EQ(style.backgroundStyle(), BackgroundStyle::emphasized);
    EXPECT_EQ(style.interiorBackgroundStyle(), BackgroundStyle::emphasized);
    EXPECT_FALSE(style.opaque());
    EXPECT_EQ(style.bezelImageResizingMode(), ImageResizingMode::tile);
    EXPECT_TRUE(style.bezelImages().isEmpty());
    EXPECT_TRUE(style.declarativeBezelImages().isEmpty());
    EXPECT_FALSE(style.bezelImage(S(255)).has_value());
}

// A subclass that changes a getter changes what the lookups answer, except the background of the
// plain state, which is the stored colour.
TEST(ControlStyle, LookupsReadTheGettersButThePlainBackgroundIsTheStoredOne) {
    testing::useBuiltBundles();
    struct Overridden : ControlStyle {
        using ControlStyle::backgroundColor;
        using ControlStyle::textColor;
        tk::Color textColor() const override { return tk::Color::red(); }
        tk::Color backgroundColor() const override { return tk::Color::green(); }
        const StateTable& bezelImages() const override { return table; }
        StateTable table{{S::defaultState, image(ImageResources::tuiPopup)}};
    };
    const Overridden style;
    EXPECT_EQ(style.textColor(S::focused), tk::Color::red());
    EXPECT_EQ(style.backgroundColor(S::focused), color(ColorResources::backgroundNormal));
    EXPECT_EQ(style.bezelImage(S::on)->name(), "tui-popup");
}

TEST(StyleClasses, HaveTheirPicturesInTheirOrder) {
    testing::useBuiltBundles();
    struct Case {
        const char* style;
        std::function<std::string()> table;
        std::string expected;
    };
    auto bezels = [](auto style) { return [style] { return tableText(style->bezelImages()); }; };
    const std::string buttonBezels = "default:tui-button on:tui-button-selected highlighted:tui-button-down";
    const std::string fieldBezels = "focused+invalid:tui-textfield-error focused:tui-textfield-focus "
                                    "invalid:tui-textfield-error";
    const std::vector<Case> cases{
        {"button", bezels(std::make_shared<ButtonCellStyle>()), buttonBezels},
        {"corner button", bezels(std::make_shared<CornerButtonCellStyle>()), buttonBezels},
        {"combo box", bezels(std::make_shared<ComboBoxStyle>()), buttonBezels},
        {"check box", bezels(std::make_shared<CheckBoxCellStyle>()), buttonBezels},
        {"back button", bezels(std::make_shared<BackButtonCellStyle>()),
         "default:organiser-navbar-back on:organiser-navbar-back-down "
         "highlighted:organiser-navbar-back-down"},
        {"tool button", bezels(std::make_shared<ToolButtonCellStyle>()),
         "default:corner-tool-background on:corner-tool-background-selected "
         "highlighted:corner-tool-background-down"},
        {"pop-up", bezels(std::make_shared<PopUpButtonCellStyle>()),
         "default:tui-popup highlighted:tui-popup-down"},
        {"tool pop-up", bezels(std::make_shared<ToolPopUpButtonCellStyle>()),
         "default:tui-popup-tool highlighted:tui-popup-tool-down"},
        {"pop-down", bezels(std::make_shared<StyledPopDownButtonCellStyle>()),
         "default:tui-popdown highlighted:tui-popdown-down"},
        {"check box boxes", [] { return tableText(CheckBoxCellStyle().buttonImages()); },
         "default:tui-checkbox on:tui-checkbox-on mixed:tui-checkbox-mixed highlighted:tui-checkbox-down "
         "highlighted+on:tui-checkbox-on-down highlighted+mixed:tui-checkbox-mixed-down "
         "selected:tui-checkbox-down selected+on:tui-checkbox-on-down "
         "selected+mixed:tui-checkbox-mixed-down"},
        {"favourite", [] { return tableText(FavouriteCheckBoxCellStyle().buttonImages()); },
         "default:organiser-icon-star-empty on:organiser-icon-star"},
        {"segmented", bezels(std::make_shared<SegmentedCellStyle>()),
         "default:tui-window-tab selected:tui-window-tab-selected highlighted:tui-window-tab-down"},
        {"slider bar", [] { return tableText(SliderCellStyle().barImages()); },
         "default:tui-slider-alley highlighted:tui-slider"},
        {"slider knob", [] { return tableText(SliderCellStyle().knobImages()); },
         "default:tui-slider-handle highlighted:tui-slider-handle-down mixed:tui-slider-handle-multi"},
        {"text field", bezels(std::make_shared<TextFieldCellStyle>()),
         "default:tui-textfield " + fieldBezels},
        {"header field", bezels(std::make_shared<HeaderTextFieldStyle>()),
         "default:tui-textfield-tableheader " + fieldBezels},
        {"search field", bezels(std::make_shared<SearchFieldCellStyle>()),
         "default:tui-searchfield focused:tui-searchfield-focus"},
        {"label", bezels(std::make_shared<TextLabelCellStyle>()), ""},
        {"table", bezels(std::make_shared<TableViewStyle>()), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.table(), c.expected) << c.style;
}

TEST(StyleClasses, SetTheirInsetsFontsAndColours) {
    testing::useBuiltBundles();
    const tk::Color textColor = color(ColorResources::grey85);

    const ButtonCellStyle button;
    EXPECT_EQ(button.backgroundColor(), tk::Color::clear());
    EXPECT_EQ(button.font(), tk::Font::system(10, tk::FontWeight::medium));
    EXPECT_EQ(button.selectedFont(), tk::Font::system(10)) << "only the font changes";

    const ComboBoxStyle combo;
    EXPECT_EQ(combo.alignmentRectInsets(), (tk::EdgeInsets{3, 2, 3, 2}));
    EXPECT_EQ(combo.edgeInsets(), (tk::EdgeInsets{3, 0, 2, 12}));
    EXPECT_EQ(combo.titleEdgeInsets(), (tk::EdgeInsets{3, 7, 2, 0}));
    EXPECT_EQ(combo.selectedTextColor(), textColor);

    const ToolPopUpButtonCellStyle toolPopUp;
    EXPECT_EQ(toolPopUp.alignmentRectInsets(), tk::EdgeInsets{}) << "not the pop-up's (3, 2, 3, 2)";
    EXPECT_EQ(toolPopUp.edgeInsets(), tk::EdgeInsets::all(1));
    EXPECT_EQ(toolPopUp.titleEdgeInsets(), (tk::EdgeInsets{0, 4, 0, 14}));
    EXPECT_EQ(StyledPopDownButtonCellStyle().edgeInsets(), (tk::EdgeInsets{3, 0, 2, 12}));
    EXPECT_EQ(ToolButtonCellStyle().imageEdgeInsets(), (tk::EdgeInsets{-1, 0, 1, 0}));

    const CheckBoxCellStyle checkBox;
    EXPECT_EQ(checkBox.highlightedTextColor(), textColor) << "pressing changes the box, not the title";
    EXPECT_EQ(checkBox.selectedBackgroundColor(), tk::Color::clear());

    const SegmentedCellStyle segmented;
    EXPECT_EQ(segmented.segmentPadding(), (tk::EdgeInsets{0, 21, 0, 21}));
    EXPECT_EQ(segmented.font(), tk::Font::system(12, tk::FontWeight::medium));
    EXPECT_EQ(segmented.textColor(), color(ColorResources::grey70));

    const TableViewStyle table;
    EXPECT_EQ(table.backgroundColor(), table.rowBackgroundColor());
    EXPECT_EQ(table.rowBackgroundColor(), color(ColorResources::backgroundDarker));
    EXPECT_EQ(table.headerBackgroundColor(), color(ColorResources::backgroundDarkest));
    EXPECT_EQ(table.textColor(), color(ColorResources::grey70));

    const TextFieldCellStyle field;
    EXPECT_EQ(field.padding(), (tk::EdgeInsets{2, 6, 2, 6}));
    EXPECT_EQ(field.alignmentRectInsets(), tk::EdgeInsets::all(2));
    EXPECT_EQ(field.highlightedTextColor(), color(ColorResources::grey100));
    EXPECT_EQ(field.invalidTextColor(), color(ColorResources::error));
    EXPECT_EQ(field.placeholderTextColor(), color(ColorResources::grey50));

    const TextLabelCellStyle label;
    EXPECT_EQ(label.textColor(), color(ColorResources::grey60));
    EXPECT_EQ(label.disabledTextColor(), color(ColorResources::grey30));
    EXPECT_EQ(label.padding(), tk::EdgeInsets{});

    const PopoverStyle popover;
    EXPECT_EQ(popover.padding(), (tk::Size{10, 6}));
    EXPECT_EQ(popover.font(), tk::Font::system(10));
    EXPECT_EQ(popover.textColor(), textColor);
    EXPECT_EQ(popover.backgroundColor(), color(ColorResources::backgroundNormal));
    EXPECT_EQ(popover.appearanceName(), AppearanceName::dark);
}

} // namespace
} // namespace Tessaly
