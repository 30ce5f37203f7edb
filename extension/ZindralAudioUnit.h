#pragma once

#include "Korvane/KorvAudioUnit.h"
#include "engine/MidiProcessor.h"
#include "extension/BufferedInputBus.h"
#include "platform/au/AudioUnit.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace extension {

// The extension's audio unit: a MIDI effect that owns the sequence engine by value, hands the host a
// render block that enters the engine directly, and saves the seed with the host's project.
//
// Lifecycle and threads:
//   1. create() [main]: engine with seed 0 and its defaults (tempo 120, sample rate 44100), a stereo
//      44.1 kHz output bus, the input bus and both bus arrays. A failure is returned, not a unit.
//   2. configuration [main]: the settings object installs the parameter tree and pushes every value
//      through setParameter; the host sets the output format, maximumFramesToRender and its blocks.
//   3. allocateRenderResources() [main]: sizes the input buffer, gives the engine the output sample
//      rate and wraps the host's three blocks for it.
//   4. the render block [render], any number of calls: MidiProcessor::process, no lock, no allocation.
//   5. deallocateRenderResources() [main], once the host has stopped rendering: the engine's blocks
//      are emptied, so the internal render block answers -10863 from then on (the host-facing
//      render block answers -10867, not allocated); then 3 to 5 may repeat.
// Seed, state, sequence queries and the export are [main] (the ones that change state or allocate stop
// the program when called elsewhere: a race there would corrupt the unit); setParameter is [any] (the tree's
// value observer may run on a host thread). The engine's shared fields are atomics, so main-thread stores
// never race with the render thread.
class ZindralAudioUnit final : public Korvane::KorvAudioUnit {
public:
    // [main]
    static au::Result<std::shared_ptr<ZindralAudioUnit>>
    create(const au::ComponentDescription& componentDescription, au::InstantiationOptions options);
    // [main] Use create(); public for std::make_shared. Reports a failure through `outError`.
    ZindralAudioUnit(const au::ComponentDescription& componentDescription, au::InstantiationOptions options,
                     std::optional<au::Error>& outError);
    ~ZindralAudioUnit() override;

    // ---- the unit's own operations ----
    // [main] The seed. Every assignment (also of the current value) reseeds the engine and then
    // calls onSeedUpdate when it is set.
    uint64_t seed() const { return seed_; }
    void setSeed(uint64_t seed);
    // [main] Called with the new seed after every seed assignment.
    std::function<void(uint64_t)> onSeedUpdate;

    // [any] Stores a value for the engine (publish false: no dirty bit).
    void setParameter(uint64_t address, float value) override;
    // [main]
    engine::ZindralEngine::FullSequenceData getInterpolatedSequence(float morphX, float morphY) const;
    double currentTempo() const;
    float currentSampleRate() const;
    // [main] One cycle of the pattern rendered offline, as the bytes of a Standard MIDI File.
    std::vector<uint8_t> generateMIDIData() const;

    // [any] The engine, for the interface's poll (dirty mask, parameter mirror, current step).
    engine::MidiProcessor& midiProcessor() { return midiProcessor_; }
    const engine::MidiProcessor& midiProcessor() const { return midiProcessor_; }

    // ---- au::AudioUnit ----
    std::shared_ptr<au::BusArray> inputBusses() const override { return inputs_; }
    std::shared_ptr<au::BusArray> outputBusses() const override { return outputs_; }
    double latency() const override { return 0.0; }
    std::vector<int> channelCapabilities() const override { return {2, 2}; }
    uint32_t maximumFramesToRender() const override { return maxFrames_; }
    void setMaximumFramesToRender(uint32_t frames) override { maxFrames_ = frames; }
    bool shouldBypassEffect() const override;
    void setShouldBypassEffect(bool bypass) override;
    au::InternalRenderBlock internalRenderBlock() override;
    std::optional<au::Error> allocateRenderResources() override;
    void deallocateRenderResources() override;
    // The base state plus "seed" as an unsigned 64-bit number.
    std::optional<au::Value> fullState() const override;
    // The base restores the parameters first; then a numeric "seed" is assigned to the seed. A
    // missing or non-numeric "seed" keeps the seed.
    void setFullState(const std::optional<au::Value>& state) override;
    bool isMusicDeviceOrEffect() const override { return true; }
    // "midiExport" (MIDIExportChannel): the export for hosts that have no interface of the plug-in.
    std::shared_ptr<au::MessageChannel> messageChannelFor(std::string_view channelName) override;

    static constexpr const char* kSeedKey = "seed";

private:
    engine::MidiProcessor midiProcessor_;
    BufferedInputBus inputBus_;
    uint64_t seed_ = 0;
    std::shared_ptr<au::Bus> outputBus_;
    std::shared_ptr<au::BusArray> inputs_;
    std::shared_ptr<au::BusArray> outputs_;
    uint32_t maxFrames_ = 1024;
};

} // namespace extension
