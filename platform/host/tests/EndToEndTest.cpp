// Runs the built zindral-host against the built extension bundle, as a user or script would.

#include "platform/host/FileReading.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using host::kMaxSmallFileSize;

struct HostRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zindral-host-test-" + std::to_string(getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& name) const { return dir_ / name; }

    // Runs the host with `arguments` and --plugin pointing at the built bundle (unless `withPlugin`
    // is false), capturing both streams.
    HostRun run(std::vector<std::string> arguments, bool withPlugin = true) const {
        if (withPlugin) {
            arguments.insert(arguments.begin(), {"--plugin", ZINDRAL_BUNDLE_PATH});
        }
        arguments.insert(arguments.begin(), ZINDRAL_HOST_PATH);
        return spawn(arguments, {});
    }

    // Runs `command` (its program first) in the folder `cwd` (this process's when empty).
    HostRun spawn(std::vector<std::string> command, const fs::path& cwd) const {
        std::vector<char*> argv;
        for (auto& argument : command) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (!cwd.empty()) {
            posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
        }
        pid_t pid = 0;
        HostRun result;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = readFile(out);
        result.err = readFile(err);
        return result;
    }

    fs::path dir_;
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        result.push_back(line);
    }
    return result;
}

TEST_F(EndToEnd, EventsAreSampleTimesAndHexBytesDeterminedBySeed) {
    HostRun first = run({"--seed", "42", "--events", "--beats", "8"});
    ASSERT_EQ(first.status, 0) << first.err;
    // Standard output holds the events alone; the opening line goes to standard error.
    EXPECT_TRUE(std::regex_match(
        first.err,
        std::regex("ZindralExtension [0-9.]+: 8 beats at 120 BPM, 44100 Hz, seed 42, 345 render calls "
                   "of 512 frames\n")))
        << first.err;
    auto eventLines = lines(first.out);
    ASSERT_GT(eventLines.size(), 10u);
    const std::regex format("[0-9]+ (8|9)0 [0-9a-f]{2} [0-9a-f]{2}");
    for (const auto& line : eventLines) {
        EXPECT_TRUE(std::regex_match(line, format)) << line;
    }
    EXPECT_EQ(eventLines[0].substr(0, 5), "0 90 "); // step 0 at the first sample
    EXPECT_EQ(run({"--seed", "42", "--events", "--beats", "8"}).out, first.out);
    EXPECT_NE(run({"--seed", "43", "--events", "--beats", "8"}).out, first.out);
}

TEST_F(EndToEnd, HostModelDecidesTheCallsAndTheEventsFollowTheTempo) {
    HostRun defaults = run({});
    ASSERT_EQ(defaults.status, 0) << defaults.err;
    // A fresh unit's zero seed is replaced by a random one when the view controller configures it.
    EXPECT_TRUE(std::regex_search(
        defaults.out,
        std::regex("16 beats at 120 BPM, 44100 Hz, seed [1-9][0-9]*, 690 render calls of 512 frames")))
        << defaults.out;
    EXPECT_NE(defaults.out.find(" notes\n"), std::string::npos);
    EXPECT_TRUE(
        std::regex_search(defaults.out, std::regex("\n +[0-9]+\\.[0-9]{3}  [A-G]#?-?[0-9] +(80|120)  ")));

    HostRun odd = run({"--beats", "1", "--block", "100", "--tempo", "60", "--sample-rate", "1000"});
    ASSERT_EQ(odd.status, 0) << odd.err;
    EXPECT_NE(odd.out.find("10 render calls of 100 frames"), std::string::npos) << odd.out;

    // Sixteenth notes at 120 BPM and 44100 Hz start every 5512.5 samples (no step rests with rest
    // amount 0). One beat is 22050 frames: ceil(22050 / 512) = 44 calls, the last one cut to the
    // 34 frames left, so the step at beat 1 is not played.
    HostRun events = run({"--events", "--beats", "1", "--set", "3=0"});
    ASSERT_EQ(events.status, 0);
    // A random seed is named, so the dump can be made again with --seed.
    std::smatch seed;
    ASSERT_TRUE(std::regex_match(events.err, seed,
                                 std::regex("ZindralExtension [0-9.]+: 1 beat at 120 BPM, 44100 Hz, seed "
                                            "([1-9][0-9]*), 44 render calls of 512 frames\n")))
        << events.err;
    EXPECT_EQ(run({"--events", "--beats", "1", "--set", "3=0", "--seed", seed[1].str()}).out, events.out);
    auto eventLines = lines(events.out);
    std::vector<long> noteOns;
    for (const auto& line : eventLines) {
        if (line.find(" 90 ") != std::string::npos) {
            noteOns.push_back(std::stol(line));
        }
    }
    EXPECT_EQ(noteOns, (std::vector<long>{0, 5513, 11025, 16538}));
    for (const auto& line : eventLines) {
        EXPECT_LT(std::stol(line), 22050);
    }
}

