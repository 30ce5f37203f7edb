#pragma once

#include "platform/au/BusArray.h"
#include "platform/au/ComponentDescription.h"
#include "platform/au/MessageChannel.h"
#include "platform/au/ParameterTree.h"
#include "platform/au/RenderTypes.h"
#include "platform/au/Status.h"
#include "platform/au/Value.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace au {

// More frames than any host renders at once; a larger maximumFramesToRender is refused at allocation
// rather than sizing buffers from it.
inline constexpr uint32_t kMaximumFramesToRenderLimit = 1u << 20;

// Base class of an audio unit as a host drives it.
//
// Lifecycle:
//   1. construct (main thread) through the subclass's factory function; the base constructor reports
//      a failure through its error out-parameter, and the factory returns that Error instead of a unit;
//   2. the host configures it (bus formats, maximumFramesToRender, the three host blocks), and the
//      unit's owner installs a parameterTree;
//   3. allocateRenderResources() (main thread) - from here renderBlock() calls reach the unit;
//   4. render calls on the render thread, any number;
//   5. deallocateRenderResources() (main thread); steps 2 to 5 may repeat;
//   6. destruction (main thread), after the last render call has returned.
// Units are owned through std::shared_ptr; parameter models hold them weakly.
//
// Every member is [main] unless it says otherwise.
class AudioUnit {
public:
    virtual ~AudioUnit();
    AudioUnit(const AudioUnit&) = delete;
    AudioUnit& operator=(const AudioUnit&) = delete;

    const ComponentDescription& componentDescription() const { return componentDescription_; }
    InstantiationOptions instantiationOptions() const { return options_; }

    // ---- buses ----
    // The base has no buses; a subclass returns its own arrays.
    virtual std::shared_ptr<BusArray> inputBusses() const { return emptyInputs_; }
    virtual std::shared_ptr<BusArray> outputBusses() const { return emptyOutputs_; }

    // ---- properties a host reads and sets ----
    virtual uint32_t maximumFramesToRender() const { return maximumFramesToRender_; }
    virtual void setMaximumFramesToRender(uint32_t frames) { maximumFramesToRender_ = frames; }
    virtual bool shouldBypassEffect() const { return bypass_; }
    virtual void setShouldBypassEffect(bool bypass) { bypass_ = bypass; }
    virtual double latency() const { return 0.0; }  // seconds
    virtual double tailTime() const { return 0.0; } // seconds
    // Pairs of supported (input, output) channel counts; -1 means any. Empty: anything.
    virtual std::vector<int> channelCapabilities() const { return {}; }
    virtual bool isMusicDeviceOrEffect() const { return false; }

    // ---- host blocks, set by the host before allocateRenderResources(); may be empty ----
    const MusicalContextBlock& musicalContextBlock() const { return musicalContextBlock_; }
    void setMusicalContextBlock(MusicalContextBlock block) { musicalContextBlock_ = std::move(block); }
    const TransportStateBlock& transportStateBlock() const { return transportStateBlock_; }
    void setTransportStateBlock(TransportStateBlock block) { transportStateBlock_ = std::move(block); }
    const MIDIOutputEventBlock& midiOutputEventBlock() const { return midiOutputEventBlock_; }
    void setMIDIOutputEventBlock(MIDIOutputEventBlock block) { midiOutputEventBlock_ = std::move(block); }

    // ---- render resources ----
    // Base: checks that maximumFramesToRender is 1 to kMaximumFramesToRenderLimit and every bus has a
    // valid format, then marks the unit allocated. Returns nothing on success, else the Error. A subclass
    // calls the base first and stops on its error.
    virtual std::optional<Error> allocateRenderResources();
    // Base: marks the unit deallocated. A subclass releases its own resources, then calls the base.
    // The host calls it only while no render call is running.
    virtual void deallocateRenderResources();
    // [any]
    bool renderResourcesAllocated() const {
        return renderResourcesAllocated_.load(std::memory_order_acquire);
    }

    // ---- rendering ----
    // The subclass's render body, called only through renderBlock(). It may use what
    // allocateRenderResources() set up and must follow the real-time rules.
    virtual InternalRenderBlock internalRenderBlock() = 0;
    // What the host calls. Fetch it on the main thread, call it on the render thread. The block
    // answers kErrUninitialized while render resources are not allocated and
    // kErrTooManyFramesToProcess for more frames than maximumFramesToRender had at allocation;
    // else it runs the internal render block. The unit must outlive every call.
    RenderBlock renderBlock();

    // ---- parameters and state ----
    const std::shared_ptr<ParameterTree>& parameterTree() const { return parameterTree_; }
    virtual void setParameterTree(std::shared_ptr<ParameterTree> tree) { parameterTree_ = std::move(tree); }

    // The unit's state as a dictionary. Base: {"type", "subtype", "manufacturer": unsigned numbers of
    // the component description, "version": 0, "parameters": {identifier: real value}} with the
    // values of the parameter tree (read through value(), so a value provider answers).
    virtual std::optional<Value> fullState() const;
    // Base: restores every parameter whose identifier the dictionary's "parameters" holds as a
    // number, clamped into the parameter's range, through Parameter::setValue (so the tree's value
    // observer passes it on). Non-finite values, unknown identifiers and entries of another kind are
    // skipped; a state that is absent or not a dictionary restores nothing. Never fails.
    virtual void setFullState(const std::optional<Value>& state);

    // ---- messages ----
    // The unit's channel of that name, or null (the base has none).
    virtual std::shared_ptr<MessageChannel> messageChannelFor(std::string_view channelName);

protected:
    // Sets `outError` when the unit cannot be made (a component description without a type); a
    // subclass checks it after the base is constructed and stops setting itself up.
    AudioUnit(const ComponentDescription& componentDescription, InstantiationOptions options,
              std::optional<Error>& outError);

private:
    ComponentDescription componentDescription_;
    InstantiationOptions options_;
    std::shared_ptr<BusArray> emptyInputs_;
    std::shared_ptr<BusArray> emptyOutputs_;
    uint32_t maximumFramesToRender_ = 512;
    bool bypass_ = false;
    MusicalContextBlock musicalContextBlock_;
    TransportStateBlock transportStateBlock_;
    MIDIOutputEventBlock midiOutputEventBlock_;
    std::shared_ptr<ParameterTree> parameterTree_;
    // Read by the render block on the render thread.
    std::atomic<bool> renderResourcesAllocated_{false};
    std::atomic<uint32_t> renderMaximumFrames_{0};
};

// Makes a unit of class T through its constructor (descriptor, options, std::optional<Error>&),
// giving the Error instead of the unit when the constructor reported one. [main]
template <class T, class... Args>
Result<std::shared_ptr<T>> makeAudioUnit(const ComponentDescription& description,
                                         InstantiationOptions options, Args&&... args) {
    std::optional<Error> error;
    auto unit = std::make_shared<T>(description, options, error, std::forward<Args>(args)...);
    if (error) {
        return *error;
    }
    return unit;
}

} // namespace au
