#pragma once

#include <cstdint>

namespace au {

using AUValue = float;
using ParameterAddress = uint64_t;

// The unit of a parameter's value; the raw numbers are the ones hosts know.
enum class ParameterUnit : uint32_t {
    generic = 0,
    indexed = 1,
    boolean = 2,
    percent = 3,
    seconds = 4,
    sampleFrames = 5,
    phase = 6,
    rate = 7,
    hertz = 8,
    cents = 9,
    relativeSemiTones = 10,
    midiNoteNumber = 11,
    midiController = 12,
    decibels = 13,
    linearGain = 14,
    degrees = 15,
    equalPowerCrossfade = 16,
    mixerFaderCurve1 = 17,
    pan = 18,
    meters = 19,
    absoluteCents = 20,
    octaves = 21,
    bpm = 22,
    beats = 23,
    milliseconds = 24,
    ratio = 25,
    customUnit = 26,
    midi2Controller = 27,
};

// Parameter flags (a bit set).
using ParameterOptions = uint32_t;
inline constexpr ParameterOptions kParameterFlagMeterReadOnly = 0x00008000;
inline constexpr ParameterOptions kParameterFlagHasClump = 0x00100000;
inline constexpr ParameterOptions kParameterFlagValuesHaveStrings = 0x00200000;
inline constexpr ParameterOptions kParameterFlagDisplayLogarithmic = 0x00400000;
inline constexpr ParameterOptions kParameterFlagIsHighResolution = 0x00800000;
inline constexpr ParameterOptions kParameterFlagNonRealTime = 0x01000000;
inline constexpr ParameterOptions kParameterFlagCanRamp = 0x02000000;
inline constexpr ParameterOptions kParameterFlagExpertMode = 0x04000000;
inline constexpr ParameterOptions kParameterFlagIsGlobalMeta = 0x10000000;
inline constexpr ParameterOptions kParameterFlagIsElementMeta = 0x20000000;
inline constexpr ParameterOptions kParameterFlagIsReadable = 0x40000000;
inline constexpr ParameterOptions kParameterFlagIsWritable = 0x80000000;

// What a value change means to a host that records automation.
enum class ParameterAutomationEventType : uint32_t {
    value = 0,   // a plain change
    touch = 1,   // an interactive edit begins
    release = 2, // an interactive edit ends
};

} // namespace au
