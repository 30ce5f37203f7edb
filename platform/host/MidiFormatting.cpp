#include "platform/host/MidiFormatting.h"

#include "platform/host/HostModel.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>

namespace host {

namespace {

// printf into a string of whatever length the values need ("%8.3f" of 1e300 is 300 characters).
__attribute__((format(printf, 1, 2))) std::string formatted(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

} // namespace

std::string eventLine(const MidiMessage& message) {
    std::string line = std::to_string(message.sampleTime);
    char hex[4];
    for (uint8_t i = 0; i < message.length; ++i) {
        std::snprintf(hex, sizeof hex, " %02x", message.bytes[i]);
        line += hex;
    }
    return line;
}

std::string noteName(int note) {
    static constexpr const char* kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    if (note < 0 || note > 127) {
        return "None";
    }
    return std::string(kNames[note % 12]) + std::to_string(note / 12 - 1);
}

std::optional<PlayedNote> NotePairing::add(const MidiMessage& message) {
    if (message.length < 3) {
        return std::nullopt;
    }
    const int kind = message.bytes[0] & 0xF0;
    const int note = message.bytes[1];
    if (kind == 0x90 && message.bytes[2] > 0) {
        sounding_.push_back({started_++, message.sampleTime, note, message.bytes[2], std::nullopt});
        return std::nullopt;
    }
    if (kind != 0x80 && kind != 0x90) {
        return std::nullopt;
    }
    for (auto it = sounding_.rbegin(); it != sounding_.rend(); ++it) {
        if (it->note == note) {
            PlayedNote ended = *it;
            ended.end = message.sampleTime;
            sounding_.erase(std::next(it).base());
            return ended;
        }
    }
    return std::nullopt;
}

std::string noteSummaryHeading() {
    return "    beat  note  velocity  length (beats)";
}

std::string noteSummaryLine(const HostOptions& options, const PlayedNote& note) {
    const double start = beatAtSampleTime(options, note.start);
    if (note.end) {
        return formatted("%8.3f  %-4s  %8d  %.3f", start, noteName(note.note).c_str(), note.velocity,
                         beatAtSampleTime(options, *note.end) - start);
    }
    return formatted("%8.3f  %-4s  %8d  (still sounding)", start, noteName(note.note).c_str(), note.velocity);
}

std::string noteCountLine(uint64_t notes) {
    return std::to_string(notes) + (notes == 1 ? " note" : " notes");
}

std::string noteSummary(const HostOptions& options, const std::vector<MidiMessage>& messages) {
    NotePairing pairing;
    std::vector<PlayedNote> notes;
    for (const MidiMessage& message : messages) {
        if (auto ended = pairing.add(message)) {
            notes.push_back(*ended);
        }
    }
    notes.insert(notes.end(), pairing.sounding().begin(), pairing.sounding().end());
    std::sort(notes.begin(), notes.end(),
              [](const PlayedNote& a, const PlayedNote& b) { return a.index < b.index; });
    std::string text = noteSummaryHeading() + "\n";
    for (const PlayedNote& note : notes) {
        text += noteSummaryLine(options, note) + "\n";
    }
    return text + noteCountLine(pairing.started()) + "\n";
}

} // namespace host
