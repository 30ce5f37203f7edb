#pragma once

// WendleShadersHelper: shaders of the module's library for a declarative view's colour effect
// (tk::ui::Node::colorEffect), each run by the system's device over the view's drawing. Without a
// device the view shows its drawing as it is. No instances; nothing in the program calls it.
//
//   colorMatrixShader   a 4 x 4 colour matrix: the four vectors are the rows giving the new red,
//                       green, blue and alpha from the old (r, g, b, a), in linear light
//   outsideSRGBShader   marks with stripes the colours that lie outside the sRGB gamut
//   outsideP3Shader     marks with stripes the colours that lie outside the Display P3 gamut
//
// The library is the module bundle's (a missing bundle stops the program, see ModuleBundle.h). All
// functions are [main].

#include "platform/gpu/ColorShader.h"

#include <memory>

namespace WendleShaders::WendleShadersHelper {

std::shared_ptr<const gpu::ColorShader> colorMatrixShader(gpu::Float4 red, gpu::Float4 green,
                                                          gpu::Float4 blue, gpu::Float4 alpha);
std::shared_ptr<const gpu::ColorShader> outsideSRGBShader();
std::shared_ptr<const gpu::ColorShader> outsideP3Shader();

} // namespace WendleShaders::WendleShadersHelper
