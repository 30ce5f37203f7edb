#pragma once

#include "platform/host/HostOptions.h"

#include <cstdint>

namespace host {

// The host's transport: render call k starts at sample time k * blockFrames, with the tempo, a
// moving transport, and the beat position
//     startBeat + double(k * blockFrames) * tempo / (60.0 * sampleRate)
// evaluated in that order in double. A run plays the frames that start before beat
// startBeat + beats,
//     ceil(beats * 60.0 * sampleRate / tempo)
// of them, in ceil(frames / blockFrames) calls of `blockFrames` frames; the last call has only the
// frames left.

// [any]
double beatPositionOfCall(const HostOptions& options, uint64_t call);
uint64_t sampleTimeOfCall(const HostOptions& options, uint64_t call);
uint64_t renderCallCount(const HostOptions& options);
double renderCallCountAsDouble(const HostOptions& options);
// [any] The frames of call `call` of a run: `blockFrames`, fewer in the last call.
uint32_t framesOfCall(const HostOptions& options, uint64_t call);
// [any] The beat position at a sample time (the same line as beatPositionOfCall).
double beatAtSampleTime(const HostOptions& options, int64_t sampleTime);

} // namespace host
