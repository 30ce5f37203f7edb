#pragma once

#include "platform/au/Bus.h"
#include "platform/au/PCMBuffer.h"

#include <cstdint>
#include <memory>

namespace extension {

// An input bus with a render buffer of its own, sized when render resources are allocated. The unit
// never renders from it; it exists so that hosts see the bus layout they expect. All members [main].
struct BufferedInputBus {
    std::shared_ptr<au::Bus> bus;
    uint32_t maxFrames = 0;
    std::unique_ptr<au::PCMBuffer> pcmBuffer;
    const au::AudioBufferList* originalAudioBufferList = nullptr;
    au::AudioBufferList* mutableAudioBufferList = nullptr;

    // Clears everything, then creates the bus with `format` (a creation error leaves it empty) and
    // sets its maximum channel count.
    void init(const au::Format& format, uint32_t maximumChannelCount);
    // Stores the frame count and makes the buffer in the bus's format with that capacity.
    void allocateRenderResources(uint32_t maximumFrames);
    // Drops the buffer and both list pointers.
    void deallocateRenderResources();
};

} // namespace extension
