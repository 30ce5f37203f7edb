#include "Korvane/Parameters/ParameterSettings.h"
#include "Korvane/tests/FakeKorvAudioUnit.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/TestMainLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

using Korvane::AudioParameter;
using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;
using Korvane::ParameterSettings;
using Korvane::ValueIncrement;
using Korvane::testing::FakeKorvAudioUnit;
using Call = FakeKorvAudioUnit::Call;

// A settings subclass with three parameters, as a plug-in would write one.
class TestSettings : public ParameterSettings {
public:
    std::shared_ptr<AudioParameter> low = make(0, "lowNote", au::ParameterUnit::midiNoteNumber, 0, 127, 48);
    std::shared_ptr<AudioParameter> playback = std::make_shared<AudioParameter>(
        2, "playback", "Playback", au::ParameterUnit::indexed, tk::ClosedRange<float>{0, 5}, 0,
        ValueIncrement::linear(), std::vector<std::string>{"ABCD", "ABCA", "ABBC"}, std::nullopt);
    std::shared_ptr<AudioParameter> morph = std::make_shared<AudioParameter>(
        7, "morphX", "Morph X", au::ParameterUnit::generic, tk::ClosedRange<float>{0, 1}, 0.5f,
        ValueIncrement::linear(), std::nullopt, std::vector<std::uint64_t>{8});
    std::uint64_t extra = 0;
    std::vector<std::pair<std::uint64_t, float>> dependentUpdates;

    TestSettings() { setupParameters({low, playback, morph}); }

    void hashAdditionalValues(tk::Hasher& hasher) const override { hasher.combine(extra); }
    void updateDependentValues(std::uint64_t address, float value) override {
        dependentUpdates.emplace_back(address, value);
    }

private:
    static std::shared_ptr<AudioParameter> make(std::uint64_t address, const char* id, au::ParameterUnit unit,
                                                float lower, float upper, float value) {
        return std::make_shared<AudioParameter>(address, id, id, unit, tk::ClosedRange<float>{lower, upper},
                                                value, ValueIncrement::linear(), std::nullopt, std::nullopt);
    }
};

struct Configured {
    tk::TestMainLoop loop;
    std::shared_ptr<TestSettings> settings = std::make_shared<TestSettings>();
    std::shared_ptr<FakeKorvAudioUnit> unit = FakeKorvAudioUnit::make();

    Configured() {
        settings->configureAudioUnit(unit);
        settings->setupParameterTreeListeners();
        unit->clearCalls();
    }
    const au::Parameter& auParam(std::uint64_t address) const {
        return *unit->parameterTree()->parameterWithAddress(address);
    }
};

TEST(ParameterSettingsTest, ConfiguringBuildsTheTreeAndPushesEveryValue) {
    tk::TestMainLoop loop;
    auto settings = std::make_shared<TestSettings>();
    auto unit = FakeKorvAudioUnit::make();
    ASSERT_TRUE(unit);
    EXPECT_EQ(settings->audioUnit(), nullptr);
    settings->configureAudioUnit(unit);
    EXPECT_EQ(settings->audioUnit(), unit);
    ASSERT_TRUE(unit->parameterTree());
    const auto& children = unit->parameterTree()->children();
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[0], settings->low->auParameter());
    EXPECT_EQ(children[1], settings->playback->auParameter());
    EXPECT_EQ(children[2], settings->morph->auParameter());
    EXPECT_EQ(unit->calls(), (std::vector<Call>{{0, 48.0f}, {2, 0.0f}, {7, 0.5f}}));
    EXPECT_FALSE(unit->parameterTree()->implementorValueObserver()) << "listeners are a separate step";
}

TEST(ParameterSettingsTest, RoutesValuesToTheParameterClampedAndToTheUnitAsPassed) {
    Configured c;
    c.settings->setValue(200.0f, 0, ParameterEditor::parameterObserver);
    c.settings->setValue(0.25f, 99, ParameterEditor::parameterObserver); // no parameter has address 99
    EXPECT_EQ(c.unit->calls(), (std::vector<Call>{{0, 200.0f}, {99, 0.25f}}));
    c.loop.drain();
    EXPECT_EQ(c.settings->low->value.get(), 127.0f);
    EXPECT_EQ(c.settings->morph->value.get(), 0.5f);
}

