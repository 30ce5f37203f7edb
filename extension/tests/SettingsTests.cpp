// The settings model bound to a real audio unit: binding, the 60 Hz poll, the displayed sequence, the
// seed, and the tree's value provider.

#include "SettingsFixture.h"

#include "engine/ParameterAddress.h"
#include "platform/tk/base/RunLoop.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;
using settingstest::Fixture;

std::array<extension::InterpolatedStepUI, engine::kSteps>
expectedSequence(const extension::ZindralAudioUnit& unit, float x, float y) {
    const auto data = unit.getInterpolatedSequence(x, y);
    std::array<extension::InterpolatedStepUI, engine::kSteps> steps;
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i] = {data.note[i], data.slide[i], data.rest[i], data.accent[i]};
    return steps;
}

TEST(Settings, BindingPushesValuesAndReplacesAZeroSeed) {
    Fixture f;
    EXPECT_EQ(f.settings->parameters().size(), 24u);
    EXPECT_EQ(f.unit->parameterTree()->allParameters().size(), 24u);
    EXPECT_EQ(f.engine().gate.load(), 0.5f);
    EXPECT_EQ(f.engine().parameterMirror[engine::kSequenceLength].load(), 16.0f);
    EXPECT_NE(f.settings->seed().peek(), 0u);
    EXPECT_EQ(f.unit->seed(), f.settings->seed().peek());
    EXPECT_EQ(f.settings->interpolatedSequence().peek(), expectedSequence(*f.unit, 0.5f, 0.5f));
    EXPECT_TRUE(f.automation.empty());

    // A restored non-zero seed is shown as it is.
    Fixture restored(settingstest::quietEnvironment(), false);
    restored.unit->setSeed(12345);
    restored.bind();
    EXPECT_EQ(restored.settings->seed().peek(), 12345u);
    EXPECT_EQ(restored.unit->seed(), 12345u);
}

TEST(Settings, RenderThreadChangesReachTheInterfaceWithinOnePollAndStayInTheEngine) {
    Fixture f;
    f.startRendering();
    au::RenderEvent events[] = {
        au::parameterEvent(0, engine::kGate, 70.0f), au::parameterEvent(0, engine::kOffset, -5.0f),
        au::midiEvent(0, 0, 3, {0x90, 48, 100}), // a note-on sets the lowest note
    };
    events[0].next = &events[1];
    events[1].next = &events[2];
    f.render(512, events);
    EXPECT_EQ(f.settings->gate()->value.peek(), 50.0f); // not before the poll

    // A newer value the engine holds must survive the poll: the poll writes only the interface.
    f.engine().lowNote.store(50);
    f.poll();
    EXPECT_EQ(f.settings->gate()->value.peek(), 70.0f);
    EXPECT_EQ(f.settings->offset()->value.peek(), -5.0f);
    EXPECT_EQ(f.settings->lowNote()->value.peek(), 48.0f);
    EXPECT_EQ(f.engine().lowNote.load(), 50);
    EXPECT_EQ(f.engine().dirtyMask.load(), 0u);
    EXPECT_TRUE(f.automation.empty()); // nothing goes back to the host as automation

    // The host reads what the engine holds.
    EXPECT_EQ(f.unit->parameterTree()->parameterWithAddress(engine::kLowNote)->value(), 48.0f);
    EXPECT_EQ(f.unit->parameterTree()->parameterWithAddress(engine::kGate)->value(), 70.0f);
}

TEST(Settings, BitsAreAppliedInAddressOrderAndLaterBitsWaitForTheNextPoll) {
    Fixture f;
    std::vector<uint64_t> order;
    auto first = f.settings->lowNote()->value.subscribe([&] { order.push_back(0); });
    auto last = f.settings->offset()->value.subscribe([&] { order.push_back(23); });
    f.engine().setParameter(engine::kOffset, 3.0f, true);
    f.engine().setParameter(engine::kLowNote, 40.0f, true);
    f.poll();
    EXPECT_EQ(order, (std::vector<uint64_t>{0, 23}));
    EXPECT_EQ(f.engine().dirtyMask.load(), 0u);

    f.engine().setParameter(engine::kRange, 12.0f, true); // after the exchange
    EXPECT_EQ(f.settings->range()->value.peek(), 24.0f);
    f.poll();
    EXPECT_EQ(f.settings->range()->value.peek(), 12.0f);
}

