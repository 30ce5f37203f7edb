// One thread renders through the render block while the main thread edits parameters, reseeds,
// toggles bypass and polls the dirty mask, as the interface does. The tsan preset runs this.

#include "TestHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(Concurrency, RenderWhileMainThreadEdits) {
    auto unit = testhost::makeUnit();
    testhost::Host host;
    host.install(*unit);
    unit->setMaximumFramesToRender(256);
    ASSERT_FALSE(unit->allocateRenderResources().has_value());
    au::RenderBlock block = unit->renderBlock();

    au::RenderEvent events[] = {
        au::parameterEvent(0, engine::kMorphX, 0.25f),
        au::parameterEvent(0, engine::kDivision, 4.0f),
        au::midiEvent(0, 0, 3, {0x90, 40, 90}),
    };
    events[0].next = &events[1];
    events[1].next = &events[2];

    constexpr int kCalls = 3000;
    std::atomic<bool> done{false};
    std::atomic<int> failures{0};
    std::thread renderThread([&] {
        for (int call = 0; call < kCalls; ++call) {
            // The transport lives on the render thread, as in a host.
            host.beat = call * 256.0 * 120.0 / (60.0 * 44100.0);
            const au::RenderEvent* list = call % 10 == 0 ? events : nullptr;
            if (testhost::renderCall(block, call * 256.0, 256, list) != au::kNoErr) {
                failures.fetch_add(1);
            }
        }
        done.store(true);
    });

    uint32_t seenMask = 0;
    uint64_t seed = 1;
    int round = 0;
    while (!done.load()) {
        unit->setParameter(engine::kMorphY, float(round % 100) / 100.0f);
        unit->setParameter(engine::kSequenceLength, float(1 + round % 64));
        unit->setParameter(engine::kGate, float(round % 100));
        if (round % 50 == 0) {
            unit->setSeed(seed++);
        }
        unit->setShouldBypassEffect(round % 200 == 199);
        engine::MidiProcessor& engine = unit->midiProcessor();
        uint32_t mask = engine.dirtyMask.exchange(0, std::memory_order_acq_rel);
        for (int address = 0; address < engine::kParameterCount; ++address) {
            if (mask & (1u << address)) {
                (void)engine.parameterMirror[static_cast<size_t>(address)].load(std::memory_order_relaxed);
            }
        }
        seenMask |= mask;
        (void)engine.currentStep.load(std::memory_order_relaxed);
        (void)unit->getInterpolatedSequence(0.5f, 0.5f);
        (void)unit->currentTempo();
        ++round;
    }
    renderThread.join();
    unit->deallocateRenderResources();
    EXPECT_EQ(failures.load(), 0);
    seenMask |= unit->midiProcessor().dirtyMask.exchange(0);
    EXPECT_NE(seenMask & (1u << engine::kMorphX), 0u);
    EXPECT_NE(seenMask & (1u << engine::kLowNote), 0u);
}

} // namespace
