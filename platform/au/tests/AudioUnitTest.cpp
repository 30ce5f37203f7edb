#include "platform/au/AudioUnit.h"
#include "platform/au/HostTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr au::ComponentDescription kDescription{au::kComponentTypeMIDIProcessor, au::fourCharCode("Test"),
                                                au::fourCharCode("Mkr "), 0, 0};

// A unit whose render body counts its calls.
class CountingUnit final : public au::AudioUnit {
public:
    CountingUnit(const au::ComponentDescription& d, au::InstantiationOptions o, std::optional<au::Error>& e)
        : AudioUnit(d, o, e) {}
    au::InternalRenderBlock internalRenderBlock() override {
        return [this](au::RenderActionFlags*, const au::TimeStamp& t, uint32_t frames, int64_t,
                      au::AudioBufferList*, const au::RenderEvent*, const au::PullInputBlock&) {
            ++calls;
            lastFrames = frames;
            lastSampleTime = t.sampleTime;
            return au::kNoErr;
        };
    }
    int calls = 0;
    uint32_t lastFrames = 0;
    double lastSampleTime = 0;
};

au::Status render(const au::RenderBlock& block, uint32_t frames) {
    au::TimeStamp timestamp;
    timestamp.sampleTime = 512;
    return block(nullptr, timestamp, frames, 0, nullptr, nullptr, {});
}

TEST(AudioUnit, ConstructionFailsWithoutAComponentType) {
    auto unit = au::makeAudioUnit<CountingUnit>(au::ComponentDescription{}, 0);
    ASSERT_FALSE(unit.ok());
    EXPECT_EQ(unit.error().code, au::kErrFailedInitialization);
    EXPECT_TRUE(au::makeAudioUnit<CountingUnit>(kDescription, 0).ok());
}

TEST(AudioUnit, RenderBlockChecksRenderResourcesAndFrameCount) {
    auto unit = au::makeAudioUnit<CountingUnit>(kDescription, 0).value();
    au::RenderBlock block = unit->renderBlock();
    EXPECT_EQ(render(block, 64), au::kErrUninitialized);
    unit->setMaximumFramesToRender(0);
    auto error = unit->allocateRenderResources();
    ASSERT_TRUE(error.has_value());
    EXPECT_FALSE(unit->renderResourcesAllocated());

    unit->setMaximumFramesToRender(au::kMaximumFramesToRenderLimit + 1);
    EXPECT_TRUE(unit->allocateRenderResources().has_value());
    unit->setMaximumFramesToRender(256);
    EXPECT_FALSE(unit->allocateRenderResources().has_value());
    EXPECT_TRUE(unit->renderResourcesAllocated());
    EXPECT_EQ(render(block, 256), au::kNoErr);
    EXPECT_EQ(unit->lastFrames, 256u);
    EXPECT_EQ(unit->lastSampleTime, 512.0);
    EXPECT_EQ(render(block, 257), au::kErrTooManyFramesToProcess);
    EXPECT_EQ(unit->calls, 1);

    unit->deallocateRenderResources();
    EXPECT_EQ(render(block, 64), au::kErrUninitialized);
    EXPECT_EQ(unit->calls, 1);
}

TEST(AudioUnit, BusFormatsAreChecked) {
    auto bus = au::Bus::create({48000.0, 2}).value();
    bus->setMaximumChannelCount(2);
    EXPECT_EQ(bus->setFormat({96000.0, 2}), au::kNoErr);
    EXPECT_EQ(bus->format().sampleRate, 96000.0);
    const au::Format bad[] = {{96000.0, 3},  {0.0, 2},   {-1.0, 2},   {std::nan(""), 2},
                              {HUGE_VAL, 2}, {1e300, 2}, {44100.0, 0}};
    for (const au::Format& format : bad) {
        EXPECT_EQ(bus->setFormat(format), au::kErrFormatNotSupported);
    }
    EXPECT_EQ(bus->format(), (au::Format{96000.0, 2}));
    EXPECT_FALSE(au::Bus::create({0.0, 2}).ok());
}

TEST(AudioUnit, FullStateCarriesTheParameterTree) {
    auto unit = au::makeAudioUnit<CountingUnit>(kDescription, 0).value();
    auto gain =
        au::ParameterTree::createParameter("gain", "Gain", 0, -10.0f, 10.0f, au::ParameterUnit::decibels, {},
                                           au::kParameterFlagIsReadable, {}, {});
    auto mix = au::ParameterTree::createParameter("mix", "Mix", 1, 0.0f, 1.0f, au::ParameterUnit::generic, {},
                                                  au::kParameterFlagIsReadable, {}, {});
    unit->setParameterTree(au::ParameterTree::createTree({gain, mix}));
    std::vector<std::pair<uint64_t, float>> delivered;
    unit->parameterTree()->setImplementorValueObserver(
        [&](const au::Parameter& p, au::AUValue v) { delivered.emplace_back(p.address(), v); });
    gain->setValue(3.0f);
    mix->setValue(0.5f);
    delivered.clear();

    std::optional<au::Value> state = unit->fullState();
    ASSERT_TRUE(state && state->dictionary());
    EXPECT_EQ(*state->find("type")->unsignedIntegerValue(), au::kComponentTypeMIDIProcessor);
    EXPECT_EQ(*state->find("parameters")->find("gain")->realValue(), 3.0);

    // Restoring: values clamp into range; unknown, non-numeric and non-finite entries are skipped.
    au::Value::Dictionary parameters;
    parameters["gain"] = au::Value::real(99.0);
    parameters["mix"] = au::Value::real(std::nan(""));
    parameters["odd"] = au::Value::real(1e300);
    parameters["other"] = au::Value::real(1.0);
    au::Value::Dictionary restored;
    restored["parameters"] = au::Value(parameters);
    unit->setFullState(au::Value(restored));
    EXPECT_EQ(delivered, (std::vector<std::pair<uint64_t, float>>{{0, 10.0f}}));
    EXPECT_EQ(mix->value(), 0.5f);

    parameters.clear();
    parameters["mix"] = au::Value("0.25");
    parameters["gain"] = au::Value::integer(-20);
    restored["parameters"] = au::Value(parameters);
    unit->setFullState(au::Value(restored));
    EXPECT_EQ(gain->value(), -10.0f);
    EXPECT_EQ(mix->value(), 0.5f);

    // Bounds that clamp nothing cannot let a double outside the float range through.
    auto odd = au::ParameterTree::createParameter("odd", "Odd", 2, std::nanf(""), std::nanf(""),
                                                  au::ParameterUnit::generic, {}, 0, {}, {});
    unit->setParameterTree(au::ParameterTree::createTree({gain, mix, odd}));
    delivered.clear();
    unit->setFullState(au::Value(au::Value::Dictionary{
        {"parameters", au::Value(au::Value::Dictionary{{"odd", au::Value::real(1e300)}})}}));
    EXPECT_EQ(odd->value(), 0.0f);

    // Damaged states restore nothing and do not fail.
    for (const au::Value& damaged : {au::Value(), au::Value::integer(3), au::Value(au::Value::Dictionary{}),
                                     au::Value(au::Value::Dictionary{{"parameters", au::Value("x")}})}) {
        unit->setFullState(damaged);
    }
    unit->setFullState(std::nullopt);
    EXPECT_EQ(gain->value(), -10.0f);
}

TEST(HostTime, IsMonotonic) {
    uint64_t earlier = au::currentHostTime();
    uint64_t later = au::currentHostTime();
    EXPECT_LE(earlier, later);
    EXPECT_GT(earlier, 0u);
}

} // namespace
