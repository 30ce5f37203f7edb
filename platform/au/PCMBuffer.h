#pragma once

#include "platform/au/AudioBuffer.h"
#include "platform/au/Format.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace au {

// Owned sample memory for `frameCapacity` frames of a format, with the buffer list that points into
// it. Made on the main thread (it allocates); its lists may then be used on the render thread.
inline constexpr uint32_t kMaximumPCMBufferFrames = 1u << 24;

class PCMBuffer {
public:
    // Nothing when the frame capacity is 0 or above kMaximumPCMBufferFrames, or the format is
    // invalid. [main]
    static std::unique_ptr<PCMBuffer> create(const Format& format, uint32_t frameCapacity);

    const Format& format() const { return format_; }
    uint32_t frameCapacity() const { return frameCapacity_; }
    uint32_t frameLength() const { return frameLength_; }
    void setFrameLength(uint32_t frames) { frameLength_ = frames < frameCapacity_ ? frames : frameCapacity_; }

    const AudioBufferList* audioBufferList() const { return &list_; }
    AudioBufferList* mutableAudioBufferList() { return &list_; }

    PCMBuffer(const Format& format, uint32_t frameCapacity);
    PCMBuffer(const PCMBuffer&) = delete;
    PCMBuffer& operator=(const PCMBuffer&) = delete;

private:
    Format format_;
    uint32_t frameCapacity_;
    uint32_t frameLength_ = 0;
    std::vector<float> samples_;
    std::vector<AudioBuffer> buffers_;
    AudioBufferList list_;
};

} // namespace au
