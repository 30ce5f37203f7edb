#include "engine/MIDIRecorder.h"
#include "engine/MidiProcessor.h"
#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <smf.h>

#include <cmath>
#include <limits>
#include <memory>

namespace engine {
namespace {

using Velmor::MIDIRecorder;
using Velmor::RecordedMIDIEvent;

RecordedMIDIEvent event(std::vector<uint8_t> bytes, int64_t sampleTime, double beat) {
    return {std::move(bytes), sampleTime, 120.0, beat};
}

std::vector<uint8_t> concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

const std::vector<uint8_t> kHeader{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0};

TEST(MidiFile, EmptyRenderIsHeaderAndEndOfTrack) {
    const auto bytes = MIDIRecorder(1, false).convertToMIDIBytes({});
    EXPECT_EQ(bytes, concat({kHeader, {'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00}}));
    EXPECT_EQ(bytes.size(), 26u);
}

TEST(MidiFile, SortedEventsWithVariableLengthDeltas) {
    // Given out of order; the two events at sample 100 keep their recorded order (off before on).
    const std::vector<RecordedMIDIEvent> events{
        event({0x80, 62, 0}, 164, 328.0 / 480.0),      event({0x90, 60, 80}, 0, 0.0),
        event({0x80, 60, 0}, 100, 200.0 / 480.0),      event({0x90, 62, 120}, 100, 200.0 / 480.0),
        event({0x80, 62, 0}, 100000, 16712.0 / 480.0),
    };
    const std::vector<uint8_t> track{
        0x00, 0x90, 60,   80,          // tick 0
        0x81, 0x48, 0x80, 60,   0,     // +200
        0x00, 0x90, 62,   120,         // +0
        0x81, 0x00, 0x80, 62,   0,     // +128
        0x81, 0x80, 0x00, 0x80, 62, 0, // +16384
        0x00, 0xFF, 0x2F, 0x00,
    };
    const auto bytes = MIDIRecorder(1, false).convertToMIDIBytes(events);
    EXPECT_EQ(bytes,
              concat({kHeader, {'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(track.size())}, track}));
}

class OfflineRender : public ::testing::Test {
protected:
    MidiProcessor live{5};
};

TEST_F(OfflineRender, DefaultCycleAt120BpmIsFourBeats) {
    const auto events = live.generateMIDISequenceEvents(120.0, 44100.0);
    ASSERT_FALSE(events.empty());
    int64_t last = 0;
    for (const auto& e : events) {
        EXPECT_GE(e.sampleTime, last) << "recorded in time order";
        last = e.sampleTime;
        EXPECT_EQ(e.tempo, 120.0);
        EXPECT_EQ(e.beatPosition, e.sampleTime * (1.0 / 22050.0));
        EXPECT_LE(e.sampleTime, 88200);
        if (e.bytes[0] == 0x90 && e.sampleTime > 5000 && e.sampleTime < 6000) {
            EXPECT_EQ(e.sampleTime, 5513);
            EXPECT_EQ(std::lround(e.beatPosition * 480), 120) << "step 1 starts at tick 120";
        }
    }
    EXPECT_EQ(live.lastStep, -1) << "the live engine is not touched";
    EXPECT_EQ(live.currentStep, -1);
}

TEST_F(OfflineRender, NotesStillSoundingEndAtTheCycleEnd) {
    live.setParameter(kGate, 100.0f, false);
    live.setParameter(kRestAmount, 0.0f, false);
    live.setParameter(kSequenceLength, 5.0f, false);
    live.setParameter(kPlayback, 3.0f, false); // AAAB over 5 steps: a cycle of 7
    const auto events = live.generateMIDISequenceEvents(97.0, 48000.0);
    const int32_t frames = static_cast<int32_t>(std::ceil(48000.0 * 60.0 / 97.0 * 0.25 * 7));
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().bytes[0], 0x80);
    EXPECT_EQ(events.back().sampleTime, frames);
    EXPECT_EQ(std::lround(events.back().beatPosition * 480), 480 * 7 / 4);

    // The same notes as the scheduler playing that cycle on a copy of the engine.
    testing::ProbeEngine copy;
    copy.copyParametersAndTablesFrom(live);
    copy.renderSteps(frames, 0.0, 1.0 / (48000.0 * 60.0 / 97.0));
    copy.allNotesOff(frames);
    ASSERT_EQ(copy.notes.size(), events.size());
    for (size_t k = 0; k < events.size(); ++k) {
        EXPECT_EQ(events[k].sampleTime, copy.notes[k].time);
        EXPECT_EQ(events[k].bytes,
                  (std::vector<uint8_t>{copy.notes[k].status, copy.notes[k].note, copy.notes[k].velocity}));
    }
}

TEST_F(OfflineRender, UnusableTempoOrSampleRateFallsBackToTheDefaults) {
    const auto reference = live.generateMIDISequenceEvents(120.0, 44100.0);
    for (auto [tempo, rate] : {std::pair{std::nan(""), 44100.0},
                               {0.0, 44100.0},
                               {-5.0, 44100.0},
                               {120.0, std::numeric_limits<double>::infinity()},
                               {120.0, 0.0}}) {
        const auto events = live.generateMIDISequenceEvents(tempo, rate);
        ASSERT_EQ(events.size(), reference.size());
        EXPECT_EQ(events.front().sampleTime, reference.front().sampleTime);
        EXPECT_EQ(events.back().sampleTime, reference.back().sampleTime);
    }
}

TEST_F(OfflineRender, WrittenFileReadsBackInAnIndependentReader) {
    live.setParameter(kSlideAmount, 0.5f, false);
    live.setParameter(kSequenceLength, 64.0f, false);
    live.setParameter(kDivision, 8.0f, false);
    auto events = live.generateMIDISequenceEvents(133.0, 48000.0);
    ASSERT_GT(events.size(), 20u);
    const auto bytes = MIDIRecorder(1, false).convertToMIDIBytes(events);

    std::unique_ptr<smf_t, void (*)(smf_t*)> smf(
        smf_load_from_memory(bytes.data(), static_cast<int>(bytes.size())), smf_delete);
    ASSERT_NE(smf, nullptr);
    EXPECT_EQ(smf->format, 0);
    EXPECT_EQ(smf->number_of_tracks, 1);
    EXPECT_EQ(smf->ppqn, 480);
    size_t k = 0;
    while (smf_event_t* read = smf_get_next_event(smf.get())) {
        if (smf_event_is_metadata(read)) {
            continue;
        }
        ASSERT_LT(k, events.size());
        const auto& expected = events[k++];
        ASSERT_EQ(read->midi_buffer_length, 3);
        EXPECT_EQ(std::vector<uint8_t>(read->midi_buffer, read->midi_buffer + 3), expected.bytes);
        EXPECT_EQ(read->time_pulses, std::lround(expected.beatPosition * 480));
    }
    EXPECT_EQ(k, events.size());
}

} // namespace
} // namespace engine
