#pragma once

// Ready-made images of the library's assets, each made once on first use and then shared.
// TYImages holds them as declarative views take them, TYImagesAK as classic views take them (both
// tk::Image here; TYImagesAK adds the tracking slider's cursor picture).

#include "platform/tk/graphics/Image.h"

namespace Tessaly {

namespace TYImages {
const tk::Image& tuiButton();
const tk::Image& tuiButtonDown();
const tk::Image& windowVelmor();
const tk::Image& tuiCheckerboard();
const tk::Image& tuiCheckerboardSmall();
const tk::Image& tuiTextfield();
const tk::Image& tuiTextfieldError();
const tk::Image& tuiTextfieldFocus();
const tk::Image& tuiCheckbox();
const tk::Image& tuiCheckboxOn();
const tk::Image& tuiCheckboxDown();
const tk::Image& tuiCheckboxOnDown();
} // namespace TYImages

namespace TYImagesAK {
const tk::Image& tuiButton();
const tk::Image& tuiButtonDown();
const tk::Image& windowVelmor();
const tk::Image& tuiCheckerboard();
const tk::Image& tuiCheckerboardSmall();
const tk::Image& tuiTextfield();
const tk::Image& tuiTextfieldError();
const tk::Image& tuiTextfieldFocus();
const tk::Image& tuiCheckbox();
const tk::Image& tuiCheckboxOn();
const tk::Image& tuiCheckboxDown();
const tk::Image& tuiCheckboxOnDown();
const tk::Image& cursorTrackingslider();
} // namespace TYImagesAK

} // namespace Tessaly
