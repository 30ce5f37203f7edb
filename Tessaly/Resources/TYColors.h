#pragma once

// Ready-made colours of the library's assets, each made once on first use and then shared (two
// reads give the same object). TYColors holds the colours as declarative views take them and
// TYColorsAK as classic views take them; in this toolkit both are tk::Color, and TYColorsAK's
// values are made from TYColors' ones.

#include "platform/tk/base/Color.h"

namespace Tessaly {

namespace TYColors {
namespace Background {
const tk::Color& normal();
const tk::Color& darker();
const tk::Color& darkest();
} // namespace Background
namespace Wendle {
const tk::Color& aqua();
const tk::Color& blue();
const tk::Color& darkPurple();
const tk::Color& lightBlue();
const tk::Color& orange();
const tk::Color& purple();
const tk::Color& red();
const tk::Color& yellow();
} // namespace Wendle
const tk::Color& grey20();
const tk::Color& grey30();
const tk::Color& grey40();
const tk::Color& grey50();
const tk::Color& grey60();
const tk::Color& grey70();
const tk::Color& grey85();
const tk::Color& grey100();
} // namespace TYColors

namespace TYColorsAK {
namespace Background {
const tk::Color& normal();
const tk::Color& darker();
const tk::Color& darkest();
} // namespace Background
namespace Wendle {
const tk::Color& aqua();
const tk::Color& blue();
const tk::Color& darkPurple();
const tk::Color& lightBlue();
const tk::Color& orange();
const tk::Color& purple();
const tk::Color& red();
const tk::Color& yellow();
} // namespace Wendle
const tk::Color& grey20();
const tk::Color& grey30();
const tk::Color& grey40();
const tk::Color& grey50();
const tk::Color& grey60();
const tk::Color& grey70();
const tk::Color& grey85();
const tk::Color& grey100();
} // namespace TYColorsAK

} // namespace Tessaly