// The beat of each line of the note summary.
std::vector<double> summaryBeats(const std::string& out) {
    std::vector<double> beats;
    const std::regex note(" *(-?[0-9]+\\.[0-9]{3})  [A-G].*");
    std::smatch match;
    for (const auto& line : lines(out)) {
        if (std::regex_match(line, match, note)) {
            beats.push_back(std::stod(match[1]));
        }
    }
    return beats;
}

TEST_F(EndToEnd, TheRunEndsAtTheBeatAsked) {
    // Whatever the block size, no note starts at or after the last beat: at 1 Hz one block of
    // 512 frames would run to beat 1024.
    struct Case {
        std::vector<std::string> arguments;
        double lastFrom, end; // the last note starts in [lastFrom, end)
    };
    for (const Case& c :
         std::vector<Case>{{{"--beats", "16"}, 15.0, 16.0},
                           {{"--sample-rate", "1", "--beats", "4"}, 2.0, 4.0}, // frames at beats 0 and 2
                           {{"--sample-rate", "100", "--beats", "6", "--start-beat", "2"}, 7.0, 8.0},
                           {{"--block", "4096", "--beats", "3"}, 2.0, 3.0}}) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--seed", "11", "--set", "3=0"});
        HostRun result = run(arguments);
        ASSERT_EQ(result.status, 0) << result.err;
        std::vector<double> beats = summaryBeats(result.out);
        ASSERT_FALSE(beats.empty()) << result.out;
        EXPECT_GE(beats.back(), c.lastFrom) << result.out;
        EXPECT_LT(beats.back(), c.end) << result.out;
    }
    HostRun one = run({"--sample-rate", "1", "--beats", "4"});
    EXPECT_NE(one.out.find(", 1 render call of 2 frames\n"), std::string::npos) << one.out;
}

TEST_F(EndToEnd, UsageErrorsExitWithStatus2AndOneLine) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"--tempo"},
                                               {"--seed", "x"},
                                               {"--set", "1"},
                                               {"--block", "0"},
                                               {"--screenshot"},
                                               {"--window", "--screenshot", "x.png"},
                                               {"--set", "99=1"}, // no parameter there
                                               {"--set", "22=nan"},
                                               {"--set", "22=-inf"}}) {
        HostRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments[0];
        EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
        EXPECT_EQ(result.out, "");
    }
    // A value outside its parameter's range, or a fraction of an indexed one, is refused before
    // anything plays, with what the parameter takes; the ends of each range are taken.
    const std::pair<const char*, const char*> refused[] = {
        {"22=12", "Division (address 22) takes 0 to 11"},
        {"22=-1", "Division (address 22) takes 0 to 11"},
        {"9=0", "Length (address 9) takes 1 to 64"},
        {"6=5", "Gate (address 6) takes 10 to 90"},
        {"0=200", "Lowest (address 0) takes 0 to 127"},
        {"0=1e308", "Lowest (address 0) takes 0 to 127"},
        {"23=-1e400", "Offset (address 23) takes -63 to 63"},
        {"7=1e400", "Morph X (address 7) takes 0 to 1"},
        {"2=2.5", "Playback (address 2) takes a whole number: 0 = ABCD, 1 = ABCA, 2 = ABBC, 3 = AAAB, "
                  "4 = AABA, 5 = AABC"},
        {"22=0.999", "Division (address 22) takes a whole number: 0 = 1/32, 1 = 1/16, 2 = 1/8, 3 = 1/4, "
                     "4 = 1/32., 5 = 1/16., 6 = 1/8., 7 = 1/4., 8 = 1/32T, 9 = 1/16T, 10 = 1/8T, 11 = 1/4T"},
        {"9=16.000001", "Length (address 9) takes a whole number from 1 to 64"},
        {"23=-0.5", "Offset (address 23) takes a whole number from -63 to 63"}};
    for (const auto& [setting, range] : refused) {
        HostRun result = run({"--set", setting, "--beats", "1"});
        EXPECT_EQ(result.status, 2) << setting;
        EXPECT_EQ(result.err,
                  std::string("zindral-host: --set ") + setting + ": " + range + " (try --help)\n");
        EXPECT_EQ(result.out, "");
    }
    // A value too small for a double is 0, for any option.
    const std::string tiny = "0." + std::string(5000, '0') + "1";
    for (const std::string& setting :
         std::vector<std::string>{"22=11", "22=0", "9=1", "9=64", "6=10", "6=90", "23=-63", "0=127", "2=3.0",
                                  "22=8e0", "7=" + tiny, "7=1e-400", "22=1e-400"}) {
        HostRun result = run({"--set", setting, "--beats", "1"});
        EXPECT_EQ(result.status, 0) << setting.substr(0, 20) << ": " << result.err;
        EXPECT_EQ(result.err, "");
    }
    for (const std::string& start : {std::string("1e-400"), tiny}) {
        HostRun result = run({"--start-beat", start, "--beats", "1"});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
    }
    HostRun missing = run({"--plugin", (dir_ / "none.bundle").string()}, false);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(lines(missing.err).size(), 1u);
}

