// One thread renders while another stores parameters, reseeds, reads the display sequence and polls
// the dirty mask, as the interface does. The assertions hold for any interleaving; the tsan preset
// checks that there is no data race.

#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace engine {
namespace {

TEST(Concurrency, RenderWhileTheInterfaceEditsAndPolls) {
    MidiProcessor e;
    std::atomic<bool> done{false};
    long sent = 0;
    double beat = 0.0;
    e.setMusicalContextBlock([&](double* t, double* b, double* d) {
        *t = 140.0;
        *b = beat;
        *d = 0.0;
        return true;
    });
    e.setMIDIOutputBlock([&](int64_t, uint8_t, int32_t length, const uint8_t* bytes) {
        sent += length == 3 && bytes[1] < 128;
        return int32_t{0};
    });

    std::thread render([&] {
        const uint8_t noteOn[3] = {0x90, 0, 100};
        uint8_t message[3] = {noteOn[0], noteOn[1], noteOn[2]};
        RenderEventNode automation{{kRenderEventParameter, kMorphX, 0.0f}};
        RenderEventNode midi{{kRenderEventMIDI, 0, 0.0f, 3, message}};
        automation.next = &midi;
        for (int call = 0; call < 20000; ++call) {
            automation.event.value = float(call % 100) / 100.0f;
            message[1] = static_cast<uint8_t>(30 + call % 40);
            e.process(double(call) * 256.0, 256, renderEventListOf(&automation));
            beat += 256.0 * 140.0 / (60.0 * 44100.0);
        }
        done = true;
    });

    uint32_t seen = 0;
    int32_t lastStepSeen = -1;
    uint64_t seed = 1;
    while (!done) {
        e.setParameter(kGate, float(seed % 90), false);
        e.setParameter(kSequenceLength, float(1 + seed % 64), false);
        e.setSeed(seed++);
        const auto sequence = e.interpolatedSequence(e.morphX, e.morphY);
        ASSERT_TRUE(sequence.note[0] >= 0.0f && sequence.note[0] <= 1.0f);
        const uint32_t mask = e.dirtyMask.exchange(0, std::memory_order_acq_rel);
        seen |= mask;
        for (int n = 0; n < kParameterCount; ++n) {
            if (mask & (1u << n)) {
                (void)e.parameterMirror[n].load(std::memory_order_relaxed);
            }
        }
        lastStepSeen = e.currentStep.load(std::memory_order_relaxed);
        (void)e.generateMIDISequenceEvents(e.tempo, e.sampleRate);
    }
    render.join();
    EXPECT_EQ(seen & ~((1u << kMorphX) | (1u << kLowNote)), 0u) << "only render-thread changes are published";
    EXPECT_GE(lastStepSeen, -1);
    EXPECT_GT(sent, 0);
}

} // namespace
} // namespace engine
