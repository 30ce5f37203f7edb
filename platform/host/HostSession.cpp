#include "platform/host/HostSession.h"

#include "platform/host/FileReading.h"
#include "platform/host/FileWriting.h"
#include "platform/host/OutputFile.h"
#include "platform/host/RunReport.h"

#include "platform/au/PCMBuffer.h"
#include "platform/au/ValueText.h"
#include "platform/au/ViewPresenting.h"
#include "platform/host/ExtensionLoader.h"
#include "platform/host/HostModel.h"
#include "platform/host/MidiFormatting.h"
#include "platform/host/MidiMessageQueue.h"
#include "platform/tk/base/MainThread.h"
#include "platform/tk/base/RunLoop.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <functional>
#include <sstream>
#include <thread>

namespace host {

namespace {

// What the host's blocks report during render call k; written by the rendering thread just before
// the call and read by the blocks on the same thread.
struct Transport {
    double tempo = 120.0;
    double beatPosition = 0.0;
    double samplePosition = 0.0;
    bool firstCall = true;
};

void installHostBlocks(au::AudioUnit& unit, Transport& transport, MidiMessageQueue& queue) {
    unit.setMusicalContextBlock([&transport](double* tempo, double* numerator, int64_t* denominator,
                                             double* beat, int64_t* sampleOffsetToNextBeat,
                                             double* downbeat) {
        if (tempo) {
            *tempo = transport.tempo;
        }
        if (numerator) {
            *numerator = 4.0;
        }
        if (denominator) {
            *denominator = 4;
        }
        if (beat) {
            *beat = transport.beatPosition;
        }
        if (sampleOffsetToNextBeat) {
            *sampleOffsetToNextBeat = 0;
        }
        if (downbeat) {
            *downbeat = std::floor(transport.beatPosition / 4.0) * 4.0;
        }
        return true;
    });
    unit.setTransportStateBlock([&transport](au::TransportStateFlags* flags, double* samplePosition,
                                             double* cycleStart, double* cycleEnd) {
        if (flags) {
            *flags = au::kTransportStateMoving | (transport.firstCall ? au::kTransportStateChanged : 0);
        }
        if (samplePosition) {
            *samplePosition = transport.samplePosition;
        }
        if (cycleStart) {
            *cycleStart = 0.0;
        }
        if (cycleEnd) {
            *cycleEnd = 0.0;
        }
        return true;
    });
    unit.setMIDIOutputEventBlock(
        [&queue](int64_t sampleTime, uint8_t cable, int64_t length, const uint8_t* bytes) {
            if (length < 0 || (length > 0 && !bytes)) {
                return au::kErrInvalidParameter;
            }
            MidiMessage message;
            message.sampleTime = sampleTime;
            message.cable = cable;
            message.length =
                static_cast<uint8_t>(length < MidiMessage::kMaxBytes ? length : MidiMessage::kMaxBytes);
            for (uint8_t i = 0; i < message.length; ++i) {
                message.bytes[i] = bytes[i];
            }
            queue.push(message);
            return au::kNoErr;
        });
}

std::vector<au::RenderEvent> firstCallEvents(const HostOptions& options) {
    std::vector<au::RenderEvent> events;
    for (const FirstCallEvent& event : options.firstCallEvents) {
        if (const auto* setting = std::get_if<ParameterSetting>(&event)) {
            // In the parameter's range (checked before playing), so inside a float's too.
            events.push_back(
                au::parameterEvent(0, setting->address, static_cast<au::AUValue>(setting->value)));
        } else {
            events.push_back(au::midiEvent(0, 0, 3, {0x90, std::get<NoteOn>(event).note, 100}));
        }
    }
    for (size_t i = 0; i + 1 < events.size(); ++i) {
        events[i].next = &events[i + 1];
    }
    return events;
}

// A damaged, unreadable or foreign state file: the reason, or nothing when `state` is usable.
std::optional<std::string> readStateFile(const std::string& path, const au::AudioUnit& unit,
                                         au::Value& state) {
    auto read = readSmallFile(path);
    if (const auto* problem = std::get_if<FileProblem>(&read)) {
        return problem->reason;
    }
    auto parsed = au::parseStateText(std::get<std::string>(read));
    if (!parsed) {
        return parsed.error().description;
    }
    if (!parsed.value().dictionary()) {
        return "the state is not a dictionary";
    }
    const au::ComponentDescription& description = unit.componentDescription();
    const std::pair<const char*, uint32_t> identity[] = {{"type", description.componentType},
                                                         {"subtype", description.componentSubType},
                                                         {"manufacturer", description.componentManufacturer}};
    for (const auto& [key, expected] : identity) {
        const au::Value* entry = parsed.value().find(key);
        if (entry && entry->asUInt64() != std::optional<uint64_t>(expected)) {
            return std::string("the state belongs to another audio unit (\"") + key + "\" differs)";
        }
    }
    state = std::move(parsed).value();
    return std::nullopt;
}

// The first file the options ask for that could not be written, as a line for the user: a run is
// not played for an output it would lose.
std::optional<std::string> outputOptionProblem(const HostOptions& options) {
    const std::pair<const char*, const std::optional<std::string>&> outputs[] = {
        {"--export", options.exportPath},
        {"--state-out", options.stateOutPath},
        {"--screenshot", options.screenshotPath}};
    for (const auto& [option, path] : outputs) {
        if (!path) {
            continue;
        }
        if (auto problem = outputFileProblem(*path)) {
            return std::string("cannot write ") + option + " '" + pathForMessages(*path) + "': " + *problem;
        }
    }
    return std::nullopt;
}

// Writes a file the user asked for and says in one line where it went, or why it could not.
bool writeRequestedFile(const std::string& path, const void* data, size_t size, const char* what,
                        std::ostream& err) {
    if (auto problem = writeWholeFile(path, data, size)) {
        err << "zindral-host: cannot write " << pathForMessages(path) << ": " << *problem << '\n';
        return false;
    }
    err << "zindral-host: " << what << " written to " << absolutePathText(path) << '\n';
    return true;
}

// Has the interface drawn into a PNG file at `path` and says in one line where it went, or why it
// could not. The interface writes the temporary, which takes the file's place when it is whole.
bool writeScreenshot(const std::string& path, au::ViewPresenting& presenter, std::ostream& err) {
    auto created = OutputFile::create(path);
    if (const auto* problem = std::get_if<std::string>(&created)) {
        err << "zindral-host: cannot write " << pathForMessages(path) << ": " << *problem << '\n';
        return false;
    }
    OutputFile& file = std::get<OutputFile>(created);
    au::ViewPresenting::Request request;
    request.kind = au::ViewPresenting::Request::Kind::screenshot;
    request.pngFile = file.writingPath();
    au::ViewPresenting::Outcome shot = presenter.presentInterface(request);
    if (shot.status != 0) {
        // The user asked for `path`, not for the temporary: that is the name the message gives.
        std::string message = shot.error;
        const std::string shown = pathForMessages(path);
        for (size_t at = message.find(file.writingPath()); at != std::string::npos;
             at = message.find(file.writingPath(), at + shown.size())) {
            message.replace(at, file.writingPath().size(), shown);
        }
        err << "zindral-host: " << message << '\n';
        return false;
    }
    if (auto problem = file.commit()) {
        err << "zindral-host: cannot write " << pathForMessages(path) << ": " << *problem << '\n';
        return false;
    }
    err << "zindral-host: screenshot written to " << absolutePathText(path) << '\n';
    return true;
}

// Plays every render call; returns the first non-zero status (and its call) for a warning.
struct RenderOutcome {
    uint64_t failedCalls = 0;
    uint64_t firstFailedCall = 0;
    au::Status firstStatus = au::kNoErr;
};

class Player {
public:
    Player(const HostOptions& options, au::AudioUnit& unit, Transport& transport)
        : options_(options), transport_(transport), render_(unit.renderBlock()),
          events_(firstCallEvents(options)),
          buffer_(au::PCMBuffer::create({options.sampleRate, 2}, options.blockFrames)) {}