TEST(ParameterSettingsTest, DependentParametersCallTheHook) {
    Configured c;
    c.settings->setValue(0.75f, 7, ParameterEditor::parameterObserver);
    c.settings->setValue(3.0f, 2, ParameterEditor::parameterObserver);
    EXPECT_EQ(c.settings->dependentUpdates, (std::vector<std::pair<std::uint64_t, float>>{{7, 0.75f}}));
}

TEST(ParameterSettingsTest, AfterTheUnitHasGoneValuesStopAtTheParameter) {
    Configured c;
    c.unit.reset();
    EXPECT_EQ(c.settings->audioUnit(), nullptr);
    c.settings->setValue(60.0f, 0, ParameterEditor::parameterObserver);
    c.loop.drain();
    EXPECT_EQ(c.settings->low->value.get(), 60.0f);
    c.settings->setupParameterTreeListeners(); // skipped, no crash
}

TEST(ParameterSettingsTest, HostAutomationReachesTheParameterAndTheUnitButNotTheHostAgain) {
    Configured c;
    std::vector<au::ParameterAutomationEvent> events;
    auto token = c.unit->parameterTree()->tokenByAddingParameterAutomationObserver(
        [&](const au::ParameterAutomationEvent& event) { events.push_back(event); });
    std::thread host([&] {
        c.settings->low->auParameter()->setValue(72.0f, nullptr, 1, au::ParameterAutomationEventType::value);
    });
    host.join();
    EXPECT_EQ(c.unit->calls(), (std::vector<Call>{{0, 72.0f}}));
    EXPECT_EQ(events.size(), 1u) << "only the host's own event";
    EXPECT_EQ(c.settings->low->value.get(), 48.0f);
    c.loop.drain();
    EXPECT_EQ(c.settings->low->value.get(), 72.0f);
}

TEST(ParameterSettingsTest, ADragTravelsAsBeginChangeEndAndTheEngineGetsEveryStep) {
    Configured c;
    std::vector<au::ParameterAutomationEventType> types;
    auto token = c.unit->parameterTree()->tokenByAddingParameterAutomationObserver(
        [&](const au::ParameterAutomationEvent& event) { types.push_back(event.eventType); });
    auto& morph = *c.settings->morph;
    morph.isBeingInteractivelyEdited.set(true);
    morph.setValue(0.5f, ParameterEditor::ui, ParameterEditorState::beginInteractive);
    morph.setValue(0.6f, ParameterEditor::ui, ParameterEditorState::change);
    c.loop.drain();
    EXPECT_EQ(morph.value.get(), 0.6f)
        << "the tree's echo (source parameterObserver) is dropped, the ui's kept";
    morph.setValue(0.7f, ParameterEditor::ui, ParameterEditorState::change);
    morph.isBeingInteractivelyEdited.set(false);
    morph.setValue(0.7f, ParameterEditor::ui, ParameterEditorState::endInteractive);
    c.loop.drain();
    using T = au::ParameterAutomationEventType;
    EXPECT_EQ(types, (std::vector<T>{T::touch, T::value, T::value, T::release}));
    EXPECT_EQ(c.unit->calls(), (std::vector<Call>{{7, 0.5f}, {7, 0.6f}, {7, 0.7f}, {7, 0.7f}}));
    EXPECT_EQ(morph.value.get(), 0.7f);
}

TEST(ParameterSettingsTest, HostThreadsSetValuesWhileTheMainThreadDrainsAndReads) {
    Configured c;
    std::atomic<bool> done{false};
    std::thread host([&] {
        for (int i = 0; i <= 2000; ++i)
            c.settings->low->auParameter()->setValue(float(i % 128), nullptr, 1,
                                                     au::ParameterAutomationEventType::value);
        done = true;
    });
    std::int64_t hashes = 0;
    while (!done) {
        c.loop.drain();
        hashes ^= c.settings->paramsHash();
    }
    host.join();
    c.loop.drain();
    EXPECT_EQ(c.settings->low->value.get(), float(2000 % 128)) << "published in order, the last one wins";
    EXPECT_EQ(c.unit->calls().size(), 2001u);
    (void)hashes;
}

