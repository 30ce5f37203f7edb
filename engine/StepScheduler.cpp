// The step scheduler. Its behaviour is defined sample by sample: at sample i the beat is
// i * beatsPerSample + startBeat (one fused multiply-add), the step is floor(beat / stepLength), and
// a new step, a gate end or a slid note's release happens at the first sample where the step changes
// or the beat reaches the gate end. Between those samples nothing happens, so when the beat grows
// monotonically (finite start, finite non-negative rate) the loop jumps straight to the next such
// sample, found by binary search on the same per-sample expressions: the output is identical to
// visiting every sample. Any other rate is walked sample by sample.

#include "engine/Truncate.h"
#include "engine/ZindralEngine.h"

#include <cmath>

namespace engine {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;

// Smallest j in [lo, hi) with pred(j), or hi; pred must be false up to some j and true from there on.
template <class Pred> int32_t firstSampleWhere(int32_t lo, int32_t hi, Pred pred) {
    if (lo >= hi || !pred(hi - 1)) {
        return hi;
    }
    int32_t a = lo;
    int32_t b = hi - 1;
    while (a < b) {
        const int32_t m = a + (b - a) / 2;
        if (pred(m)) {
            b = m;
        } else {
            a = m + 1;
        }
    }
    return a;
}
} // namespace

// Parameters read once per render call: the main thread may store new values at any time, and a call
// sees one consistent set of them.
struct ZindralEngine::SchedulerParameters {
    double stepLength;
    float gate;
    float restAmount;
    float slideAmount;
    float accentAmount;
    float morphX;
    float morphY;
    int32_t sequenceLength;
    int32_t playback;
    int32_t lowNote;
    int32_t range;
};

ZindralEngine::StepValues ZindralEngine::valuesOfStep(const SchedulerParameters& p, int32_t step) const {
    return interpolatedStep(patternIndexForStep(step, p.sequenceLength, p.playback), p.morphX, p.morphY);
}

void ZindralEngine::processSample(const SchedulerParameters& p, int32_t i, double beat, int32_t step) {
    bool primary = false;
    if (step == lastStep) {
        if (noteActive) {
            primary = true;
        } else if (!slideNoteActive) {
            return;
        }
    } else {
        if (noteActive) {
            // The previous step's note either slides into this one or ends here.
            if (valuesOfStep(p, lastStep).slide < p.slideAmount) {
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
        const int32_t index = patternIndexForStep(step, p.sequenceLength, p.playback);
        stepChanged(step);
        const StepValues values = interpolatedStep(index, p.morphX, p.morphY);
        noteEndBeat = std::fma(p.stepLength, static_cast<double>(p.gate), beat);
        lastStep = step;
        if (values.rest < p.restAmount) {
            if (!slideNoteActive) {
                return;
            }
        } else {
            const int32_t note = mapNote(p.lowNote, p.range, values.note);
            noteOn(i, note, values.accent < p.accentAmount ? kAccentVelocity : kPlainVelocity);
            activeNote = static_cast<uint8_t>(note);
            noteActive = true;
            primary = true;
        }
    }
    if (beat >= noteEndBeat) {
        if (slideNoteActive) {
            noteOff(i, slideNote);
            slideNoteActive = false;
            primary = noteActive;
        }
        // A note whose step slides sounds on past its gate, into the next step.
        if (primary && !(valuesOfStep(p, lastStep).slide < p.slideAmount)) {
            noteOff(i, activeNote);
            noteActive = false;
        }
    }
}

void ZindralEngine::renderSteps(int32_t frames, double startBeat, double beatsPerSample) {
    if (frames < 1) {
        return;
    }
    const SchedulerParameters p{
        stepLengthBeats.load(kRelaxed), gate.load(kRelaxed),           restAmount.load(kRelaxed),
        slideAmount.load(kRelaxed),     accentAmount.load(kRelaxed),   morphX.load(kRelaxed),
        morphY.load(kRelaxed),          sequenceLength.load(kRelaxed), playback.load(kRelaxed),
        lowNote.load(kRelaxed),         range.load(kRelaxed)};
    const auto beatAt = [&](int32_t i) {
        return std::fma(static_cast<double>(i), beatsPerSample, startBeat);
    };
    const auto stepAt = [&](double beat) {
        return truncateSaturating<int32_t>(std::floor(beat / p.stepLength));
    };

    const bool monotonic = std::isfinite(startBeat) && std::isfinite(beatsPerSample) && beatsPerSample >= 0.0;
    if (!monotonic) {
        for (int32_t i = 0; i < frames; ++i) {
            const double beat = beatAt(i);
            processSample(p, i, beat, stepAt(beat));
        }
        return;
    }
    int32_t i = 0;
    while (i < frames) {
        const double beat = beatAt(i);
        processSample(p, i, beat, stepAt(beat));
        // Here the step at i is lastStep; the next event is the next step or the gate end, whichever
        // comes first. Past its gate end a step has no further event (its sliding note waits for the
        // next step).
        const int32_t current = lastStep;
        int32_t next =
            firstSampleWhere(i + 1, frames, [&](int32_t j) { return stepAt(beatAt(j)) != current; });
        if ((noteActive || slideNoteActive) && !(beat >= noteEndBeat)) {
            const double end = noteEndBeat;
            next = firstSampleWhere(i + 1, next, [&](int32_t j) { return beatAt(j) >= end; });
        }
        i = next;
    }
}

void ZindralEngine::allNotesOff(int32_t sampleOffset) {
    if (noteActive) {
        noteOff(sampleOffset, activeNote);
    }
    if (slideNoteActive) {
        noteOff(sampleOffset, slideNote);
    }
    noteActive = false;
    slideNoteActive = false;
}

} // namespace engine
