#include "platform/au/PCMBuffer.h"

namespace au {

std::unique_ptr<PCMBuffer> PCMBuffer::create(const Format& format, uint32_t frameCapacity) {
    if (frameCapacity == 0 || frameCapacity > kMaximumPCMBufferFrames ||
        !standardFormat(format.sampleRate, format.channelCount)) {
        return nullptr;
    }
    return std::make_unique<PCMBuffer>(format, frameCapacity);
}

PCMBuffer::PCMBuffer(const Format& format, uint32_t frameCapacity)
    : format_(format), frameCapacity_(frameCapacity),
      samples_(static_cast<size_t>(format.channelCount) * frameCapacity, 0.0f),
      buffers_(format.channelCount) {
    for (uint32_t channel = 0; channel < format.channelCount; ++channel) {
        buffers_[channel].numberChannels = 1;
        buffers_[channel].dataByteSize = static_cast<uint32_t>(frameCapacity * sizeof(float));
        buffers_[channel].data = samples_.data() + static_cast<size_t>(channel) * frameCapacity;
    }
    list_.numberBuffers = format.channelCount;
    list_.buffers = buffers_.data();
}

} // namespace au
