#pragma once

#include "platform/au/ParameterTypes.h"

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace au {

class ObserverToken;
class ParameterTree;

// One parameter that a host sees and automates. Made by ParameterTree::createParameter and shared
// (std::shared_ptr) between whoever models it and the tree that publishes it.
//
// Its descriptive fields never change. Its value is atomic: setValue and value() may be called from
// any thread. The tree's implementor callbacks (set on the main thread before use) decide what a
// read and a write mean for the audio unit; see ParameterTree.
class Parameter {
public:
    struct PrivateTag {};
    Parameter(PrivateTag, std::string identifier, std::string name, ParameterAddress address,
              AUValue minValue, AUValue maxValue, ParameterUnit unit, std::optional<std::string> unitName,
              ParameterOptions flags, std::optional<std::vector<std::string>> valueStrings,
              std::optional<std::vector<ParameterAddress>> dependentParameters);
    Parameter(const Parameter&) = delete;
    Parameter& operator=(const Parameter&) = delete;

    // [any] Descriptive fields.
    const std::string& identifier() const { return identifier_; }
    const std::string& name() const { return name_; }
    ParameterAddress address() const { return address_; }
    AUValue minValue() const { return minValue_; }
    AUValue maxValue() const { return maxValue_; }
    ParameterUnit unit() const { return unit_; }
    const std::optional<std::string>& unitName() const { return unitName_; }
    ParameterOptions flags() const { return flags_; }
    const std::optional<std::vector<std::string>>& valueStrings() const { return valueStrings_; }
    const std::optional<std::vector<ParameterAddress>>& dependentParameters() const {
        return dependentParameters_;
    }

    // [any] The current value: the tree's implementorValueProvider's answer when the parameter is in
    // a tree that has one, else the value last set.
    AUValue value() const;
    // [any] The value last set, bypassing any value provider.
    AUValue storedValue() const { return value_.load(std::memory_order_relaxed); }

    // [any] Sets the value as a plain change with no originator at host time 0.
    void setValue(AUValue value);
    // [any] Stores the value, then tells the tree's implementorValueObserver, then every value
    // observer of the tree except the one whose token is `originator` (may be null), then every
    // automation observer with the host time and event type. Values are stored as given (no clamp).
    void setValue(AUValue value, const ObserverToken* originator, uint64_t hostTime,
                  ParameterAutomationEventType eventType);

    // [any] Text for a value as the host shows it: the tree's implementorStringFromValueCallback when
    // set, else the value string at the value's index (for parameters with value strings), else the
    // number in shortest form. `value` null means the current value.
    std::string stringFromValue(const AUValue* value) const;
    // [any] A value for text the host's user typed: the tree's implementorValueFromStringCallback when
    // set, else the index of a matching value string, else the text read as a decimal number
    // (0 when it does not parse).
    AUValue valueFromString(std::string_view text) const;

    // The tree that publishes the parameter, or null. Set by ParameterTree::createTree.
    ParameterTree* tree() const { return tree_.load(std::memory_order_acquire); }

private:
    friend class ParameterTree;

    std::string identifier_;
    std::string name_;
    ParameterAddress address_;
    AUValue minValue_;
    AUValue maxValue_;
    ParameterUnit unit_;
    std::optional<std::string> unitName_;
    ParameterOptions flags_;
    std::optional<std::vector<std::string>> valueStrings_;
    std::optional<std::vector<ParameterAddress>> dependentParameters_;
    std::atomic<AUValue> value_{0.0f};
    std::atomic<ParameterTree*> tree_{nullptr};
};

} // namespace au
