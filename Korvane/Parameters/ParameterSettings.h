#pragma once

#include "Korvane/KorvAudioUnit.h"
#include "Korvane/Parameters/AudioParameter.h"
#include "Korvane/Parameters/ParameterEditor.h"
#include "platform/tk/base/Hasher.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The plug-in's parameter model: AudioParameter (one parameter, AudioParameter.h) and
// ParameterSettings (the list of them, bound to the audio unit). How values flow:
//
// A drag on a control (main thread)
//   press:    param.isBeingInteractivelyEdited.set(true);
//             param.setValue(current, ui, beginInteractive)
//               -> au::Parameter::setValue(current, no originator, now, touch): the host records a touch;
//                  the tree's value observer -> settings.setValue(v, address, parameterObserver)
//                  -> unit.setParameter(address, v): the engine has it for the next render call
//               -> the value is published to param.value on the main queue
//   movement: param.setValue(v, ui, change)            -> the same with event "value"
//   release:  param.isBeingInteractivelyEdited.set(false);
//             param.setValue(last, ui, endInteractive) -> event "release"
//   While the flag is set, values coming back from the tree (source parameterObserver) do not move
//   param.value, so the control is not pulled back under the pointer.
//
// Host automation (a host thread)
//   the host sets the au::Parameter -> the tree's value observer -> settings.setValue(v, address,
//   parameterObserver) -> param.setValue(v, parameterObserver, change): clamped, not written back to
//   the au::Parameter, published to param.value on the main queue; and unit.setParameter(address, v).
//
// A change made on the render thread (host events in a render call, a note-on setting the lowest note)
//   the engine stores the value and sets bit `address` of its dirty mask (atomic OR); the settings
//   subclass's 60 Hz timer on the main run loop exchanges the mask with 0 and, for each set bit in
//   ascending order, calls settings.setValue(engine value, address, parameterObserver): the interface
//   follows within one poll, and no automation event goes to the host.
//
// A state restore with the seed (main thread)
//   au::AudioUnit::setFullState sets each parameter through au::Parameter::setValue, so each value
//   travels as host automation does; then the unit reseeds its engine from "seed" and hands the new
//   seed to the settings subclass through its seed callback, which refreshes what it shows.
//   paramsHash() then changes, since the subclass hashes the seed in hashAdditionalValues().
//
// Threads: [main] unless marked. The tree's callbacks run on whichever thread the host uses.

namespace Korvane {

// Base class of a plug-in's settings object. Own it through std::shared_ptr (std::make_shared of the
// subclass): the tree's value observer holds it weakly and does nothing once it has gone.
//
// Lifecycle: construct (the subclass calls setupParameters() at the end of its constructor) ->
// configureAudioUnit(unit) once the unit exists -> setupParameterTreeListeners() -> values flow.
class ParameterSettings : public std::enable_shared_from_this<ParameterSettings> {
public:
    // [main] No parameters, no audio unit.
    ParameterSettings() = default;
    virtual ~ParameterSettings() = default;
    ParameterSettings(const ParameterSettings&) = delete;
    ParameterSettings& operator=(const ParameterSettings&) = delete;

    // [any] The parameters in tree order. Replaced only by setupParameters(), before configuring.
    const std::vector<std::shared_ptr<AudioParameter>>& parameters() const { return parameters_; }

    // [any] The main bundle's "CFBundleShortVersionString", or "Unknown" when the bundle has no
    // information dictionary, the key is missing or its value is not a string.
    virtual std::string pluginVersion() const;

    // [any] The audio unit being configured; null before configuring and once the unit has gone.
    std::shared_ptr<KorvAudioUnit> audioUnit() const;
    // [main]
    void setAudioUnit(const std::shared_ptr<KorvAudioUnit>& unit);

    // [main] Replaces the parameter list (all parameters, in address order).
    virtual void setupParameters(std::vector<std::shared_ptr<AudioParameter>> parameters);

    // [main] Binds the unit: keeps it weakly, builds its parameter tree from every parameter's
    // au::Parameter (in list order), assigns the tree to the unit and pushes every parameter's current
    // value into the unit through setParameter(). Installs no tree callbacks.
    virtual void configureAudioUnit(const std::shared_ptr<KorvAudioUnit>& unit);

    // [main] A hash of the current parameter values (negative zero as zero) and whatever
    // hashAdditionalValues() adds. Stable within one run only.
    virtual std::int64_t paramsHash() const;
    // [main] Hook: add state that is not a parameter. Does nothing here.
    virtual void hashAdditionalValues(tk::Hasher& hasher) const;

    // [main] Installs the tree's value observer (-> setValue(value, address, parameterObserver)) and
    // its string-from-value and value-from-string callbacks (ParameterText.h). Skipped when the unit
    // has gone or has no tree.
    virtual void setupParameterTreeListeners();

    // [any] Routes a value: the first parameter with that address gets setValue(value, source,
    // change) (then updateDependentValues() when it has dependents), and the unit, while it exists,
    // gets setParameter(address, value) with the value as passed in (not clamped) - also when no
    // parameter has the address.
    virtual void setValue(float value, std::uint64_t forAddress, ParameterEditor source);

    // [any] Hook called after a parameter with dependent addresses changed. Does nothing here.
    virtual void updateDependentValues(std::uint64_t forAddress, float value);

private:
    std::vector<std::shared_ptr<AudioParameter>> parameters_;
    mutable std::mutex audioUnitMutex_; // the weak reference is read from the tree's threads
    std::weak_ptr<KorvAudioUnit> audioUnit_;
};

} // namespace Korvane
