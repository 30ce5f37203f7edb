#pragma once

// What a run prints on standard output as the unit's MIDI arrives: every message (--events), or
// the notes. Each line is flushed as it is written, so a file or a pipe never holds half a line.

#include "platform/host/HostOptions.h"
#include "platform/host/MidiFormatting.h"
#include "platform/host/MidiMessageQueue.h"

#include <ostream>
#include <string_view>
#include <vector>

namespace host {

// [any] Writes `line` and a newline to `out` and flushes it.
void printLine(std::ostream& out, std::string_view line);

class RunReport {
public:
    enum class Notes {
        // The whole summary at the end, in start order (a run of a known length).
        atTheEnd,
        // The heading at once, each note when it ends, and at the end the notes still sounding
        // and the count: only the sounding notes are kept, so a window session may play for as
        // long as it is open.
        asTheyEnd,
    };
    RunReport(const HostOptions& options, Notes notes, std::ostream& out);

    // [main] The heading of the note summary, when notes are printed as they end.
    void begin();
    // [main]
    void add(const MidiMessage& message);
    // [main] Moves what `queue` holds into the report.
    void drain(MidiMessageQueue& queue);
    // [main] The rest of the summary.
    void finish();

    // The messages kept for the summary at the end (none when notes are printed as they end).
    const std::vector<MidiMessage>& keptMessages() const { return kept_; }
    const NotePairing& pairing() const { return pairing_; }

private:
    const HostOptions& options_;
    Notes notes_;
    std::ostream& out_;
    std::vector<MidiMessage> kept_;
    std::vector<MidiMessage> arrived_; // reused by drain
    NotePairing pairing_;
};

} // namespace host