TEST_F(EndToEnd, HelpListsTheUnitsParameters) {
    HostRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_NE(help.out.find("--state-in FILE"), std::string::npos);
    EXPECT_NE(
        help.out.find("one cycle of the pattern from\n                     step 0, whatever --beats and "
                      "--start-beat say"),
        std::string::npos)
        << help.out;
    // Each of the unit's 24 parameters, in address order, with its name and range; under Playback
    // and Division the values they name.
    const std::string list = help.out.substr(help.out.find("Parameters for --set"));
    std::vector<std::string> rows = lines(list);
    ASSERT_EQ(rows.size(), 2u + 24u + 1u + 2u) << list;
    EXPECT_TRUE(std::regex_match(rows[1], std::regex(" +address  name +range"))) << rows[1];
    std::vector<std::string> parameterRows;
    const std::regex parameterRow(" +([0-9]+)  \\S.*  -?[0-9.]+ to -?[0-9.]+");
    for (size_t i = 2; i < rows.size(); ++i) {
        if (std::regex_match(rows[i], parameterRow)) {
            parameterRows.push_back(rows[i].substr(0, 9));
        }
    }
    ASSERT_EQ(parameterRows.size(), 24u) << list;
    for (int address = 0; address < 24; ++address) {
        EXPECT_EQ(std::stoi(parameterRows[address]), address);
    }
    EXPECT_NE(list.find("\n        2  Playback  0 to 5\n"
                        "                     0 = ABCD, 1 = ABCA, 2 = ABBC, 3 = AAAB, 4 = AABA, 5 = AABC\n"),
              std::string::npos)
        << list;
    EXPECT_NE(list.find("\n       22  Division  0 to 11\n"
                        "                     0 = 1/32, 1 = 1/16, 2 = 1/8, 3 = 1/4, 4 = 1/32., 5 = 1/16., "
                        "6 = 1/8., 7 = 1/4.,\n"
                        "                     8 = 1/32T, 9 = 1/16T, 10 = 1/8T, 11 = 1/4T\n"),
              std::string::npos)
        << list;

    // Without the extension the usage is still shown, and the one line says why the list is not.
    HostRun missing = run({"--plugin", (dir_ / "none.bundle").string(), "--help"}, false);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.out.find("--state-in FILE"), std::string::npos);
    EXPECT_EQ(lines(missing.err).size(), 1u) << missing.err;
}

