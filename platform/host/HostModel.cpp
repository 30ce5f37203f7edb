#include "platform/host/HostModel.h"

#include <cmath>

namespace host {

double beatPositionOfCall(const HostOptions& options, uint64_t call) {
    return options.startBeat +
           static_cast<double>(call * options.blockFrames) * options.tempo / (60.0 * options.sampleRate);
}

uint64_t sampleTimeOfCall(const HostOptions& options, uint64_t call) {
    return call * options.blockFrames;
}

namespace {
double frameCount(const HostOptions& options) {
    return std::ceil(options.beats * 60.0 * options.sampleRate / options.tempo);
}
} // namespace

double renderCallCountAsDouble(const HostOptions& options) {
    return std::ceil(frameCount(options) / options.blockFrames);
}

uint64_t renderCallCount(const HostOptions& options) {
    double calls = renderCallCountAsDouble(options);
    return calls > 0.0 && calls <= kMaximumRenderCalls ? static_cast<uint64_t>(calls) : 0;
}

uint32_t framesOfCall(const HostOptions& options, uint64_t call) {
    const double left = frameCount(options) - static_cast<double>(sampleTimeOfCall(options, call));
    return left < options.blockFrames ? static_cast<uint32_t>(left > 0.0 ? left : 0.0) : options.blockFrames;
}

double beatAtSampleTime(const HostOptions& options, int64_t sampleTime) {
    return options.startBeat + static_cast<double>(sampleTime) * options.tempo / (60.0 * options.sampleRate);
}

} // namespace host
