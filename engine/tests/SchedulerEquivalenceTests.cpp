// The scheduler skips the samples at which nothing can happen; it must match the literal per-sample
// scheduler exactly, message for message, over long renders with changing parameters and rates.

#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace engine {
namespace {

using testing::ProbeEngine;
using testing::sameDouble;

struct RandomSession {
    std::mt19937_64 rng;
    explicit RandomSession(uint64_t s) : rng(s) {}

    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
    int pick(int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); }

    // One parameter change of the kind a host or user makes, including values outside the ranges.
    std::pair<uint64_t, float> parameterChange() {
        const uint64_t address = static_cast<uint64_t>(pick(24));
        float value = 0.0f;
        switch (address) {
        case kLowNote:
            value = float(pick(256));
            break;
        case kRange:
            value = float(pick(4) == 0 ? pick(256) : pick(37));
            break;
        case kPlayback:
            value = float(pick(8) - 1);
            break;
        case kGate:
            value = pick(6) == 0 ? 0.0f : float(uniform(0, 120));
            break;
        case kSequenceLength:
            value = float(pick(70) - 2);
            break;
        case kDivision:
            value = float(pick(16));
            break;
        case kOffset:
            value = float(pick(141) - 70);
            break;
        default:
            value = float(uniform(-0.1, 1.1));
            break;
        }
        return {address, value};
    }

    double beatsPerSample() {
        switch (pick(12)) {
        case 0:
            return 0.0;
        case 1:
            return -uniform(1e-6, 1e-4);
        case 2:
            return uniform(1e-12, 1e-9);
        case 3:
            return uniform(1e-3, 0.2); // a step or more per sample
        default:
            return uniform(20.0, 300.0) / 60.0 / (pick(2) ? 44100.0 : 48000.0);
        }
    }

    double jumpTarget() {
        switch (pick(6)) {
        case 0:
            return uniform(-4, 0);
        case 1:
            return uniform(1e8, 3e8); // steps near the end of the int32 range and beyond
        case 2:
            return std::numeric_limits<double>::quiet_NaN();
        case 3:
            return -std::numeric_limits<double>::infinity();
        default:
            return uniform(0, 512);
        }
    }
};

void expectSameState(const ProbeEngine& a, const ProbeEngine& b) {
    EXPECT_EQ(a.lastStep, b.lastStep);
    EXPECT_EQ(a.noteActive, b.noteActive);
    EXPECT_EQ(a.activeNote, b.activeNote);
    EXPECT_EQ(a.slideNoteActive, b.slideNoteActive);
    EXPECT_EQ(a.slideNote, b.slideNote);
    EXPECT_TRUE(sameDouble(a.noteEndBeat, b.noteEndBeat));
}

TEST(SchedulerEquivalence, MatchesTheLiteralSchedulerOverLongRandomRenders) {
    for (uint64_t seed : {1ull, 2ull, 3ull, 0xDEADBEEFull}) {
        RandomSession session(seed);
        ProbeEngine fast(seed);
        ProbeEngine literal(seed);
        // Dense slides, rests and accents make the interesting paths common.
        for (ProbeEngine* e : {&fast, &literal}) {
            e->storeParameter(kSlideAmount, 0.5f);
            e->storeParameter(kRestAmount, 0.3f);
        }
        double beat = 0.0;
        double rate = 2.0 / 44100.0;
        size_t messages = 0;
        for (int call = 0; call < 1500; ++call) {
            for (int n = session.pick(3); n > 0; --n) {
                const auto [address, value] = session.parameterChange();
                fast.storeParameter(address, value);
                literal.storeParameter(address, value);
            }
            if (session.pick(25) == 0) {
                rate = session.beatsPerSample();
            }
            if (session.pick(40) == 0) {
                beat = session.jumpTarget();
            }
            if (session.pick(60) == 0) {
                fast.allNotesOff(0);
                literal.allNotesOff(0);
                fast.lastStep = literal.lastStep = -1;
            }
            const int32_t frames = session.pick(8) == 0 ? session.pick(3) : 1 + session.pick(4096);
            fast.renderSteps(frames, beat, rate);
            literal.referenceRenderSteps(frames, beat, rate);
            ASSERT_EQ(fast.notes, literal.notes) << "seed " << seed << " call " << call;
            ASSERT_EQ(fast.steps, literal.steps) << "seed " << seed << " call " << call;
            expectSameState(fast, literal);
            messages += fast.notes.size();
            fast.notes.clear();
            literal.notes.clear();
            fast.steps.clear();
            literal.steps.clear();
            beat = std::fma(static_cast<double>(frames), rate, beat);
            if (!std::isfinite(beat)) {
                beat = 0.0;
            }
        }
        EXPECT_GT(messages, 1000u) << "the session exercised the scheduler";
    }
}

TEST(SchedulerEquivalence, OneLongCallAtEveryDivision) {
    for (int division = 0; division < 12; ++division) {
        ProbeEngine fast(division);
        ProbeEngine literal(division);
        for (ProbeEngine* e : {&fast, &literal}) {
            e->storeParameter(kDivision, float(division));
            e->storeParameter(kSlideAmount, 0.4f);
            e->storeParameter(kSequenceLength, 64);
        }
        fast.renderSteps(1 << 20, 0.0, 2.5 / 48000.0);
        literal.referenceRenderSteps(1 << 20, 0.0, 2.5 / 48000.0);
        EXPECT_EQ(fast.notes, literal.notes) << division;
        EXPECT_EQ(fast.steps, literal.steps) << division;
    }
}

} // namespace
} // namespace engine
