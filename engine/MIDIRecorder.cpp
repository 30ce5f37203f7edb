#include "engine/MIDIRecorder.h"

#include "engine/Truncate.h"

#include <algorithm>

namespace Velmor {

namespace {
void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void appendVariableLength(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

void appendBytes(std::vector<uint8_t>& out, std::span<const uint8_t> bytes) {
    for (uint8_t b : bytes) {
        out.push_back(b);
    }
}

void appendTag(std::vector<uint8_t>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(tag[i]));
    }
}
} // namespace

std::vector<uint8_t> MIDIRecorder::convertToMIDIBytes(std::span<const RecordedMIDIEvent> events) const {
    std::vector<uint8_t> file;
    file.reserve(14 + 8 + 4 * events.size() + 4);
    appendTag(file, "MThd");
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 0, 2); // format 0
    appendBigEndian(file, 1, 2); // one track
    appendBigEndian(file, kTicksPerQuarterNote, 2);

    // A stable sort: a note-off and a note-on recorded at the same sample must stay in that order,
    // or a repeated note would be cut off at its start.
    std::vector<const RecordedMIDIEvent*> sorted;
    sorted.reserve(events.size());
    for (const RecordedMIDIEvent& e : events) {
        sorted.push_back(&e);
    }
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const RecordedMIDIEvent* a, const RecordedMIDIEvent* b) { return a->sampleTime < b->sampleTime; });

    std::vector<uint8_t> track;
    int64_t previousTick = 0;
    for (const RecordedMIDIEvent* e : sorted) {
        const int64_t tick = engine::roundSaturating<int64_t>(e->beatPosition * kTicksPerQuarterNote);
        appendVariableLength(
            track, static_cast<uint32_t>(static_cast<uint64_t>(tick) - static_cast<uint64_t>(previousTick)));
        appendBytes(track, e->bytes);
        previousTick = tick;
    }
    const uint8_t endOfTrack[] = {0x00, 0xFF, 0x2F, 0x00};
    appendBytes(track, endOfTrack);

    appendTag(file, "MTrk");
    appendBigEndian(file, static_cast<uint32_t>(track.size()), 4);
    appendBytes(file, track);
    return file;
}

} // namespace Velmor
