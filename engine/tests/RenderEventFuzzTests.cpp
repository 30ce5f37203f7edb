// Random render-event lists and host values, including every kind of float a host could send: the
// engine must neither crash nor misbehave (the asan preset runs this under ASan and UBSan).

#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <random>

namespace engine {
namespace {

using testing::FakeHost;

float specialFloat(std::mt19937_64& rng) {
    constexpr float values[] = {
        std::numeric_limits<float>::quiet_NaN(),
        -std::numeric_limits<float>::quiet_NaN(),
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::denorm_min(),
        -std::numeric_limits<float>::denorm_min(),
        std::numeric_limits<float>::max(),
        std::numeric_limits<float>::lowest(),
        2147483648.0f,
        -2147483904.0f,
        0.0f,
        -0.0f,
        0.5f,
        1.0f,
        127.0f,
        255.5f,
        -1.0f,
        1e-30f,
    };
    switch (rng() % 3) {
    case 0:
        return values[rng() % std::size(values)];
    case 1:
        return std::bit_cast<float>(static_cast<uint32_t>(rng())); // any bit pattern
    default:
        return std::uniform_real_distribution<float>(-200.0f, 200.0f)(rng);
    }
}

double specialDouble(std::mt19937_64& rng, double usual) {
    switch (rng() % 8) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return (rng() % 2 ? 1 : -1) * std::numeric_limits<double>::infinity();
    case 2:
        return std::bit_cast<double>(rng());
    case 3:
        return 0.0;
    default:
        return usual;
    }
}

TEST(RenderEventFuzz, RandomEventListsAndHostValues) {
    std::mt19937_64 rng(2024);
    MidiProcessor e;
    FakeHost h;
    h.attach(e);
    uint8_t midi[16][8];
    RenderEventNode nodes[16];
    for (int call = 0; call < 30000; ++call) {
        const int count = static_cast<int>(rng() % 17);
        for (int k = 0; k < count; ++k) {
            RenderEvent& ev = nodes[k].event;
            const uint64_t kind = rng() % 4;
            ev.type = kind == 0   ? kRenderEventParameter
                      : kind == 1 ? kRenderEventMIDI
                                  : static_cast<uint8_t>(rng());
            ev.address = rng() % 3 ? rng() % 32 : rng();
            ev.value = specialFloat(rng);
            for (auto& b : midi[k]) {
                b = static_cast<uint8_t>(rng());
            }
            ev.midiLength = rng() % 3 ? 3 : static_cast<int32_t>(rng());
            ev.midiBytes = rng() % 10 ? midi[k] : nullptr;
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        if (rng() % 50 == 0) {
            h.tempo = specialDouble(rng, 60.0 + static_cast<double>(rng() % 240));
        }
        if (rng() % 50 == 0) {
            e.sampleRate = static_cast<float>(specialDouble(rng, 48000.0));
        }
        if (rng() % 40 == 0) {
            h.beat = specialDouble(rng, static_cast<double>(rng() % 1000));
        }
        if (rng() % 100 == 0) {
            // Back to sane values so the scheduler plays between the storms.
            h.tempo = 120.0;
            e.sampleRate = 44100.0f;
            h.beat = 0.0;
        }
        h.moving = rng() % 20 != 0;
        h.sent.clear();
        const uint32_t frames = static_cast<uint32_t>(rng() % 4097);
        const double sampleTime =
            rng() % 100 == 0 ? specialDouble(rng, 1e19) : static_cast<double>(h.sampleTime);
        const int32_t status =
            e.process(sampleTime, frames, count ? renderEventListOf(nodes) : RenderEventList{});
        ASSERT_EQ(status, 0);
        for (const auto& m : h.sent) {
            ASSERT_TRUE(m.status == 0x90 || m.status == 0x80);
            ASSERT_LT(m.note, 128);
        }
        if (std::isfinite(h.beat)) {
            h.beat += static_cast<double>(frames) * 2.0 / 44100.0;
        }
        h.sampleTime += frames;
        ASSERT_GE(e.sequenceLength, 1);
        ASSERT_LE(e.sequenceLength, 64);
        ASSERT_GE(e.division, 0);
        ASSERT_GT(e.stepLengthBeats, 0.0);
        ASSERT_LT(e.dirtyMask.exchange(0), 1u << 24);
    }
}

} // namespace
} // namespace engine
