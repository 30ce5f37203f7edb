#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace engine {
namespace {

using testing::FakeHost;
using testing::NoteEvent;

// Every step plays, plain: nothing rests, slides or is accented.
void makeEveryStepPlain(MidiProcessor& e) {
    e.setParameter(kRestAmount, 0.0f, false);
    e.setParameter(kSlideAmount, 0.0f, false);
    e.setParameter(kAccentAmount, 0.0f, false);
}

void renderFrames(FakeHost& h, MidiProcessor& e, int64_t frames, uint32_t block = 512) {
    for (int64_t done = 0; done < frames; done += block) {
        ASSERT_EQ(h.render(e, block), 0);
    }
}

TEST(RenderCycle, StepsAndGatesLandOnTheFirstSampleAtOrAfterTheirBeat) {
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    makeEveryStepPlain(e);
    renderFrames(h, e, 20 * 512);
    // 120 BPM at 44100 Hz: a 1/16 step is 5512.5 samples, half of it 2756.25.
    ASSERT_GE(h.sent.size(), 4u);
    const int64_t times[] = {0, 2757, 5513, 8270};
    const uint8_t statuses[] = {0x90, 0x80, 0x90, 0x80};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(h.sent[k].time, times[k]) << k;
        EXPECT_EQ(h.sent[k].status, statuses[k]) << k;
        EXPECT_EQ(h.sent[k].note, h.sent[k - k % 2].note);
        EXPECT_EQ(h.sent[k].velocity, k % 2 == 0 ? 80 : 0);
    }
    EXPECT_EQ(e.currentStep, 1);
    EXPECT_EQ(e.nextExpectedBeat, h.beat);
}

TEST(RenderCycle, AccentedStepsUseVelocity120) {
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    makeEveryStepPlain(e);
    e.setParameter(kAccentAmount, 1.01f, false); // every accent value is below
    renderFrames(h, e, 512);
    ASSERT_FALSE(h.sent.empty());
    EXPECT_EQ(h.sent[0], (NoteEvent{0, 0x90, h.sent[0].note, 120}));
}

TEST(RenderCycle, GateZeroSendsOnAndOffAtTheSameSample) {
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    makeEveryStepPlain(e);
    e.setParameter(kGate, 0.0f, false);
    renderFrames(h, e, 6000);
    ASSERT_GE(h.sent.size(), 4u);
    EXPECT_EQ(h.sent[0].time, 0);
    EXPECT_EQ(h.sent[1].time, 0);
    EXPECT_EQ(h.sent[0].status, 0x90);
    EXPECT_EQ(h.sent[1].status, 0x80);
    EXPECT_EQ(h.sent[2].time, 5513);
}

struct SoundingFixture : ::testing::Test {
    MidiProcessor e;
    FakeHost h;
    void SetUp() override {
        h.attach(e);
        makeEveryStepPlain(e);
        e.setParameter(kGate, 100.0f, false); // a note sounds all the time
        renderFrames(h, e, 10 * 512);
        h.sent.clear();
    }
};

TEST_F(SoundingFixture, AHostLoopTurnsNotesOffAndRestartsAtTheNextCall) {
    h.beat = 0.0;
    ASSERT_EQ(h.render(e, 512), 0);
    const int64_t start = h.sampleTime - 512;
    ASSERT_EQ(h.sent.size(), 2u);
    EXPECT_EQ(h.sent[0].time, start);
    EXPECT_EQ(h.sent[0].status, 0x80);
    EXPECT_EQ(h.sent[1].time, start);
    EXPECT_EQ(h.sent[1].status, 0x90);
    EXPECT_EQ(e.currentStep, 0);
}

