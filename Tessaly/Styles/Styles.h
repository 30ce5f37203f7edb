#pragma once

// The library's catalogue of shared fonts, colours and sizes. Every member is made once, on first
// read, and the same object is answered on every later read (compare addresses), except
// Layout's plain constants and Control::selectedBackgroundColor, which are made anew on each
// read. The style initialisers copy their defaults from here; controls read it directly.
//
// First reads are safe from any thread (function-local statics); the values are used on the main
// thread.

#include "platform/tk/base/Color.h"
#include "platform/tk/base/Geometry.h"
#include "platform/tk/graphics/Font.h"

namespace Tessaly::Styles {

namespace Layout {
double length32();
double length24();
tk::Size size76x83();
} // namespace Layout

// The base fonts, system fonts of a size and weight; the other groups answer these same objects.
namespace BaseStyles {
const tk::Font& regular10();
// The system font with digits of one width (tabular figures).
const tk::Font& monospacedDigit10();
const tk::Font& medium10();
const tk::Font& medium12();
const tk::Font& regular12();
const tk::Font& medium14();
const tk::Font& medium20();
} // namespace BaseStyles

// What ControlStyle's initialiser copies.
namespace Control {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& textBackgroundColor();
const tk::Color& disabledTextColor();
const tk::Color& disabledBackgroundColor();
const tk::Color& invalidTextColor();
const tk::Color& invalidBackgroundColor();
const tk::Color& highlightedTextColor();
const tk::Color& highlightedBackgroundColor();
const tk::Color& grey20Color();
const tk::Color& clearBackgroundColor();
const tk::Color& selectedTextColor();
const tk::Color& invalidFocusRingColor();
// A new colour on each read (also the focus ring's colour).
tk::Color selectedBackgroundColor();
} // namespace Control

namespace ScrollView {
const tk::Color& backgroundColor();
} // namespace ScrollView

namespace OutlineHeader {
const tk::Font& font();
const tk::Color& textColor();
} // namespace OutlineHeader

namespace OutlineRow {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& backgroundColor();
const tk::Font& selectedFont();
const tk::Color& selectedTextColor();
} // namespace OutlineRow

namespace TableView {
const tk::Color& rowBackgroundColor();
} // namespace TableView

namespace TableHeader {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& headerBackgroundColor();
} // namespace TableHeader

namespace TableRow {
const tk::Font& font();
const tk::Color& textColor();
const tk::Font& selectedFont();
const tk::Color& selectedTextColor();
} // namespace TableRow

namespace TableGroupRow {
const tk::Font& font();
const tk::Color& textColor();
const tk::Font& selectedFont();
const tk::Color& selectedTextColor();
} // namespace TableGroupRow

namespace Label {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& textColorForDeclarativeViews();
const tk::Color& disabledTextColor();
} // namespace Label

namespace TextInput {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& textBackgroundColor();
const tk::Color& disabledTextColor();
const tk::Color& disabledBackgroundColor();
const tk::Color& invalidTextColor();
const tk::Color& invalidBackgroundColor();
const tk::Color& highlightedTextColor();
const tk::Color& highlightedBackgroundColor();
const tk::Color& placeholderTextColor();
const tk::Color& wendleBlue();
const tk::Color& placeholderBackground();
const tk::Color& selectedTextColor();
} // namespace TextInput

namespace PropertiesTab {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& selectedTextColor();
const tk::Color& highlightedTextColor();
} // namespace PropertiesTab

namespace CanvasInfo {
const tk::Font& font();
const tk::Color& textColor();
const tk::Color& backgroundColor();
} // namespace CanvasInfo

namespace Window {
const tk::Color& windowBackgroundColor();
} // namespace Window

} // namespace Tessaly::Styles
