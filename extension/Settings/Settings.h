#pragma once

#include "Korvane/Header/UpdateAvailableDetails.h"
#include "Korvane/Parameters/ParameterSettings.h"
#include "engine/SequenceTables.h"
#include "extension/Settings/InterpolatedStepUI.h"
#include "extension/Settings/RandomDraws.h"
#include "platform/au/ObserverToken.h"
#include "platform/tk/base/Observable.h"
#include "platform/tk/base/Timer.h"
#include "platform/tk/net/Fetch.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {
class Responder;
class Window;
} // namespace tk

namespace extension {

class UpdateCheck;
class ZindralAudioUnit;

// The plug-in interface's model: the 24 parameters (ParameterTable.h), the engine state the views
// show (seed, playing step, displayed sequence) and the update check's result. Every view reads and
// writes through it.
//
// Lifecycle (all [main]):
//   Settings::create()            24 parameters at their defaults, seed 0, 64 zero steps
//   configureAudioUnit(unit)      tree built and every value pushed into the unit; 60 Hz poll started;
//                                 the unit's seed adopted (a zero seed replaced by a random one); the
//                                 displayed sequence computed; the tree's value provider and
//                                 parameter observer installed; one update check started
//   setupParameterTreeListeners() (base class) by the view controller, right after configuring
//   ... the poll runs 60 times a second in every run-loop mode, also during a drag ...
//   destruction                   the poll stops, a running update check is stopped and joined
//
// How engine changes reach the interface: a change made on the render thread (a parameter event, a
// note-on setting the lowest note) sets a dirty bit in the engine; the poll exchanges the dirty mask
// with 0 and, for each marked address in ascending order, hands the engine's value to that
// parameter's setValue(value, parameterObserver, change): the interface follows (unless the user is
// dragging that control), the host gets no automation event, and the engine keeps its own value.
//
// Threads: [main] unless marked. The tree's value provider and parameter observer run on any thread.
class Settings final : public Korvane::ParameterSettings {
public:
    // What a test replaces: the random source, and the update check's fetcher and feed address.
    struct Environment {
        RandomSource random;                      // none: the system's random source
        std::shared_ptr<tk::Fetcher> fetcher;     // none: the network (tk::CurlFetcher)
        std::string updateFeedURL;                // empty: the build's feed address (UpdateFeed.h)
        std::optional<std::string> pluginVersion; // none: the main bundle's short version string
    };

    // [main] The model, owned by a shared_ptr (the timer and the tree's callbacks hold it weakly).
    static std::shared_ptr<Settings> create(Environment environment = {});
    // [main] Use create(); public for std::make_shared.
    explicit Settings(Environment environment);
    ~Settings() override;

    // ---- the parameters, one per row of the parameter table ----
    using Parameter = std::shared_ptr<Korvane::AudioParameter>;
    const Parameter& lowNote() const { return parameter(0); }
    const Parameter& range() const { return parameter(1); }
    const Parameter& playback() const { return parameter(2); }
    const Parameter& restAmount() const { return parameter(3); }
    const Parameter& slideAmount() const { return parameter(4); }
    const Parameter& accentAmount() const { return parameter(5); }
    const Parameter& gate() const { return parameter(6); }
    const Parameter& morphX() const { return parameter(7); }
    const Parameter& morphY() const { return parameter(8); }
    const Parameter& sequenceLength() const { return parameter(9); }
    // The switch of pitch class p (0 = C ... 11 = B), address 10 + p.
    const Parameter& semitone(int pitchClass) const {
        return parameter(10 + static_cast<std::size_t>(pitchClass));
    }
    const Parameter& semitone0() const { return semitone(0); }
    const Parameter& semitone1() const { return semitone(1); }
    const Parameter& semitone2() const { return semitone(2); }
    const Parameter& semitone3() const { return semitone(3); }
    const Parameter& semitone4() const { return semitone(4); }
    const Parameter& semitone5() const { return semitone(5); }
    const Parameter& semitone6() const { return semitone(6); }
    const Parameter& semitone7() const { return semitone(7); }
    const Parameter& semitone8() const { return semitone(8); }
    const Parameter& semitone9() const { return semitone(9); }
    const Parameter& semitone10() const { return semitone(10); }
    const Parameter& semitone11() const { return semitone(11); }
    const Parameter& division() const { return parameter(22); }
    const Parameter& offset() const { return parameter(23); }
    // [any] The parameter at an address 0...23.
    const Parameter& parameter(std::size_t address) const { return parameters().at(address); }

