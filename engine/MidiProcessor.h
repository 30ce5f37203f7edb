#pragma once
// The live engine, owned by value by the audio unit and driven from the host's render thread.
//
// Lifecycle, as the audio unit calls it:
//   construct (main)                      seed 0, defaults, tempo 120, sample rate 44100
//   setParameter(.., publish=false) (main)  parameter tree pushes and interface edits
//   setSeed (main)                        reseeding at any time
//   allocate render resources (main):     sampleRate.store(...); setMusicalContextBlock,
//                                         setTransportStateBlock, setMIDIOutputBlock
//   process (render), any number of times
//   deallocate render resources (main):   the three setters with empty blocks
// The block setters must not run while a process call runs (the host guarantees this around
// allocating and deallocating render resources).
//
// Interface poll (main, 60 Hz): mask = dirtyMask.exchange(0, std::memory_order_acq_rel); for every set
// bit n read parameterMirror[n]; compare currentStep with the value last seen. Reading tempo and
// sampleRate (relaxed loads) gives what the engine last saw.

#include "engine/HostBlocks.h"
#include "engine/ParameterAddress.h"
#include "engine/RenderEvent.h"
#include "engine/ZindralEngine.h"

#include <array>
#include <atomic>
#include <cstdint>

namespace engine {

/// The host framework's status for an operation that cannot be done in the current context.
inline constexpr int32_t kStatusCannotDoInCurrentContext = -10863;

class MidiProcessor final : public ZindralEngine {
public:
    /// [main] seed 0 unless given; the parameters' defaults; tempo 120, sample rate 44100.
    explicit MidiProcessor(uint64_t seed = 0);
    ~MidiProcessor() override;
    // The render block holds a pointer to this object: it stays where the audio unit made it.
    MidiProcessor(const MidiProcessor&) = delete;
    MidiProcessor& operator=(const MidiProcessor&) = delete;

    /// [any] Stores a parameter (ZindralEngine::storeParameter), writes the raw value to
    /// parameterMirror[address] and, when `publish` is true, ORs bit `address` into dirtyMask
    /// (release). Addresses 24 and above change nothing. publish is true only for host events on the
    /// render thread.
    void setParameter(uint64_t address, float value, bool publish);

    /// [main] Host blocks; an empty function means the host gave none. Not while process runs.
    void setMusicalContextBlock(MusicalContextBlock block);
    void setTransportStateBlock(TransportStateBlock block);
    void setMIDIOutputBlock(MidiOutputBlock block);

    /// [render] One render call: `sampleTime` is the timestamp's sample time, `frameCount` the frames
    /// to render, `events` the call's render-event list. Steps, in order: musical context (missing or
    /// refused: kStatusCannotDoInCurrentContext, nothing else happens), hostSampleTime, the jump test
    /// (more than 0.1 beat from where the last call ended: all notes off, steps restart), the events in
    /// list order (parameter events stored with publish; 3-byte note-ons with velocity > 0 set
    /// lowNote), bypass (return 0, nothing scheduled), transport (stopped: all notes off, steps
    /// restart), scheduling at tempo / 60 / sampleRate beats per sample, nextExpectedBeat. A tempo,
    /// beat position or sample rate that gives no finite beat is treated like a stopped transport.
    /// No allocation, no lock. Returns 0 or kStatusCannotDoInCurrentContext.
    int32_t process(double sampleTime, uint32_t frameCount, RenderEventList events);

    std::atomic<int32_t> currentStep{-1}; ///< global step last started, for the playhead
    std::array<std::atomic<float>, kParameterCount> parameterMirror{}; ///< last value stored per address
    std::atomic<uint32_t> dirtyMask{0}; ///< bit n: address n changed on the render thread

    std::atomic<double> tempo{120.0}; ///< beats per minute, from the host's last render call
    double beatPosition = 0.0;        ///< beat at the start of the current render call (render thread)
    double measureDownbeatPosition = 0.0;
    std::atomic<float> sampleRate{44100.0f}; ///< set by the audio unit when allocating render resources
    int64_t hostSampleTime = 0;              ///< sample time of the current render call (render thread)
    std::atomic<bool> bypassed{false};       ///< the audio unit's shouldBypassEffect

private:
    void noteOn(int32_t sampleOffset, int32_t note, float velocity) override;
    void noteOff(int32_t sampleOffset, int32_t note) override;
    void stepChanged(int32_t step) override;
    void applyEvent(const RenderEvent& event);
    // [render] Ends every sounding note at the call's first sample and forgets the step, so the next
    // sample that plays starts a step afresh.
    void stopPlaying();
    void send(int32_t sampleOffset, uint8_t status, uint8_t note, uint8_t velocity);

    MidiOutputBlock midiOutputBlock;
    MusicalContextBlock musicalContextBlock;
    TransportStateBlock transportStateBlock;
};

} // namespace engine