TEST_F(SoundingFixture, StoppedTransportSendsPendingOffsOnceThenNothing) {
    h.moving = false;
    renderFrames(h, e, 5 * 512);
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0].status, 0x80);
    EXPECT_EQ(h.sent[0].time, h.sampleTime - 5 * 512);
    EXPECT_EQ(e.lastStep, -1);

    h.moving = true;
    h.sent.clear();
    ASSERT_EQ(h.render(e, 512), 0);
    ASSERT_FALSE(h.sent.empty());
    EXPECT_EQ(h.sent[0].status, 0x90) << "playing again starts the current step at once";
    EXPECT_EQ(h.sent[0].time, h.sampleTime - 512);
}

TEST_F(SoundingFixture, FailingOrMissingTransportCountsAsMoving) {
    h.moving = false;
    h.transportAvailable = false;
    renderFrames(h, e, 6 * 512);
    EXPECT_FALSE(h.sent.empty());
    h.sent.clear();
    e.setTransportStateBlock({});
    renderFrames(h, e, 12 * 512);
    EXPECT_FALSE(h.sent.empty());
}

TEST_F(SoundingFixture, BypassAppliesEventsButLeavesNotesAlone) {
    e.bypassed = true;
    RenderEventNode param{{kRenderEventParameter, kRange, 5.0f}};
    const uint8_t noteOn[3] = {0x90, 48, 100};
    RenderEventNode midi{{kRenderEventMIDI, 0, 0.0f, 3, noteOn}, nullptr};
    param.next = &midi;
    ASSERT_EQ(h.render(e, 512, renderEventListOf(&param)), 0);
    EXPECT_TRUE(h.sent.empty()) << "the sounding note is not turned off by the bypass";
    EXPECT_EQ(e.range, 5);
    EXPECT_EQ(e.lowNote, 48);
    EXPECT_TRUE(e.noteActive);

    // A bypassed call does not move the expected beat, so once the host is 0.1 beat further on the
    // jump test turns the note off; nothing new is scheduled.
    renderFrames(h, e, 20 * 512);
    ASSERT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.sent[0].status, 0x80);

    e.bypassed = false;
    h.sent.clear();
    ASSERT_EQ(h.render(e, 512), 0);
    ASSERT_FALSE(h.sent.empty());
    EXPECT_EQ(h.sent[0].status, 0x90);
    EXPECT_EQ(h.sent[0].time, h.sampleTime - 512);
}

TEST(RenderCycle, IncomingNoteOnsTransposeOnlyWhenTheyAreRealNoteOns) {
    struct Case {
        std::vector<uint8_t> bytes;
        uint8_t lowNote;
        uint32_t mask;
    };
    const Case cases[] = {
        {{0x90, 60, 100}, 60, 1},    {{0x93, 50, 1}, 50, 1},    {{0x90, 60, 0}, 36, 0},
        {{0x90, 60}, 36, 0},         {{0x80, 60, 100}, 36, 0},  {{0x90, 36, 100}, 36, 0},
        {{0x90, 60, 100, 0}, 36, 0}, {{0xF0, 0x90, 60}, 36, 0}, {{}, 36, 0},
    };
    for (const Case& c : cases) {
        MidiProcessor e;
        FakeHost h;
        h.attach(e);
        e.bypassed = true;
        RenderEventNode node{
            {kRenderEventMIDI, 0, 0.0f, static_cast<int32_t>(c.bytes.size()), c.bytes.data()}};
        ASSERT_EQ(h.render(e, 64, renderEventListOf(&node)), 0);
        EXPECT_EQ(e.lowNote, c.lowNote);
        EXPECT_EQ(e.dirtyMask.exchange(0), c.mask);
        EXPECT_EQ(e.parameterMirror[0], c.mask ? float(c.lowNote) : 0.0f);
    }
}

TEST(RenderCycle, ParameterEventsArePublishedAndUnknownAddressesIgnored) {
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    RenderEventNode ignoredType{{2, kGate, 10.0f}}; // a ramp: ignored
    RenderEventNode unknown{{kRenderEventParameter, 30, 1.0f}, &ignoredType};
    RenderEventNode length{{kRenderEventParameter, kSequenceLength, 8.0f}, &unknown};
    ASSERT_EQ(h.render(e, 64, renderEventListOf(&length)), 0);
    EXPECT_EQ(e.sequenceLength, 8);
    EXPECT_EQ(e.gate, 0.5f);
    EXPECT_EQ(e.dirtyMask.exchange(0), 1u << kSequenceLength);
}