TEST_F(EndToEnd, FilesWrittenOrNotAreReportedInOneLine) {
    mkfifo(file("fifo").c_str(), 0600); // no writer: opening it for reading would wait for good
    const std::string no = (dir_ / "no" / "such").string();
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--export", file("line.mid").string()},
         0,
         "zindral-host: MIDI file written to " + file("line.mid").string() + "\n"},
        {{"--state-out", file("s.state").string()},
         0,
         "zindral-host: state written to " + file("s.state").string() + "\n"},
        {{"--screenshot", file("w.png").string()},
         0,
         "zindral-host: screenshot written to " + file("w.png").string() + "\n"},
        {{"--export", "/dev/null"}, 0, "zindral-host: MIDI file written to /dev/null\n"},
        {{"--state-out", "/dev/null"}, 0, "zindral-host: state written to /dev/null\n"},
        {{"--screenshot", "/dev/null"}, 0, "zindral-host: screenshot written to /dev/null\n"},
        {{"--export", "/dev/full"}, 1, "zindral-host: cannot write /dev/full: No space left on device\n"},
        {{"--state-out", "/dev/full"}, 1, "zindral-host: cannot write /dev/full: No space left on device\n"},
        {{"--screenshot", "/dev/full"}, 1, "zindral-host: cannot write /dev/full: No space left on device\n"},
        {{"--state-in", no},
         2,
         "zindral-host: cannot restore the state from " + no + ": No such file or directory\n"},
        {{"--state-in", file("fifo").string()},
         2,
         "zindral-host: cannot restore the state from " + file("fifo").string() +
             ": it is not a regular file\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--beats", "0"});
        HostRun result = run(arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments[1];
        EXPECT_EQ(result.err, c.err);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_character_file("/dev/full"));
}

// The names in `folder`, but for the captured streams.
std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name != "stdout" && name != "stderr") {
            names.insert(name);
        }
    }
    return names;
}

TEST_F(EndToEnd, AnOutputThatCannotBeWrittenIsABadCommandLine) {
    std::ofstream(file("plain")) << "plain";
    fs::create_directories(file("folder"));
    const std::string longName = (dir_ / std::string(5000, 'n')).string() + ".mid";
    struct Case {
        const char* option;
        std::string path;
        const char* reason; // null: it depends on who runs the test
    };
    const Case cases[] = {
        {"--export", "/nonexistent/x.mid", "No such file or directory"},
        {"--export", file("folder").string(), "Is a directory"},
        {"--export", file("plain").string() + "/x.mid", "Not a directory"},
        {"--state-out", "", "the file name is empty"},
        {"--state-out", "/proc/version", nullptr},
        {"--state-out", (dir_ / std::string(300, 's')).string(), "File name too long"},
        {"--screenshot", "/", "Is a directory"},
        {"--screenshot", longName, "File name too long"},
        {"--screenshot", file("folder/").string(), "Is a directory"},
    };
    const std::set<std::string> before = namesIn(dir_);
    for (const Case& c : cases) {
        HostRun result = run({c.option, c.path});
        const std::string shown = std::string(c.option) + " " + c.path.substr(0, 60);
        EXPECT_EQ(result.status, 2) << shown;
        EXPECT_EQ(result.out, "") << shown;
        ASSERT_EQ(lines(result.err).size(), 1u) << shown << ": " << result.err;
        const std::string start = std::string("zindral-host: cannot write ") + c.option + " '";
        EXPECT_EQ(result.err.substr(0, start.size()), start) << result.err;
        if (c.path.size() <= 120) {
            EXPECT_NE(result.err.find("'" + c.path + "': "), std::string::npos) << result.err;
        } else {
            // A long name is shown by its start and its end.
            EXPECT_LT(result.err.size(), 250u) << result.err;
            EXPECT_NE(result.err.find("'" + c.path.substr(0, 40)), std::string::npos) << result.err;
            EXPECT_NE(result.err.find(c.path.substr(c.path.size() - 20) + " (" +
                                      std::to_string(c.path.size()) + " bytes long)': "),
                      std::string::npos)
                << result.err;
        }
        if (c.reason) {
            EXPECT_EQ(result.err.substr(result.err.size() - std::strlen(c.reason) - 1),
                      std::string(c.reason) + "\n")
                << result.err;
        }
        EXPECT_EQ(namesIn(dir_), before) << shown;
    }
    EXPECT_EQ(readFile("/proc/version").substr(0, 5), "Linux");

    // Nothing is played, and an output that could be written is not touched either.
    std::ofstream(file("kept.mid")) << "kept";
    HostRun both = run({"--export", file("kept.mid").string(), "--state-out", "/nonexistent/s"});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.out, "");
    EXPECT_EQ(readFile(file("kept.mid")), "kept");
    EXPECT_EQ(namesIn(dir_), (std::set<std::string>{"folder", "kept.mid", "plain"}));
}

