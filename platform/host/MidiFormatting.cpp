#include "platform/host/MidiFormatting.h"

#include "platform/host/HostModel.h"

#include <cstdarg>
#include <cstdio>
#include <optional>

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

std::string noteSummary(const HostOptions& options, const std::vector<MidiMessage>& messages) {
    struct Note {
        int64_t start;
        int note;
        int velocity;
        std::optional<int64_t> end;
    };
    std::vector<Note> notes;
    for (const MidiMessage& message : messages) {
        if (message.length < 3) {
            continue;
        }
        int kind = message.bytes[0] & 0xF0;
        int note = message.bytes[1];
        bool on = kind == 0x90 && message.bytes[2] > 0;
        bool off = kind == 0x80 || (kind == 0x90 && message.bytes[2] == 0);
        if (on) {
            notes.push_back({message.sampleTime, note, message.bytes[2], std::nullopt});
        } else if (off) {
            for (auto it = notes.rbegin(); it != notes.rend(); ++it) {
                if (it->note == note && !it->end) {
                    it->end = message.sampleTime;
                    break;
                }
            }
        }
    }
    std::string text = "    beat  note  velocity  length (beats)\n";
    for (const Note& note : notes) {
        double start = beatAtSampleTime(options, note.start);
        if (note.end) {
            text += formatted("%8.3f  %-4s  %8d  %.3f\n", start, noteName(note.note).c_str(), note.velocity,
                              beatAtSampleTime(options, *note.end) - start);
        } else {
            text += formatted("%8.3f  %-4s  %8d  (still sounding)\n", start, noteName(note.note).c_str(),
                              note.velocity);
        }
    }
    text += std::to_string(notes.size()) + (notes.size() == 1 ? " note\n" : " notes\n");
    return text;
}

} // namespace host
