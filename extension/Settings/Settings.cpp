#include "extension/Settings/Settings.h"

#include "engine/ParameterAddress.h"
#include "engine/Truncate.h"
#include "engine/ZindralEngine.h"
#include "extension/Settings/ParameterFactory.h"
#include "extension/UpdateCheck/UpdateCheck.h"
#include "extension/UpdateCheck/UpdateFeed.h"
#include "extension/ZindralAudioUnit.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"
#include "platform/tk/net/CurlFetcher.h"

#include <algorithm>
#include <cmath>

namespace extension {

using Korvane::ParameterEditor;
using Korvane::ParameterEditorState;

namespace {

constexpr tk::Clock::Duration kPollInterval = tk::seconds(0.016666666666666666);
constexpr uint32_t kSequenceAddressesMask = (1u << engine::kMorphX) | (1u << engine::kMorphY) |
                                            (1u << engine::kSequenceLength) | (1u << engine::kOffset);

bool altersDisplayedSequence(uint64_t address) {
    return address < 32 && (kSequenceAddressesMask & (1u << address)) != 0;
}

} // namespace

std::shared_ptr<Settings> Settings::create(Environment environment) {
    return std::make_shared<Settings>(std::move(environment));
}

Settings::Settings(Environment environment) : environment_(std::move(environment)) {
    TK_CHECK_MAIN_THREAD();
    if (!environment_.random)
        environment_.random = systemRandomSource();
    if (!environment_.fetcher)
        environment_.fetcher = std::make_shared<tk::CurlFetcher>();
    if (environment_.updateFeedURL.empty())
        environment_.updateFeedURL = updateFeedURL();
    setupParameters(makeParameters());
}

Settings::~Settings() {
    TK_CHECK_MAIN_THREAD();
    pollTimer_.invalidate();
    updateChecks_.clear(); // stops and joins the workers
}

std::string Settings::pluginVersion() const {
    return environment_.pluginVersion ? *environment_.pluginVersion : ParameterSettings::pluginVersion();
}

void Settings::configureAudioUnit(const std::shared_ptr<Korvane::KorvAudioUnit>& unit) {
    TK_CHECK_MAIN_THREAD();
    ParameterSettings::configureAudioUnit(unit);
    auto zindral = std::dynamic_pointer_cast<ZindralAudioUnit>(unit);
    if (!zindral)
        return;
    std::weak_ptr<Settings> weakSelf = std::static_pointer_cast<Settings>(shared_from_this());
    std::weak_ptr<ZindralAudioUnit> weakUnit = zindral;

    pollTimer_.invalidate();
    pollTimer_ = tk::RunLoop::main().scheduleTimer(
        kPollInterval, true,
        [weakSelf] {
            if (auto self = weakSelf.lock())
                self->pollAudioUnit();
        },
        tk::TimerModes::common);

    zindral->onSeedUpdate = [weakSelf, weakUnit](uint64_t newSeed) {
        auto apply = [weakSelf, weakUnit, newSeed] {
            auto self = weakSelf.lock();
            if (!self)
                return;
            if (self->seed_.peek() != newSeed)
                self->seed_.set(newSeed); // the mirror only: the unit already has it
            if (auto seededUnit = weakUnit.lock())
                self->updateInterpolatedSequence(*seededUnit);
        };
        // The model belongs to the main thread, also when a host restores state elsewhere.
        if (tk::isMainThread())
            apply();
        else
            tk::RunLoop::main().post(std::move(apply));
    };

    if (seed_.peek() != zindral->seed())
        seed_.set(zindral->seed());
    if (seed_.peek() == 0)
        setSeed(freshRandomSeed());
    updateInterpolatedSequence(*zindral);

    if (const auto& tree = zindral->parameterTree()) {
        // Host reads answer with the engine's values, including the ones it changed itself.
        tree->setImplementorValueProvider([weakUnit](const au::Parameter& parameter) -> au::AUValue {
            auto owner = weakUnit.lock();
            if (!owner)
                return parameter.storedValue();
            if (parameter.address() >= static_cast<uint64_t>(engine::kParameterCount))
                return 0.0f;
            return owner->midiProcessor().parameterMirror[parameter.address()].load(
                std::memory_order_relaxed);
        });
        parameterObserverToken_ =
            tree->tokenByAddingParameterObserver([weakSelf](au::ParameterAddress address, au::AUValue) {
                if (!altersDisplayedSequence(address))
                    return;
                tk::RunLoop::main().post([weakSelf] {
                    if (auto self = weakSelf.lock())
                        self->scheduleSequenceRefresh();
                });
            });
    }

    checkForNewVersion();
}

std::shared_ptr<ZindralAudioUnit> Settings::zindralAudioUnit() const {
    return std::dynamic_pointer_cast<ZindralAudioUnit>(audioUnit());
}

void Settings::hashAdditionalValues(tk::Hasher& hasher) const {
    TK_CHECK_MAIN_THREAD();
    hasher.combine(seed_.peek());
}

int32_t Settings::playheadIndex() const {
    TK_CHECK_MAIN_THREAD();
    const int32_t tick = playheadTick_.get();
    const auto length = engine::truncateSaturating<int32_t>(sequenceLength()->value.get());
    const auto pattern = engine::truncateSaturating<int32_t>(playback()->value.get());
    return engine::ZindralEngine::patternIndexForStep(tick, length, pattern);
}

void Settings::pollAudioUnit() {
    TK_CHECK_MAIN_THREAD();
    auto unit = zindralAudioUnit();
    if (!unit)
        return;
    engine::MidiProcessor& processor = unit->midiProcessor();
    const int32_t step = processor.currentStep.load(std::memory_order_relaxed);
    if (step != playheadTick_.peek())
        playheadTick_.set(step);

    // One read-and-clear: bits the render thread sets from now on wait for the next poll.
    const uint32_t mask = processor.dirtyMask.exchange(0, std::memory_order_acq_rel);
    if (mask == 0)
        return;
    for (std::size_t address = 0; address < static_cast<std::size_t>(engine::kParameterCount); ++address) {
        if ((mask & (1u << address)) == 0)
            continue;
        const float value = processor.parameterMirror[address].load(std::memory_order_relaxed);
        // The interface only: the engine already holds this value, or a newer one the render thread
        // stored since; writing it back would undo that. No automation event goes to the host.
        parameter(address)->setValue(value, ParameterEditor::parameterObserver, ParameterEditorState::change);
    }
    // The au::Parameter was not written, so the tree's observer does not hear of these changes.
    if ((mask & kSequenceAddressesMask) != 0)
        scheduleSequenceRefresh();
}

void Settings::setSeed(uint64_t newSeed) {
    TK_CHECK_MAIN_THREAD();
    if (seed_.peek() != newSeed)
        seed_.set(newSeed);
    if (auto zindral = zindralAudioUnit())
        zindral->setSeed(newSeed);
}

void Settings::randomize() {
    TK_CHECK_MAIN_THREAD();
    const RandomSource& random = environment_.random;
    auto set = [](const Parameter& parameter, float value) {
        parameter->setValue(value, ParameterEditor::ui, ParameterEditorState::change);
    };
    setSeed(freshRandomSeed());
    set(playback(), 0.0f);
    set(range(), (random() & (uint64_t{1} << 17)) != 0 ? 24.0f : 12.0f);
    set(restAmount(), uniformClosed(random, 0.2f));
    set(slideAmount(), uniformClosed(random, 0.3f));
    set(accentAmount(), uniformClosed(random, 0.1f));
    set(gate(), 50.0f);
    const float u = uniformUnit(random);
    set(division(), u < 0.8f ? 1.0f : 2.0f);
    const float v = uniformUnit(random);
    set(sequenceLength(), v < 0.7f ? 8.0f : v < 0.75f ? 12.0f : 16.0f);
}

uint64_t Settings::freshRandomSeed() {
    TK_CHECK_MAIN_THREAD();
    return randomSeed(environment_.random);
}

void Settings::incrementOffset() {
    TK_CHECK_MAIN_THREAD();
    const float v = offset()->value.peek();
    if (!(v + 1.0f > offset()->valueRange().upperBound))
        setOffset(v + 1.0f);
}

void Settings::decrementOffset() {
    TK_CHECK_MAIN_THREAD();
    const float v = offset()->value.peek();
    if (!(offset()->valueRange().lowerBound > v - 1.0f))
        setOffset(v - 1.0f);
}

void Settings::setOffset(float newOffset) {
    TK_CHECK_MAIN_THREAD();
    const Parameter& parameter = offset();
    parameter->setValue(parameter->value.peek(), ParameterEditor::ui, ParameterEditorState::beginInteractive);
    parameter->setValue(newOffset, ParameterEditor::ui, ParameterEditorState::change);
    parameter->setValue(newOffset, ParameterEditor::ui, ParameterEditorState::endInteractive);
}

void Settings::updateInterpolatedSequence(const ZindralAudioUnit& unit) {
    TK_CHECK_MAIN_THREAD();
    const float x = morphX()->value.peek();
    const float y = morphY()->value.peek();
    const engine::ZindralEngine& processor = unit.midiProcessor();
    std::array<InterpolatedStepUI, engine::kSteps> steps;
    for (int32_t i = 0; i < engine::kSteps; ++i) {
        const engine::ZindralEngine::StepValues v = processor.interpolatedStep(i, x, y);
        steps[static_cast<std::size_t>(i)] = {v.note, v.slide, v.rest, v.accent};
    }
    interpolatedSequence_.set(steps);
}

void Settings::scheduleSequenceRefresh() {
    TK_CHECK_MAIN_THREAD();
    // A value published by AudioParameter::setValue is queued after the tree has told its observers,
    // so refresh one turn later, when the new morph position has landed in the interface.
    std::weak_ptr<Settings> weakSelf = std::static_pointer_cast<Settings>(shared_from_this());
    tk::RunLoop::main().post([weakSelf] {
        auto self = weakSelf.lock();
        if (!self)
            return;
        if (auto unit = self->zindralAudioUnit())
            self->updateInterpolatedSequence(*unit);
    });
}

void Settings::checkForNewVersion() {
    TK_CHECK_MAIN_THREAD();
    std::erase_if(updateChecks_,
                  [](const std::unique_ptr<UpdateCheck>& check) { return check->isFinished(); });
    if (environment_.updateFeedURL.empty())
        return;
    std::weak_ptr<Settings> weakSelf = std::static_pointer_cast<Settings>(shared_from_this());
    updateChecks_.push_back(
        std::make_unique<UpdateCheck>(environment_.fetcher, environment_.updateFeedURL, pluginVersion(),
                                      [weakSelf](Korvane::UpdateAvailableDetails details) {
                                          if (auto self = weakSelf.lock())
                                              self->updateDetails_.set(std::move(details));
                                      }));
}

int32_t Settings::midiNote(float forNoteValue) const {
    TK_CHECK_MAIN_THREAD();
    // Tracked reads, so that a view showing notes follows the lowest note, the range and the switches.
    const int32_t low = engine::truncateSaturating<int32_t>(lowNote()->value.get());
    const int32_t noteRange = engine::truncateSaturating<int32_t>(range()->value.get());
    for (int p = 0; p < engine::kPitchClasses; ++p)
        (void)semitone(p)->value.get();
    if (auto unit = zindralAudioUnit())
        return unit->midiProcessor().mapNote(low, noteRange, forNoteValue);
    const float x = std::isnan(forNoteValue) ? 0.0f : std::clamp(forNoteValue, 0.0f, 1.0f);
    const int32_t lo = std::clamp(low, 0, 127);
    const int32_t r = std::max(noteRange, 0);
    const int32_t offsetNotes = engine::roundSaturating<int32_t>(x * static_cast<float>(r));
    return static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{lo} + offsetNotes, lo, std::min<int64_t>(int64_t{lo} + r, 127)));
}

void Settings::waitForUpdateChecks() {
    TK_CHECK_MAIN_THREAD();
    for (const auto& check : updateChecks_)
        check->wait();
}

} // namespace extension
