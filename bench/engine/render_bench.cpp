// The live render path: MidiProcessor::process driven like a host at 48 kHz, with a musical context
// that advances with the sample time and a MIDI output that counts. Reports ns per frame and the
// share of one core that real-time playback takes (core_share_48k: 1 = a whole core).

#include "engine/MidiProcessor.h"

#include <benchmark/benchmark.h>

namespace {

constexpr double kSampleRate = 48000.0;
constexpr double kTempo = 120.0;

void renderPath(benchmark::State& state, int division, int length) {
    const auto frames = static_cast<uint32_t>(state.range(0));
    engine::MidiProcessor e(0x5EED);
    e.sampleRate = static_cast<float>(kSampleRate);
    e.setParameter(engine::kDivision, static_cast<float>(division), false);
    e.setParameter(engine::kSequenceLength, static_cast<float>(length), false);
    int64_t sampleTime = 0;
    int64_t sent = 0;
    e.setMusicalContextBlock([&](double* tempo, double* beat, double* downbeat) {
        *tempo = kTempo;
        *beat = static_cast<double>(sampleTime) * kTempo / (60.0 * kSampleRate);
        *downbeat = 0.0;
        return true;
    });
    e.setTransportStateBlock([](uint32_t* flags) {
        *flags = engine::kTransportStateMoving;
        return true;
    });
    e.setMIDIOutputBlock([&](int64_t, uint8_t, int32_t, const uint8_t*) {
        ++sent;
        return int32_t{0};
    });
    for (auto _ : state) {
        benchmark::DoNotOptimize(e.process(static_cast<double>(sampleTime), frames, {}));
        sampleTime += frames;
    }
    const double totalFrames = static_cast<double>(state.iterations()) * frames;
    state.SetItemsProcessed(static_cast<int64_t>(totalFrames));
    // Shown with SI prefixes: time_per_frame in seconds (e.g. 70ps), core_share_48k as a fraction of
    // one core (e.g. 3u = 0.0003 %).
    state.counters["time_per_frame"] =
        benchmark::Counter(totalFrames, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["core_share_48k"] = benchmark::Counter(
        totalFrames / kSampleRate, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["messages"] = static_cast<double>(sent);
}

void BM_RenderDefault(benchmark::State& state) {
    renderPath(state, 1, 16);
}
void BM_RenderTriplet32Length64(benchmark::State& state) {
    renderPath(state, 8, 64);
}

BENCHMARK(BM_RenderDefault)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(BM_RenderTriplet32Length64)->Arg(64)->Arg(512)->Arg(4096);

} // namespace
