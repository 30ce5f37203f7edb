#include "platform/au/Format.h"

#include <cmath>

namespace au {

std::optional<Format> standardFormat(double sampleRate, uint32_t channels) {
    if (!std::isfinite(sampleRate) || sampleRate <= 0.0 || sampleRate > kMaximumFormatSampleRate ||
        channels == 0 || channels > kMaximumFormatChannels) {
        return std::nullopt;
    }
    return Format{sampleRate, channels};
}

} // namespace au
