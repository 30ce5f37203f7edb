#include "Korvane/Parameters/AudioParameter.h"

#include "Korvane/Parameters/ParameterUnitSuffix.h"
#include "platform/au/HostTime.h"
#include "platform/au/ParameterTree.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"

namespace Korvane {

au::ParameterOptions
AudioParameter::flags(au::ParameterUnit units, const std::optional<std::vector<std::string>>& valueStrings,
                      const std::optional<std::vector<std::uint64_t>>& dependentParameterAddresses) {
    au::ParameterOptions flags = au::kParameterFlagIsReadable | au::kParameterFlagIsWritable;
    if (dependentParameterAddresses && !dependentParameterAddresses->empty())
        flags = au::kParameterFlagIsReadable | au::kParameterFlagIsWritable | au::kParameterFlagIsGlobalMeta |
                au::kParameterFlagHasClump;
    if (valueStrings && !valueStrings->empty())
        flags |= au::kParameterFlagValuesHaveStrings;
    if (units == au::ParameterUnit::decibels || units == au::ParameterUnit::linearGain ||
        units == au::ParameterUnit::absoluteCents)
        flags |= au::kParameterFlagCanRamp;
    return flags;
}

AudioParameter::AudioParameter(std::uint64_t address, std::string identifier, std::string name,
                               au::ParameterUnit units, tk::ClosedRange<float> valueRange, float defaultValue,
                               ValueIncrement valueIncrement,
                               std::optional<std::vector<std::string>> valueStrings,
                               std::optional<std::vector<std::uint64_t>> dependentParameterAddresses)
    : value(defaultValue), address_(address), identifier_(std::move(identifier)), name_(std::move(name)),
      units_(units), valueRange_(valueRange), defaultValue_(defaultValue), valueIncrement_(valueIncrement),
      valueStrings_(std::move(valueStrings)),
      dependentParameterAddresses_(std::move(dependentParameterAddresses)) {
    auParameter_ = au::ParameterTree::createParameter(
        identifier_, name_, address_, valueRange_.lowerBound, valueRange_.upperBound, units_,
        Korvane::displayableSuffix(units_), flags(units_, valueStrings_, dependentParameterAddresses_),
        valueStrings_, dependentParameterAddresses_);
    auParameter_->setValue(defaultValue_);
}

std::shared_ptr<AudioParameter> AudioParameter::dummyParam() {
    return std::make_shared<AudioParameter>(0, "", "", au::ParameterUnit::customUnit,
                                            tk::ClosedRange<float>{0, 0}, 0.0f, ValueIncrement::linear(),
                                            std::nullopt, std::nullopt);
}

void AudioParameter::setValue(float newValue, ParameterEditor source, ParameterEditorState state) {
    // Written so that a NaN fails the first comparison and becomes the lower bound.
    float clamped = valueRange_.lowerBound <= newValue ? newValue : valueRange_.lowerBound;
    clamped = clamped <= valueRange_.upperBound ? clamped : valueRange_.upperBound;

    if (clamped == value.load() && state == ParameterEditorState::change)
        return;

    if (source == ParameterEditor::ui)
        auParameter_->setValue(clamped, nullptr, au::currentHostTime(), automationEventType(state));

    if (auto self = weak_from_this().lock()) {
        tk::RunLoop::main().post(
            [self = std::move(self), source, clamped] { self->applyPublished(source, clamped); });
    } else {
        // Not held by a shared_ptr: publish as long as the parameter still exists.
        tk::RunLoop::main().post([this, alive = std::weak_ptr<int>(alive_), source, clamped] {
            if (alive.lock())
                applyPublished(source, clamped);
        });
    }
}

void AudioParameter::applyPublished(ParameterEditor source, float published) {
    TK_CHECK_MAIN_THREAD();
    if (isBeingInteractivelyEdited.peek() && source != ParameterEditor::ui)
        return;
    value.set(published);
}

float AudioParameter::displayableValue() const {
    const float current = value.get(); // a tracked read: a label showing it follows the value
    return units_ == au::ParameterUnit::absoluteCents ? current / 100.0f : current;
}

std::string AudioParameter::displayableSuffix() const {
    return Korvane::displayableSuffix(units_);
}

float AudioParameter::saveScaleFactor() const {
    return units_ == au::ParameterUnit::absoluteCents ? 0.01f : 1.0f;
}

float AudioParameter::displayScaleFactor() const {
    return units_ == au::ParameterUnit::absoluteCents ? 100.0f : 1.0f;
}

bool AudioParameter::isIndexed() const {
    return units_ == au::ParameterUnit::indexed;
}

} // namespace Korvane
