#pragma once

#include <cstdint>
#include <optional>

namespace au {

// An audio stream format: deinterleaved 32-bit float samples at a sample rate, one buffer per channel.
struct Format {
    double sampleRate = 44100.0;
    uint32_t channelCount = 2;

    friend bool operator==(const Format&, const Format&) = default;
};

inline constexpr uint32_t kMaximumFormatChannels = 64;
// Far above any real stream; keeps every sample rate exactly convertible to float and to frame counts.
inline constexpr double kMaximumFormatSampleRate = 10'000'000.0;

// The standard format, or nothing when the arguments describe no stream (a sample rate that is not a
// positive finite number up to kMaximumFormatSampleRate, or a channel count of 0 or above
// kMaximumFormatChannels). [any]
std::optional<Format> standardFormat(double sampleRate, uint32_t channels);

} // namespace au
