#pragma once

#include "Korvane/Parameters/ParameterEditor.h"
#include "Korvane/Parameters/ValueIncrement.h"
#include "platform/au/Parameter.h"
#include "platform/au/ParameterTypes.h"
#include "platform/tk/base/Observable.h"
#include "platform/tk/base/Range.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Korvane {

// One plug-in parameter: the au::Parameter that the host sees and automates, and beside it the
// interface's observable copy of the value. Every control reads and writes a parameter only through
// this class; ParameterSettings (ParameterSettings.h, which also walks through the flows) builds the
// unit's parameter tree from the au::Parameter objects.
//
// Ownership: hold parameters in std::shared_ptr (std::make_shared). A value published to the main
// queue keeps its parameter alive until the main loop ran it.
//
// Threads:
//   - setValue()                                       [any]
//   - value, isBeingInteractivelyEdited: written on    [main] only; value.load() may be read on [any]
//   - the descriptive accessors never change           [any]
//
// The interface's `value` follows a setValue() only once the main queue has run the published task,
// so a read right after setValue() on the main thread still gives the old value.
class AudioParameter : public std::enable_shared_from_this<AudioParameter> {
public:
    // [main] Creates the au::Parameter (flags, unit name, value strings and dependent addresses as
    // the host needs them) at `defaultValue`; `value` starts at `defaultValue`, not being edited.
    // The range's bounds must not be NaN.
    AudioParameter(std::uint64_t address, std::string identifier, std::string name, au::ParameterUnit units,
                   tk::ClosedRange<float> valueRange, float defaultValue, ValueIncrement valueIncrement,
                   std::optional<std::vector<std::string>> valueStrings,
                   std::optional<std::vector<std::uint64_t>> dependentParameterAddresses);
    virtual ~AudioParameter() = default;
    AudioParameter(const AudioParameter&) = delete;
    AudioParameter& operator=(const AudioParameter&) = delete;

    // [main] A placeholder that belongs to no tree: address 0, empty identifier and name, a custom
    // unit, range 0...0, default 0, linear, no value strings, no dependents.
    static std::shared_ptr<AudioParameter> dummyParam();

    // The interface's copy of the current value. Controls bind to it; setting it directly changes
    // only the interface's copy (the audio unit is told through setValue()). [main]
    tk::Observable<float> value;
    // True while a control holds an interactive edit (a drag) of this parameter. [main]
    tk::Observable<bool> isBeingInteractivelyEdited{false};

    // [any] Descriptive fields; they never change.
    std::uint64_t address() const { return address_; }
    const std::string& identifier() const { return identifier_; }
    const std::string& id() const { return identifier_; }
    const std::string& name() const { return name_; }
    au::ParameterUnit units() const { return units_; }
    const tk::ClosedRange<float>& valueRange() const { return valueRange_; }
    float defaultValue() const { return defaultValue_; }
    const ValueIncrement& valueIncrement() const { return valueIncrement_; }
    const std::optional<std::vector<std::string>>& valueStrings() const { return valueStrings_; }
    const std::optional<std::vector<std::uint64_t>>& dependentParameterAddresses() const {
        return dependentParameterAddresses_;
    }
    // The parameter as published in the audio unit's tree.
    const std::shared_ptr<au::Parameter>& auParameter() const { return auParameter_; }

    // [any] The one way to change the parameter:
    //   1. the value is clamped into the range (NaN becomes the lower bound);
    //   2. an unchanged value with state `change` stops here (begin and end always go on);
    //   3. from the `ui`, the au::Parameter is written with no originator, the current host time and
    //      the state as the automation event type (from the parameterObserver it is not: the change
    //      came from there);
    //   4. the value is published to `value` on the main queue; that task drops it while the
    //      parameter is being interactively edited and the source is not the `ui`.
    virtual void setValue(float newValue, ParameterEditor source, ParameterEditorState state);

    // [main] `value` as shown: divided by 100 for absolute cents.
    virtual float displayableValue() const;
    // [any] The unit's suffix ("%", "Hz", "dB", "MS" or empty).
    virtual std::string displayableSuffix() const;
    // [any] 0.01 for absolute cents, else 1.
    virtual float saveScaleFactor() const;
    // [any] 100 for absolute cents, else 1.
    virtual float displayScaleFactor() const;
    // [any] Whether the unit is indexed.
    virtual bool isIndexed() const;

    // [any] The au::Parameter flags for a parameter of this shape (readable and writable; global meta
    // and clump with dependents; values-have-strings with value strings; can-ramp for decibels,
    // linear gain and absolute cents).
    static au::ParameterOptions
    flags(au::ParameterUnit units, const std::optional<std::vector<std::string>>& valueStrings,
          const std::optional<std::vector<std::uint64_t>>& dependentParameterAddresses);

private:
    // [main] The published task's body.
    void applyPublished(ParameterEditor source, float published);

    std::uint64_t address_;
    std::string identifier_;
    std::string name_;
    au::ParameterUnit units_;
    tk::ClosedRange<float> valueRange_;
    float defaultValue_;
    ValueIncrement valueIncrement_;
    std::optional<std::vector<std::string>> valueStrings_;
    std::optional<std::vector<std::uint64_t>> dependentParameterAddresses_;
    std::shared_ptr<au::Parameter> auParameter_;
    // Lets a published task find out that a parameter not held by a shared_ptr has gone.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace Korvane