TEST(Settings, ThePollDoesNotFightADragAndKeepsRunningWhileTracking) {
    Fixture f;
    const auto& morphX = f.settings->morphX();
    morphX->isBeingInteractivelyEdited.set(true);
    morphX->setValue(morphX->value.peek(), ParameterEditor::ui, ParameterEditorState::beginInteractive);
    morphX->setValue(0.3f, ParameterEditor::ui, ParameterEditorState::change);
    f.loop.drain();

    // The host moves the same parameter from the render thread during the drag.
    f.engine().setParameter(engine::kMorphX, 0.9f, true);
    f.engine().currentStep.store(7);
    // A pointer-tracking loop runs the main loop in its own mode; the poll fires there too.
    f.loop.clock().advance(tk::seconds(1.0 / 60.0));
    tk::RunLoop::main().drain(tk::RunLoopMode::eventTracking);
    EXPECT_EQ(f.settings->playheadTick().peek(), 7);
    EXPECT_EQ(morphX->value.peek(), 0.3f); // the control is not pulled from under the pointer

    morphX->isBeingInteractivelyEdited.set(false);
    morphX->setValue(0.3f, ParameterEditor::ui, ParameterEditorState::endInteractive);
    f.loop.drain();
    EXPECT_EQ(f.engine().morphX.load(), 0.3f); // the drag's end is what plays
    ASSERT_EQ(f.automation.size(), 3u);
    EXPECT_EQ(f.automation[0].eventType, au::ParameterAutomationEventType::touch);
    EXPECT_EQ(f.automation[2].eventType, au::ParameterAutomationEventType::release);
}

TEST(Settings, ThePlayheadFollowsTheEnginesStep) {
    Fixture f;
    f.poll();
    EXPECT_EQ(f.settings->playheadTick().peek(), -1); // the engine's initial step
    f.startRendering();
    f.render();
    f.poll();
    EXPECT_EQ(f.settings->playheadTick().peek(), 0);
    while (f.engine().currentStep.load() < 3)
        f.render();
    f.poll();
    EXPECT_EQ(f.settings->playheadTick().peek(), f.engine().currentStep.load());

    // An empty mask changes nothing else.
    int sequenceNotifications = 0;
    auto token = f.settings->interpolatedSequence().subscribe([&] { ++sequenceNotifications; });
    f.poll();
    EXPECT_EQ(sequenceNotifications, 0);
}

TEST(Settings, MorphLengthAndOffsetChangesRecomputeTheDisplayedSequence) {
    Fixture f;
    f.startRendering();
    int notifications = 0;
    auto token = f.settings->interpolatedSequence().subscribe([&] { ++notifications; });
    auto expectShown = [&](float x, float y) {
        EXPECT_EQ(f.settings->interpolatedSequence().peek(), expectedSequence(*f.unit, x, y));
    };

    // From a drag on the morph pad: each refresh sees the position the drag has reached.
    const auto& morphX = f.settings->morphX();
    morphX->isBeingInteractivelyEdited.set(true);
    morphX->setValue(0.5f, ParameterEditor::ui, ParameterEditorState::beginInteractive);
    morphX->setValue(0.2f, ParameterEditor::ui, ParameterEditorState::change);
    f.loop.drain();
    expectShown(0.2f, 0.5f);
    morphX->setValue(0.1f, ParameterEditor::ui, ParameterEditorState::change);
    f.loop.drain();
    expectShown(0.1f, 0.5f);
    morphX->isBeingInteractivelyEdited.set(false);
    morphX->setValue(0.1f, ParameterEditor::ui, ParameterEditorState::endInteractive);
    f.loop.drain();
    EXPECT_GT(notifications, 0);

    // From host automation on the tree.
    f.unit->parameterTree()->parameterWithAddress(engine::kSequenceLength)->setValue(5.0f);
    f.loop.drain();
    EXPECT_EQ(f.engine().sequenceLength.load(), 5);
    expectShown(0.1f, 0.5f);
    const auto lengthFive = f.settings->interpolatedSequence().peek();
    EXPECT_EQ(lengthFive[0], lengthFive[5]);

    // From the render thread, through the poll.
    au::RenderEvent events[] = {au::parameterEvent(0, engine::kMorphY, 0.9f),
                                au::parameterEvent(0, engine::kOffset, 2.0f)};
    events[0].next = &events[1];
    f.render(512, events);
    f.poll();
    expectShown(0.1f, 0.9f);
    // The rhythm does not morph, so the offset shows as a shift of it.
    EXPECT_EQ(f.settings->interpolatedSequence().peek()[0].rest, lengthFive[2].rest);
    EXPECT_EQ(f.settings->interpolatedSequence().peek()[0].slide, lengthFive[2].slide);

    // Gate and range do not alter it.
    notifications = 0;
    f.settings->gate()->setValue(70.0f, ParameterEditor::ui, ParameterEditorState::change);
    f.settings->range()->setValue(12.0f, ParameterEditor::ui, ParameterEditorState::change);
    f.loop.drain();
    EXPECT_EQ(notifications, 0);
}