    // [render] Call k, of `frames` frames.
    void renderCall(uint64_t call, uint32_t frames) {
        transport_.tempo = options_.tempo;
        transport_.beatPosition = beatPositionOfCall(options_, call);
        const double sampleTime = static_cast<double>(sampleTimeOfCall(options_, call));
        transport_.samplePosition = sampleTime;
        au::TimeStamp timestamp;
        timestamp.sampleTime = sampleTime;
        timestamp.flags = au::kTimeStampSampleTimeValid;
        au::RenderActionFlags flags = 0;
        const au::RenderEvent* head = call == 0 && !events_.empty() ? events_.data() : nullptr;
        au::Status status =
            render_(&flags, timestamp, frames, 0, buffer_->mutableAudioBufferList(), head, pullInput_);
        transport_.firstCall = false;
        if (status != au::kNoErr) {
            if (outcome_.failedCalls++ == 0) {
                outcome_.firstFailedCall = call;
                outcome_.firstStatus = status;
            }
        }
    }
    // [render] Call k of a run of known length (the last one has only the frames left).
    void renderCall(uint64_t call) { renderCall(call, framesOfCall(options_, call)); }
    const RenderOutcome& outcome() const { return outcome_; }

private:
    const HostOptions& options_;
    Transport& transport_;
    au::RenderBlock render_;
    std::vector<au::RenderEvent> events_;
    std::unique_ptr<au::PCMBuffer> buffer_;
    au::PullInputBlock pullInput_;
    RenderOutcome outcome_;
};

// When render call `call` is due on the wall clock, for calls paced from `start`.
std::chrono::steady_clock::time_point
dueTimeOfCall(const HostOptions& options, std::chrono::steady_clock::time_point start, uint64_t call) {
    return start +
           std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(
               static_cast<double>(sampleTimeOfCall(options, call)) / options.sampleRate));
}

// Runs the calls on a render thread at the pace of the wall clock while the main run loop prints
// what arrives.
void playRealtime(const HostOptions& options, Player& player, uint64_t calls, MidiMessageQueue& queue,
                  RunReport& report) {
    tk::MainThread::adopt();
    tk::RunLoop& loop = tk::RunLoop::main();
    auto drainTimer = loop.scheduleTimer(std::chrono::milliseconds(10), true, [&] { report.drain(queue); });
    std::thread renderThread([&] {
        auto start = std::chrono::steady_clock::now();
        for (uint64_t call = 0; call < calls; ++call) {
            std::this_thread::sleep_until(dueTimeOfCall(options, start, call));
            player.renderCall(call);
        }
        tk::RunLoop::main().post([] { tk::RunLoop::main().stop(); });
    });
    loop.run();
    renderThread.join();
    drainTimer.invalidate();
    report.drain(queue);
}

// Plays in real time on a render thread while the plug-in's window is open (the interface runs the
// main thread); the window's idle calls print what arrived. Nothing is played or printed before
// the window is open: its first idle call calls `opened` and starts the render thread, so a
// session without a display fails with its one line of error alone.
int playWithWindow(const HostOptions& options, Player& player, au::ViewPresenting& presenter,
                   MidiMessageQueue& queue, RunReport& report, const std::function<void()>& opened,
                   std::ostream& err) {
    std::atomic<bool> stop{false};
    std::thread renderThread;
    au::ViewPresenting::Request request;
    request.kind = au::ViewPresenting::Request::Kind::window;
    request.idle = [&] {
        if (!renderThread.joinable()) {
            opened();
            report.begin();
            renderThread = std::thread([&] {
                auto start = std::chrono::steady_clock::now();
                for (uint64_t call = 0; !stop.load(std::memory_order_relaxed); ++call) {
                    std::this_thread::sleep_until(dueTimeOfCall(options, start, call));
                    player.renderCall(call, options.blockFrames);
                }
            });
        }
        report.drain(queue);
    };
    au::ViewPresenting::Outcome outcome = presenter.presentInterface(request);
    stop.store(true, std::memory_order_relaxed);
    if (renderThread.joinable()) {
        renderThread.join();
    } else if (outcome.status != 0) {
        err << "zindral-host: cannot open the plug-in's window: " << outcome.error << '\n';
        return kExitFailure;
    } else {
        // Closed before its first idle call: nothing was played.
        opened();
        report.begin();
    }
    report.drain(queue);
    report.finish();
    if (outcome.status != 0) {
        err << "zindral-host: the plug-in's window failed: " << outcome.error << '\n';
        return kExitFailure;
    }
    return kExitOK;
}

// The extension and its audio unit. Members are destroyed in reverse order: the unit goes first,
// the library it came from after it.
struct OpenedUnit {
    std::unique_ptr<LoadedExtension> extension;
    std::shared_ptr<au::AudioUnit> unit;
};

// Loads the extension and creates its unit, or says in one line on `err` why not.
std::optional<OpenedUnit> openUnit(const HostOptions& options, std::ostream& err) {
    std::string bundle = options.pluginDirectory.value_or(defaultBundleDirectory());
    auto loaded = LoadedExtension::load(bundle);
    if (!loaded.extension) {
        err << "zindral-host: " << loaded.error << '\n';
        return std::nullopt;
    }
    auto created = loaded.extension->factory().createAudioUnit(loaded.extension->componentDescription());
    if (!created) {
        err << "zindral-host: cannot create the audio unit: " << created.error().description << " ("
            << created.error().code << ")\n";
        return std::nullopt;
    }
    std::optional<OpenedUnit> opened(std::in_place);
    opened->extension = std::move(loaded.extension);
    opened->unit = created.value();
    return opened;
}

// The first --set whose address no parameter of the unit has, whose value lies outside the
// parameter's range or is a fraction of an indexed one, with the reason.
std::optional<std::string> parameterSettingProblem(const HostOptions& options, const au::AudioUnit& unit) {
    for (const FirstCallEvent& event : options.firstCallEvents) {
        const auto* setting = std::get_if<ParameterSetting>(&event);
        if (!setting) {
            continue;
        }
        const auto parameter =
            unit.parameterTree() ? unit.parameterTree()->parameterWithAddress(setting->address) : nullptr;
        if (!parameter) {
            return "--set: the unit has no parameter at address " + std::to_string(setting->address);
        }
        const std::string who = "--set " + setting->text + ": " + parameter->name() + " (address " +
                                std::to_string(setting->address) + ") takes ";
        if (!(setting->value >= parameter->minValue() && setting->value <= parameter->maxValue())) {
            return who + parameterRangeText(*parameter);
        }
        // An index counts its values; the unit would drop a fraction without a word.
        if (parameter->unit() == au::ParameterUnit::indexed && setting->value != std::trunc(setting->value)) {
            return who + wholeValuesText(*parameter);
        }
    }
    return std::nullopt;
}

std::string openingLine(const HostOptions& options, const LoadedExtension& extension,
                        const au::AudioUnit& unit) {
    std::ostringstream line;
    std::string seed;
    if (auto state = unit.fullState(); state && state->find("seed") && state->find("seed")->asUInt64()) {
        seed = ", seed " + std::to_string(*state->find("seed")->asUInt64());
    }
    line << "ZindralExtension " << extension.version() << ": ";
    if (options.window) {
        line << "playing in its window";
    } else {
        line << options.beats << (options.beats == 1.0 ? " beat" : " beats");
    }
    line << " at " << options.tempo << " BPM, " << options.sampleRate << " Hz" << seed << ", ";
    if (options.window) {
        line << "render calls of " << options.blockFrames << " frames";
    } else if (const uint64_t calls = renderCallCount(options); calls == 1) {
        line << "1 render call of " << framesOfCall(options, 0) << " frames";
    } else {
        line << calls << " render calls of " << options.blockFrames << " frames";
    }
    return line.str();
}

} // namespace

