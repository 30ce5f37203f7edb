#include "platform/au/AudioUnit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace au {

AudioUnit::AudioUnit(const ComponentDescription& componentDescription, InstantiationOptions options,
                     std::optional<Error>& outError)
    : componentDescription_(componentDescription), options_(options),
      emptyInputs_(std::make_shared<BusArray>(this, BusType::input)),
      emptyOutputs_(std::make_shared<BusArray>(this, BusType::output)) {
    if (componentDescription.componentType == 0) {
        outError = Error{kErrFailedInitialization, "component description has no type"};
    }
}

AudioUnit::~AudioUnit() = default;

std::optional<Error> AudioUnit::allocateRenderResources() {
    uint32_t frames = maximumFramesToRender();
    if (frames == 0 || frames > kMaximumFramesToRenderLimit) {
        return Error{kErrInvalidPropertyValue, "maximumFramesToRender is 0 or too large"};
    }
    for (const auto& busses : {inputBusses(), outputBusses()}) {
        for (size_t i = 0; busses && i < busses->count(); ++i) {
            const Format& format = (*busses)[i].format();
            if (!standardFormat(format.sampleRate, format.channelCount)) {
                return Error{kErrFormatNotSupported, "a bus has an unsupported format"};
            }
        }
    }
    renderMaximumFrames_.store(frames, std::memory_order_relaxed);
    renderResourcesAllocated_.store(true, std::memory_order_release);
    return std::nullopt;
}

void AudioUnit::deallocateRenderResources() {
    renderResourcesAllocated_.store(false, std::memory_order_release);
}

RenderBlock AudioUnit::renderBlock() {
    return [this, internal = internalRenderBlock()](
               RenderActionFlags* actionFlags, const TimeStamp& timestamp, uint32_t frameCount,
               int64_t outputBusNumber, AudioBufferList* outputData, const RenderEvent* events,
               const PullInputBlock& pullInputBlock) -> Status {
        if (!renderResourcesAllocated_.load(std::memory_order_acquire) || !internal) {
            return kErrUninitialized;
        }
        if (frameCount > renderMaximumFrames_.load(std::memory_order_relaxed)) {
            return kErrTooManyFramesToProcess;
        }
        return internal(actionFlags, timestamp, frameCount, outputBusNumber, outputData, events,
                        pullInputBlock);
    };
}

std::optional<Value> AudioUnit::fullState() const {
    Value::Dictionary parameters;
    if (parameterTree_) {
        for (const auto& parameter : parameterTree_->allParameters()) {
            parameters[parameter->identifier()] = Value::real(parameter->value());
        }
    }
    Value::Dictionary state;
    state["type"] = Value::unsignedInteger(componentDescription_.componentType);
    state["subtype"] = Value::unsignedInteger(componentDescription_.componentSubType);
    state["manufacturer"] = Value::unsignedInteger(componentDescription_.componentManufacturer);
    state["version"] = Value::unsignedInteger(0);
    state["parameters"] = Value(std::move(parameters));
    return Value(std::move(state));
}

void AudioUnit::setFullState(const std::optional<Value>& state) {
    if (!state || !parameterTree_) {
        return;
    }
    const Value* parameters = state->find("parameters");
    if (!parameters || !parameters->dictionary()) {
        return;
    }
    for (const auto& [identifier, entry] : *parameters->dictionary()) {
        std::optional<double> number = entry.asDouble();
        auto parameter = parameterTree_->parameterWithIdentifier(identifier);
        if (!number || !parameter || !std::isfinite(*number)) {
            continue;
        }
        // Clamp in double first: a huge double would not fit a float (and NaN bounds clamp nothing).
        double clamped = std::clamp(*number, double(parameter->minValue()), double(parameter->maxValue()));
        if (!(std::abs(clamped) <= double(std::numeric_limits<AUValue>::max()))) {
            continue;
        }
        parameter->setValue(static_cast<AUValue>(clamped));
    }
}

std::shared_ptr<MessageChannel> AudioUnit::messageChannelFor(std::string_view) {
    return nullptr;
}

} // namespace au
