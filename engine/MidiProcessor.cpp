#include "engine/MidiProcessor.h"

#include "engine/Truncate.h"

#include <cmath>
#include <limits>
#include <utility>

namespace engine {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr double kJumpToleranceBeats = 0.1;
constexpr uint8_t kMidiCable = 0;

// hostSampleTime + offset without overflow at the ends of the sample-time range.
int64_t eventSampleTime(int64_t base, int32_t offset) {
    if (offset > 0 && base > std::numeric_limits<int64_t>::max() - offset) {
        return std::numeric_limits<int64_t>::max();
    }
    if (offset < 0 && base < std::numeric_limits<int64_t>::min() - offset) {
        return std::numeric_limits<int64_t>::min();
    }
    return base + offset;
}
} // namespace

MidiProcessor::MidiProcessor(uint64_t initialSeed) : ZindralEngine(initialSeed) {}

MidiProcessor::~MidiProcessor() = default;

void MidiProcessor::setParameter(uint64_t address, float value, bool publish) {
    if (!storeParameter(address, value)) {
        return;
    }
    parameterMirror[address].store(value, kRelaxed);
    if (publish) {
        dirtyMask.fetch_or(uint32_t{1} << address, std::memory_order_release);
    }
}

void MidiProcessor::setMusicalContextBlock(MusicalContextBlock block) {
    musicalContextBlock = std::move(block);
}
void MidiProcessor::setTransportStateBlock(TransportStateBlock block) {
    transportStateBlock = std::move(block);
}
void MidiProcessor::setMIDIOutputBlock(MidiOutputBlock block) {
    midiOutputBlock = std::move(block);
}

void MidiProcessor::applyEvent(const RenderEvent& event) {
    if (event.type == kRenderEventParameter) {
        setParameter(event.address, event.value, true);
        return;
    }
    if (event.type != kRenderEventMIDI || event.midiLength != 3 || event.midiBytes == nullptr) {
        return;
    }
    const uint8_t status = event.midiBytes[0];
    const uint8_t note = event.midiBytes[1];
    const uint8_t velocity = event.midiBytes[2];
    // A note-on on any channel transposes the line; the note itself is not played.
    if ((status & 0xF0) != kNoteOnStatus || velocity == 0 || note == lowNote.load(kRelaxed)) {
        return;
    }
    lowNote.store(note, kRelaxed);
    parameterMirror[kLowNote].store(static_cast<float>(note), kRelaxed);
    dirtyMask.fetch_or(uint32_t{1} << kLowNote, std::memory_order_release);
}

int32_t MidiProcessor::process(double sampleTime, uint32_t frameCount, RenderEventList events) {
    if (!musicalContextBlock) {
        return kStatusCannotDoInCurrentContext;
    }
    double hostTempo = tempo.load(kRelaxed);
    double hostBeat = beatPosition;
    double hostDownbeat = measureDownbeatPosition;
    if (!musicalContextBlock(&hostTempo, &hostBeat, &hostDownbeat)) {
        return kStatusCannotDoInCurrentContext;
    }
    tempo.store(hostTempo, kRelaxed);
    beatPosition = hostBeat;
    measureDownbeatPosition = hostDownbeat;

    hostSampleTime = truncateSaturating<int64_t>(sampleTime);

    if (std::fabs(beatPosition - nextExpectedBeat) > kJumpToleranceBeats) {
        stopPlaying();
    }

    if (events.read != nullptr) {
        for (const void* node = events.first; node != nullptr;) {
            RenderEvent event;
            node = events.read(node, event);
            applyEvent(event);
        }
    }

    if (bypassed.load(kRelaxed)) {
        return 0;
    }

    if (transportStateBlock) {
        uint32_t flags = 0;
        if (transportStateBlock(&flags) && (flags & kTransportStateMoving) == 0) {
            stopPlaying();
            return 0;
        }
    }

    const double beatsPerSample = (hostTempo / 60.0) * (1.0 / static_cast<double>(sampleRate.load(kRelaxed)));
    const double endBeat = std::fma(static_cast<double>(frameCount), beatsPerSample, beatPosition);
    if (!std::isfinite(beatPosition) || !std::isfinite(endBeat)) {
        // No usable time line (a non-finite tempo, beat or sample rate): nothing can be placed, so
        // behave as a stopped transport rather than sounding a note that never ends.
        stopPlaying();
        return 0;
    }
    const int32_t frames =
        static_cast<int32_t>(std::min<uint32_t>(frameCount, std::numeric_limits<int32_t>::max()));
    renderSteps(frames, beatPosition, beatsPerSample);
    nextExpectedBeat = endBeat;
    return 0;
}

void MidiProcessor::stopPlaying() {
    allNotesOff(0);
    lastStep = -1;
}

void MidiProcessor::send(int32_t sampleOffset, uint8_t status, uint8_t note, uint8_t velocity) {
    if (!midiOutputBlock) {
        return;
    }
    const uint8_t bytes[3] = {status, note, velocity};
    midiOutputBlock(eventSampleTime(hostSampleTime, sampleOffset), kMidiCable, 3, bytes);
}

void MidiProcessor::noteOn(int32_t sampleOffset, int32_t note, float velocity) {
    send(sampleOffset, kNoteOnStatus, static_cast<uint8_t>(note),
         static_cast<uint8_t>(roundSaturating<int32_t>(velocity * 127.0f)));
}

void MidiProcessor::noteOff(int32_t sampleOffset, int32_t note) {
    send(sampleOffset, kNoteOffStatus, static_cast<uint8_t>(note), 0);
}

void MidiProcessor::stepChanged(int32_t step) {
    currentStep.store(step, kRelaxed);
}

} // namespace engine
