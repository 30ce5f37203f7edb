// The whole render path as a host calls it: the unit's render block (resource and frame checks),
// the event-list adapter and the wrapped host blocks around MidiProcessor::process, at 48 kHz.
// Reports ns per frame (ns_per_frame, a plain number of nanoseconds) and the share of one core
// real-time playback takes (core_share_48k). "WithEvents" sends a parameter change and a note-on
// that moves the lowest note in every block (alternating two notes), so every block transposes.

#include "extension/ZindralAudioUnit.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr double kSampleRate = 48000.0;
constexpr double kTempo = 120.0;

void renderBlockPath(benchmark::State& state, bool withEvents) {
    const auto frames = static_cast<uint32_t>(state.range(0));
    auto unit =
        extension::ZindralAudioUnit::create(
            {au::kComponentTypeMIDIProcessor, au::fourCharCode("Zndr"), au::fourCharCode("Krvn"), 0, 0}, 0)
            .value();
    (*unit->outputBusses())[0].setFormat({kSampleRate, 2});
    unit->setMaximumFramesToRender(frames);
    double sampleTime = 0.0;
    int64_t sent = 0;
    unit->setMusicalContextBlock(
        [&](double* tempo, double*, int64_t*, double* beat, int64_t*, double* downbeat) {
            *tempo = kTempo;
            *beat = sampleTime * kTempo / (60.0 * kSampleRate);
            *downbeat = 0.0;
            return true;
        });
    unit->setTransportStateBlock([](au::TransportStateFlags* flags, double*, double*, double*) {
        *flags = au::kTransportStateMoving;
        return true;
    });
    unit->setMIDIOutputEventBlock([&](int64_t, uint8_t, int64_t, const uint8_t*) {
        ++sent;
        return au::kNoErr;
    });
    if (unit->allocateRenderResources()) {
        state.SkipWithError("allocateRenderResources failed");
        return;
    }
    au::RenderBlock block = unit->renderBlock();
    // The unit starts with 36 as its lowest note; 43 and 48 take turns, so each block moves it.
    const uint8_t notes[] = {43, 48};
    au::RenderEvent events[2][2] = {
        {au::parameterEvent(0, 7, 0.4f), au::midiEvent(0, 0, 3, {0x90, notes[0], 100})},
        {au::parameterEvent(0, 7, 0.6f), au::midiEvent(0, 0, 3, {0x90, notes[1], 100})}};
    for (auto& pair : events)
        pair[0].next = &pair[1];
    const au::PullInputBlock noInput;
    std::size_t turn = 0;
    const auto started = std::chrono::steady_clock::now();
    for (auto _ : state) {
        au::TimeStamp timestamp;
        timestamp.sampleTime = sampleTime;
        benchmark::DoNotOptimize(
            block(nullptr, timestamp, frames, 0, nullptr, withEvents ? events[turn] : nullptr, noInput));
        turn ^= 1;
        sampleTime += frames;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    const uint8_t lowest = unit->midiProcessor().lowNote.load();
    unit->deallocateRenderResources();
    if (withEvents && lowest != notes[0] && lowest != notes[1])
        state.SkipWithError("the note-ons did not move the lowest note");
    const double totalFrames = static_cast<double>(state.iterations()) * frames;
    state.SetItemsProcessed(static_cast<int64_t>(totalFrames));
    // Plain counters: the library would print rates with a seconds suffix.
    state.counters["ns_per_frame"] = elapsed.count() * 1e9 / totalFrames;
    state.counters["core_share_48k"] = elapsed.count() / (totalFrames / kSampleRate);
    state.counters["messages"] = static_cast<double>(sent);
}

void BM_RenderBlock(benchmark::State& state) {
    renderBlockPath(state, false);
}
void BM_RenderBlockWithEvents(benchmark::State& state) {
    renderBlockPath(state, true);
}

BENCHMARK(BM_RenderBlock)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(BM_RenderBlockWithEvents)->Arg(64)->Arg(512)->Arg(4096);

} // namespace
