#pragma once

#include <cstdint>

namespace au {

// Sample memory handed through a render call: one buffer per channel (deinterleaved float).
struct AudioBuffer {
    uint32_t numberChannels = 1;
    uint32_t dataByteSize = 0;
    void* data = nullptr;
};

struct AudioBufferList {
    uint32_t numberBuffers = 0;
    AudioBuffer* buffers = nullptr;
};

} // namespace au
