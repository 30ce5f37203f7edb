#pragma once

#include <cstdint>
#include <vector>

namespace Velmor {

/// One MIDI message recorded by the offline render.
struct RecordedMIDIEvent {
    std::vector<uint8_t> bytes; ///< 0x90 note velocity, or 0x80 note 0
    int64_t sampleTime = 0;     ///< samples from the start of the render; the sort key
    double tempo = 0.0;         ///< tempo of the render, beats per minute
    double beatPosition = 0.0;  ///< beats from the start of the render
};

} // namespace Velmor
