#pragma once

#include "platform/host/HostOptions.h"
#include "platform/host/MidiMessageQueue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace host {

// [any] "5513 80 30 00": the sample time in decimal, then each byte as two lower-case hex digits.
std::string eventLine(const MidiMessage& message);

// [any] A MIDI note number as a name with octave, 60 = "C4"; "None" outside 0 to 127.
std::string noteName(int note);

// One note the unit played: its start, number and velocity, and its end once it has ended.
struct PlayedNote {
    uint64_t index = 0; // the note's place among the note-ons, from 0
    int64_t start = 0;
    int note = 0;
    int velocity = 0;
    std::optional<int64_t> end;
};

// Pairs note-ons with their note-offs as the messages arrive, keeping only the notes still
// sounding: a note-off ends the most recent sounding note of its number.
class NotePairing {
public:
    // [any] The note this message ends, if it ends one.
    std::optional<PlayedNote> add(const MidiMessage& message);
    // [any] The notes started and not yet ended, in start order.
    const std::vector<PlayedNote>& sounding() const { return sounding_; }
    uint64_t started() const { return started_; }

private:
    std::vector<PlayedNote> sounding_;
    uint64_t started_ = 0;
};

// [any] The summary's first line and one line of it: start beat, name, velocity and length in
// beats, or "(still sounding)" for a note without an end.
std::string noteSummaryHeading();
std::string noteSummaryLine(const HostOptions& options, const PlayedNote& note);
// [any] The summary's last line: "N notes".
std::string noteCountLine(uint64_t notes);

// [any] The readable summary of a run: the heading, one line per note in start order, then the
// number of notes.
std::string noteSummary(const HostOptions& options, const std::vector<MidiMessage>& messages);

} // namespace host
