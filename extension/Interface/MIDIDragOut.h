#pragma once

// Dragging the generated sequence out of the plug-in as a Standard MIDI File: the file is written
// into the temporary directory under a dated name when the drag starts, and the drag offers it.
// Only standard output hears about it: "MIDI saved to: <path>" or "Failed to save MIDI file: <why>".

#include "platform/tk/view/DragItem.h"

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace extension {

class Settings;

// [any] "Zindral yyyy-MM-dd HH.mm.ss.mid" for `now` in the local time zone, with ASCII digits
// whatever the process locale.
std::string midiFileName(std::chrono::system_clock::time_point now);

// [any] The temporary directory with `fileName` appended.
std::filesystem::path midiFileURL(const std::string& fileName);

// [main] Writes the unit's MIDI export to `url` (creating its folder). Without a Zindral audio unit
// nothing is written or printed. Returns whether the file was written.
bool saveMIDIFile(const Settings& settings, const std::filesystem::path& url, std::ostream& out);

// [main] What a drag of the MIDI button offers: the file written now, named for `now`; nothing
// when no file could be written (the drag then offers nothing).
std::optional<tk::DragItem>
makeMIDIItemProvider(const Settings& settings, std::chrono::system_clock::time_point now, std::ostream& out);

} // namespace extension