int printHelp(const HostOptions& options, std::ostream& out, std::ostream& err) {
    out << usageText();
    out.flush();
    std::optional<OpenedUnit> opened = openUnit(options, err);
    if (!opened) {
        return kExitFailure;
    }
    out << '\n' << parameterHelpText(opened->unit->parameterTree().get());
    out.flush();
    return kExitOK;
}

int runHost(const HostOptions& options, std::ostream& out, std::ostream& err) {
    if (auto problem = outputOptionProblem(options)) {
        err << "zindral-host: " << *problem << '\n';
        return kExitUsage;
    }
    std::optional<OpenedUnit> opened = openUnit(options, err);
    if (!opened) {
        return kExitFailure;
    }
    LoadedExtension& extension = *opened->extension;
    au::AudioUnit& unit = *opened->unit;
    MidiMessageQueue queue;
    Transport transport;
    int status = kExitOK;

    auto* presenter = dynamic_cast<au::ViewPresenting*>(&extension.factory());
    if ((options.window || options.screenshotPath) && !presenter) {
        err << "zindral-host: the extension has no interface to show\n";
        return kExitFailure;
    }
    if (auto problem = parameterSettingProblem(options, unit)) {
        err << "zindral-host: " << *problem << " (try --help)\n";
        return kExitUsage;
    }

    auto outputs = unit.outputBusses();
    auto output = outputs ? outputs->bus(0) : nullptr;
    if (!output) {
        err << "zindral-host: the audio unit has no output bus\n";
        return kExitFailure;
    }
    if (output->setFormat({options.sampleRate, output->format().channelCount}) != au::kNoErr) {
        err << "zindral-host: the audio unit does not accept the sample rate " << options.sampleRate << '\n';
        return kExitUsage;
    }
    unit.setMaximumFramesToRender(options.blockFrames);

    if (options.stateInPath) {
        au::Value state;
        if (auto problem = readStateFile(*options.stateInPath, unit, state)) {
            err << "zindral-host: cannot restore the state from " << *options.stateInPath << ": " << *problem
                << '\n';
            return kExitUsage;
        }
        unit.setFullState(state);
    }
    if (options.seed) {
        au::Value::Dictionary state;
        state["seed"] = au::Value::unsignedInteger(*options.seed);
        unit.setFullState(au::Value(std::move(state)));
    }

    installHostBlocks(unit, transport, queue);
    if (auto error = unit.allocateRenderResources()) {
        err << "zindral-host: cannot allocate render resources: " << error->description << " (" << error->code
            << ")\n";
        return kExitFailure;
    }

    RunReport report(options, options.window ? RunReport::Notes::asTheyEnd : RunReport::Notes::atTheEnd, out);
    Player player(options, unit, transport);
    // With --events standard output holds events alone; the opening line, which names the seed
    // that makes the run again, goes with the messages.
    auto announce = [&] {
        printLine(options.printEvents ? err : out, openingLine(options, extension, unit));
    };
    if (options.window) {
        status = playWithWindow(options, player, *presenter, queue, report, announce, err);
        if (status != kExitOK) {
            unit.deallocateRenderResources();
            return status;
        }
    } else {
        announce();
        const uint64_t calls = renderCallCount(options);
        if (options.realtime) {
            playRealtime(options, player, calls, queue, report);
        } else {
            for (uint64_t call = 0; call < calls; ++call) {
                player.renderCall(call);
                report.drain(queue);
            }
        }
        report.finish();
    }
    unit.deallocateRenderResources();

    const RenderOutcome& outcome = player.outcome();
    if (outcome.failedCalls > 0) {
        err << "zindral-host: " << outcome.failedCalls << " render calls failed, the first (call "
            << outcome.firstFailedCall << ") with status " << outcome.firstStatus << '\n';
        status = kExitFailure;
    }
    if (queue.dropped() > 0) {
        err << "zindral-host: " << queue.dropped() << " MIDI messages were dropped\n";
    }

    if (options.exportPath) {
        auto channel = unit.messageChannelFor("midiExport");
        const au::Value* data = nullptr;
        au::Value reply;
        if (channel) {
            reply = channel->callAudioUnit(au::Value(au::Value::Dictionary{}));
            data = reply.find("midiData");
        }
        if (!data || !data->data()) {
            err << "zindral-host: the audio unit offers no MIDI export\n";
            status = kExitFailure;
        } else if (!writeRequestedFile(*options.exportPath, data->data()->data(), data->data()->size(),
                                       "MIDI file", err)) {
            status = kExitFailure;
        }
    }
    if (options.screenshotPath && !writeScreenshot(*options.screenshotPath, *presenter, err)) {
        status = kExitFailure;
    }
    if (options.stateOutPath) {
        std::optional<au::Value> state = unit.fullState();
        std::string text = au::toStateText(state.value_or(au::Value()));
        if (!writeRequestedFile(*options.stateOutPath, text.data(), text.size(), "state", err)) {
            status = kExitFailure;
        }
    }
    out.flush();
    return status;
}

} // namespace host
