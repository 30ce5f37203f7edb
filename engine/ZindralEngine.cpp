#include "engine/ZindralEngine.h"

#include "engine/ParameterAddress.h"
#include "engine/SplitMix64.h"
#include "engine/Truncate.h"

#include <algorithm>

namespace engine {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
constexpr int kNoteRow = 0;
constexpr int kSlideRow = 1;
constexpr int kRestRow = 2;
constexpr int kAccentRow = 3;

double stepLengthOfDivision(int32_t d) {
    const double base = kStepLengthBaseBeats[static_cast<std::size_t>(d % 4)];
    if (d >= 4 && d <= 7) {
        return base * kDottedFactor;
    }
    if (d >= 8 && d <= 11) {
        return base * kTripletFactor;
    }
    return base;
}
} // namespace

ZindralEngine::ZindralEngine(uint64_t initialSeed) {
    for (int p = 0; p < kPitchClasses; ++p) {
        allowedPitchClasses[p].store(kDefaultAllowedPitchClasses[p], kRelaxed);
    }
    setSeed(initialSeed);
}

ZindralEngine::~ZindralEngine() = default;

void ZindralEngine::stepChanged(int32_t) {}

void ZindralEngine::setSeed(uint64_t newSeed) {
    seed.store(newSeed, kRelaxed);
    uint64_t s = newSeed;
    for (int t = 0; t < kCorners; ++t) {
        s = splitMix64(s);
        cornerSeeds[t].store(s, kRelaxed);
        auto& table = cornerTables[t];
        uint64_t r = s;
        for (int i = 0; i < kSteps; ++i) {
            table[kNoteRow][i].store(unitFloat(r), kRelaxed);
            r = splitMix64(r + 1);
            table[kSlideRow][i].store(unitFloat(r), kRelaxed);
            r = splitMix64(r + 2);
            table[kRestRow][i].store(unitFloat(r), kRelaxed);
            r = splitMix64(r + 3);
            table[kAccentRow][i].store(unitFloat(r), kRelaxed);
            r = splitMix64(r + 4);
        }
    }
}

bool ZindralEngine::storeParameter(uint64_t address, float value) {
    const int32_t truncated = truncateSaturating<int32_t>(value);
    switch (address) {
    case kLowNote:
        lowNote.store(static_cast<uint8_t>(truncated), kRelaxed);
        return true;
    case kRange:
        range.store(static_cast<uint8_t>(truncated), kRelaxed);
        return true;
    case kPlayback:
        playback.store(truncated, kRelaxed);
        return true;
    case kRestAmount:
        restAmount.store(value, kRelaxed);
        return true;
    case kSlideAmount:
        slideAmount.store(value, kRelaxed);
        return true;
    case kAccentAmount:
        accentAmount.store(value, kRelaxed);
        return true;
    case kGate:
        gate.store(value / 100.0f, kRelaxed);
        return true;
    case kMorphX:
        morphX.store(value, kRelaxed);
        return true;
    case kMorphY:
        morphY.store(value, kRelaxed);
        return true;
    case kSequenceLength:
        // Everything that reads the length relies on 1..64.
        sequenceLength.store(std::clamp(truncated, kMinSequenceLength, kMaxSequenceLength), kRelaxed);
        return true;
    case kDivision: {
        // Negative divisions have no step length; 12 and above wrap to the straight lengths.
        const int32_t d = std::max(truncated, 0);
        division.store(d, kRelaxed);
        stepLengthBeats.store(stepLengthOfDivision(d), kRelaxed);
        return true;
    }
    case kOffset:
        offset.store(truncated, kRelaxed);
        return true;
    default:
        if (address >= kFirstPitchClass && address <= kLastPitchClass) {
            allowedPitchClasses[address - kFirstPitchClass].store(value > 0.5f ? 1 : 0, kRelaxed);
            return true;
        }
        return false;
    }
}

void ZindralEngine::copyParametersAndTablesFrom(const ZindralEngine& source) {
    seed.store(source.seed.load(kRelaxed), kRelaxed);
    for (int t = 0; t < kCorners; ++t) {
        cornerSeeds[t].store(source.cornerSeeds[t].load(kRelaxed), kRelaxed);
        for (int row = 0; row < kRows; ++row) {
            for (int i = 0; i < kSteps; ++i) {
                cornerTables[t][row][i].store(source.cornerTables[t][row][i].load(kRelaxed), kRelaxed);
            }
        }
    }
    lowNote.store(source.lowNote.load(kRelaxed), kRelaxed);
    range.store(source.range.load(kRelaxed), kRelaxed);
    playback.store(source.playback.load(kRelaxed), kRelaxed);
    restAmount.store(source.restAmount.load(kRelaxed), kRelaxed);
    slideAmount.store(source.slideAmount.load(kRelaxed), kRelaxed);
    accentAmount.store(source.accentAmount.load(kRelaxed), kRelaxed);
    gate.store(source.gate.load(kRelaxed), kRelaxed);
    morphX.store(source.morphX.load(kRelaxed), kRelaxed);
    morphY.store(source.morphY.load(kRelaxed), kRelaxed);
    sequenceLength.store(source.sequenceLength.load(kRelaxed), kRelaxed);
    division.store(source.division.load(kRelaxed), kRelaxed);
    offset.store(source.offset.load(kRelaxed), kRelaxed);
    for (int p = 0; p < kPitchClasses; ++p) {
        allowedPitchClasses[p].store(source.allowedPitchClasses[p].load(kRelaxed), kRelaxed);
    }
    stepLengthBeats.store(source.stepLengthBeats.load(kRelaxed), kRelaxed);
}

} // namespace engine