TEST_F(EndToEnd, AWriteThatFailsLeavesTheOldFileOrNone) {
    // A limit on the size of files a process may write makes the screenshot's write fail part of the
    // way, as a full disk would; the limit's signal is ignored so that the write reports it.
    std::ofstream(file("old.png")) << "old";
    for (const char* name : {"old.png", "new.png"}) {
        HostRun result =
            spawn({"/bin/sh", "-c", "trap '' XFSZ; ulimit -f 4; exec \"$0\" \"$@\"", ZINDRAL_HOST_PATH,
                   "--plugin", ZINDRAL_BUNDLE_PATH, "--beats", "0", "--screenshot", file(name).string()},
                  {});
        EXPECT_EQ(result.status, 1) << name;
        EXPECT_EQ(result.err, "zindral-host: cannot write " + file(name).string() + ": File too large\n");
    }
    EXPECT_EQ(readFile(file("old.png")), "old");
    EXPECT_EQ(namesIn(dir_), (std::set<std::string>{"old.png"}));
}

TEST_F(EndToEnd, AnOutputReplacesAFileWholeAndWritesIntoAPipe) {
    // A file written again keeps its permissions; through a link, the file it leads to is written
    // and the link stays.
    std::ofstream(file("s.state")) << "old";
    fs::permissions(file("s.state"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(file("target.mid"), file("link.mid"));
    std::ofstream(file("target.mid")) << "old";
    mkfifo(file("fifo").c_str(), 0600);
    // A reader of the pipe before the host opens it, so its open does not wait.
    const int reader = ::open(file("fifo").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    HostRun result = run({"--seed", "5", "--beats", "0", "--state-out", file("s.state").string(), "--export",
                          file("link.mid").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(readFile(file("s.state")).find("\"seed\": u5"), std::string::npos);
    EXPECT_EQ(fs::status(file("s.state")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(fs::is_symlink(file("link.mid")));
    const std::string exported = readFile(file("target.mid"));
    EXPECT_EQ(exported.substr(0, 4), "MThd");

    HostRun piped = run({"--seed", "5", "--beats", "0", "--export", file("fifo").string()});
    ASSERT_EQ(piped.status, 0) << piped.err;
    std::string received(exported.size() + 1, '\0');
    const ssize_t n = ::read(reader, received.data(), received.size());
    ::close(reader);
    EXPECT_EQ(received.substr(0, n > 0 ? static_cast<size_t>(n) : 0), exported);
    EXPECT_TRUE(fs::is_fifo(file("fifo")));
    EXPECT_EQ(namesIn(dir_), (std::set<std::string>{"fifo", "link.mid", "s.state", "target.mid"}));
}

TEST_F(EndToEnd, TheRunScriptTakesRelativePathsFromTheCallersFolder) {
    // The script in a copy of the repository's layout whose set-up and build do nothing but talk.
    const fs::path repo = file("repo"), here = file("here");
    fs::create_directories(repo / "scripts");
    fs::create_directories(repo / "build" / "bin");
    fs::create_directories(here);
    fs::copy_file(ZINDRAL_RUN_SCRIPT, repo / "scripts" / "run.sh");
    // The build talks as ninja does when it has nothing to do: that noise is dropped.
    auto writeStep = [&](const char* step, const std::string& body) {
        std::ofstream(repo / "scripts" / step) << "#!/bin/sh\necho " << step << " ran\n" << body;
        fs::permissions(repo / "scripts" / step, fs::perms::owner_all);
    };
    writeStep("setup.sh", "");
    writeStep("build.sh", "echo '[0/2] Re-checking globbed directories...'\necho 'ninja: no work to do.'\n");
    fs::create_symlink(ZINDRAL_HOST_PATH, repo / "build" / "bin" / "zindral-host");

    HostRun result =
        spawn({"/bin/bash", (repo / "scripts" / "run.sh").string(), "--plugin", ZINDRAL_BUNDLE_PATH,
               "--beats", "1", "--export", "line.mid", "--state-out", "s.state"},
              here);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::is_regular_file(here / "line.mid"));
    EXPECT_TRUE(fs::is_regular_file(here / "s.state"));
    EXPECT_FALSE(fs::exists(repo / "line.mid"));
    EXPECT_EQ(result.err, "setup.sh ran\nbuild.sh ran\nzindral-host: MIDI file written to " +
                              (here / "line.mid").string() + "\nzindral-host: state written to " +
                              (here / "s.state").string() + "\n");
    EXPECT_EQ(result.out.find("ran"), std::string::npos) << result.out; // standard output is the host's

    // A failing build shows its errors and stops the script before the host runs.
    writeStep("build.sh", "echo 'FAILED: x.o' >&2\nexit 1\n");
    HostRun failed = spawn({"/bin/bash", (repo / "scripts" / "run.sh").string(), "--beats", "1"}, here);
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "setup.sh ran\nbuild.sh ran\nFAILED: x.o\n");
    EXPECT_EQ(failed.out, "");
}

TEST_F(EndToEnd, StateRoundTripKeepsTheSeed) {
    HostRun saved = run(
        {"--seed", "18446744073709551615", "--events", "--beats", "4", "--state-out", file("a").string()});
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(readFile(file("a")).find("\"seed\": u18446744073709551615"), std::string::npos);
    HostRun restored = run(
        {"--state-in", file("a").string(), "--events", "--beats", "4", "--state-out", file("b").string()});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out, saved.out);
    EXPECT_EQ(readFile(file("b")), readFile(file("a")));
}

TEST_F(EndToEnd, DamagedOrForeignStateFilesExitWithStatus2) {
    HostRun saved = run({"--seed", "7", "--beats", "0", "--state-out", file("good").string()});
    ASSERT_EQ(saved.status, 0) << saved.err;
    std::string good = readFile(file("good"));
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"truncated", good.substr(0, good.size() / 2)},
        {"json", "{\"seed\": 7}\n"},
        {"binary", std::string("\x00\xff\x13MThd", 8)},
        {"empty", ""},
        {"list", "au-state 1\n[u7]\n"},
        {"otherUnit", "au-state 1\n{\"seed\": u7, \"subtype\": u1}\n"},
    };
    for (const auto& [name, text] : damaged) {
        std::ofstream(file(name), std::ios::binary) << text;
        HostRun result = run({"--state-in", file(name).string()});
        EXPECT_EQ(result.status, 2) << name;
        EXPECT_EQ(lines(result.err).size(), 1u) << name << ": " << result.err;
        EXPECT_EQ(result.out, "") << name;
    }
    // Not state files at all: each is refused with its reason, nothing is read without end.
    fs::create_directories(file("folder"));
    std::ofstream(file("huge"), std::ios::binary) << std::string(kMaxSmallFileSize + 1, ' ');
    const std::vector<std::pair<std::string, std::string>> unreadable = {
        {file("absent").string(), "No such file"},
        {file("folder").string(), "is a directory"},
        {"/dev/zero", "it is not a regular file"},
        {file("huge").string(), "larger than 1 MiB"},
    };
    for (const auto& [path, reason] : unreadable) {
        HostRun result = run({"--state-in", path});
        EXPECT_EQ(result.status, 2) << path;
        EXPECT_EQ(lines(result.err).size(), 1u) << path << ": " << result.err;
        EXPECT_NE(result.err.find(reason), std::string::npos) << path << ": " << result.err;
    }
}

TEST_F(EndToEnd, ABundleWhoseInfoFileCannotBeReadFailsWithOneLine) {
    fs::create_directories(file("Broken.bundle") / "Info.json");
    HostRun result = run({"--plugin", file("Broken.bundle").string(), "--beats", "0"}, false);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
    EXPECT_NE(result.err.find("Info.json: it is a directory"), std::string::npos) << result.err;
}

// The events of a format-0 file's one track: tick and status byte each, the end-of-track last.
struct TrackEvent {
    uint32_t tick;
    uint8_t status;
};
std::vector<TrackEvent> trackEvents(const std::string& bytes) {
    std::vector<TrackEvent> events;
    if (bytes.size() < 22 || bytes.substr(0, 4) != "MThd" || bytes.substr(14, 4) != "MTrk") {
        return events;
    }
    uint32_t tick = 0;
    for (size_t at = 22; at < bytes.size();) {
        uint32_t delta = 0;
        uint8_t byte = 0;
        do {
            byte = static_cast<uint8_t>(bytes[at++]);
            delta = delta << 7 | (byte & 0x7F);
        } while ((byte & 0x80) && at < bytes.size());
        tick += delta;
        const auto status = static_cast<uint8_t>(bytes[at]);
        events.push_back({tick, status});
        at += status == 0xFF ? 3 + static_cast<uint8_t>(bytes[at + 2]) : 3;
    }
    return events;
}

TEST_F(EndToEnd, ExportIsOneCycleFromStepZeroWhateverThePlaying) {
    // Default parameters: 16 steps of a quarter beat, 1920 ticks.
    std::string first;
    for (const auto& playing : std::vector<std::vector<std::string>>{{"--beats", "0"},
                                                                     {"--beats", "1"},
                                                                     {"--beats", "7", "--start-beat", "3.3"},
                                                                     {"--start-beat", "-9"}}) {
        std::vector<std::string> arguments = playing;
        arguments.insert(arguments.end(), {"--seed", "42", "--export", file("line.mid").string()});
        HostRun result = run(arguments);
        ASSERT_EQ(result.status, 0) << result.err;
        const std::string bytes = readFile(file("line.mid"));
        if (first.empty()) {
            first = bytes;
        }
        EXPECT_EQ(bytes, first) << playing[1];
    }
    std::vector<TrackEvent> events = trackEvents(first);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.back().status, 0xFF); // end of track, at the last note-off: no tempo or other meta event
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        EXPECT_TRUE(events[i].status == 0x90 || events[i].status == 0x80) << i;
    }
    EXPECT_EQ(events[events.size() - 2].status, 0x80);
    EXPECT_EQ(events.back().tick, events[events.size() - 2].tick);
    EXPECT_LE(events.back().tick, 1920u);
    EXPECT_GT(events.back().tick, 1920u - 120u);
}