TEST(Settings, SeedsFromTheInterfaceAndFromARestoredState) {
    Fixture f;
    int notifications = 0;
    auto token = f.settings->interpolatedSequence().subscribe([&] { ++notifications; });
    const std::int64_t hashBefore = f.settings->paramsHash();

    f.settings->setSeed(99);
    EXPECT_EQ(f.unit->seed(), 99u);
    EXPECT_EQ(f.engine().seed.load(), 99u);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(f.settings->interpolatedSequence().peek(), expectedSequence(*f.unit, 0.5f, 0.5f));
    EXPECT_NE(f.settings->paramsHash(), hashBefore); // the seed alone changes the hash

    // A host restores a project: parameters first, then the seed.
    auto other = testhost::makeUnit();
    other->setSeed(4242);
    auto state = other->fullState();
    ASSERT_TRUE(state.has_value());
    f.unit->setFullState(state);
    f.loop.drain();
    EXPECT_EQ(f.settings->seed().peek(), 4242u);
    EXPECT_EQ(f.settings->interpolatedSequence().peek(), expectedSequence(*f.unit, 0.5f, 0.5f));
}

TEST(Settings, ASeedCallbackOffTheMainThreadLandsOnTheMainThread) {
    Fixture f;
    std::thread([&] { f.unit->onSeedUpdate(777); }).join();
    EXPECT_NE(f.settings->seed().peek(), 777u); // not written from the other thread
    f.loop.drain();
    EXPECT_EQ(f.settings->seed().peek(), 777u);
}

TEST(Settings, AfterTheUnitHasGone) {
    Fixture f;
    f.engine().setParameter(engine::kLowNote, 60.0f, true);
    auto tree = f.unit->parameterTree();
    f.automationToken.reset();
    f.unit.reset();
    f.poll(); // nothing to poll
    EXPECT_EQ(f.settings->lowNote()->value.peek(), 36.0f);
    // The provider answers with each parameter's own value.
    EXPECT_EQ(tree->parameterWithAddress(engine::kLowNote)->value(), 36.0f);
    EXPECT_EQ(tree->parameterWithAddress(engine::kGate)->value(), 50.0f);

    // The model may go while its timer and callbacks still exist.
    std::weak_ptr<extension::Settings> weak = f.settings;
    f.settings.reset();
    EXPECT_TRUE(weak.expired());
    f.poll();
}

TEST(Settings, AReconfigurationReplacesThePollInsteadOfAddingOne) {
    Fixture f;
    auto second = testhost::makeUnit();
    f.settings->configureAudioUnit(second);
    f.settings->setupParameterTreeListeners();
    f.settings->waitForUpdateChecks();
    f.loop.drain();
    second->midiProcessor().currentStep.store(9);
    EXPECT_EQ(f.loop.advance(tk::seconds(1.0 / 60.0)), 1u); // one timer action, no published values
    EXPECT_EQ(f.settings->playheadTick().peek(), 9);
}

} // namespace
