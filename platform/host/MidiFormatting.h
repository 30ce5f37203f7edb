#pragma once

#include "platform/host/HostOptions.h"
#include "platform/host/MidiMessageQueue.h"

#include <string>
#include <vector>

namespace host {

// [any] "5513 80 30 00": the sample time in decimal, then each byte as two lower-case hex digits.
std::string eventLine(const MidiMessage& message);

// [any] A MIDI note number as a name with octave, 60 = "C4"; "None" outside 0 to 127.
std::string noteName(int note);

// [any] The readable summary of a run: one line per note (start beat, name, velocity, length in
// beats; a note still sounding at the end says so), then the number of notes.
std::string noteSummary(const HostOptions& options, const std::vector<MidiMessage>& messages);

} // namespace host
