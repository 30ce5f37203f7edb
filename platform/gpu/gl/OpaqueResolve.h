#pragma once

// The read-back of a half-float render target whose pixels are all opaque (or fully clear), done on
// the CPU: the resolve pass of GlDevice spends most of a frame's read-back fetching halves and
// raising every channel to 1/2.4, while for alpha 1 a pixel's result depends on one 16-bit half per
// channel only. A table of those results, made once by the resolve pass itself (so every entry is
// the very byte it would write), turns the work into a row-flipped copy with three lookups a pixel.

#include <array>
#include <cstdint>
#include <span>

namespace gpu::gl {

// The resolve's 8-bit result for every half-float channel value of an opaque pixel.
using OpaqueEncodeTable = std::array<std::uint8_t, 65536>;

// Writes premultiplied ARGB32 words, top row first, from `halves` (RGBA, bottom row first, as GL
// reads them) of a `width` x `height` image into `words`. False as soon as a pixel's alpha is neither
// exactly 1 nor 0 (the table does not cover it): `words` is then partly written and must be made again.
bool resolveOpaqueHalves(std::span<const std::uint16_t> halves, int width, int height,
                         const OpaqueEncodeTable& table, std::span<std::uint32_t> words);

} // namespace gpu::gl
