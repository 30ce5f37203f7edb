#pragma once
// A tiny host for the unit tests: a transport that advances with each call, and MIDI output recorded
// into storage reserved up front (so recording allocates nothing during render calls).

#include "extension/ZindralAudioUnit.h"
#include "platform/au/RenderTypes.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace testhost {

inline constexpr au::ComponentDescription kDescription{
    au::kComponentTypeMIDIProcessor, au::fourCharCode("Zndr"), au::fourCharCode("Krvn"), 0, 0};

struct Message {
    int64_t sampleTime = 0;
    std::array<uint8_t, 3> bytes{};
};

struct Host {
    double tempo = 120.0;
    double beat = 0.0;
    bool moving = true;
    bool contextAvailable = true;
    std::vector<Message> messages;
    std::atomic<size_t> messageCount{0};

    Host() { messages.resize(1 << 16); }

    void install(au::AudioUnit& unit) {
        unit.setMusicalContextBlock(
            [this](double* t, double*, int64_t*, double* b, int64_t*, double* downbeat) {
                if (t) {
                    *t = tempo;
                }
                if (b) {
                    *b = beat;
                }
                if (downbeat) {
                    *downbeat = 0.0;
                }
                return contextAvailable;
            });
        unit.setTransportStateBlock([this](au::TransportStateFlags* flags, double*, double*, double*) {
            if (flags) {
                *flags = moving ? au::kTransportStateMoving : 0;
            }
            return true;
        });
        unit.setMIDIOutputEventBlock([this](int64_t time, uint8_t, int64_t length, const uint8_t* bytes) {
            size_t index = messageCount.load(std::memory_order_relaxed);
            if (index < messages.size() && length == 3) {
                messages[index] = {time, {bytes[0], bytes[1], bytes[2]}};
                messageCount.store(index + 1, std::memory_order_relaxed);
            }
            return au::kNoErr;
        });
    }

    std::vector<Message> recorded() const {
        return {messages.begin(), messages.begin() + static_cast<long>(messageCount.load())};
    }
};

inline std::shared_ptr<extension::ZindralAudioUnit> makeUnit() {
    return extension::ZindralAudioUnit::create(kDescription, 0).value();
}

// One render call of `frames` at sample time `sampleTime`.
inline au::Status renderCall(const au::RenderBlock& block, double sampleTime, uint32_t frames,
                             const au::RenderEvent* events = nullptr) {
    au::TimeStamp timestamp;
    timestamp.sampleTime = sampleTime;
    timestamp.flags = au::kTimeStampSampleTimeValid;
    au::RenderActionFlags flags = 0;
    static const au::PullInputBlock kNoInput;
    return block(&flags, timestamp, frames, 0, nullptr, events, kNoInput);
}

} // namespace testhost
