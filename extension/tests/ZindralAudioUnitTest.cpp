#include "TestHost.h"

#include "extension/MIDIExportChannel.h"
#include "platform/au/ValueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using extension::ZindralAudioUnit;
using testhost::makeUnit;
using testhost::renderCall;

constexpr uint64_t kMaxSeed = std::numeric_limits<uint64_t>::max();

bool sameSequence(const engine::ZindralEngine::FullSequenceData& a,
                  const engine::ZindralEngine::FullSequenceData& b) {
    return a.note == b.note && a.slide == b.slide && a.rest == b.rest && a.accent == b.accent;
}

TEST(ZindralAudioUnit, NewUnitReportsItsLayout) {
    auto unit = makeUnit();
    EXPECT_TRUE(unit->isMusicDeviceOrEffect());
    EXPECT_EQ(unit->latency(), 0.0);
    EXPECT_EQ(unit->channelCapabilities(), (std::vector<int>{2, 2}));
    EXPECT_EQ(unit->maximumFramesToRender(), 1024u);
    EXPECT_EQ(unit->currentTempo(), 120.0);
    EXPECT_EQ(unit->currentSampleRate(), 44100.0f);
    EXPECT_EQ(unit->seed(), 0u);
    EXPECT_FALSE(unit->shouldBypassEffect());

    ASSERT_EQ(unit->inputBusses()->count(), 1u);
    ASSERT_EQ(unit->outputBusses()->count(), 1u);
    EXPECT_EQ(unit->inputBusses()->busType(), au::BusType::input);
    EXPECT_EQ(unit->outputBusses()->busType(), au::BusType::output);
    EXPECT_EQ(unit->inputBusses()->ownerAudioUnit(), unit.get());
    const au::Bus& output = (*unit->outputBusses())[0];
    EXPECT_EQ(output.format(), (au::Format{44100.0, 2}));
    EXPECT_EQ(output.maximumChannelCount(), 2u);
    EXPECT_EQ((*unit->inputBusses())[0].maximumChannelCount(), 8u);
    EXPECT_EQ((*unit->inputBusses())[0].format(), (au::Format{44100.0, 2}));
}

TEST(ZindralAudioUnit, EverySeedAssignmentReseedsAndNotifies) {
    auto unit = makeUnit();
    auto seedZero = unit->getInterpolatedSequence(0.5f, 0.5f);
    std::vector<uint64_t> notified;
    unit->onSeedUpdate = [&](uint64_t seed) { notified.push_back(seed); };
    unit->setSeed(77);
    EXPECT_EQ(unit->midiProcessor().seed.load(), 77u);
    EXPECT_FALSE(sameSequence(unit->getInterpolatedSequence(0.5f, 0.5f), seedZero));
    unit->setSeed(77);
    EXPECT_EQ(notified, (std::vector<uint64_t>{77, 77}));
}

TEST(ZindralAudioUnit, StateRestoresTheSeedExactly) {
    for (uint64_t seed : {uint64_t(0), uint64_t(1), uint64_t(1) << 63, kMaxSeed - 1, kMaxSeed}) {
        auto saved = makeUnit();
        saved->setSeed(seed);
        std::optional<au::Value> state = saved->fullState();
        ASSERT_TRUE(state.has_value());
        EXPECT_EQ(*state->find("seed")->unsignedIntegerValue(), seed);

        // Through the text a host saves, into a fresh unit.
        auto text = au::toStateText(*state);
        auto parsed = au::parseStateText(text);
        ASSERT_TRUE(parsed.ok());
        auto restored = makeUnit();
        restored->setSeed(5);
        uint64_t notified = 0;
        restored->onSeedUpdate = [&](uint64_t s) { notified = s; };
        restored->setFullState(parsed.value());
        EXPECT_EQ(restored->seed(), seed);
        EXPECT_EQ(notified, seed);
        EXPECT_TRUE(sameSequence(restored->getInterpolatedSequence(0.3f, 0.8f),
                                 saved->getInterpolatedSequence(0.3f, 0.8f)));
    }
}

