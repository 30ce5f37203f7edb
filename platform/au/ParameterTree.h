#pragma once

#include "platform/au/ObserverToken.h"
#include "platform/au/Parameter.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace au {

// What the audio unit installs to connect a tree to its engine. All take the parameter concerned.
using ImplementorValueObserver = std::function<void(const Parameter& parameter, AUValue value)>;
using ImplementorValueProvider = std::function<AUValue(const Parameter& parameter)>;
// `value` may be null (the host asks without a value).
using ImplementorStringFromValueCallback =
    std::function<std::string(const Parameter& parameter, const AUValue* value)>;
using ImplementorValueFromStringCallback =
    std::function<AUValue(const Parameter& parameter, const std::string& text)>;

// What hosts and interfaces register to hear about value changes.
using ParameterObserver = std::function<void(ParameterAddress address, AUValue value)>;
struct ParameterAutomationEvent {
    uint64_t hostTime = 0;
    ParameterAddress address = 0;
    AUValue value = 0.0f;
    ParameterAutomationEventType eventType = ParameterAutomationEventType::value;
};
using ParameterAutomationObserver = std::function<void(const ParameterAutomationEvent& event)>;

// The parameters an audio unit publishes, in order.
//
// Scenarios:
// - A control edits a parameter: parameter->setValue(v, nullptr, currentHostTime(), eventType). The
//   tree calls implementorValueObserver (the unit stores v for its engine), then the value observers
//   and the automation observers (a host records begin/change/end).
// - A host reads a value: parameter->value() asks implementorValueProvider, so values the engine
//   changed itself are what the host sees.
// - A host shows or parses a value: stringFromValue / valueFromString go through the implementor
//   string callbacks.
//
// Threads: createParameter / createTree, the implementor setters and the token functions are [main];
// the implementor callbacks must be installed before values flow. setValue and the callbacks may run
// on any thread; observers are called on the thread that set the value.
class ParameterTree {
public:
    // [main]
    static std::shared_ptr<Parameter>
    createParameter(std::string identifier, std::string name, ParameterAddress address, AUValue min,
                    AUValue max, ParameterUnit unit, std::optional<std::string> unitName,
                    ParameterOptions flags, std::optional<std::vector<std::string>> valueStrings,
                    std::optional<std::vector<ParameterAddress>> dependentParameters);
    // [main] A tree of these parameters. A parameter belongs to one tree at a time: the newest tree
    // that was created with it.
    static std::shared_ptr<ParameterTree> createTree(std::vector<std::shared_ptr<Parameter>> children);

    struct PrivateTag {};
    ParameterTree(PrivateTag, std::vector<std::shared_ptr<Parameter>> children);
    ParameterTree(const ParameterTree&) = delete;
    ParameterTree& operator=(const ParameterTree&) = delete;
    ~ParameterTree();

    // [any]
    const std::vector<std::shared_ptr<Parameter>>& children() const { return children_; }
    const std::vector<std::shared_ptr<Parameter>>& allParameters() const { return children_; }
    // The first parameter with that address / identifier, or null. [any]
    std::shared_ptr<Parameter> parameterWithAddress(ParameterAddress address) const;
    std::shared_ptr<Parameter> parameterWithIdentifier(std::string_view identifier) const;

    // [main] set; the getters are for the parameters and tests.
    void setImplementorValueObserver(ImplementorValueObserver observer) {
        valueObserver_ = std::move(observer);
    }
    void setImplementorValueProvider(ImplementorValueProvider provider) {
        valueProvider_ = std::move(provider);
    }
    void setImplementorStringFromValueCallback(ImplementorStringFromValueCallback callback) {
        stringFromValue_ = std::move(callback);
    }
    void setImplementorValueFromStringCallback(ImplementorValueFromStringCallback callback) {
        valueFromString_ = std::move(callback);
    }
    const ImplementorValueObserver& implementorValueObserver() const { return valueObserver_; }
    const ImplementorValueProvider& implementorValueProvider() const { return valueProvider_; }
    const ImplementorStringFromValueCallback& implementorStringFromValueCallback() const {
        return stringFromValue_;
    }
    const ImplementorValueFromStringCallback& implementorValueFromStringCallback() const {
        return valueFromString_;
    }

    // [main] Registers an observer of every value set on a parameter of this tree until the token
    // is released.
    ObserverToken tokenByAddingParameterObserver(ParameterObserver observer);
    ObserverToken tokenByAddingParameterAutomationObserver(ParameterAutomationObserver observer);

private:
    friend class Parameter;
    struct Observers;

    void notifyObservers(const Parameter& parameter, AUValue value, const ObserverToken* originator,
                         uint64_t hostTime, ParameterAutomationEventType eventType) const;

    std::vector<std::shared_ptr<Parameter>> children_;
    ImplementorValueObserver valueObserver_;
    ImplementorValueProvider valueProvider_;
    ImplementorStringFromValueCallback stringFromValue_;
    ImplementorValueFromStringCallback valueFromString_;
    std::shared_ptr<Observers> observers_;
};

} // namespace au
