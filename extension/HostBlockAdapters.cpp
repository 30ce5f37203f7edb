#include "extension/HostBlockAdapters.h"

namespace extension {

engine::MusicalContextBlock adaptMusicalContextBlock(const au::MusicalContextBlock& block) {
    if (!block) {
        return {};
    }
    return [block](double* tempo, double* beatPosition, double* measureDownbeatPosition) {
        // Time signature and the offset to the next beat are not asked for.
        return block(tempo, nullptr, nullptr, beatPosition, nullptr, measureDownbeatPosition);
    };
}

engine::TransportStateBlock adaptTransportStateBlock(const au::TransportStateBlock& block) {
    if (!block) {
        return {};
    }
    return [block](uint32_t* flags) { return block(flags, nullptr, nullptr, nullptr); };
}

engine::MidiOutputBlock adaptMIDIOutputEventBlock(const au::MIDIOutputEventBlock& block) {
    if (!block) {
        return {};
    }
    return [block](int64_t eventSampleTime, uint8_t cable, int32_t length, const uint8_t* bytes) {
        return block(eventSampleTime, cable, length, bytes);
    };
}

} // namespace extension
