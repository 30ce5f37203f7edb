#pragma once
// The sequence engine's shared core: parameters, seed, the four seeded corner tables, sequence
// generation and the per-sample step scheduler. MidiProcessor (live output) and RecordingEngine
// (offline render) derive from it and receive the scheduler's notes through noteOn / noteOff.
//
// Threads: parameters, the seed and the tables are written by the main thread (interface, state
// restore) and by the render thread (host automation) and read by both, so they are atomics with
// relaxed ordering: a render call may see a table half refilled or a parameter mid-update, never a
// torn value. The scheduler state belongs to the thread that renders (the render thread for the
// live engine, the exporting thread for a RecordingEngine).

#include "engine/RecordedMIDIEvent.h"
#include "engine/SequenceTables.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace engine {

class ZindralEngine {
public:
    /// Four arrays of 64 steps as the interface displays them.
    struct FullSequenceData {
        std::array<float, kSteps> note{};
        std::array<float, kSteps> slide{};
        std::array<float, kSteps> rest{};
        std::array<float, kSteps> accent{};
    };

    /// The values of one step, each in 0..1.
    struct StepValues {
        float note = 0.0f;
        float slide = 0.0f;
        float rest = 0.0f;
        float accent = 0.0f;
    };

    template <class T>
    using Table = std::array<std::array<std::array<std::atomic<T>, kSteps>, kRows>, kCorners>;

    /// [main] Defaults for every parameter, tables filled from `seed`.
    explicit ZindralEngine(uint64_t seed);
    virtual ~ZindralEngine();
    ZindralEngine(const ZindralEngine&) = delete;
    ZindralEngine& operator=(const ZindralEngine&) = delete;

    /// [any] Stores the seed and refills cornerSeeds and cornerTables from it. Scheduler state is kept.
    void setSeed(uint64_t newSeed);

    /// [any] Stores one parameter by address (0 to 23; others do nothing). Returns whether the address
    /// names a parameter. sequenceLength is kept in 1..64 and division at 0 or above; everything else
    /// is stored as given (readers clamp). MidiProcessor::setParameter adds the mirror and dirty mask.
    bool storeParameter(uint64_t address, float value);

    /// [any] Index into the sequence (0..length-1) that global step `step` plays under `playback`.
    static int32_t patternIndexForStep(int32_t step, int32_t length, int32_t playback);
    /// [any] Global steps after which the pattern repeats.
    static int32_t patternCycleLength(int32_t length, int32_t playback);
    /// [any] Step `index` (offset and length applied) blended at morph position (x, y); only the note
    /// is blended, slide, rest and accent come from corner 0.
    StepValues interpolatedStep(int32_t index, float x, float y) const;
    /// [any] The 64 display steps at a morph position (entry i = interpolatedStep(i, x, y)).
    FullSequenceData interpolatedSequence(float x, float y) const;
    /// [any] MIDI note 0..127 for a step's note value, snapped to the nearest allowed pitch class.
    int32_t mapNote(int32_t low, int32_t noteRange, float value) const;

    /// [render] The scheduler: walks `frames` samples from `startBeat`, sending notes at exact offsets.
    void renderSteps(int32_t frames, double startBeat, double beatsPerSample);
    /// [render] Turns off the sounding notes at a sample offset; lastStep is left to the caller.
    void allNotesOff(int32_t sampleOffset);

    /// [main] One cycle of the pattern rendered offline from this engine's parameters and tables at
    /// tempo (beats per minute) and sample rate (Hz); this engine is not changed. A tempo or sample
    /// rate that is not a positive finite number is replaced by 120 or 44100.
    std::vector<Velmor::RecordedMIDIEvent> generateMIDISequenceEvents(double tempoBPM,
                                                                      double sampleRateHz) const;

    // Parameters (addresses in ParameterAddress.h).
    std::atomic<uint8_t> lowNote{36};
    std::atomic<uint8_t> range{24};
    std::atomic<int32_t> playback{0};
    std::atomic<float> restAmount{0.2f};
    std::atomic<float> slideAmount{0.2f};
    std::atomic<float> accentAmount{0.2f};
    std::atomic<float> gate{0.5f}; ///< fraction of a step (the parameter is in percent)
    std::atomic<float> morphX{0.5f};
    std::atomic<float> morphY{0.5f};
    std::atomic<int32_t> sequenceLength{16};
    std::atomic<int32_t> division{1};
    std::atomic<int32_t> offset{0};
    std::atomic<double> stepLengthBeats{0.25}; ///< derived from division
    std::array<std::atomic<uint8_t>, kPitchClasses> allowedPitchClasses;
    std::atomic<uint64_t> seed{0};
    Table<float> cornerTables; ///< [corner][row: note, slide, rest, accent][step]
    std::array<std::atomic<uint64_t>, kCorners> cornerSeeds;

    // Scheduler state, owned by the rendering thread.
    double nextExpectedBeat = -1.0;
    int32_t lastStep = -1;
    bool noteActive = false;
    uint8_t activeNote = 0;
    bool slideNoteActive = false;
    uint8_t slideNote = 0;
    double noteEndBeat = -1.0;

protected:
    /// [any] Copies seed, corner seeds, tables and every parameter from `source`; scheduler state is
    /// not touched.
    void copyParametersAndTablesFrom(const ZindralEngine& source);

    virtual void noteOn(int32_t sampleOffset, int32_t note, float velocity) = 0;
    virtual void noteOff(int32_t sampleOffset, int32_t note) = 0;
    virtual void stepChanged(int32_t step);

private:
    struct SchedulerParameters;
    void processSample(const SchedulerParameters& p, int32_t i, double beat, int32_t step);
    StepValues valuesOfStep(const SchedulerParameters& p, int32_t step) const;
};

} // namespace engine
