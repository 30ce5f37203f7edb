#pragma once
// The offline render's engine: an explicit copy of a live engine's seed, tables and parameters with
// fresh scheduler state, recording the scheduler's notes instead of sending them.

#include "engine/RecordedMIDIEvent.h"
#include "engine/ZindralEngine.h"

#include <cstdint>
#include <vector>

namespace engine {

class RecordingEngine final : public ZindralEngine {
public:
    /// [any] Copies `source`'s parameters and tables; records at tempo (BPM) and beats per sample.
    RecordingEngine(const ZindralEngine& source, double tempoBPM, double beatsPerSampleValue);

    /// [any] The notes recorded so far, in recording order; takeEvents moves them out.
    const std::vector<Velmor::RecordedMIDIEvent>& events() const { return recordedEvents; }
    std::vector<Velmor::RecordedMIDIEvent> takeEvents() { return std::move(recordedEvents); }

private:
    void noteOn(int32_t sampleOffset, int32_t note, float velocity) override;
    void noteOff(int32_t sampleOffset, int32_t note) override;
    void record(int32_t sampleOffset, uint8_t status, uint8_t note, uint8_t velocity);

    std::vector<Velmor::RecordedMIDIEvent> recordedEvents;
    double tempo;
    double beatsPerSample;
};

} // namespace engine
