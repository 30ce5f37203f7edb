#pragma once

// Plain values the GPU layer speaks in: pixel formats (numbered as the shader API numbers them),
// primitive types, viewports, clear colours, colour spaces and shader stages.
//
// Binding slots: "buffer index N" and "bytes at index N" of the vertex stage are the shader storage
// block with binding N (std430, so an array of vec2 is packed 8 bytes apart as the bytes are);
// those of the fragment stage are the uniform block with binding N (std140). Texture index N of the
// fragment stage is texture unit (sampler binding) N.

#include <cstdint>

namespace gpu {

enum class PixelFormat : std::uint32_t {
    invalid = 0,
    rgba8Unorm = 70,
    bgra8Unorm = 80,
    rgba16Float = 115,
    rgba32Float = 125,
};

// Bytes per pixel of a format; 0 for invalid.
constexpr int bytesPerPixel(PixelFormat format) {
    switch (format) {
    case PixelFormat::rgba8Unorm:
    case PixelFormat::bgra8Unorm:
        return 4;
    case PixelFormat::rgba16Float:
        return 8;
    case PixelFormat::rgba32Float:
        return 16;
    case PixelFormat::invalid:
        break;
    }
    return 0;
}

enum class PrimitiveType { point, line, lineStrip, triangle, triangleStrip };

enum class ShaderStage { vertex, fragment };

// Where a pass draws, in pixels of its target, origin at the top-left.
struct Viewport {
    double originX = 0;
    double originY = 0;
    double width = 0;
    double height = 0;
    double znear = 0;
    double zfar = 1;

    friend constexpr bool operator==(const Viewport&, const Viewport&) = default;
};

struct ClearColor {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    friend constexpr bool operator==(const ClearColor&, const ClearColor&) = default;
};

// How the values a fragment function writes are meant: as linear light (shown sRGB-encoded) or as
// sRGB-encoded values already.
enum class ColorSpace { extendedLinearSRGB, sRGB };

enum class LoadAction { dontCare, load, clear };

// The size of a drawable or texture in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;

    constexpr bool isEmpty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(PixelSize, PixelSize) = default;
};

} // namespace gpu
