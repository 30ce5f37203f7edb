// Long sessions driven by a random host: tempo changes, loops, stops, bypass, automation and
// incoming note-ons. Every message the engine sends is checked against the invariants of the output.

#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace engine {
namespace {

using testing::FakeHost;

TEST(RenderInvariants, RandomHostSessions) {
    for (uint64_t seed : {11ull, 12ull, 13ull}) {
        std::mt19937_64 rng(seed);
        const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); };
        const auto uniform = [&](double lo, double hi) {
            return std::uniform_real_distribution<double>(lo, hi)(rng);
        };
        MidiProcessor e(seed);
        FakeHost h;
        h.attach(e);
        e.sampleRate = 48000.0f;
        e.setParameter(kSlideAmount, 0.5f, false);

        std::map<uint8_t, int> sounding; // note -> note-ons without their note-off
        int total = 0;
        size_t checked = 0;
        for (int call = 0; call < 10000; ++call) {
            if (pick(30) == 0) {
                h.tempo = uniform(30, 300);
            }
            if (pick(80) == 0) {
                h.beat = uniform(0, 64);
            }
            if (pick(h.moving ? 100 : 8) == 0) {
                h.moving = !h.moving;
            }
            if (pick(e.bypassed ? 8 : 300) == 0) {
                e.bypassed = !e.bypassed;
            }
            std::vector<RenderEventNode> nodes(static_cast<size_t>(pick(3)));
            uint8_t noteOn[3] = {0x90, static_cast<uint8_t>(24 + pick(60)), 90};
            for (size_t k = 0; k < nodes.size(); ++k) {
                if (pick(4) == 0) {
                    nodes[k].event = {kRenderEventMIDI, 0, 0.0f, 3, noteOn};
                } else {
                    const uint64_t address = static_cast<uint64_t>(pick(24));
                    const float value = address == kGate             ? float(uniform(0, 100))
                                        : address == kSequenceLength ? float(1 + pick(64))
                                        : address == kDivision       ? float(pick(12))
                                        : address <= kRange          ? float(pick(100))
                                                                     : float(uniform(0, 1));
                    nodes[k].event = {kRenderEventParameter, address, value};
                }
                nodes[k].next = k + 1 < nodes.size() ? &nodes[k + 1] : nullptr;
            }
            const uint32_t frames = static_cast<uint32_t>(1 + pick(2048));
            const bool wasMoving = h.moving;
            const bool wasBypassed = e.bypassed;
            const int64_t start = h.sampleTime;
            h.sent.clear();
            ASSERT_EQ(
                h.render(e, frames, nodes.empty() ? RenderEventList{} : renderEventListOf(nodes.data())), 0);

            int64_t previous = start;
            for (const auto& m : h.sent) {
                ASSERT_GE(m.time, previous) << "messages in time order";
                ASSERT_LT(m.time, start + frames) << "inside the call";
                previous = m.time;
                ASSERT_TRUE(m.status == 0x90 || m.status == 0x80);
                ASSERT_LT(m.note, 128);
                if (m.status == 0x90) {
                    ASSERT_TRUE(wasMoving && !wasBypassed) << "no note-on while stopped or bypassed";
                    ASSERT_TRUE(m.velocity == 80 || m.velocity == 120);
                    ++sounding[m.note];
                    ++total;
                    ASSERT_LE(total, 2) << "at most two notes sound";
                } else {
                    ASSERT_GT(sounding[m.note], 0) << "every note-off ends a sounding note";
                    --sounding[m.note];
                    --total;
                }
                ++checked;
            }
            if (!wasMoving && !wasBypassed) {
                ASSERT_EQ(total, 0) << "a stopped transport leaves nothing sounding";
            }
        }
        h.moving = true;
        e.bypassed = false;
        h.moving = false;
        h.sent.clear();
        ASSERT_EQ(h.render(e, 64), 0);
        for (const auto& m : h.sent) {
            ASSERT_EQ(m.status, 0x80);
            --total;
        }
        EXPECT_EQ(total, 0) << "every note-on got its note-off";
        EXPECT_GT(checked, 2000u);
    }
}

} // namespace
} // namespace engine
