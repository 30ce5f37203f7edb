#pragma once
// The three host callbacks the live engine calls on the render thread. The audio unit adapts the
// host's own blocks to these shapes when render resources are allocated (main thread, no render
// call running) and clears them when they are deallocated. Calling a std::function does not allocate.

#include <cstdint>
#include <functional>

namespace engine {

/// Fills the current tempo (beats per minute), the beat position at the start of the render call and
/// the beat position of the current measure's downbeat. Returns false when the host cannot tell.
using MusicalContextBlock =
    std::function<bool(double* tempo, double* beatPosition, double* measureDownbeatPosition)>;

/// Fills the host's transport-state flags. Returns false when the host cannot tell.
using TransportStateBlock = std::function<bool(uint32_t* flags)>;

/// Transport-state flag: the transport is moving (playing or recording).
inline constexpr uint32_t kTransportStateMoving = 2;

/// Sends one MIDI message at an absolute sample time on a cable; returns the host's status (ignored).
using MidiOutputBlock =
    std::function<int32_t(int64_t eventSampleTime, uint8_t cable, int32_t length, const uint8_t* bytes)>;

} // namespace engine
