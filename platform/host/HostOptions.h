#pragma once

#include "platform/au/AudioUnit.h"
#include "platform/au/ParameterTree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace host {

// One event of the first render call, in command-line order.
struct ParameterSetting {
    uint64_t address = 0;
    // The value as typed; a number beyond what a double holds is +-infinity, so that no parameter's
    // range takes it, and one too small for a double is 0.
    double value = 0.0;
    // The ADDRESS=VALUE argument, for messages.
    std::string text;
};
struct NoteOn {
    uint8_t note = 0;
};
using FirstCallEvent = std::variant<ParameterSetting, NoteOn>;

// What the command line asks of zindral-host (see usageText()).
struct HostOptions {
    std::optional<std::string> pluginDirectory;
    std::optional<uint64_t> seed;
    std::vector<FirstCallEvent> firstCallEvents;
    double tempo = 120.0;
    double sampleRate = 44100.0;
    uint32_t blockFrames = 512;
    double beats = 16.0;
    double startBeat = 0.0;
    bool printEvents = false;
    std::optional<std::string> exportPath;
    std::optional<std::string> stateInPath;
    std::optional<std::string> stateOutPath;
    bool realtime = false;
    // Open the plug-in's interface in a real window and play in real time until it is closed.
    bool window = false;
    // After playing, render the plug-in's interface headless and write it to this PNG file.
    std::optional<std::string> screenshotPath;
    bool help = false;
};

// Either the options or a one-line description of what is wrong with the command line.
struct ParsedOptions {
    std::optional<HostOptions> options;
    std::string error;
};

// [any] Parses the arguments after the program name. Numbers are read locale-independently and
// must use the whole argument.
ParsedOptions parseHostOptions(const std::vector<std::string>& arguments);

// [any] The --help text.
std::string usageText();
// [any] The part of the --help text that lists a unit's parameters: address, name and range of each
// parameter of `tree` (which may be null), and the values of those that name them.
std::string parameterHelpText(const au::ParameterTree* tree);
// [any] A parameter's range as the help text and the messages give it: "0 to 11".
std::string parameterRangeText(const au::Parameter& parameter);
// [any] What an indexed parameter takes, as the messages give it: "a whole number: 0 = ABCD, 1 = ABCA,
// ..." when it names its values, else "a whole number from 1 to 64".
std::string wholeValuesText(const au::Parameter& parameter);
// [any] The one-line synopsis used in usage errors.
std::string usageLine();

// The most render calls one run may make (guards against a --beats that would run for days).
inline constexpr double kMaximumRenderCalls = 1e8;
inline constexpr uint32_t kMaximumBlockFrames = au::kMaximumFramesToRenderLimit;

} // namespace host
