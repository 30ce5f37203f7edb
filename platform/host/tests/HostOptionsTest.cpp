#include "platform/host/HostOptions.h"
#include "platform/host/HostModel.h"
#include "platform/host/MidiFormatting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

using host::parseHostOptions;

TEST(HostOptions, DefaultsAndEveryOption) {
    auto defaults = parseHostOptions({});
    ASSERT_TRUE(defaults.options);
    EXPECT_EQ(defaults.options->tempo, 120.0);
    EXPECT_EQ(defaults.options->sampleRate, 44100.0);
    EXPECT_EQ(defaults.options->blockFrames, 512u);
    EXPECT_EQ(defaults.options->beats, 16.0);
    EXPECT_EQ(defaults.options->startBeat, 0.0);
    EXPECT_FALSE(defaults.options->seed);

    auto parsed = parseHostOptions({"--plugin",
                                    "/x.bundle",
                                    "--seed",
                                    "18446744073709551615",
                                    "--set",
                                    "7=0.25",
                                    "--note-on",
                                    "60",
                                    "--set",
                                    "22=-3.5",
                                    "--tempo",
                                    "90.5",
                                    "--sample-rate",
                                    "48000",
                                    "--block",
                                    "64",
                                    "--beats",
                                    "2",
                                    "--start-beat",
                                    "-1.5",
                                    "--events",
                                    "--export",
                                    "a.mid",
                                    "--state-in",
                                    "in",
                                    "--state-out",
                                    "out",
                                    "--realtime"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const host::HostOptions& o = *parsed.options;
    EXPECT_EQ(o.pluginDirectory, "/x.bundle");
    EXPECT_EQ(o.seed, std::numeric_limits<uint64_t>::max());
    ASSERT_EQ(o.firstCallEvents.size(), 3u);
    EXPECT_EQ(std::get<host::ParameterSetting>(o.firstCallEvents[0]).address, 7u);
    EXPECT_EQ(std::get<host::ParameterSetting>(o.firstCallEvents[0]).value, 0.25f);
    EXPECT_EQ(std::get<host::NoteOn>(o.firstCallEvents[1]).note, 60);
    EXPECT_EQ(std::get<host::ParameterSetting>(o.firstCallEvents[2]).value, -3.5f);
    EXPECT_EQ(o.tempo, 90.5);
    EXPECT_EQ(o.sampleRate, 48000.0);
    EXPECT_EQ(o.blockFrames, 64u);
    EXPECT_EQ(o.beats, 2.0);
    EXPECT_EQ(o.startBeat, -1.5);
    EXPECT_TRUE(o.printEvents && o.realtime);
    EXPECT_EQ(o.exportPath, "a.mid");
    EXPECT_EQ(o.stateInPath, "in");
    EXPECT_EQ(o.stateOutPath, "out");
}

TEST(HostOptions, BadCommandLinesAreOneLineErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},
        {"extra"},
        {"--seed"},
        {"--seed", "-1"},
        {"--seed", "+1"},
        {"--seed", "18446744073709551616"},
        {"--seed", "12x"},
        {"--set", "7"},
        {"--set", "x=1"},
        {"--set", "7=abc"},
        {"--set", "-1=2"},
        {"--set", "22=nan"},
        {"--set", "22=inf"},
        {"--note-on", "128"},
        {"--note-on", "a"},
        {"--tempo", "0"},
        {"--tempo", "inf"},
        {"--tempo", "-120"},
        {"--sample-rate", "nan"},
        {"--block", "0"},
        {"--block", "2000000"},
        {"--beats", "-1"},
        {"--beats", "1e300"},
        {"--start-beat", "inf"},
    };
    for (const auto& arguments : bad) {
        auto parsed = parseHostOptions(arguments);
        EXPECT_FALSE(parsed.options) << arguments[0];
        EXPECT_FALSE(parsed.error.empty());
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

TEST(HostOptions, SetValuesBeyondAnyRangeStayNumbersForTheRangeCheck) {
    // The unit's ranges decide (HostSession); here a number that no float or double holds still
    // parses, as a value no range takes, and one too small for a double is 0.
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> cases[] = {
        {"0=1e39", 1e39},       {"0=1e308", 1e308},   {"0=1e400", infinity}, {"0=-1e400", -infinity},
        {"0=1e5000", infinity}, {"0=-1e-5000", -0.0}, {"0=1e-400", 0.0},     {"0=-63", -63.0}};
    for (const auto& [text, value] : cases) {
        auto parsed = parseHostOptions({"--set", text});
        ASSERT_TRUE(parsed.options) << text << ": " << parsed.error;
        const auto& setting = std::get<host::ParameterSetting>(parsed.options->firstCallEvents[0]);
        EXPECT_EQ(setting.value, value) << text;
        EXPECT_EQ(setting.text, text);
    }
    EXPECT_EQ(parseHostOptions({"--set", "0=inf"}).error, "--set needs a finite value, not '0=inf'");
    EXPECT_EQ(parseHostOptions({"--set", "0=1e"}).error,
              "--set needs ADDRESS=VALUE (e.g. 7=0.25), not '0=1e'");
}

TEST(HostOptions, EveryNumberTooSmallForADoubleIsZeroAndOneTooLargeIsRefused) {
    // Each decimal option reads its number alike: below a double's reach is 0 (whatever the
    // spelling), beyond it is infinity, which no option and no parameter range takes.
    const std::string tiny = "0." + std::string(5000, '0') + "1";
    const std::string hugeDigits = "1" + std::string(400, '0');
    struct Case {
        const char* option;
        std::string value;
        std::optional<double> read; // nothing: refused
    };
    const Case cases[] = {
        {"--start-beat", "1e-400", 0.0},
        {"--start-beat", tiny, 0.0},
        {"--start-beat", "-0.0000" + std::string(400, '0') + "5e-3", -0.0},
        {"--start-beat", "00000000000000000000000000001.5", 1.5},
        {"--start-beat", "1e400", std::nullopt},
        {"--start-beat", hugeDigits, std::nullopt},
        {"--start-beat", "1e-99999999999999999999999", 0.0},
        {"--start-beat", "1e+99999999999999999999999", std::nullopt},
        {"--start-beat", "2e-324", 0.0},         // rounds to 0
        {"--start-beat", "4.9e-324", 4.9e-324},  // the smallest denormal stays itself
        {"--start-beat", "0.0001e-305", 1e-309}, // denormal
        {"--beats", "1e-400", 0.0},
        {"--beats", tiny, 0.0},
        {"--beats", "1e400", std::nullopt},
        {"--tempo", "1e-400", std::nullopt}, // 0 is no tempo
        {"--tempo", "1e400", std::nullopt},
        {"--sample-rate", tiny, std::nullopt},
        {"--set", "7=" + tiny, 0.0},
        {"--set", "7=1e-400", 0.0},
        {"--set", "7=0." + std::string(400, '0') + "1e+405", 1e4},
        {"--set", "7=0." + std::string(400, '0') + "1e+800", std::numeric_limits<double>::infinity()},
        {"--set", "7=" + hugeDigits + "e-800", 0.0},
        {"--set", "7=-" + hugeDigits, -std::numeric_limits<double>::infinity()},
    };
    for (const Case& c : cases) {
        const std::string shown = std::string(c.option) + " " + c.value.substr(0, 40);
        auto parsed = parseHostOptions({c.option, c.value});
        if (!c.read) {
            EXPECT_FALSE(parsed.options) << shown;
            EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << shown;
            continue;
        }
        ASSERT_TRUE(parsed.options) << shown << ": " << parsed.error;
        const host::HostOptions& o = *parsed.options;
        const double read = c.option == std::string("--set")
                                ? std::get<host::ParameterSetting>(o.firstCallEvents[0]).value
                            : c.option == std::string("--beats") ? o.beats
                                                                 : o.startBeat;
        EXPECT_EQ(read, *c.read) << shown;
        EXPECT_EQ(std::signbit(read), std::signbit(*c.read)) << shown;
    }
}

TEST(HostModel, BeatPositionsAndCallCount) {
    host::HostOptions options;
    EXPECT_EQ(host::renderCallCount(options), 690u); // 16 beats = 352800 frames = 689.06 blocks
    EXPECT_EQ(host::beatPositionOfCall(options, 0), 0.0);
    EXPECT_EQ(host::beatPositionOfCall(options, 3), 0.0 + double(3 * 512) * 120.0 / (60.0 * 44100.0));
    EXPECT_EQ(host::sampleTimeOfCall(options, 3), 1536u);
    options.beats = 0.0;
    EXPECT_EQ(host::renderCallCount(options), 0u);
    options.beats = 1.0;
    options.tempo = 60.0;
    options.sampleRate = 1000.0;
    options.blockFrames = 100;
    options.startBeat = 2.0;
    EXPECT_EQ(host::renderCallCount(options), 10u);
    EXPECT_EQ(host::beatPositionOfCall(options, 5), 2.5);
    EXPECT_EQ(host::framesOfCall(options, 9), 100u);

    // The last call has only the frames that start before the end: 4 beats at 1 Hz are 2 frames,
    // 1.3 beats at 60 BPM and 1000 Hz are 1300 frames.
    const struct {
        double beats, sampleRate;
        uint32_t block;
        uint64_t calls;
        uint32_t lastFrames;
    } runs[] = {
        {4, 1, 512, 1, 2}, {1.3, 1000, 100, 13, 100}, {1.3, 1000, 512, 3, 276}, {0.0001, 1000, 512, 1, 1}};
    for (const auto& r : runs) {
        host::HostOptions o;
        o.beats = r.beats;
        o.tempo = r.sampleRate == 1 ? 120.0 : 60.0;
        o.sampleRate = r.sampleRate;
        o.blockFrames = r.block;
        ASSERT_EQ(host::renderCallCount(o), r.calls) << r.beats;
        EXPECT_EQ(host::framesOfCall(o, r.calls - 1), r.lastFrames) << r.beats;
        if (r.calls > 1) {
            EXPECT_EQ(host::framesOfCall(o, 0), r.block);
        }
    }
}

TEST(HostOptions, HelpListsTheParametersOfTheTree) {
    auto parameter = [](const char* name, au::ParameterAddress address, float min, float max) {
        return au::ParameterTree::createParameter(name, name, address, min, max, au::ParameterUnit::generic,
                                                  std::nullopt, {}, std::nullopt, std::nullopt);
    };
    auto tree = au::ParameterTree::createTree({parameter("Lowest", 0, 0, 127), parameter("Morph X", 7, 0, 1),
                                               parameter("Offset", 123, -63, 63.5f)});
    EXPECT_EQ(host::parameterHelpText(tree.get()), "Parameters for --set ADDRESS=VALUE:\n"
                                                   "  address  name     range\n"
                                                   "        0  Lowest   0 to 127\n"
                                                   "        7  Morph X  0 to 1\n"
                                                   "      123  Offset   -63 to 63.5\n");
    EXPECT_EQ(host::parameterHelpText(nullptr), "The unit has no parameters for --set.\n");

    // Named values stand under the range, as many to a line of 100 columns as fit.
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) {
        names.push_back("name" + std::to_string(i));
    }
    auto named = au::ParameterTree::createTree(
        {au::ParameterTree::createParameter("division", "Division", 22, 0, 11, au::ParameterUnit::indexed,
                                            std::nullopt, {}, names, std::nullopt)});
    EXPECT_EQ(
        host::parameterHelpText(named.get()),
        "Parameters for --set ADDRESS=VALUE:\n"
        "  address  name      range\n"
        "       22  Division  0 to 11\n"
        "                     0 = name0, 1 = name1, 2 = name2, 3 = name3, 4 = name4, 5 = name5, 6 = name6,\n"
        "                     7 = name7, 8 = name8, 9 = name9, 10 = name10, 11 = name11\n");
}

TEST(MidiFormatting, EventLinesAndNoteNames) {
    host::MidiMessage message;
    message.sampleTime = 5513;
    message.length = 3;
    message.bytes = {0x80, 0x30, 0x00};
    EXPECT_EQ(host::eventLine(message), "5513 80 30 00");
    const std::pair<int, const char*> names[] = {{60, "C4"},  {0, "C-1"},    {61, "C#4"},
                                                 {127, "G9"}, {128, "None"}, {-1, "None"}};
    for (const auto& [note, name] : names) {
        EXPECT_EQ(host::noteName(note), name);
    }
}

TEST(MidiFormatting, SummaryPairsNotesWithTheirEnds) {
    host::HostOptions options; // 120 BPM, 44100 Hz: 22050 samples per beat
    auto message = [](int64_t time, uint8_t status, uint8_t note, uint8_t velocity) {
        host::MidiMessage m;
        m.sampleTime = time;
        m.length = 3;
        m.bytes = {status, note, velocity};
        return m;
    };
    std::string summary = host::noteSummary(
        options, {message(0, 0x90, 60, 80), message(11025, 0x80, 60, 0), message(22050, 0x90, 61, 120)});
    EXPECT_NE(summary.find("   0.000  C4          80  0.500"), std::string::npos) << summary;
    EXPECT_NE(summary.find("   1.000  C#4        120  (still sounding)"), std::string::npos) << summary;
    EXPECT_NE(summary.find("2 notes"), std::string::npos);

    // A start far out (--start-beat 1e300) prints whole lines, however long the numbers get.
    options.startBeat = 1e300;
    summary = host::noteSummary(options, {message(0, 0x90, 60, 80), message(22050, 0x90, 61, 90)});
    const std::string first = summary.substr(0, summary.find('\n', summary.find('\n') + 1));
    EXPECT_GT(first.size(), 300u) << summary;
    EXPECT_NE(summary.find("C4          80  (still sounding)\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("C#4         90  (still sounding)\n2 notes\n"), std::string::npos) << summary;
}

} // namespace
