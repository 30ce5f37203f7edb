// Random host input through the unit's render block: event lists of every type with any address,
// any float and any MIDI bytes, jumps and stops of the transport, bypass. Invariants on every
// message: three bytes on channel 1, note-on or note-off, at a sample time inside its call; and
// after the transport stops no note is left sounding.

#include "TestHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>

namespace {

TEST(RenderFuzz, RandomEventListsKeepTheOutputWellFormed) {
    auto unit = testhost::makeUnit();
    testhost::Host host;
    host.install(*unit);
    ASSERT_FALSE(unit->allocateRenderResources().has_value());
    au::RenderBlock block = unit->renderBlock();

    std::mt19937_64 random(2024);
    const float extremes[] = {std::nanf(""), HUGE_VALF, -HUGE_VALF, 0.0f, -0.0f,
                              1e-40f,        1e30f,     -1e30f,     0.5f, 127.0f};
    const au::RenderEventType types[] = {
        au::RenderEventType::parameter,     au::RenderEventType::parameterRamp,
        au::RenderEventType::midi,          au::RenderEventType::midiSysEx,
        au::RenderEventType::midiEventList, static_cast<au::RenderEventType>(255)};
    double sampleTime = 0.0;
    size_t checked = 0;
    for (int call = 0; call < 3000; ++call) {
        std::vector<au::RenderEvent> events(random() % 8);
        for (auto& event : events) {
            event.eventType = types[random() % std::size(types)];
            event.eventSampleTime = static_cast<int64_t>(random());
            event.parameter.parameterAddress = random() % 3 ? random() % 26 : random();
            event.parameter.value = random() % 2
                                        ? extremes[random() % std::size(extremes)]
                                        : std::uniform_real_distribution<float>(-200.0f, 200.0f)(random);
            event.midi.length = static_cast<uint16_t>(random() % 5);
            event.midi.data = {static_cast<uint8_t>(random()), static_cast<uint8_t>(random()),
                               static_cast<uint8_t>(random())};
        }
        for (size_t i = 0; i + 1 < events.size(); ++i) {
            events[i].next = &events[i + 1];
        }
        const uint32_t frames = 1 + static_cast<uint32_t>(random() % 1024);
        host.tempo = random() % 50 ? 30.0 + double(random() % 270) : extremes[random() % std::size(extremes)];
        host.beat =
            random() % 20 ? host.beat + frames * host.tempo / (60.0 * 44100.0) : double(random() % 64);
        if (!std::isfinite(host.beat)) {
            host.beat = 0.0;
        }
        host.moving = random() % 30 != 0;
        unit->setShouldBypassEffect(random() % 40 == 0);

        size_t before = host.messageCount.load();
        au::Status status =
            testhost::renderCall(block, sampleTime, frames, events.empty() ? nullptr : events.data());
        EXPECT_EQ(status, au::kNoErr);
        auto messages = host.recorded();
        for (size_t i = before; i < messages.size(); ++i) {
            const auto& m = messages[i];
            EXPECT_TRUE(m.bytes[0] == 0x90 || m.bytes[0] == 0x80) << int(m.bytes[0]);
            EXPECT_LT(m.bytes[1], 128);
            EXPECT_TRUE(m.bytes[0] == 0x80 ? m.bytes[2] == 0 : (m.bytes[2] == 80 || m.bytes[2] == 120));
            EXPECT_GE(m.sampleTime, static_cast<int64_t>(sampleTime));
            EXPECT_LT(m.sampleTime, static_cast<int64_t>(sampleTime) + frames);
            ++checked;
        }
        sampleTime += frames;
        if (host.messageCount.load() > host.messages.size() - 4096) {
            host.messageCount = 0;
        }
    }
    EXPECT_GT(checked, 100u);

    // A stopped transport turns every sounding note off. A first stopped call ends the notes of the
    // random phase; counting starts after it.
    unit->setShouldBypassEffect(false);
    host.tempo = 120.0;
    host.beat = 0.0;
    host.moving = false;
    testhost::renderCall(block, sampleTime, 512);
    sampleTime += 512;
    host.messageCount = 0;
    host.moving = true;
    for (int call = 0; call < 200; ++call) {
        testhost::renderCall(block, sampleTime, 512);
        sampleTime += 512;
        host.beat += 512 * 120.0 / (60.0 * 44100.0);
    }
    host.moving = false;
    testhost::renderCall(block, sampleTime, 512);
    std::map<int, int> sounding;
    for (const auto& m : host.recorded()) {
        sounding[m.bytes[1]] += m.bytes[0] == 0x90 ? 1 : -1;
    }
    for (const auto& [note, count] : sounding) {
        EXPECT_EQ(count, 0) << "note " << note;
    }
}

} // namespace
