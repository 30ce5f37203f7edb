#pragma once

#include "platform/au/MessageChannel.h"

namespace extension {

class ZindralAudioUnit;

// The channel through which a host without the plug-in's interface asks for the MIDI export:
// callAudioUnit(anything) answers {"midiData": <the Standard MIDI File bytes>} from
// generateMIDIData(). Valid while its unit lives. [main]
class MIDIExportChannel final : public au::MessageChannel {
public:
    static constexpr const char* kName = "midiExport";
    static constexpr const char* kDataKey = "midiData";

    explicit MIDIExportChannel(const ZindralAudioUnit& unit) : unit_(unit) {}
    au::Value callAudioUnit(const au::Value& message) override;

private:
    const ZindralAudioUnit& unit_;
};

} // namespace extension
