#pragma once

// Backend only: blurs an 8-bit alpha buffer in place, close to a Gaussian of the given standard
// deviation (three box passes each way).

#include <cstdint>

namespace tk::detail {

void blurAlpha(std::uint8_t* data, int width, int height, int stride, double sigma);

} // namespace tk::detail
