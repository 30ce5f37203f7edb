#include "Tessaly/Resources/TYImages.h"

#include "Tessaly/Resources/AssetLookup.h"

namespace Tessaly {

#define TESSALY_IMAGE(ns, accessor, symbol)                                                                  \
    const tk::Image& ns::accessor() {                                                                        \
        static const tk::Image value = image(ImageResources::symbol);                                        \
        return value;                                                                                        \
    }

TESSALY_IMAGE(TYImages, tuiButton, tuiButton)
TESSALY_IMAGE(TYImages, tuiButtonDown, tuiButtonDown)
TESSALY_IMAGE(TYImages, windowVelmor, windowVelmor)
TESSALY_IMAGE(TYImages, tuiCheckerboard, tuiCheckerboard)
TESSALY_IMAGE(TYImages, tuiCheckerboardSmall, tuiCheckerboardSmall)
TESSALY_IMAGE(TYImages, tuiTextfield, tuiTextfield)
TESSALY_IMAGE(TYImages, tuiTextfieldError, tuiTextfieldError)
TESSALY_IMAGE(TYImages, tuiTextfieldFocus, tuiTextfieldFocus)
TESSALY_IMAGE(TYImages, tuiCheckbox, tuiCheckbox)
TESSALY_IMAGE(TYImages, tuiCheckboxOn, tuiCheckboxOn)
TESSALY_IMAGE(TYImages, tuiCheckboxDown, tuiCheckboxDown)
TESSALY_IMAGE(TYImages, tuiCheckboxOnDown, tuiCheckboxOnDown)

TESSALY_IMAGE(TYImagesAK, tuiButton, tuiButton)
TESSALY_IMAGE(TYImagesAK, tuiButtonDown, tuiButtonDown)
TESSALY_IMAGE(TYImagesAK, windowVelmor, windowVelmor)
TESSALY_IMAGE(TYImagesAK, tuiCheckerboard, tuiCheckerboard)
TESSALY_IMAGE(TYImagesAK, tuiCheckerboardSmall, tuiCheckerboardSmall)
TESSALY_IMAGE(TYImagesAK, tuiTextfield, tuiTextfield)
TESSALY_IMAGE(TYImagesAK, tuiTextfieldError, tuiTextfieldError)
TESSALY_IMAGE(TYImagesAK, tuiTextfieldFocus, tuiTextfieldFocus)
TESSALY_IMAGE(TYImagesAK, tuiCheckbox, tuiCheckbox)
TESSALY_IMAGE(TYImagesAK, tuiCheckboxOn, tuiCheckboxOn)
TESSALY_IMAGE(TYImagesAK, tuiCheckboxDown, tuiCheckboxDown)
TESSALY_IMAGE(TYImagesAK, tuiCheckboxOnDown, tuiCheckboxOnDown)
TESSALY_IMAGE(TYImagesAK, cursorTrackingslider, cursorTrackingslider)

#undef TESSALY_IMAGE

} // namespace Tessaly
