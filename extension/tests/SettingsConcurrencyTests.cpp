// The poll on the main thread while the render thread changes parameters, as in a host. The tsan
// preset runs this; the end state is exact either way.

#include "SettingsFixture.h"

#include "engine/ParameterAddress.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(SettingsConcurrency, PollingWhileTheRenderThreadChangesValues) {
    settingstest::Fixture f;
    f.startRendering();
    constexpr int kCalls = 20000;
    std::atomic<bool> done{false};
    std::thread renderThread([&] {
        for (int call = 0; call < kCalls; ++call) {
            au::RenderEvent events[] = {
                au::parameterEvent(0, engine::kMorphX, float(call % 100) / 100.0f),
                au::midiEvent(0, 0, 3, {0x90, uint8_t(20 + call % 80), 100}),
            };
            events[0].next = &events[1];
            f.host.beat = call * 256.0 * 120.0 / (60.0 * 44100.0);
            testhost::renderCall(f.block, call * 256.0, 256, events);
        }
        done.store(true);
    });
    while (!done.load())
        f.poll();
    renderThread.join();
    f.poll();

    const int last = kCalls - 1;
    EXPECT_EQ(f.engine().lowNote.load(), 20 + last % 80); // the render thread's last word stands
    EXPECT_EQ(f.settings->lowNote()->value.peek(), float(20 + last % 80));
    EXPECT_EQ(f.settings->morphX()->value.peek(), float(last % 100) / 100.0f);
    EXPECT_EQ(f.settings->playheadTick().peek(), f.engine().currentStep.load());
    EXPECT_TRUE(f.automation.empty());
}

} // namespace
