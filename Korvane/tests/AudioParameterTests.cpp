#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Parameters/ParameterUnitSuffix.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/TestMainLoop.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

namespace {

using au::ParameterAutomationEventType;
using au::ParameterUnit;
using Korvane::AudioParameter;
using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;
using Korvane::ValueIncrement;

std::shared_ptr<AudioParameter>
makeParameter(ParameterUnit unit = ParameterUnit::generic, float lower = 0.0f, float upper = 10.0f,
              float defaultValue = 5.0f, std::optional<std::vector<std::string>> strings = std::nullopt,
              std::optional<std::vector<std::uint64_t>> dependents = std::nullopt) {
    return std::make_shared<AudioParameter>(
        3, "restAmount", "Rest", unit, tk::ClosedRange<float>{lower, upper}, defaultValue,
        ValueIncrement::linear(), std::move(strings), std::move(dependents));
}

// A parameter in a tree whose automation events (what a host would record) are kept.
struct Published {
    std::shared_ptr<AudioParameter> param = makeParameter();
    std::shared_ptr<au::ParameterTree> tree = au::ParameterTree::createTree({param->auParameter()});
    std::vector<au::ParameterAutomationEvent> events;
    au::ObserverToken token = tree->tokenByAddingParameterAutomationObserver(
        [this](const au::ParameterAutomationEvent& event) { events.push_back(event); });
};

TEST(AudioParameterTest, StartsAtItsDefaultValue) {
    tk::TestMainLoop loop;
    auto param = makeParameter();
    EXPECT_EQ(param->value.get(), 5.0f);
    EXPECT_FALSE(param->isBeingInteractivelyEdited.get());
    EXPECT_EQ(param->auParameter()->storedValue(), 5.0f);
    EXPECT_EQ(param->auParameter()->identifier(), "restAmount");
    EXPECT_EQ(param->auParameter()->address(), 3u);
    EXPECT_EQ(param->auParameter()->minValue(), 0.0f);
    EXPECT_EQ(param->auParameter()->maxValue(), 10.0f);
    EXPECT_EQ(param->id(), "restAmount");
}

TEST(AudioParameterTest, BuildsTheHostFlagsUnitNameValueStringsAndDependents) {
    using Strings = std::optional<std::vector<std::string>>;
    using Addresses = std::optional<std::vector<std::uint64_t>>;
    struct Case {
        ParameterUnit unit;
        Strings strings;
        Addresses dependents;
        au::ParameterOptions flags;
        const char* unitName;
    } cases[] = {
        {ParameterUnit::generic, std::nullopt, std::nullopt, 0xC0000000, ""},
        {ParameterUnit::indexed, Strings{{"Off", "On"}}, std::nullopt, 0xC0200000, ""},
        {ParameterUnit::indexed, Strings{std::vector<std::string>{}}, std::nullopt, 0xC0000000, ""},
        {ParameterUnit::generic, std::nullopt, Addresses{{1, 2}}, 0xD0100000, ""},
        {ParameterUnit::generic, std::nullopt, Addresses{std::vector<std::uint64_t>{}}, 0xC0000000, ""},
        {ParameterUnit::decibels, Strings{{"a"}}, Addresses{{4}}, 0xD2300000, "dB"},
        {ParameterUnit::linearGain, std::nullopt, std::nullopt, 0xC2000000, ""},
        {ParameterUnit::absoluteCents, std::nullopt, std::nullopt, 0xC2000000, ""},
        {ParameterUnit::percent, std::nullopt, std::nullopt, 0xC0000000, "%"},
    };
    for (const auto& c : cases) {
        auto param = makeParameter(c.unit, 0, 1, 0, c.strings, c.dependents);
        const auto& au = *param->auParameter();
        EXPECT_EQ(au.flags(), c.flags) << "unit " << static_cast<int>(c.unit);
        EXPECT_EQ(au.unitName(), std::optional<std::string>(c.unitName)) << "never absent";
        EXPECT_EQ(au.valueStrings(), c.strings) << "handed over when present, also when empty";
        EXPECT_EQ(au.dependentParameters(), c.dependents);
    }
}

TEST(AudioParameterTest, ClampsIntoTheRangeAndNaNBecomesTheLowerBound) {
    tk::TestMainLoop loop;
    struct Case {
        float in;
        float out;
    } cases[] = {{-3.0f, 0.0f}, {12.0f, 10.0f},    {NAN, 0.0f},
                 {7.5f, 7.5f},  {INFINITY, 10.0f}, {-INFINITY, 0.0f}};
    for (const auto& c : cases) {
        Published p;
        p.param->setValue(c.in, ParameterEditor::ui, ParameterEditorState::change);
        ASSERT_EQ(p.events.size(), 1u) << c.in;
        EXPECT_EQ(p.events[0].value, c.out) << c.in;
        EXPECT_EQ(p.param->auParameter()->storedValue(), c.out);
        loop.drain();
        EXPECT_EQ(p.param->value.get(), c.out) << c.in;
    }
}

TEST(AudioParameterTest, UnchangedChangeSendsAndQueuesNothingButBeginAndEndGoThrough) {
    tk::TestMainLoop loop;
    Published p;
    p.param->setValue(5.0f, ParameterEditor::ui, ParameterEditorState::change);
    p.param->setValue(12.0f, ParameterEditor::parameterObserver,
                      ParameterEditorState::change); // clamps to 10
    EXPECT_EQ(p.events.size(), 0u);
    EXPECT_EQ(loop.drain(), 1u) << "only the clamped observer value was queued";

    p.events.clear();
    p.param->setValue(10.0f, ParameterEditor::ui, ParameterEditorState::beginInteractive);
    p.param->setValue(10.0f, ParameterEditor::ui, ParameterEditorState::change);
    p.param->setValue(10.0f, ParameterEditor::ui, ParameterEditorState::endInteractive);
    ASSERT_EQ(p.events.size(), 2u);
    EXPECT_EQ(p.events[0].eventType, ParameterAutomationEventType::touch);
    EXPECT_EQ(p.events[0].value, 10.0f);
    EXPECT_EQ(p.events[1].eventType, ParameterAutomationEventType::release);
    EXPECT_GT(p.events[1].hostTime, 0u) << "stamped with the current host time";
    EXPECT_EQ(loop.drain(), 2u);
}

TEST(AudioParameterTest, TheParameterObserverDoesNotWriteTheAuParameter) {
    tk::TestMainLoop loop;
    Published p;
    p.param->setValue(2.0f, ParameterEditor::parameterObserver, ParameterEditorState::change);
    EXPECT_TRUE(p.events.empty());
    EXPECT_EQ(p.param->auParameter()->storedValue(), 5.0f);
    loop.drain();
    EXPECT_EQ(p.param->value.get(), 2.0f);
}

TEST(AudioParameterTest, ValueFollowsOnlyOnceTheMainQueueRan) {
    tk::TestMainLoop loop;
    Published p;
    std::vector<float> notified;
    auto token = p.param->value.subscribe([&](float v) { notified.push_back(v); });
    p.param->setValue(8.0f, ParameterEditor::ui, ParameterEditorState::change);
    EXPECT_EQ(p.param->value.get(), 5.0f) << "still the old value right after the call";
    EXPECT_TRUE(notified.empty());
    loop.drain();
    EXPECT_EQ(p.param->value.get(), 8.0f);
    EXPECT_EQ(notified, std::vector<float>{8.0f});

    // Publishing an equal value notifies nobody.
    p.param->setValue(8.0f, ParameterEditor::ui, ParameterEditorState::endInteractive);
    loop.drain();
    EXPECT_EQ(notified.size(), 1u);
}

TEST(AudioParameterTest, ObserverUpdatesWaitWhileTheUserDragsButUiUpdatesApply) {
    tk::TestMainLoop loop;
    Published p;
    p.param->isBeingInteractivelyEdited.set(true);
    p.param->setValue(1.0f, ParameterEditor::parameterObserver, ParameterEditorState::change);
    loop.drain();
    EXPECT_EQ(p.param->value.get(), 5.0f) << "the control keeps what the user set";
    p.param->setValue(1.0f, ParameterEditor::ui, ParameterEditorState::change);
    loop.drain();
    EXPECT_EQ(p.param->value.get(), 1.0f);

    // The check is made when the task runs, not when it was queued.
    p.param->isBeingInteractivelyEdited.set(false);
    p.param->setValue(2.0f, ParameterEditor::parameterObserver, ParameterEditorState::change);
    p.param->isBeingInteractivelyEdited.set(true);
    loop.drain();
    EXPECT_EQ(p.param->value.get(), 1.0f);
}

TEST(AudioParameterTest, SetValueFromAnotherThreadIsPublishedOnTheMainThread) {
    tk::TestMainLoop loop;
    auto param = makeParameter();
    bool notifiedOnMain = false;
    auto token = param->value.subscribe([&] { notifiedOnMain = tk::isMainThread(); });
    std::thread host(
        [&] { param->setValue(9.0f, ParameterEditor::parameterObserver, ParameterEditorState::change); });
    host.join();
    loop.drain();
    EXPECT_EQ(param->value.get(), 9.0f);
    EXPECT_TRUE(notifiedOnMain);
}

TEST(AudioParameterTest, APublishedValueKeepsItsParameterAliveAndANonSharedOneIsDroppedSafely) {
    tk::TestMainLoop loop;
    auto param = makeParameter();
    std::weak_ptr<AudioParameter> weak = param;
    param->setValue(1.0f, ParameterEditor::ui, ParameterEditorState::change);
    param.reset();
    EXPECT_FALSE(weak.expired()) << "held by the queued task";
    loop.drain();
    EXPECT_TRUE(weak.expired());

    {
        AudioParameter onStack(0, "x", "X", ParameterUnit::generic, {0, 1}, 0, ValueIncrement::linear(),
                               std::nullopt, std::nullopt);
        onStack.setValue(1.0f, ParameterEditor::ui, ParameterEditorState::change);
        loop.drain();
        EXPECT_EQ(onStack.value.get(), 1.0f);
        onStack.setValue(0.5f, ParameterEditor::ui, ParameterEditorState::change);
    }
    EXPECT_EQ(loop.drain(), 1u) << "runs and does nothing: the parameter has gone";
}

TEST(AudioParameterTest, DisplayHelpersFollowTheUnit) {
    tk::TestMainLoop loop;
    struct Case {
        ParameterUnit unit;
        const char* suffix;
    } suffixes[] = {{ParameterUnit::percent, "%"},      {ParameterUnit::hertz, "Hz"},
                    {ParameterUnit::decibels, "dB"},    {ParameterUnit::milliseconds, "MS"},
                    {ParameterUnit::seconds, ""},       {ParameterUnit::generic, ""},
                    {ParameterUnit::absoluteCents, ""}, {ParameterUnit::customUnit, ""}};
    for (const auto& c : suffixes) {
        EXPECT_EQ(makeParameter(c.unit)->displayableSuffix(), c.suffix);
        EXPECT_EQ(Korvane::displayableSuffix(c.unit), c.suffix);
    }

    auto cents = makeParameter(ParameterUnit::absoluteCents, 0, 1000, 250);
    EXPECT_EQ(cents->displayableValue(), 2.5f);
    EXPECT_EQ(cents->saveScaleFactor(), 0.01f);
    EXPECT_EQ(cents->displayScaleFactor(), 100.0f);
    auto plain = makeParameter(ParameterUnit::generic, 0, 1000, 250);
    EXPECT_EQ(plain->displayableValue(), 250.0f);
    EXPECT_EQ(plain->saveScaleFactor(), 1.0f);
    EXPECT_EQ(plain->displayScaleFactor(), 1.0f);
    EXPECT_TRUE(makeParameter(ParameterUnit::indexed)->isIndexed());
    EXPECT_FALSE(makeParameter(ParameterUnit::boolean)->isIndexed());
}

TEST(AudioParameterTest, TheDummyParameterIsAnEmptyPlaceholder) {
    tk::TestMainLoop loop;
    auto dummy = AudioParameter::dummyParam();
    EXPECT_EQ(dummy->address(), 0u);
    EXPECT_EQ(dummy->identifier(), "");
    EXPECT_EQ(dummy->name(), "");
    EXPECT_EQ(dummy->units(), ParameterUnit::customUnit);
    EXPECT_EQ(dummy->valueRange(), (tk::ClosedRange<float>{0, 0}));
    EXPECT_EQ(dummy->value.get(), 0.0f);
    EXPECT_TRUE(dummy->valueIncrement().isLinear());
    EXPECT_FALSE(dummy->valueStrings());
    EXPECT_FALSE(dummy->dependentParameterAddresses());
    EXPECT_EQ(dummy->auParameter()->flags(), 0xC0000000u);
    EXPECT_EQ(dummy->auParameter()->unitName(), std::optional<std::string>(""));
    EXPECT_EQ(dummy->auParameter()->tree(), nullptr);
    dummy->setValue(3.0f, ParameterEditor::ui, ParameterEditorState::change); // clamps to 0: nothing happens
    EXPECT_EQ(loop.drain(), 0u);
}

TEST(ValueIncrementTest, EqualityComparesKindsAndMidpoints) {
    using VI = ValueIncrement;
    EXPECT_EQ(VI::linear(), VI::linear());
    EXPECT_EQ(VI::logarithmic(), VI::logarithmic());
    EXPECT_EQ(VI::logarithmic(100.0f), VI::logarithmic(100.0f));
    EXPECT_NE(VI::logarithmic(100.0f), VI::logarithmic(200.0f));
    EXPECT_NE(VI::logarithmic(100.0f), VI::logarithmic());
    EXPECT_NE(VI::logarithmic(), VI::linear());
    EXPECT_NE(VI::logarithmic(NAN), VI::logarithmic(NAN));
    EXPECT_EQ(VI{}, VI::linear());
}

} // namespace
