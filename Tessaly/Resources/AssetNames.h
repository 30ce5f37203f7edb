#pragma once

// The named assets of the library's resource bundle: one resource symbol per asset, pairing its
// name with the library's bundle. Code names assets only through these symbols (never by spelling
// the name again) and turns them into colours and images where it uses them (AssetLookup.h).
//
// 21 colours and 52 images; the tables at the end list them all, for the tests and the tools.

#include <array>
#include <string_view>

namespace Tessaly {

struct ColorResource {
    std::string_view name;
};
struct ImageResource {
    std::string_view name;
};

namespace ColorResources {
inline constexpr ColorResource backgroundNormal{"Background/Normal"};
inline constexpr ColorResource backgroundDarker{"Background/Darker"};
inline constexpr ColorResource backgroundDarkest{"Background/Darkest"};
inline constexpr ColorResource error{"Error"};
inline constexpr ColorResource grey20{"Grey 20%"};
inline constexpr ColorResource grey30{"Grey 30%"};
inline constexpr ColorResource grey40{"Grey 40%"};
inline constexpr ColorResource grey50{"Grey 50%"};
inline constexpr ColorResource grey60{"Grey 60%"};
inline constexpr ColorResource grey70{"Grey 70%"};
inline constexpr ColorResource grey85{"Grey 85%"};
inline constexpr ColorResource grey100{"Grey 100%"};
inline constexpr ColorResource highlightSystem{"Highlight/System"};
inline constexpr ColorResource wendleAqua{"Wendle/Aqua"};
inline constexpr ColorResource wendleBlue{"Wendle/Blue"};
inline constexpr ColorResource wendleDarkPurple{"Wendle/DarkPurple"};
inline constexpr ColorResource wendleLightBlue{"Wendle/LightBlue"};
inline constexpr ColorResource wendleOrange{"Wendle/Orange"};
inline constexpr ColorResource wendlePurple{"Wendle/Purple"};
inline constexpr ColorResource wendleRed{"Wendle/Red"};
inline constexpr ColorResource wendleYellow{"Wendle/Yellow"};

inline constexpr std::array kAll{
    backgroundNormal,
    backgroundDarker,
    backgroundDarkest,
    error,
    grey20,
    grey30,
    grey40,
    grey50,
    grey60,
    grey70,
    grey85,
    grey100,
    highlightSystem,
    wendleAqua,
    wendleBlue,
    wendleDarkPurple,
    wendleLightBlue,
    wendleOrange,
    wendlePurple,
    wendleRed,
    wendleYellow,
};
} // namespace ColorResources

namespace ImageResources {
inline constexpr ImageResource tuiButton{"tui-button"};
inline constexpr ImageResource tuiButtonDown{"tui-button-down"};
inline constexpr ImageResource tuiButtonSelected{"tui-button-selected"};
inline constexpr ImageResource tuiCheckbox{"tui-checkbox"};
inline constexpr ImageResource tuiCheckboxOn{"tui-checkbox-on"};
inline constexpr ImageResource tuiCheckboxMixed{"tui-checkbox-mixed"};
inline constexpr ImageResource tuiCheckboxDown{"tui-checkbox-down"};
inline constexpr ImageResource tuiCheckboxOnDown{"tui-checkbox-on-down"};
inline constexpr ImageResource tuiCheckboxMixedDown{"tui-checkbox-mixed-down"};
inline constexpr ImageResource tuiCheckerboard{"tui-checkerboard"};
inline constexpr ImageResource tuiCheckerboardSmall{"tui-checkerboard-small"};
inline constexpr ImageResource tuiCombobox{"tui-combobox"};
inline constexpr ImageResource tuiComboboxUp{"tui-combobox-up"};
inline constexpr ImageResource tuiCustomsliderHandle{"tui-customslider-handle"};
inline constexpr ImageResource tuiCustomsliderHandleDown{"tui-customslider-handle-down"};
inline constexpr ImageResource tuiCustomsliderOn{"tui-customslider-on"};
inline constexpr ImageResource tuiPopdown{"tui-popdown"};
inline constexpr ImageResource tuiPopdownDown{"tui-popdown-down"};
inline constexpr ImageResource tuiPopup{"tui-popup"};
inline constexpr ImageResource tuiPopupDown{"tui-popup-down"};
inline constexpr ImageResource tuiPopupTool{"tui-popup-tool"};
inline constexpr ImageResource tuiPopupToolDown{"tui-popup-tool-down"};
inline constexpr ImageResource tuiSearchfield{"tui-searchfield"};
inline constexpr ImageResource tuiSearchfieldFocus{"tui-searchfield-focus"};
inline constexpr ImageResource tuiSlider{"tui-slider"};
inline constexpr ImageResource tuiSliderAlley{"tui-slider-alley"};
inline constexpr ImageResource tuiSliderHandle{"tui-slider-handle"};
inline constexpr ImageResource tuiSliderHandleDown{"tui-slider-handle-down"};
inline constexpr ImageResource tuiSliderHandleMulti{"tui-slider-handle-multi"};
inline constexpr ImageResource tuiTextfield{"tui-textfield"};
inline constexpr ImageResource tuiTextfieldError{"tui-textfield-error"};
inline constexpr ImageResource tuiTextfieldFocus{"tui-textfield-focus"};
inline constexpr ImageResource tuiTextfieldTableheader{"tui-textfield-tableheader"};
inline constexpr ImageResource tuiWindowTab{"tui-window-tab"};
inline constexpr ImageResource tuiWindowTabDown{"tui-window-tab-down"};
inline constexpr ImageResource tuiWindowTabSelected{"tui-window-tab-selected"};
inline constexpr ImageResource cornerToolBackground{"corner-tool-background"};
inline constexpr ImageResource cornerToolBackgroundDown{"corner-tool-background-down"};
inline constexpr ImageResource cornerToolBackgroundSelected{"corner-tool-background-selected"};
inline constexpr ImageResource cornerToolMore{"corner-tool-more"};
inline constexpr ImageResource cursorTrackingslider{"cursor-trackingslider"};
inline constexpr ImageResource organiserIconDisclose{"organiser-icon-disclose"};
inline constexpr ImageResource organiserIconDiscloseOpen{"organiser-icon-disclose-open"};
inline constexpr ImageResource organiserIconStar{"organiser-icon-star"};
inline constexpr ImageResource organiserIconStarEmpty{"organiser-icon-star-empty"};
inline constexpr ImageResource organiserNavbarBack{"organiser-navbar-back"};
inline constexpr ImageResource organiserNavbarBackDown{"organiser-navbar-back-down"};
inline constexpr ImageResource propertiesTableAdd{"properties-table-add"};
inline constexpr ImageResource propertiesTableAddDown{"properties-table-add-down"};
inline constexpr ImageResource propertiesTableheaderOverflow{"properties-tableheader-overflow"};
inline constexpr ImageResource propertiesTableheaderOverflowDown{"properties-tableheader-overflow-down"};
inline constexpr ImageResource windowVelmor{"window-velmor"};

inline constexpr std::array kAll{
    tuiButton,
    tuiButtonDown,
    tuiButtonSelected,
    tuiCheckbox,
    tuiCheckboxOn,
    tuiCheckboxMixed,
    tuiCheckboxDown,
    tuiCheckboxOnDown,
    tuiCheckboxMixedDown,
    tuiCheckerboard,
    tuiCheckerboardSmall,
    tuiCombobox,
    tuiComboboxUp,
    tuiCustomsliderHandle,
    tuiCustomsliderHandleDown,
    tuiCustomsliderOn,
    tuiPopdown,
    tuiPopdownDown,
    tuiPopup,
    tuiPopupDown,
    tuiPopupTool,
    tuiPopupToolDown,
    tuiSearchfield,
    tuiSearchfieldFocus,
    tuiSlider,
    tuiSliderAlley,
    tuiSliderHandle,
    tuiSliderHandleDown,
    tuiSliderHandleMulti,
    tuiTextfield,
    tuiTextfieldError,
    tuiTextfieldFocus,
    tuiTextfieldTableheader,
    tuiWindowTab,
    tuiWindowTabDown,
    tuiWindowTabSelected,
    cornerToolBackground,
    cornerToolBackgroundDown,
    cornerToolBackgroundSelected,
    cornerToolMore,
    cursorTrackingslider,
    organiserIconDisclose,
    organiserIconDiscloseOpen,
    organiserIconStar,
    organiserIconStarEmpty,
    organiserNavbarBack,
    organiserNavbarBackDown,
    propertiesTableAdd,
    propertiesTableAddDown,
    propertiesTableheaderOverflow,
    propertiesTableheaderOverflowDown,
    windowVelmor,
};
} // namespace ImageResources

} // namespace Tessaly
