// The plug-in window's cost per frame, headless at 616 x 678 and one pixel per point: the 60 Hz
// poll tick (idle, after a playhead step, after a render-thread parameter change) with the rebuild
// and layout it causes, and the window's frame (a full redraw, and the redraw after a step).
//
//     <build>/bin/extension_bench          (needs <build>/ZindralExtension.bundle)

#include "engine/SplitMix64.h"
#include "extension/Interface/AudioUnitViewController.h"
#include "extension/ZindralAudioUnit.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/TestMainLoop.h"
#include "platform/tk/view/HeadlessWindow.h"
#include "platform/tk/view/View.h"
#include "platform/tk/view/Window.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Answers every update check with an error, so that nothing reaches the network.
class OfflineFetcher final : public tk::Fetcher {
public:
    tk::FetchResult fetch(const tk::FetchRequest&, std::stop_token) override {
        return tk::FetchResult::failure(tk::FetchError::Kind::transport, "offline");
    }
};

// The interface as a host shows it, in a headless window, on a test main loop.
struct Interface {
    tk::TestMainLoop loop;
    std::unique_ptr<extension::AudioUnitViewController> controller;
    std::unique_ptr<tk::HeadlessWindow> window;
    int32_t step = 0;

    Interface() {
        tk::Bundle::setMain(ZINDRAL_EXTENSION_BUNDLE);
        extension::Settings::Environment environment;
        auto counter = std::make_shared<uint64_t>(1);
        environment.random = [counter] { return engine::splitMix64((*counter)++); };
        environment.fetcher = std::make_shared<OfflineFetcher>();
        environment.updateFeedURL = "https://updates.zindral.example/appcast.xml";
        environment.pluginVersion = "1.0.0";
        controller = std::make_unique<extension::AudioUnitViewController>(std::move(environment));
        (void)controller->createAudioUnit(
            {au::kComponentTypeMIDIProcessor, au::fourCharCode("Zndr"), au::fourCharCode("Krvn"), 0, 0});
        controller->settings()->waitForUpdateChecks();
        window = std::make_unique<tk::HeadlessWindow>(tk::Size{616, 678});
        window->setContentView(controller->view().sharedView());
        controller->viewDidAppear();
        settle();
    }

    void settle() {
        loop.drain();
        window->window().display();
        loop.drain();
        window->window().display();
    }

    engine::MidiProcessor& engine() { return controller->audioUnit()->midiProcessor(); }

    // What the render thread does when the sequence moves on by one step.
    void stepPlayhead() { engine().currentStep.store(++step % 16, std::memory_order_relaxed); }

    // What the render thread does when it changes a parameter itself (the gate, address 6).
    void changeGateOnRenderThread() {
        const float gate = (++step % 2) ? 40.0f : 60.0f;
        engine().parameterMirror[6].store(gate, std::memory_order_relaxed);
        engine().dirtyMask.fetch_or(1u << 6, std::memory_order_acq_rel);
    }

    // One tick of the poll timer and everything it queued (rebuilds, layout), without drawing.
    void tick() {
        controller->settings()->pollAudioUnit();
        loop.drain();
        window->window().layoutIfNeeded();
    }
};

void BM_PollTickIdle(benchmark::State& state) {
    Interface ui;
    for (auto _ : state)
        ui.tick();
}

void BM_PollTickAfterPlayheadStep(benchmark::State& state) {
    Interface ui;
    for (auto _ : state) {
        ui.stepPlayhead();
        ui.tick();
    }
    ui.window->window().display();
}

void BM_PollTickAfterRenderThreadParameterChange(benchmark::State& state) {
    Interface ui;
    for (auto _ : state) {
        ui.changeGateOnRenderThread();
        ui.tick();
    }
}

// The whole window redrawn (as after a resize or when first shown).
void BM_FullFrame(benchmark::State& state) {
    Interface ui;
    for (auto _ : state) {
        ui.window->window().setNeedsDisplay();
        ui.window->window().display();
    }
}

// The frame that follows one playhead step (the tick is not timed).
void BM_FrameAfterPlayheadStep(benchmark::State& state) {
    Interface ui;
    for (auto _ : state) {
        state.PauseTiming();
        ui.stepPlayhead();
        ui.tick();
        state.ResumeTiming();
        ui.window->window().displayIfNeeded();
    }
}

BENCHMARK(BM_PollTickIdle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PollTickAfterPlayheadStep)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PollTickAfterRenderThreadParameterChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrameAfterPlayheadStep)->Unit(benchmark::kMillisecond);

} // namespace
