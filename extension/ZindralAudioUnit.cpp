#include "extension/ZindralAudioUnit.h"

#include "engine/MIDIRecorder.h"
#include "extension/HostBlockAdapters.h"
#include "extension/MIDIExportChannel.h"
#include "extension/RenderEventAdapter.h"
#include "platform/tk/base/MainThread.h"

#include <cstdio>
#include <cstdlib>

namespace extension {

namespace {

constexpr double kDefaultSampleRate = 44100.0;
constexpr uint32_t kOutputChannels = 2;
constexpr uint32_t kInputMaximumChannels = 8;

} // namespace

au::Result<std::shared_ptr<ZindralAudioUnit>>
ZindralAudioUnit::create(const au::ComponentDescription& description, au::InstantiationOptions options) {
    return au::makeAudioUnit<ZindralAudioUnit>(description, options);
}

ZindralAudioUnit::ZindralAudioUnit(const au::ComponentDescription& componentDescription,
                                   au::InstantiationOptions options, std::optional<au::Error>& outError)
    : KorvAudioUnit(componentDescription, options, outError), midiProcessor_(0) {
    TK_CHECK_MAIN_THREAD();
    std::optional<au::Format> format = au::standardFormat(kDefaultSampleRate, kOutputChannels);
    if (!format) {
        // The standard stereo format always exists; without it nothing here can work.
        std::fputs("ZindralAudioUnit: no standard stereo format\n", stderr);
        std::abort();
    }
    if (outError) {
        return;
    }
    auto output = au::Bus::create(*format);
    if (!output) {
        outError = output.error();
        return;
    }
    outputBus_ = output.value();
    outputBus_->setMaximumChannelCount(kOutputChannels);
    inputBus_.init(*format, kInputMaximumChannels);
    if (!inputBus_.bus) {
        std::fputs("ZindralAudioUnit: no input bus\n", stderr);
        std::abort();
    }
    inputs_ = std::make_shared<au::BusArray>(this, au::BusType::input,
                                             std::vector<std::shared_ptr<au::Bus>>{inputBus_.bus});
    outputs_ = std::make_shared<au::BusArray>(this, au::BusType::output,
                                              std::vector<std::shared_ptr<au::Bus>>{outputBus_});
}

ZindralAudioUnit::~ZindralAudioUnit() = default;

void ZindralAudioUnit::setSeed(uint64_t seed) {
    TK_CHECK_MAIN_THREAD();
    seed_ = seed;
    midiProcessor_.setSeed(seed);
    if (onSeedUpdate) {
        onSeedUpdate(seed);
    }
}

void ZindralAudioUnit::setParameter(uint64_t address, float value) {
    midiProcessor_.setParameter(address, value, false);
}

engine::ZindralEngine::FullSequenceData ZindralAudioUnit::getInterpolatedSequence(float morphX,
                                                                                  float morphY) const {
    return midiProcessor_.interpolatedSequence(morphX, morphY);
}

double ZindralAudioUnit::currentTempo() const {
    return midiProcessor_.tempo.load(std::memory_order_relaxed);
}

float ZindralAudioUnit::currentSampleRate() const {
    return midiProcessor_.sampleRate.load(std::memory_order_relaxed);
}

std::vector<uint8_t> ZindralAudioUnit::generateMIDIData() const {
    TK_CHECK_MAIN_THREAD();
    auto events = midiProcessor_.generateMIDISequenceEvents(currentTempo(), currentSampleRate());
    return Velmor::MIDIRecorder(1, false).convertToMIDIBytes(events);
}

bool ZindralAudioUnit::shouldBypassEffect() const {
    return midiProcessor_.bypassed.load(std::memory_order_relaxed);
}

void ZindralAudioUnit::setShouldBypassEffect(bool bypass) {
    midiProcessor_.bypassed.store(bypass, std::memory_order_relaxed);
}

au::InternalRenderBlock ZindralAudioUnit::internalRenderBlock() {
    // A plain pointer into this object: the unit outlives every call of the block.
    engine::MidiProcessor* processor = &midiProcessor_;
    return [processor](au::RenderActionFlags*, const au::TimeStamp& timestamp, uint32_t frameCount, int64_t,
                       au::AudioBufferList*, const au::RenderEvent* events,
                       const au::PullInputBlock&) -> au::Status {
        return processor->process(timestamp.sampleTime, frameCount, engineEventList(events));
    };
}

std::optional<au::Error> ZindralAudioUnit::allocateRenderResources() {
    TK_CHECK_MAIN_THREAD();
    if (auto error = KorvAudioUnit::allocateRenderResources()) {
        return error;
    }
    inputBus_.allocateRenderResources(maximumFramesToRender());
    midiProcessor_.sampleRate.store(static_cast<float>(outputBus_->format().sampleRate),
                                    std::memory_order_relaxed);
    midiProcessor_.setMusicalContextBlock(adaptMusicalContextBlock(musicalContextBlock()));
    midiProcessor_.setTransportStateBlock(adaptTransportStateBlock(transportStateBlock()));
    midiProcessor_.setMIDIOutputBlock(adaptMIDIOutputEventBlock(midiOutputEventBlock()));
    return std::nullopt;
}

void ZindralAudioUnit::deallocateRenderResources() {
    TK_CHECK_MAIN_THREAD();
    midiProcessor_.setMusicalContextBlock({});
    midiProcessor_.setTransportStateBlock({});
    midiProcessor_.setMIDIOutputBlock({});
    inputBus_.deallocateRenderResources();
    KorvAudioUnit::deallocateRenderResources();
}

std::optional<au::Value> ZindralAudioUnit::fullState() const {
    TK_CHECK_MAIN_THREAD();
    std::optional<au::Value> state = KorvAudioUnit::fullState();
    if (!state || !state->mutableDictionary()) {
        return state;
    }
    (*state->mutableDictionary())[kSeedKey] = au::Value::unsignedInteger(seed_);
    return state;
}

void ZindralAudioUnit::setFullState(const std::optional<au::Value>& state) {
    TK_CHECK_MAIN_THREAD();
    KorvAudioUnit::setFullState(state);
    if (!state) {
        return;
    }
    const au::Value* seed = state->find(kSeedKey);
    if (!seed) {
        return;
    }
    if (std::optional<uint64_t> number = seed->asUInt64()) {
        setSeed(*number);
    }
}

std::shared_ptr<au::MessageChannel> ZindralAudioUnit::messageChannelFor(std::string_view channelName) {
    TK_CHECK_MAIN_THREAD();
    if (channelName == MIDIExportChannel::kName) {
        return std::make_shared<MIDIExportChannel>(*this);
    }
    return nullptr;
}

} // namespace extension
