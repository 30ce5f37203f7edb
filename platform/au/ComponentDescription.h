#pragma once

#include <cstdint>
#include <string_view>

namespace au {

// Four characters packed big-endian into 32 bits, the way component types and codes are written.
constexpr uint32_t fourCharCode(std::string_view code) {
    uint32_t packed = 0;
    for (size_t i = 0; i < 4; ++i) {
        packed = (packed << 8) | (i < code.size() ? static_cast<uint8_t>(code[i]) : uint8_t(' '));
    }
    return packed;
}

inline constexpr uint32_t kComponentTypeMusicEffect = fourCharCode("aumf");
inline constexpr uint32_t kComponentTypeMIDIProcessor = fourCharCode("aumi");

// Identifies an audio unit: what kind it is, which one and who made it.
struct ComponentDescription {
    uint32_t componentType = 0;
    uint32_t componentSubType = 0;
    uint32_t componentManufacturer = 0;
    uint32_t componentFlags = 0;
    uint32_t componentFlagsMask = 0;

    friend bool operator==(const ComponentDescription&, const ComponentDescription&) = default;
};

// How the host asks for the unit to be instantiated.
using InstantiationOptions = uint32_t;
inline constexpr InstantiationOptions kInstantiationLoadOutOfProcess = 1u << 0;
inline constexpr InstantiationOptions kInstantiationLoadInProcess = 1u << 1;

} // namespace au
