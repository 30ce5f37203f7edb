#pragma once

#include "platform/au/AudioBuffer.h"
#include "platform/au/RenderEvent.h"
#include "platform/au/Status.h"

#include <cstdint>
#include <functional>

namespace au {

// Flags a render call passes in and out.
using RenderActionFlags = uint32_t;
inline constexpr RenderActionFlags kRenderPreRender = 1u << 2;
inline constexpr RenderActionFlags kRenderPostRender = 1u << 3;
inline constexpr RenderActionFlags kRenderOutputIsSilence = 1u << 4;
inline constexpr RenderActionFlags kRenderOfflineRender = 1u << 5;

// When a render call happens. sampleTime counts frames since the host started its clock; the
// flags say which fields hold a value.
struct TimeStamp {
    double sampleTime = 0.0;
    uint64_t hostTime = 0;
    double rateScalar = 1.0;
    uint32_t flags = 0;
};
inline constexpr uint32_t kTimeStampSampleTimeValid = 1u << 0;
inline constexpr uint32_t kTimeStampHostTimeValid = 1u << 1;

// Lets a unit ask its host for input audio. May be empty.
using PullInputBlock =
    std::function<Status(RenderActionFlags* actionFlags, const TimeStamp& timestamp, uint32_t frameCount,
                         int64_t inputBusNumber, AudioBufferList* inputData)>;

// The render call. A unit's internal render block and the render block the host calls share this
// shape. Called on the render thread: it must not allocate, lock or make a system call. Returns
// kNoErr or a status code.
using RenderBlock =
    std::function<Status(RenderActionFlags* actionFlags, const TimeStamp& timestamp, uint32_t frameCount,
                         int64_t outputBusNumber, AudioBufferList* outputData,
                         const RenderEvent* realtimeEventListHead, const PullInputBlock& pullInputBlock)>;
using InternalRenderBlock = RenderBlock;

// ---- Blocks the host provides; a unit calls them on the render thread. ----

// The host's musical position. Every pointer may be null (the caller does not want that value);
// returns false when the host cannot answer.
using MusicalContextBlock = std::function<bool(
    double* currentTempo, double* timeSignatureNumerator, int64_t* timeSignatureDenominator,
    double* currentBeatPosition, int64_t* sampleOffsetToNextBeat, double* currentMeasureDownbeatPosition)>;

using TransportStateFlags = uint32_t;
inline constexpr TransportStateFlags kTransportStateChanged = 1u << 0;
inline constexpr TransportStateFlags kTransportStateMoving = 1u << 1;
inline constexpr TransportStateFlags kTransportStateRecording = 1u << 2;
inline constexpr TransportStateFlags kTransportStateCycling = 1u << 3;

// The host's transport. Pointers may be null; returns false when the host cannot answer.
using TransportStateBlock =
    std::function<bool(TransportStateFlags* transportStateFlags, double* currentSamplePosition,
                       double* cycleStartBeatPosition, double* cycleEndBeatPosition)>;

// MIDI the unit sends: `length` bytes at `midiBytes` for sample time `eventSampleTime` on `cable`.
using MIDIOutputEventBlock =
    std::function<Status(int64_t eventSampleTime, uint8_t cable, int64_t length, const uint8_t* midiBytes)>;

} // namespace au
