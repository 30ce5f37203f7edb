// Playback patterns, morph interpolation and note mapping: pure functions of the engine's tables and
// parameters, shared by the scheduler, the offline render and the interface's display.

#include "engine/MonotonicLerp.h"
#include "engine/Truncate.h"
#include "engine/ZindralEngine.h"

#include <algorithm>
#include <cstdlib>

namespace engine {

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;

struct Sections {
    std::array<int32_t, kSections> start{};
    std::array<int32_t, kSections> size{};
};

// The first length % 4 sections take one step more than the others.
Sections sectionsOf(int32_t length) {
    const int32_t l = std::clamp(length, kMinSequenceLength, kMaxSequenceLength);
    const int32_t q = l / kSections;
    const int32_t r = l % kSections;
    Sections s;
    int32_t start = 0;
    for (int i = 0; i < kSections; ++i) {
        s.start[i] = start;
        s.size[i] = q + (i < r ? 1 : 0);
        start += s.size[i];
    }
    return s;
}

const std::array<int32_t, kSections>& patternRow(int32_t playback) {
    return kPlaybackPatternSections[static_cast<std::size_t>(std::clamp(playback, 0, kPlaybackPatterns - 1))];
}
} // namespace

int32_t ZindralEngine::patternCycleLength(int32_t length, int32_t playback) {
    const Sections s = sectionsOf(length);
    int32_t total = 0;
    for (int32_t section : patternRow(playback)) {
        total += s.size[section];
    }
    return total;
}

int32_t ZindralEngine::patternIndexForStep(int32_t step, int32_t length, int32_t playback) {
    const Sections s = sectionsOf(length);
    const auto& row = patternRow(playback);
    int32_t total = 0;
    for (int32_t section : row) {
        total += s.size[section];
    }
    if (total < 1) {
        return 0;
    }
    int32_t pos = ((step % total) + total) % total;
    for (int32_t section : row) {
        const int32_t n = s.size[section];
        if (n < 1) {
            continue;
        }
        if (pos < n) {
            return s.start[section] + pos;
        }
        pos -= n;
    }
    return 0;
}

ZindralEngine::StepValues ZindralEngine::interpolatedStep(int32_t index, float x, float y) const {
    // The store keeps the length in 1..64; the offset may be any integer, hence the 64-bit sum.
    const int64_t length = std::clamp(sequenceLength.load(kRelaxed), kMinSequenceLength, kMaxSequenceLength);
    const int64_t sum = static_cast<int64_t>(offset.load(kRelaxed)) + index;
    const auto k = static_cast<std::size_t>((sum % length + length) % length);
    x = std::clamp(x, 0.0f, 1.0f);
    y = std::clamp(y, 0.0f, 1.0f);
    const float a =
        monotonicLerp(cornerTables[0][0][k].load(kRelaxed), cornerTables[1][0][k].load(kRelaxed), x);
    const float b =
        monotonicLerp(cornerTables[2][0][k].load(kRelaxed), cornerTables[3][0][k].load(kRelaxed), x);
    StepValues v;
    v.note = monotonicLerp(a, b, y);
    v.slide = cornerTables[0][1][k].load(kRelaxed);
    v.rest = cornerTables[0][2][k].load(kRelaxed);
    v.accent = cornerTables[0][3][k].load(kRelaxed);
    return v;
}

ZindralEngine::FullSequenceData ZindralEngine::interpolatedSequence(float x, float y) const {
    FullSequenceData data;
    for (int i = 0; i < kSteps; ++i) {
        const StepValues v = interpolatedStep(i, x, y);
        data.note[i] = v.note;
        data.slide[i] = v.slide;
        data.rest[i] = v.rest;
        data.accent[i] = v.accent;
    }
    return data;
}

int32_t ZindralEngine::mapNote(int32_t low, int32_t noteRange, float value) const {
    value = std::clamp(value, 0.0f, 1.0f);
    const int32_t width = std::max(noteRange, 0);
    const int32_t lo = std::clamp(low, 0, 127);
    const int32_t hi = static_cast<int32_t>(std::min<int64_t>(int64_t{lo} + width, 127));
    const int32_t o = roundSaturating<int32_t>(value * static_cast<float>(width));
    const int32_t target = o < 0 ? lo : static_cast<int32_t>(std::min<int64_t>(int64_t{lo} + o, hi));
    int32_t best = -1;
    int32_t bestDistance = 999;
    for (int32_t n = lo; n <= hi; ++n) {
        if (allowedPitchClasses[static_cast<std::size_t>(n % kPitchClasses)].load(kRelaxed) == 0) {
            continue;
        }
        const int32_t distance = std::abs(n - target);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = n;
        }
    }
    return best >= 0 ? best : target;
}

} // namespace engine