TEST(ZindralAudioUnit, StateWithoutANumericSeedKeepsTheSeed) {
    const au::Value noSeeds[] = {
        au::Value(au::Value::Dictionary{}),
        au::Value(au::Value::Dictionary{{"seed", au::Value("42")}}),
        au::Value(au::Value::Dictionary{{"seed", au::Value(true)}}),
        au::Value(au::Value::Dictionary{{"seed", au::Value()}}),
        au::Value(
            au::Value::Dictionary{{"seed", au::Value(au::Value::Array{au::Value::unsignedInteger(1)})}}),
        au::Value(au::Value::Array{au::Value::unsignedInteger(1)}),
        au::Value::unsignedInteger(9),
        au::Value(au::Value::Dictionary{{"parameters", au::Value::integer(3)}, {"type", au::Value("x")}}),
    };
    for (const au::Value& state : noSeeds) {
        auto unit = makeUnit();
        unit->setSeed(1234);
        int notifications = 0;
        unit->onSeedUpdate = [&](uint64_t) { ++notifications; };
        unit->setFullState(state);
        EXPECT_EQ(unit->seed(), 1234u);
        EXPECT_EQ(notifications, 0);
    }
    auto unit = makeUnit();
    unit->setFullState(std::nullopt);
    EXPECT_EQ(unit->seed(), 0u);
}

TEST(ZindralAudioUnit, NumericSeedsOfOtherKindsAreRead) {
    const std::pair<au::Value, uint64_t> cases[] = {
        {au::Value::integer(12), 12},       {au::Value::integer(-1), kMaxSeed}, {au::Value::real(3.9), 3},
        {au::Value::real(std::nan("")), 0}, {au::Value::real(1e30), kMaxSeed},
    };
    for (const auto& [seed, expected] : cases) {
        auto unit = makeUnit();
        unit->setSeed(99);
        unit->setFullState(au::Value(au::Value::Dictionary{{"seed", seed}}));
        EXPECT_EQ(unit->seed(), expected);
    }
}

TEST(ZindralAudioUnit, StateRestoresParametersThroughTheTreeAndThenTheSeed) {
    auto unit = makeUnit();
    auto morphX =
        au::ParameterTree::createParameter("morphX", "Morph X", engine::kMorphX, 0.0f, 1.0f,
                                           au::ParameterUnit::generic, std::string(), 0xC0000000, {}, {});
    unit->setParameterTree(au::ParameterTree::createTree({morphX}));
    std::weak_ptr<ZindralAudioUnit> weak = unit;
    unit->parameterTree()->setImplementorValueObserver([weak](const au::Parameter& p, au::AUValue v) {
        if (auto locked = weak.lock()) {
            locked->setParameter(p.address(), v);
        }
    });
    float morphAtSeedTime = -1.0f;
    unit->onSeedUpdate = [&](uint64_t) { morphAtSeedTime = unit->midiProcessor().morphX.load(); };
    au::Value::Dictionary state;
    state["parameters"] = au::Value(au::Value::Dictionary{{"morphX", au::Value::real(0.75)}});
    state["seed"] = au::Value::unsignedInteger(8);
    unit->setFullState(au::Value(state));
    EXPECT_EQ(unit->midiProcessor().morphX.load(), 0.75f);
    EXPECT_EQ(morphAtSeedTime, 0.75f);
    EXPECT_EQ(unit->seed(), 8u);
    EXPECT_EQ(unit->midiProcessor().dirtyMask.load(), 0u); // edits from the tree set no dirty bit
    EXPECT_EQ(*unit->fullState()->find("parameters")->find("morphX")->realValue(), 0.75);
}

TEST(ZindralAudioUnit, BypassIsTheEngineFlag) {
    auto unit = makeUnit();
    unit->setShouldBypassEffect(true);
    EXPECT_TRUE(unit->midiProcessor().bypassed.load());
    EXPECT_TRUE(unit->shouldBypassEffect());
    unit->setShouldBypassEffect(false);
    EXPECT_FALSE(unit->midiProcessor().bypassed.load());
}