TEST(RenderCycle, WithoutMusicalContextNothingHappens) {
    MidiProcessor e;
    RenderEventNode length{{kRenderEventParameter, kSequenceLength, 8.0f}};
    EXPECT_EQ(e.process(0, 512, renderEventListOf(&length)), kStatusCannotDoInCurrentContext);
    FakeHost h;
    h.attach(e);
    h.contextAvailable = false;
    EXPECT_EQ(h.render(e, 512, renderEventListOf(&length)), kStatusCannotDoInCurrentContext);
    EXPECT_EQ(e.sequenceLength, 16);
    EXPECT_EQ(e.dirtyMask, 0u);
    EXPECT_TRUE(h.sent.empty());
    EXPECT_EQ(e.tempo, 120.0);

    // Render resources deallocated: the blocks are cleared and rendering fails again.
    h.contextAvailable = true;
    ASSERT_EQ(h.render(e, 512), 0);
    e.setMusicalContextBlock({});
    e.setTransportStateBlock({});
    e.setMIDIOutputBlock({});
    EXPECT_EQ(e.process(0, 512, {}), kStatusCannotDoInCurrentContext);
}

TEST(RenderCycle, WithoutMidiOutputTheSchedulerStillAdvances) {
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    e.setMIDIOutputBlock({});
    makeEveryStepPlain(e);
    renderFrames(h, e, 40 * 512);
    EXPECT_TRUE(h.sent.empty());
    EXPECT_EQ(e.currentStep, 3);
}

TEST(RenderCycle, NonFiniteTimeBehavesAsAStoppedTransport) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double tempo;
        double beat;
        float sampleRate;
    };
    const Case cases[] = {{nan, 4, 44100}, {inf, 4, 44100},      {120, nan, 44100}, {120, -inf, 44100},
                          {120, 4, 0},     {120, 4, float(nan)}, {1e308, 4, 1e-30f}};
    for (const Case& c : cases) {
        MidiProcessor e;
        FakeHost h;
        h.attach(e);
        makeEveryStepPlain(e);
        e.setParameter(kGate, 100.0f, false);
        renderFrames(h, e, 512);
        ASSERT_EQ(h.sent.size(), 1u);
        h.tempo = c.tempo;
        h.beat = c.beat;
        e.sampleRate = c.sampleRate;
        ASSERT_EQ(h.render(e, 512), 0);
        ASSERT_EQ(h.render(e, 512), 0);
        ASSERT_EQ(h.sent.size(), 2u) << c.tempo << " " << c.beat << " " << c.sampleRate;
        EXPECT_EQ(h.sent[1].status, 0x80);
        EXPECT_EQ(e.lastStep, -1);
    }
}

TEST(RenderCycle, EventTimesAreHostSampleTimePlusOffset) {
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    makeEveryStepPlain(e);
    h.sampleTime = 1'000'000'007;
    renderFrames(h, e, 6 * 512);
    ASSERT_GE(h.sent.size(), 2u);
    EXPECT_EQ(h.sent[0].time, 1'000'000'007);
    EXPECT_EQ(h.sent[1].time, 1'000'000'007 + 2757);
    // A sample time at the end of the range saturates instead of overflowing.
    MidiProcessor far;
    FakeHost g;
    g.attach(far);
    makeEveryStepPlain(far);
    far.setParameter(kGate, 0.0f, false);
    ASSERT_EQ(far.process(1e300, 512, {}), 0);
    ASSERT_EQ(g.sent.size(), 2u);
    EXPECT_EQ(g.sent[1].time, std::numeric_limits<int64_t>::max());
}

} // namespace
} // namespace engine
