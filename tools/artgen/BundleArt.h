// The pictures of each resource bundle, by bundle.
#pragma once

#include "tools/artgen/Image.h"

namespace artgen {

ImageList korvaneImages();     // Korvane_Korvane.bundle: dials, buttons, logo
ImageList extensionImages();   // ZindralExtension_ZindralExtension.bundle: panel, melody display, morph pad
ImageList tessalyImages();     // Tessaly_Tessaly.bundle: desktop controls library
ImageList applicationImages(); // Zindral_Zindral.bundle: the application's own pictures
ImageList shaderImages();      // WendleShaders_WendleShaders.bundle: textures of the shader views

} // namespace artgen
