#pragma once

#include "platform/host/HostOptions.h"

#include <cstdint>

namespace host {

// The host's transport: render call k has `blockFrames` frames at sample time k * blockFrames, the
// tempo, a moving transport, and the beat position
//     startBeat + double(k * blockFrames) * tempo / (60.0 * sampleRate)
// evaluated in that order in double. A run makes
//     ceil(beats * 60.0 * sampleRate / tempo / blockFrames)
// calls.

// [any]
double beatPositionOfCall(const HostOptions& options, uint64_t call);
uint64_t sampleTimeOfCall(const HostOptions& options, uint64_t call);
uint64_t renderCallCount(const HostOptions& options);
double renderCallCountAsDouble(const HostOptions& options);
// [any] The beat position at a sample time (the same line as beatPositionOfCall).
double beatAtSampleTime(const HostOptions& options, int64_t sampleTime);

} // namespace host
