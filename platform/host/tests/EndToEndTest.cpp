// Runs the built zindral-host against the built extension bundle, as a user or script would.

#include "platform/host/FileReading.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
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
        std::vector<std::string> all = {ZINDRAL_HOST_PATH};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& argument : all) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        HostRun result;
        if (posix_spawn(&pid, ZINDRAL_HOST_PATH, &actions, nullptr, argv.data(), environ) == 0) {
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
    EXPECT_EQ(first.err, "");
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
    // amount 0). One beat is 22050 frames, so the host makes ceil(22050 / 512) = 44 calls, which end
    // at frame 22528: the step at beat 1 starts inside the last call.
    HostRun events = run({"--events", "--beats", "1", "--set", "3=0"});
    ASSERT_EQ(events.status, 0);
    auto eventLines = lines(events.out);
    std::vector<long> noteOns;
    for (const auto& line : eventLines) {
        if (line.find(" 90 ") != std::string::npos) {
            noteOns.push_back(std::stol(line));
        }
    }
    EXPECT_EQ(noteOns, (std::vector<long>{0, 5513, 11025, 16538, 22050}));
    for (const auto& line : eventLines) {
        EXPECT_LT(std::stol(line), 44 * 512);
    }
}

TEST_F(EndToEnd, UsageErrorsExitWithStatus2AndOneLine) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--bogus"},
                                               {"--tempo"},
                                               {"--seed", "x"},
                                               {"--set", "1"},
                                               {"--block", "0"},
                                               {"--screenshot"},
                                               {"--window", "--screenshot", "x.png"}}) {
        HostRun result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments[0];
        EXPECT_EQ(lines(result.err).size(), 1u) << result.err;
        EXPECT_EQ(result.out, "");
    }
    HostRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--state-in FILE"), std::string::npos);
    HostRun missing = run({"--plugin", (dir_ / "none.bundle").string()}, false);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(lines(missing.err).size(), 1u);
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
        {"/dev/zero", "larger than 1 MiB"},
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

TEST_F(EndToEnd, ExportWritesAStandardMIDIFile) {
    HostRun result = run({"--beats", "1", "--export", file("line.mid").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    std::string bytes = readFile(file("line.mid"));
    ASSERT_GE(bytes.size(), 26u);
    EXPECT_EQ(bytes.substr(0, 4), "MThd");
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
    HostRun result = run({"--seed", "5", "--beats", "2", "--screenshot", file("window.png").string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(" notes\n"), std::string::npos) << result.out; // it played first
    EXPECT_EQ(pngSize(readFile(file("window.png"))), (std::pair<uint32_t, uint32_t>{616, 678}));

    HostRun unwritable = run({"--beats", "0", "--screenshot", (dir_ / "no" / "such" / "w.png").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot take the screenshot"), std::string::npos) << unwritable.err;
}

TEST_F(EndToEnd, WindowWithoutADisplayFailsWithOneLine) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
        unsetenv(name);
    }
    HostRun result = run({"--window", "--beats", "0"});
    EXPECT_EQ(result.status, 1);
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
        EXPECT_EQ(lines(result.err).size(), 1u) << name << "=" << value << ": " << result.err;
        EXPECT_NE(result.err.find("cannot open the plug-in's window: no display available"),
                  std::string::npos)
            << result.err;
    }
    unsetenv("DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
}

TEST_F(EndToEnd, RealtimePlaysTheSameEvents) {
    // A quarter beat: an eighth of a second of wall-clock time.
    HostRun offline = run({"--events", "--beats", "0.25", "--seed", "3"});
    HostRun realtime = run({"--events", "--beats", "0.25", "--seed", "3", "--realtime"});
    ASSERT_EQ(realtime.status, 0) << realtime.err;
    EXPECT_FALSE(offline.out.empty());
    EXPECT_EQ(realtime.out, offline.out);
}

} // namespace
