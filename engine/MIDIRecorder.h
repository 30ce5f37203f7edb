#pragma once
// Standard MIDI File writer: format 0, one track, 480 ticks per quarter note, no tempo event.

#include "engine/RecordedMIDIEvent.h"

#include <cstdint>
#include <span>
#include <vector>

namespace Velmor {

class MIDIRecorder {
public:
    static constexpr int32_t kTicksPerQuarterNote = 480;

    /// [any] The track count and flag belong to a live-recording use this system does not have; the
    /// conversion needs neither, so they are not kept.
    MIDIRecorder([[maybe_unused]] int32_t trackCount, [[maybe_unused]] bool flag) {}

    /// [any] A complete Standard MIDI File holding `events`, ordered by sample time (events that share
    /// a sample time keep their recorded order), delta times from each event's beat position.
    std::vector<uint8_t> convertToMIDIBytes(std::span<const RecordedMIDIEvent> events) const;
};

} // namespace Velmor
