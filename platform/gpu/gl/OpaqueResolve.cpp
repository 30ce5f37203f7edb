#include "platform/gpu/gl/OpaqueResolve.h"

#include <cstddef>

namespace gpu::gl {

namespace {
constexpr std::uint16_t kHalfOne = 0x3c00;
constexpr std::uint16_t kHalfMagnitude = 0x7fff;
} // namespace

bool resolveOpaqueHalves(std::span<const std::uint16_t> halves, int width, int height,
                         const OpaqueEncodeTable& table, std::span<std::uint32_t> words) {
    if (width <= 0 || height <= 0)
        return false;
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    if (halves.size() < w * h * 4 || words.size() < w * h)
        return false;
    for (std::size_t row = 0; row < h; ++row) {
        const std::uint16_t* in = halves.data() + (h - 1 - row) * w * 4;
        std::uint32_t* out = words.data() + row * w;
        for (std::size_t x = 0; x < w; ++x, in += 4) {
            const std::uint16_t alpha = in[3];
            if (alpha == kHalfOne)
                out[x] = 0xff000000u | std::uint32_t{table[in[0]]} << 16 | std::uint32_t{table[in[1]]} << 8 |
                         table[in[2]];
            else if ((alpha & kHalfMagnitude) == 0) // +0 or -0: the resolve writes transparent black
                out[x] = 0;
            else
                return false;
        }
    }
    return true;
}

} // namespace gpu::gl