TEST(ZindralAudioUnit, RenderStatusesFollowTheHostBlocks) {
    auto unit = makeUnit();
    au::InternalRenderBlock internal = unit->internalRenderBlock();
    au::RenderBlock block = unit->renderBlock();
    EXPECT_EQ(renderCall(block, 0, 512), au::kErrUninitialized);               // not allocated
    EXPECT_EQ(renderCall(internal, 0, 512), au::kErrCannotDoInCurrentContext); // no musical context

    ASSERT_FALSE(unit->allocateRenderResources().has_value()); // the host gave no blocks at all
    EXPECT_EQ(renderCall(block, 0, 512), au::kErrCannotDoInCurrentContext);

    testhost::Host host;
    host.install(*unit);
    ASSERT_FALSE(unit->allocateRenderResources().has_value());
    EXPECT_EQ(renderCall(block, 0, 512), au::kNoErr);
    EXPECT_EQ(renderCall(block, 512, 1025), au::kErrTooManyFramesToProcess);
    host.contextAvailable = false;
    EXPECT_EQ(renderCall(block, 512, 512), au::kErrCannotDoInCurrentContext);
    host.contextAvailable = true;

    unit->deallocateRenderResources();
    EXPECT_EQ(renderCall(internal, 1024, 512), au::kErrCannotDoInCurrentContext);
    EXPECT_EQ(renderCall(block, 1024, 512), au::kErrUninitialized);
}

TEST(ZindralAudioUnit, AllocationTakesTheOutputSampleRate) {
    auto unit = makeUnit();
    ASSERT_EQ((*unit->outputBusses())[0].setFormat({48000.0, 2}), au::kNoErr);
    EXPECT_EQ((*unit->outputBusses())[0].setFormat({48000.0, 3}), au::kErrFormatNotSupported);
    unit->setMaximumFramesToRender(256);
    ASSERT_FALSE(unit->allocateRenderResources().has_value());
    EXPECT_EQ(unit->currentSampleRate(), 48000.0f);
    unit->setMaximumFramesToRender(0);
    EXPECT_TRUE(unit->allocateRenderResources().has_value());
}

TEST(ZindralAudioUnit, RendersEventsAndNotesThroughTheHostBlocks) {
    auto unit = makeUnit();
    testhost::Host host;
    host.install(*unit);
    ASSERT_FALSE(unit->allocateRenderResources().has_value());
    au::RenderBlock block = unit->renderBlock();

    au::RenderEvent events[] = {
        au::parameterEvent(0, engine::kRestAmount, 0.0f), // no step rests
        au::midiEvent(0, 0, 3, {0x93, 50, 1}),            // note-on, any channel: transposes
        au::midiEvent(0, 0, 3, {0x90, 70, 0}),            // velocity 0: ignored
        au::parameterEvent(0, 99, 1.0f),                  // unknown address: ignored
    };
    au::RenderEvent ramp = au::parameterEvent(0, engine::kGate, 10.0f);
    ramp.eventType = au::RenderEventType::parameterRamp; // ramps are not applied
    events[0].next = &events[1];
    events[1].next = &events[2];
    events[2].next = &events[3];
    events[3].next = &ramp;

    ASSERT_EQ(renderCall(block, 1000, 512, events), au::kNoErr);
    engine::MidiProcessor& engine = unit->midiProcessor();
    EXPECT_EQ(engine.lowNote.load(), 50);
    EXPECT_EQ(engine.gate.load(), 0.5f);
    EXPECT_EQ(engine.dirtyMask.load(), (1u << engine::kLowNote) | (1u << engine::kRestAmount));
    auto messages = host.recorded();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages[0].sampleTime, 1000); // step 0 starts at the call's first sample
    EXPECT_EQ(messages[0].bytes[0], 0x90);
    EXPECT_GE(messages[0].bytes[1], 50);
    EXPECT_EQ(messages[0].bytes[2], 80);
}

TEST(ZindralAudioUnit, ExportIsAStandardMIDIFile) {
    auto unit = makeUnit();
    std::vector<uint8_t> bytes = unit->generateMIDIData();
    ASSERT_GE(bytes.size(), 26u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "MThd");
    auto channel = unit->messageChannelFor(extension::MIDIExportChannel::kName);
    ASSERT_NE(channel, nullptr);
    au::Value reply = channel->callAudioUnit(au::Value());
    ASSERT_NE(reply.find(extension::MIDIExportChannel::kDataKey), nullptr);
    EXPECT_EQ(*reply.find(extension::MIDIExportChannel::kDataKey)->data(), bytes);
    EXPECT_EQ(unit->messageChannelFor("other"), nullptr);
}

} // namespace