// Width and height of a PNG file from its header chunk (0 x 0 when it is not a PNG).
std::pair<uint32_t, uint32_t> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.substr(1, 3) != "PNG" || bytes.substr(12, 4) != "IHDR") {
        return {0, 0};
    }
    auto word = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) {
            v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return v;
    };
    return {word(16), word(20)};
}

TEST_F(EndToEnd, ScreenshotWritesThePluginWindowAfterPlaying) {
    // The longest seed there is, for a person to look at in <build>/pictures/host/.
    const fs::path picture = fs::path(ZINDRAL_PICTURES_PATH) / "host" / "plugin-window.png";
    fs::create_directories(picture.parent_path());
    HostRun result =
        run({"--seed", "18446744073709551615", "--beats", "2", "--screenshot", picture.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(" notes\n"), std::string::npos) << result.out; // it played first
    EXPECT_EQ(pngSize(readFile(picture)), (std::pair<uint32_t, uint32_t>{616, 678}));
}

TEST_F(EndToEnd, WindowWithoutADisplayFailsWithOneLine) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        unsetenv(name);
    }
    HostRun result = run({"--window", "--beats", "0"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, ""); // it fails before it says it plays
    EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
    EXPECT_NE(result.err.find("cannot open the plug-in's window"), std::string::npos) << result.err;
}