    // ---- observable mirrors of the engine ----
    // The seed shown and edited by the interface; 0 until configured. Change it with setSeed().
    const tk::Observable<uint64_t>& seed() const { return seed_; }
    // The engine's current step as last polled; 0 at start.
    const tk::Observable<int32_t>& playheadTick() const { return playheadTick_; }
    // The 64 displayed steps; notifies on every assignment, changed or not.
    const tk::Observable<std::array<InterpolatedStepUI, engine::kSteps>>& interpolatedSequence() const {
        return interpolatedSequence_;
    }
    // Set when the update check found a newer version; never cleared.
    const tk::Observable<std::optional<Korvane::UpdateAvailableDetails>>& updateDetails() const {
        return updateDetails_;
    }

    // The window showing the interface and its first responder when the view came on screen; set by
    // the view controller, used to hand keyboard focus back after a label edit.
    std::weak_ptr<tk::Window> pluginWindow;
    std::weak_ptr<tk::Responder> pluginMainResponder;

    // ---- ParameterSettings ----
    // Binds the unit (see the class comment). A unit that is not a ZindralAudioUnit gets only the
    // base class's tree and values.
    void configureAudioUnit(const std::shared_ptr<Korvane::KorvAudioUnit>& unit) override;
    // Adds the seed.
    void hashAdditionalValues(tk::Hasher& hasher) const override;
    // The environment's version when given, else the main bundle's.
    std::string pluginVersion() const override;

    // ---- operations ----
    // The index into the engine's 64-step tables of the step playing: the pattern position of
    // playheadTick under the interface's sequence length and playback pattern. A tracked read of
    // all three.
    int32_t playheadIndex() const;
    // One poll of the engine (the timer calls it): playhead, then the dirty mask (see the class
    // comment). Nothing once the unit has gone.
    void pollAudioUnit();
    // Sets the seed here and in the unit (which reseeds its engine and calls back to refresh the
    // displayed sequence).
    void setSeed(uint64_t newSeed);
    // "A LOT": a new seed; playback "ABCD"; range 12 or 24; rest, slide and accent amounts at random
    // in 0...0.2, 0...0.3 and 0...0.1; gate 50; division 1/16 (80 %) or 1/8; length 8 (70 %), 12 (5 %)
    // or 16. Each parameter set as one `change` from the interface. The lowest note, the morph
    // position, the pitch classes and the offset stay.
    void randomize();
    // The offset one step up or down, within -63...63 (at a bound nothing happens).
    void incrementOffset();
    void decrementOffset();
    // One complete interactive edit of the offset: begin (current value), change and end (new value).
    void setOffset(float newOffset);
    // A fresh random seed (uniform below 2^64 - 1) from the model's random source, for "A BIT".
    uint64_t freshRandomSeed();
    // Recomputes the displayed sequence from the unit's engine at the interface's morph position.
    void updateInterpolatedSequence(const ZindralAudioUnit& unit);
    // Starts one update check; a newer version found lands in updateDetails on the main thread.
    void checkForNewVersion();
    // The MIDI note a step's note value plays: the engine's own note mapping (mapNote) applied to the
    // interface's lowest note and range, snapped to the engine's allowed pitch classes; without a unit,
    // the target note lowest + round(value * range).
    int32_t midiNote(float forNoteValue) const;

    // Tests: waits until every update check started so far has finished its worker; drain the main
    // run loop afterwards to deliver the result.
    void waitForUpdateChecks();

private:
    // The bound unit as a ZindralAudioUnit, or null when there is none or it is another kind. [any]
    std::shared_ptr<ZindralAudioUnit> zindralAudioUnit() const;
    // Refreshes the displayed sequence after the values already queued for the main thread have
    // landed (they are posted before this).
    void scheduleSequenceRefresh();

    Environment environment_;
    tk::Timer pollTimer_;
    au::ObserverToken parameterObserverToken_;
    std::vector<std::unique_ptr<UpdateCheck>> updateChecks_;

    tk::Observable<std::optional<Korvane::UpdateAvailableDetails>> updateDetails_;
    tk::Observable<uint64_t> seed_{0};
    tk::Observable<int32_t> playheadTick_{0};
    tk::Observable<std::array<InterpolatedStepUI, engine::kSteps>> interpolatedSequence_{
        std::array<InterpolatedStepUI, engine::kSteps>{}, tk::ObservableNotify::always};
};

} // namespace extension
