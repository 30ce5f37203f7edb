#include "Korvane/Parameters/ParameterSettings.h"

#include "Korvane/Parameters/ParameterText.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/Bundle.h"
#include "platform/tk/base/MainThread.h"

#include <cstdio>

namespace Korvane {

std::string ParameterSettings::pluginVersion() const {
    return tk::Bundle::main().string("CFBundleShortVersionString").value_or("Unknown");
}

std::shared_ptr<KorvAudioUnit> ParameterSettings::audioUnit() const {
    std::lock_guard lock(audioUnitMutex_);
    return audioUnit_.lock();
}

void ParameterSettings::setAudioUnit(const std::shared_ptr<KorvAudioUnit>& unit) {
    std::lock_guard lock(audioUnitMutex_);
    audioUnit_ = unit;
}

void ParameterSettings::setupParameters(std::vector<std::shared_ptr<AudioParameter>> parameters) {
    TK_CHECK_MAIN_THREAD();
    parameters_ = std::move(parameters);
}

void ParameterSettings::configureAudioUnit(const std::shared_ptr<KorvAudioUnit>& unit) {
    TK_CHECK_MAIN_THREAD();
    setAudioUnit(unit);
    if (!unit)
        return;
    std::vector<std::shared_ptr<au::Parameter>> children;
    children.reserve(parameters_.size());
    for (const auto& parameter : parameters_)
        children.push_back(parameter->auParameter());
    unit->setParameterTree(au::ParameterTree::createTree(std::move(children)));
    for (const auto& parameter : parameters_)
        unit->setParameter(parameter->address(), parameter->value.peek());
}

std::int64_t ParameterSettings::paramsHash() const {
    tk::Hasher hasher;
    for (const auto& parameter : parameters_) {
        float value = parameter->value.load();
        if (value == 0.0f)
            value = 0.0f; // -0 hashes as +0
        hasher.combine(value);
    }
    hashAdditionalValues(hasher);
    return hasher.finalize();
}

void ParameterSettings::hashAdditionalValues(tk::Hasher&) const {}

void ParameterSettings::setupParameterTreeListeners() {
    TK_CHECK_MAIN_THREAD();
    // Each step looks the unit up again, as the unit may go away at any time.
    auto treeOfUnit = [this]() -> std::shared_ptr<au::ParameterTree> {
        auto unit = audioUnit();
        return unit ? unit->parameterTree() : nullptr;
    };

    if (auto tree = treeOfUnit()) {
        std::weak_ptr<ParameterSettings> weakSelf = weak_from_this();
        if (weakSelf.expired())
            std::fprintf(stderr, "Korvane: ParameterSettings is not owned by a std::shared_ptr; "
                                 "tree values will not reach it\n");
        tree->setImplementorValueObserver([weakSelf](const au::Parameter& parameter, au::AUValue value) {
            if (auto self = weakSelf.lock())
                self->setValue(value, parameter.address(), ParameterEditor::parameterObserver);
        });
    }
    if (auto tree = treeOfUnit()) {
        tree->setImplementorStringFromValueCallback(
            [](const au::Parameter& parameter, const au::AUValue* value) {
                return parameterString(parameter.valueStrings(),
                                       value ? std::optional<float>(*value) : std::nullopt);
            });
    }
    if (auto tree = treeOfUnit()) {
        tree->setImplementorValueFromStringCallback(
            [](const au::Parameter&, const std::string& text) { return parameterValue(text); });
    }
}

void ParameterSettings::setValue(float value, std::uint64_t forAddress, ParameterEditor source) {
    for (const auto& parameter : parameters_) {
        if (parameter->address() != forAddress)
            continue;
        parameter->setValue(value, source, ParameterEditorState::change);
        const auto& dependents = parameter->dependentParameterAddresses();
        if (dependents && !dependents->empty())
            updateDependentValues(forAddress, value);
        break;
    }
    if (auto unit = audioUnit())
        unit->setParameter(forAddress, value);
}

void ParameterSettings::updateDependentValues(std::uint64_t, float) {}

} // namespace Korvane
