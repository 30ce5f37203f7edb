#pragma once

#include <array>
#include <cstdint>

namespace au {

// Events the host schedules for one render call, as a singly linked list in time order:
//
//   head -> [type 1 parameter] -> [type 8 MIDI] -> ... -> nullptr
//
// Every event carries its sample time (in the same time base as the render call's timestamp). A unit
// reads the fields of the kind its type names and ignores types it does not handle. The list and its
// events belong to the host and are valid only during the render call.
enum class RenderEventType : uint8_t {
    parameter = 1,
    parameterRamp = 2,
    midi = 8,
    midiSysEx = 9,
    midiEventList = 10,
};

struct ParameterEventData {
    uint32_t rampDurationSampleFrames = 0;
    uint64_t parameterAddress = 0;
    float value = 0.0f;
};

struct MIDIEventData {
    uint16_t length = 0; // bytes of `data` in use, 0 to 3
    uint8_t cable = 0;
    std::array<uint8_t, 3> data{};
};

struct RenderEvent {
    const RenderEvent* next = nullptr;
    int64_t eventSampleTime = 0;
    RenderEventType eventType = RenderEventType::parameter;
    ParameterEventData parameter; // read when eventType is parameter or parameterRamp
    MIDIEventData midi;           // read when eventType is midi
};

// A parameter event (type 1) at a sample time.
constexpr RenderEvent parameterEvent(int64_t sampleTime, uint64_t address, float value) {
    RenderEvent event;
    event.eventSampleTime = sampleTime;
    event.eventType = RenderEventType::parameter;
    event.parameter.parameterAddress = address;
    event.parameter.value = value;
    return event;
}

// A MIDI event (type 8) of up to three bytes; bytes past `length` are zero.
constexpr RenderEvent midiEvent(int64_t sampleTime, uint8_t cable, uint16_t length,
                                std::array<uint8_t, 3> bytes) {
    RenderEvent event;
    event.eventSampleTime = sampleTime;
    event.eventType = RenderEventType::midi;
    event.midi.cable = cable;
    event.midi.length = length > 3 ? 3 : length;
    for (uint16_t i = event.midi.length; i < 3; ++i) {
        bytes[i] = 0;
    }
    event.midi.data = bytes;
    return event;
}

} // namespace au
