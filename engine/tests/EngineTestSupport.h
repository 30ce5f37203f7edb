#pragma once
// Shared fixtures of the engine tests: a probe engine that records what the scheduler does and holds
// the literal per-sample scheduler as a reference, and a fake host for MidiProcessor.

#include "engine/MidiProcessor.h"
#include "engine/Truncate.h"
#include "engine/ZindralEngine.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace engine::testing {

struct NoteEvent {
    int64_t time = 0; ///< sample offset (probe) or absolute sample time (fake host)
    uint8_t status = 0;
    uint8_t note = 0;
    uint8_t velocity = 0;
    bool operator==(const NoteEvent&) const = default;
};

inline uint8_t velocityByte(float velocity) {
    return static_cast<uint8_t>(roundSaturating<int32_t>(velocity * 127.0f));
}

/// Records notes and step changes; referenceRenderSteps is the scheduler written literally, one sample
/// at a time, reading every field where it is used.
class ProbeEngine : public ZindralEngine {
public:
    explicit ProbeEngine(uint64_t s = 0) : ZindralEngine(s) {}

    std::vector<NoteEvent> notes;
    std::vector<int32_t> steps;

    void referenceRenderSteps(int32_t frames, double startBeat, double beatsPerSample) {
        for (int32_t i = 0; i < frames; ++i) {
            const double beat = std::fma(static_cast<double>(i), beatsPerSample, startBeat);
            const int32_t step = truncateSaturating<int32_t>(std::floor(beat / stepLengthBeats.load()));
            bool primary = false;
            if (step == lastStep) {
                if (noteActive) {
                    primary = true;
                } else if (slideNoteActive) {
                    primary = false;
                } else {
                    continue;
                }
            } else {
                if (noteActive) {
                    const StepValues previous = interpolatedStep(
                        patternIndexForStep(lastStep, sequenceLength.load(), playback.load()), morphX,
                        morphY);
                    if (previous.slide < slideAmount) {
                        if (slideNoteActive) {
                            noteOff(i, slideNote);
                        }
                        slideNote = activeNote;
                        slideNoteActive = true;
                    } else {
                        noteOff(i, activeNote);
                    }
                    noteActive = false;
                }
                const int32_t index = patternIndexForStep(step, sequenceLength.load(), playback.load());
                stepChanged(step);
                const StepValues values = interpolatedStep(index, morphX, morphY);
                noteEndBeat = std::fma(stepLengthBeats.load(), static_cast<double>(gate.load()), beat);
                if (values.rest < restAmount) {
                    lastStep = step;
                    if (noteActive) {
                        primary = true;
                    } else if (slideNoteActive) {
                        primary = false;
                    } else {
                        continue;
                    }
                } else {
                    const int32_t note = mapNote(lowNote.load(), range.load(), values.note);
                    const float velocity = values.accent < accentAmount ? 120.0f / 127.0f : 80.0f / 127.0f;
                    noteOn(i, note, velocity);
                    activeNote = static_cast<uint8_t>(note);
                    noteActive = true;
                    lastStep = step;
                    primary = true;
                }
            }
            if (beat >= noteEndBeat) {
                if (slideNoteActive) {
                    noteOff(i, slideNote);
                    slideNoteActive = false;
                    primary = noteActive;
                }
                if (primary) {
                    const StepValues current = interpolatedStep(
                        patternIndexForStep(lastStep, sequenceLength.load(), playback.load()), morphX,
                        morphY);
                    if (!(current.slide < slideAmount)) {
                        noteOff(i, activeNote);
                        noteActive = false;
                    }
                }
            }
        }
    }

    using ZindralEngine::copyParametersAndTablesFrom;

protected:
    void noteOn(int32_t sampleOffset, int32_t note, float velocity) override {
        notes.push_back({sampleOffset, 0x90, static_cast<uint8_t>(note), velocityByte(velocity)});
    }
    void noteOff(int32_t sampleOffset, int32_t note) override {
        notes.push_back({sampleOffset, 0x80, static_cast<uint8_t>(note), 0});
    }
    void stepChanged(int32_t step) override { steps.push_back(step); }
};

/// A host as the command-line host models it: contiguous calls, tempo, transport, recorded MIDI.
struct FakeHost {
    double tempo = 120.0;
    double beat = 0.0;
    double downbeat = 0.0;
    bool contextAvailable = true;
    bool transportAvailable = true;
    bool moving = true;
    int64_t sampleTime = 0;
    std::vector<NoteEvent> sent;

    void attach(MidiProcessor& engine) {
        engine.setMusicalContextBlock([this](double* t, double* b, double* d) {
            if (!contextAvailable) {
                return false;
            }
            *t = tempo;
            *b = beat;
            *d = downbeat;
            return true;
        });
        engine.setTransportStateBlock([this](uint32_t* flags) {
            *flags = moving ? kTransportStateMoving : 0;
            return transportAvailable;
        });
        engine.setMIDIOutputBlock([this](int64_t time, uint8_t cable, int32_t length, const uint8_t* bytes) {
            if (cable == 0 && length == 3) {
                sent.push_back({time, bytes[0], bytes[1], bytes[2]});
            }
            return int32_t{0};
        });
    }

    /// One render call at the host's position; then the position advances by the call's frames.
    int32_t render(MidiProcessor& engine, uint32_t frames, RenderEventList events = {}) {
        const int32_t status = engine.process(static_cast<double>(sampleTime), frames, events);
        sampleTime += frames;
        beat += static_cast<double>(frames) * tempo / (60.0 * engine.sampleRate.load());
        return status;
    }
};

/// Both NaN, or the same bits.
inline bool sameDouble(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

} // namespace engine::testing