TEST(ParameterSettingsTest, TheValueObserverHoldsTheSettingsWeakly) {
    Configured c;
    std::weak_ptr<TestSettings> weak = c.settings;
    auto low = c.settings->low;
    c.settings.reset();
    EXPECT_TRUE(weak.expired());
    low->auParameter()->setValue(10.0f, nullptr, 1, au::ParameterAutomationEventType::value);
    EXPECT_TRUE(c.unit->calls().empty());
}

TEST(ParameterSettingsTest, ShowsValuesAsTheHostDisplaysThem) {
    Configured c;
    struct Case {
        std::uint64_t address;
        std::optional<float> value;
        const char* text;
    } cases[] = {
        {2, 2.9f, "ABBC"},
        {2, -0.5f, "ABCD"},
        {2, 0.0f, "ABCD"},
        {2, 6.0f, "6"},
        {2, 3.0f, "3"},
        {2, -1.0f, "-1"},
        {2, std::nullopt, "-"},
        {2, NAN, "-"},
        {2, INFINITY, "inf"},
        {2, -INFINITY, "-inf"},
        {2, 1e30f, "1000000015047466219876688855040"},
        {0, 2.5f, "2"},
        {0, 64.0f, "64"},
        {0, -0.4f, "-0"},
        {0, NAN, "-"},
    };
    for (const auto& k : cases) {
        const float* value = k.value ? &*k.value : nullptr;
        EXPECT_EQ(c.auParam(k.address).stringFromValue(value), k.text)
            << "address " << k.address << " value " << (k.value ? *k.value : -999.0f);
    }
}

TEST(ParameterSettingsTest, ReadsTypedTextStrictly) {
    Configured c;
    struct Case {
        const char* text;
        float value;
    } cases[] = {{"5", 5.0f},   {" 5", 0.0f},    {"5 ", 0.0f},    {"", 0.0f},    {"5x", 0.0f},
                 {"nan", 0.0f}, {"-1.5", -1.5f}, {"1e2", 100.0f}, {"ABCA", 0.0f}};
    for (const auto& k : cases)
        EXPECT_EQ(c.auParam(2).valueFromString(k.text), k.value) << '"' << k.text << '"';
}

TEST(ParameterSettingsTest, ParamsHashIsStableAndFollowsValuesAndAdditionalState) {
    Configured c;
    const auto first = c.settings->paramsHash();
    EXPECT_EQ(c.settings->paramsHash(), first);
    c.settings->extra = 42;
    const auto withExtra = c.settings->paramsHash();
    EXPECT_NE(withExtra, first);
    c.settings->low->value.set(50.0f);
    EXPECT_NE(c.settings->paramsHash(), withExtra);

    c.settings->playback->value.set(0.0f);
    const auto positiveZero = c.settings->paramsHash();
    c.settings->playback->value.set(-0.0f);
    EXPECT_EQ(c.settings->paramsHash(), positiveZero) << "-0 hashes as +0";
}

// Points the main bundle at a scratch folder with the given Info.json for the test's duration.
struct ScratchMainBundle {
    std::filesystem::path original = tk::Bundle::main().bundlePath();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("korvane-settings-" + std::to_string(getpid()));
    explicit ScratchMainBundle(const char* info) {
        std::filesystem::create_directories(folder);
        if (info)
            std::ofstream(folder / "Info.json") << info;
        tk::Bundle::setMain(folder);
    }
    ~ScratchMainBundle() {
        tk::Bundle::setMain(original);
        std::filesystem::remove_all(folder);
    }
};

TEST(ParameterSettingsTest, PluginVersionComesFromTheMainBundleOrIsUnknown) {
    tk::TestMainLoop loop;
    ParameterSettings settings;
    struct Case {
        const char* info;
        const char* version;
    } cases[] = {
        {R"({"CFBundleShortVersionString": "1.4.2"})", "1.4.2"},
        {R"({"CFBundleVersion": "7"})", "Unknown"},
        {R"({"CFBundleShortVersionString": 1.5})", "Unknown"},
        {nullptr, "Unknown"},
    };
    for (const auto& k : cases) {
        ScratchMainBundle bundle(k.info);
        EXPECT_EQ(settings.pluginVersion(), k.version) << (k.info ? k.info : "no Info.json");
    }
}

} // namespace
