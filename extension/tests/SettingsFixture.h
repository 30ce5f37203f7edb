#pragma once
// A Settings bound to a real ZindralAudioUnit on a test main loop: deterministic random words, an
// update check that never reaches the network, and a host that renders on demand.

#include "TestHost.h"

#include "engine/SplitMix64.h"
#include "extension/Settings/Settings.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/TestMainLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace settingstest {

// Answers every fetch with an error, on the worker thread.
class UnreachableFetcher final : public tk::Fetcher {
public:
    tk::FetchResult fetch(const tk::FetchRequest&, std::stop_token) override {
        return tk::FetchResult::failure(tk::FetchError::Kind::transport, "unreachable");
    }
};

// Random words from SplitMix64 over a counter: the same sequence in every run.
inline extension::RandomSource countingRandom(uint64_t start = 1) {
    auto counter = std::make_shared<uint64_t>(start);
    return [counter] { return engine::splitMix64((*counter)++); };
}

inline extension::Settings::Environment quietEnvironment() {
    extension::Settings::Environment environment;
    environment.random = countingRandom();
    environment.fetcher = std::make_shared<UnreachableFetcher>();
    environment.updateFeedURL = "https://updates.zindral.example/appcast.xml";
    environment.pluginVersion = "1.0.0";
    return environment;
}

struct Fixture {
    tk::TestMainLoop loop;
    std::shared_ptr<extension::Settings> settings;
    std::shared_ptr<extension::ZindralAudioUnit> unit = testhost::makeUnit();
    testhost::Host host;
    au::RenderBlock block;
    double sampleTime = 0.0;
    std::vector<au::ParameterAutomationEvent> automation; // what the host recorded
    au::ObserverToken automationToken;

    explicit Fixture(extension::Settings::Environment environment = quietEnvironment(), bool configure = true)
        : settings(extension::Settings::create(std::move(environment))) {
        if (configure)
            bind();
    }

    // As the view controller does it.
    void bind() {
        settings->configureAudioUnit(unit);
        settings->setupParameterTreeListeners();
        automationToken = unit->parameterTree()->tokenByAddingParameterAutomationObserver(
            [this](const au::ParameterAutomationEvent& event) { automation.push_back(event); });
        settings->waitForUpdateChecks();
        loop.drain();
    }

    engine::MidiProcessor& engine() { return unit->midiProcessor(); }

    // Render resources with the test host's blocks; call once before render().
    void startRendering() {
        host.install(*unit);
        unit->setMaximumFramesToRender(512);
        ASSERT_FALSE(unit->allocateRenderResources().has_value());
        block = unit->renderBlock();
    }

    // One render call of `frames`, the host's beat following the sample time, with optional events.
    void render(uint32_t frames = 512, const au::RenderEvent* events = nullptr) {
        host.beat = sampleTime * host.tempo / (60.0 * 44100.0);
        ASSERT_EQ(testhost::renderCall(block, sampleTime, frames, events), au::kNoErr);
        sampleTime += frames;
    }

    // One tick of the 60 Hz poll, and whatever it queued.
    void poll() { loop.advance(tk::seconds(1.0 / 60.0)); }
};

} // namespace settingstest
