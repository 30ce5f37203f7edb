#include "engine/RecordingEngine.h"

#include "engine/Truncate.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr double kFallbackTempo = 120.0;
constexpr double kFallbackSampleRate = 44100.0;

double positiveFiniteOr(double v, double fallback) {
    return std::isfinite(v) && v > 0.0 ? v : fallback;
}
} // namespace

RecordingEngine::RecordingEngine(const ZindralEngine& source, double tempoBPM, double beatsPerSampleValue)
    : ZindralEngine(0), tempo(tempoBPM), beatsPerSample(beatsPerSampleValue) {
    copyParametersAndTablesFrom(source);
}

void RecordingEngine::record(int32_t sampleOffset, uint8_t status, uint8_t note, uint8_t velocity) {
    Velmor::RecordedMIDIEvent event;
    event.bytes = {status, note, velocity};
    event.sampleTime = sampleOffset;
    event.tempo = tempo;
    event.beatPosition = beatsPerSample * static_cast<double>(sampleOffset);
    recordedEvents.push_back(std::move(event));
}

void RecordingEngine::noteOn(int32_t sampleOffset, int32_t note, float velocity) {
    record(sampleOffset, kNoteOnStatus, static_cast<uint8_t>(note),
           static_cast<uint8_t>(roundSaturating<int32_t>(velocity * 127.0f)));
}

void RecordingEngine::noteOff(int32_t sampleOffset, int32_t note) {
    record(sampleOffset, kNoteOffStatus, static_cast<uint8_t>(note), 0);
}

std::vector<Velmor::RecordedMIDIEvent> ZindralEngine::generateMIDISequenceEvents(double tempoBPM,
                                                                                 double sampleRateHz) const {
    // Ticks come from beats, so a fallback tempo changes only the one-sample quantisation.
    const double t = positiveFiniteOr(tempoBPM, kFallbackTempo);
    const double r = positiveFiniteOr(sampleRateHz, kFallbackSampleRate);
    const double samplesPerBeat = r * 60.0 / t;
    const double beatsPerSample = 1.0 / samplesPerBeat;
    RecordingEngine recorder(*this, t, beatsPerSample);
    const int32_t steps =
        patternCycleLength(std::clamp(sequenceLength.load(kRelaxed), kMinSequenceLength, kMaxSequenceLength),
                           playback.load(kRelaxed));
    const int32_t frames = truncateSaturating<int32_t>(
        std::ceil(samplesPerBeat * recorder.stepLengthBeats.load(kRelaxed) * static_cast<double>(steps)));
    recorder.renderSteps(frames, 0.0, beatsPerSample);
    recorder.allNotesOff(frames);
    return recorder.takeEvents();
}

} // namespace engine
