#include "platform/host/HostOptions.h"

#include "platform/host/HostModel.h"
#include "platform/host/NumberReading.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <set>
#include <sstream>

namespace host {

namespace {

// A positive finite number: a tempo or a sample rate.
bool readPositiveFinite(const std::string& text, double& out) {
    const std::optional<double> number = readDecimal(text);
    if (!number || !std::isfinite(*number) || *number <= 0.0) {
        return false;
    }
    out = *number;
    return true;
}

// The text of a parameter value: shortest form, as the ranges are written.
std::string numberText(double value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    return text.str();
}

constexpr size_t kHelpWidth = 100;

// "0 = ABCD" for each value the parameter names, in order.
std::vector<std::string> namedValues(const au::Parameter& parameter) {
    std::vector<std::string> entries;
    if (const auto& names = parameter.valueStrings()) {
        for (size_t i = 0; i < names->size(); ++i) {
            entries.push_back(std::to_string(i) + " = " + (*names)[i]);
        }
    }
    return entries;
}

} // namespace

std::string usageLine() {
    return "usage: zindral-host [--plugin DIR] [--seed N] [--set A=V]... [--note-on N]... [--tempo BPM] "
           "[--sample-rate HZ] [--block FRAMES] [--beats B] [--start-beat B] [--events] [--export FILE] "
           "[--state-in FILE] [--state-out FILE] [--realtime] [--window] [--screenshot FILE] [--help]";
}

std::string usageText() {
    return usageLine() +
           "\n"
           "\n"
           "Loads ZindralExtension, plays it and prints the MIDI it sends.\n"
           "\n"
           "  --plugin DIR       the extension bundle (default: <exe dir>/../ZindralExtension.bundle)\n"
           "  --seed N           restore a state holding only \"seed\" = N (unsigned 64-bit decimal)\n"
           "  --set A=V          parameter event (address A, value V) in the first render call; repeatable;\n"
           "                     the addresses, their ranges and their named values are listed below\n"
           "  --note-on N        MIDI note-on (0x90, N, 100) in the first render call; repeatable\n"
           "  --tempo BPM        tempo (default 120)\n"
           "  --sample-rate HZ   sample rate (default 44100)\n"
           "  --block FRAMES     frames per render call (default 512)\n"
           "  --beats B          beats to play (default 16)\n"
           "  --start-beat B     beat position of the first render call (default 0)\n"
           "  --events           print every MIDI message: sample time, then the bytes in hex\n"
           "  --export FILE      after playing, write the unit's MIDI export: one cycle of the pattern from\n"
           "                     step 0, whatever --beats and --start-beat say, as a Standard MIDI File\n"
           "                     (format 0, 480 ticks per beat, no tempo event) ending at the last note-off\n"
           "  --state-in FILE    restore the unit's state from FILE before playing\n"
           "  --state-out FILE   save the unit's state to FILE after playing\n"
           "  --realtime         pace the render calls by the wall clock on a render thread\n"
           "  --window           open the plug-in's window and play in real time until it is closed\n"
           "  --screenshot FILE  after playing, render the plug-in's window headless to a PNG file\n"
           "  --help             show this text\n"
           "\n"
           "Notes and events go to standard output, one whole line at a time; messages, and where a file\n"
           "was written, go to standard error, and so does the opening line (tempo, seed) with --events.\n"
           "Relative paths are taken from the current directory.\n"
           "\n"
           "Exit status: 0 done, 1 the extension failed, 2 bad command line or state file.\n";
}

std::string parameterHelpText(const au::ParameterTree* tree) {
    if (!tree || tree->allParameters().empty()) {
        return "The unit has no parameters for --set.\n";
    }
    size_t nameWidth = 4;
    for (const auto& parameter : tree->allParameters()) {
        nameWidth = std::max(nameWidth, parameter->name().size());
    }
    std::ostringstream text;
    text.imbue(std::locale::classic());
    const int width = static_cast<int>(nameWidth);
    text << "Parameters for --set ADDRESS=VALUE:\n"
         << "  address  " << std::left << std::setw(width) << "name"
         << "  range\n";
    const std::string indent(2 + 7 + 2 + nameWidth + 2, ' ');
    for (const auto& parameter : tree->allParameters()) {
        text << "  " << std::right << std::setw(7) << parameter->address() << "  " << std::left
             << std::setw(width) << parameter->name() << "  " << parameterRangeText(*parameter) << '\n';
        // The values a parameter names ("8 = 1/32T"), under its range, as many to a line as fit.
        if (const std::vector<std::string> entries = namedValues(*parameter); !entries.empty()) {
            std::string line = indent;
            for (size_t i = 0; i < entries.size(); ++i) {
                const std::string entry = entries[i] + (i + 1 < entries.size() ? "," : "");
                if (line.size() > indent.size() && line.size() + 1 + entry.size() > kHelpWidth) {
                    text << line << '\n';
                    line = indent;
                }
                line += (line.size() > indent.size() ? " " : "") + entry;
            }
            text << line << '\n';
        }
    }
    return text.str();
}

std::string parameterRangeText(const au::Parameter& parameter) {
    return numberText(parameter.minValue()) + " to " + numberText(parameter.maxValue());
}

std::string wholeValuesText(const au::Parameter& parameter) {
    const std::vector<std::string> entries = namedValues(parameter);
    if (entries.empty()) {
        return "a whole number from " + parameterRangeText(parameter);
    }
    std::string text = "a whole number:";
    for (size_t i = 0; i < entries.size(); ++i) {
        text += (i == 0 ? " " : ", ") + entries[i];
    }
    return text;
}

ParsedOptions parseHostOptions(const std::vector<std::string>& arguments) {
    HostOptions options;
    auto fail = [](std::string message) { return ParsedOptions{std::nullopt, std::move(message)}; };
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        static const std::set<std::string> kFlags = {"--events", "--realtime", "--window", "--help"};
        static const std::set<std::string> kWithValue = {
            "--plugin",   "--seed",      "--set",        "--note-on",     "--tempo",
            "--block",    "--beats",     "--start-beat", "--sample-rate", "--export",
            "--state-in", "--state-out", "--screenshot"};
        if (!kFlags.contains(option) && !kWithValue.contains(option)) {
            return fail("unknown option '" + option + "'");
        }
        std::string value;
        if (kWithValue.contains(option)) {
            if (i + 1 >= arguments.size()) {
                return fail(option + " needs a value");
            }
            value = arguments[++i];
        }
        if (option == "--events") {
            options.printEvents = true;
        } else if (option == "--realtime") {
            options.realtime = true;
        } else if (option == "--window") {
            options.window = true;
        } else if (option == "--screenshot") {
            options.screenshotPath = value;
        } else if (option == "--help") {
            options.help = true;
        } else if (option == "--plugin") {
            options.pluginDirectory = value;
        } else if (option == "--seed") {
            options.seed = readWholeNumber<uint64_t>(value);
            if (!options.seed) {
                return fail("--seed needs an unsigned 64-bit decimal number, not '" + value + "'");
            }
        } else if (option == "--set") {
            size_t equals = value.find('=');
            ParameterSetting setting;
            setting.text = value;
            const auto address = equals == std::string::npos
                                     ? std::nullopt
                                     : readWholeNumber<uint64_t>(std::string_view(value).substr(0, equals));
            if (!address) {
                return fail("--set needs ADDRESS=VALUE (e.g. 7=0.25), not '" + value + "'");
            }
            setting.address = *address;
            const std::string_view text = std::string_view(value).substr(equals + 1);
            const std::optional<double> number = readDecimal(text);
            if (!number) {
                if (spellsInfinityOrNaN(text)) {
                    return fail("--set needs a finite value, not '" + value + "'");
                }
                return fail("--set needs ADDRESS=VALUE (e.g. 7=0.25), not '" + value + "'");
            }
            setting.value = *number;
            options.firstCallEvents.push_back(std::move(setting));
        } else if (option == "--note-on") {
            const std::optional<unsigned> note = readWholeNumber<unsigned>(value);
            if (!note || *note > 127) {
                return fail("--note-on needs a MIDI note number 0 to 127, not '" + value + "'");
            }
            options.firstCallEvents.emplace_back(std::in_place_type<NoteOn>, static_cast<uint8_t>(*note));
        } else if (option == "--tempo") {
            if (!readPositiveFinite(value, options.tempo)) {
                return fail("--tempo needs a positive number of beats per minute, not '" + value + "'");
            }
        } else if (option == "--sample-rate") {
            if (!readPositiveFinite(value, options.sampleRate)) {
                return fail("--sample-rate needs a positive number of hertz, not '" + value + "'");
            }
        } else if (option == "--block") {
            const std::optional<uint32_t> frames = readWholeNumber<uint32_t>(value);
            if (!frames || *frames == 0 || *frames > kMaximumBlockFrames) {
                return fail("--block needs a frame count from 1 to " + std::to_string(kMaximumBlockFrames) +
                            ", not '" + value + "'");
            }
            options.blockFrames = *frames;
        } else if (option == "--beats") {
            const std::optional<double> beats = readDecimal(value);
            if (!beats || !std::isfinite(*beats) || *beats < 0.0) {
                return fail("--beats needs a number of beats of 0 or more, not '" + value + "'");
            }
            options.beats = *beats;
        } else if (option == "--start-beat") {
            const std::optional<double> start = readDecimal(value);
            if (!start || !std::isfinite(*start)) {
                return fail("--start-beat needs a beat position, not '" + value + "'");
            }
            options.startBeat = *start;
        } else if (option == "--export") {
            options.exportPath = value;
        } else if (option == "--state-in") {
            options.stateInPath = value;
        } else if (option == "--state-out") {
            options.stateOutPath = value;
        }
    }
    if (options.window && options.screenshotPath) {
        return fail("--window and --screenshot cannot be combined");
    }
    if (renderCallCountAsDouble(options) > kMaximumRenderCalls) {
        return fail("--beats is too long for this tempo, sample rate and block size");
    }
    return ParsedOptions{options, {}};
}

} // namespace host