TEST_F(EndToEnd, WindowOnADeadDisplayOrADriverThatShowsNothingFailsWithOneLine) {
    unsetenv("WAYLAND_DISPLAY");
    const std::pair<const char*, const char*> cases[] = {
        {"DISPLAY", ":9871"}, // no X server there
        {"SDL_VIDEODRIVER", "offscreen"},
        {"SDL_VIDEODRIVER", "dummy"},
    };
    for (const auto& [name, value] : cases) {
        unsetenv("DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        setenv(name, value, 1);
        HostRun result = run({"--window", "--beats", "0"});
        EXPECT_EQ(result.status, 1) << name << "=" << value;
        EXPECT_EQ(result.out, "") << name << "=" << value;
        EXPECT_EQ(lines(result.err).size(), 1u) << name << "=" << value << ": " << result.err;
        EXPECT_NE(result.err.find("cannot open the plug-in's window: no display available"),
                  std::string::npos)
            << result.err;
    }
    unsetenv("DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
}

TEST_F(EndToEnd, RealtimePlaysTheSameEvents) {
    // Half a beat: a quarter of a second of wall-clock time.
    HostRun offline = run({"--events", "--beats", "0.5", "--seed", "3"});
    HostRun realtime = run({"--events", "--beats", "0.5", "--seed", "3", "--realtime"});
    ASSERT_EQ(realtime.status, 0) << realtime.err;
    EXPECT_FALSE(offline.out.empty());
    EXPECT_EQ(realtime.out, offline.out);
}

} // namespace
