#include "platform/host/RunReport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

namespace {

using host::MidiMessage;
using host::RunReport;

MidiMessage message(int64_t time, uint8_t status, uint8_t note, uint8_t velocity) {
    MidiMessage m;
    m.sampleTime = time;
    m.length = 3;
    m.bytes = {status, note, velocity};
    return m;
}

// A stream that remembers what had been written each time it was flushed.
class FlushLog : public std::stringbuf {
public:
    std::vector<std::string> flushes;

protected:
    int sync() override {
        flushes.push_back(str());
        return 0;
    }
};

TEST(RunReport, EachLineReachesTheStreamWholeAndAtOnce) {
    for (bool events : {true, false}) {
        host::HostOptions options;
        options.printEvents = events;
        FlushLog log;
        std::ostream out(&log);
        RunReport report(options, RunReport::Notes::asTheyEnd, out);
        report.begin();
        report.add(message(0, 0x90, 60, 80));
        report.add(message(11025, 0x80, 60, 0));
        report.add(message(22050, 0x90, 62, 120));
        report.finish();
        ASSERT_FALSE(log.flushes.empty());
        EXPECT_EQ(log.flushes.back(), log.str());
        for (size_t i = 0; i < log.flushes.size(); ++i) {
            const std::string& flushed = log.flushes[i];
            EXPECT_EQ(flushed.back(), '\n') << events;
            // One line more than the flush before.
            const size_t before = i == 0 ? 0 : log.flushes[i - 1].size();
            EXPECT_EQ(flushed.find('\n', before), flushed.size() - 1) << flushed;
        }
    }
}

TEST(RunReport, AWindowSessionPrintsEachNoteAsItEndsAndKeepsOnlyTheSoundingOnes) {
    host::HostOptions options; // 22050 samples per beat
    std::ostringstream out;
    RunReport report(options, RunReport::Notes::asTheyEnd, out);
    report.begin();
    EXPECT_EQ(out.str(), "    beat  note  velocity  length (beats)\n");
    // A slide: the next note starts before the last one ends.
    report.add(message(0, 0x90, 60, 80));
    report.add(message(11025, 0x90, 62, 120));
    EXPECT_EQ(report.pairing().sounding().size(), 2u);
    report.add(message(11025, 0x80, 60, 0));
    EXPECT_EQ(out.str(), "    beat  note  velocity  length (beats)\n"
                         "   0.000  C4          80  0.500\n");
    // An hour of notes later, only what still sounds is kept.
    for (int64_t i = 0; i < 100000; ++i) {
        report.add(message(22050 + i * 100, 0x90, 64, 80));
        report.add(message(22050 + i * 100 + 50, 0x90, 64, 0)); // a note-on without velocity ends it
    }
    EXPECT_EQ(report.pairing().sounding().size(), 1u);
    EXPECT_TRUE(report.keptMessages().empty());
    report.finish();
    const std::string text = out.str(), end = "   0.500  D4         120  (still sounding)\n100002 notes\n";
    ASSERT_GT(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(RunReport, ARunOfKnownLengthPrintsTheSummaryInStartOrderAtTheEnd) {
    host::HostOptions options;
    std::ostringstream out;
    RunReport report(options, RunReport::Notes::atTheEnd, out);
    report.begin();
    report.add(message(0, 0x90, 60, 80));
    report.add(message(11025, 0x90, 62, 120));
    report.add(message(22050, 0x80, 62, 0)); // ends before the first one
    report.add(message(33075, 0x80, 60, 0));
    EXPECT_EQ(out.str(), "");
    report.finish();
    EXPECT_EQ(out.str(), "    beat  note  velocity  length (beats)\n"
                         "   0.000  C4          80  1.500\n"
                         "   0.500  D4         120  0.500\n"
                         "2 notes\n");
}

} // namespace
