// The offline export: one pattern cycle rendered and written as a Standard MIDI File.

#include "engine/MIDIRecorder.h"
#include "engine/MidiProcessor.h"

#include <benchmark/benchmark.h>

namespace {

void exportCycle(benchmark::State& state, int division, int length) {
    engine::MidiProcessor e(0x5EED);
    e.setParameter(engine::kDivision, static_cast<float>(division), false);
    e.setParameter(engine::kSequenceLength, static_cast<float>(length), false);
    size_t bytes = 0;
    for (auto _ : state) {
        const auto events = e.generateMIDISequenceEvents(120.0, 48000.0);
        const auto file = Velmor::MIDIRecorder(1, false).convertToMIDIBytes(events);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_ExportDefault(benchmark::State& state) {
    exportCycle(state, 1, 16);
}
void BM_ExportTriplet32Length64(benchmark::State& state) {
    exportCycle(state, 8, 64);
}

BENCHMARK(BM_ExportDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExportTriplet32Length64)->Unit(benchmark::kMicrosecond);

} // namespace
