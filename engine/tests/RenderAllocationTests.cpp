// The render path must not allocate: global operator new is replaced in this test program and
// counts the allocations made while the counter is armed.

#include "engine/tests/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
} // namespace

namespace {
void* countedAllocate(std::size_t size) {
    if (gCounting.load(std::memory_order_relaxed)) {
        gAllocations.fetch_add(1, std::memory_order_relaxed);
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void release(void* p) noexcept {
    std::free(p);
}
} // namespace

void* operator new(std::size_t size) {
    return countedAllocate(size);
}
void* operator new[](std::size_t size) {
    return countedAllocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAllocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return ::operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    release(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    release(p);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}

namespace engine {
namespace {

TEST(RenderAllocation, ProcessNeverAllocates) {
    MidiProcessor e(3);
    double tempo = 133.0;
    double beat = 0.0;
    bool moving = true;
    long sent = 0;
    e.setMusicalContextBlock([&](double* t, double* b, double* d) {
        *t = tempo;
        *b = beat;
        *d = 0.0;
        return true;
    });
    e.setTransportStateBlock([&](uint32_t* flags) {
        *flags = moving ? kTransportStateMoving : 0;
        return true;
    });
    e.setMIDIOutputBlock([&](int64_t, uint8_t, int32_t, const uint8_t*) {
        ++sent;
        return int32_t{0};
    });
    e.setParameter(kSlideAmount, 0.5f, false);

    const uint8_t noteOn[3] = {0x91, 40, 70};
    RenderEventNode nodes[4];
    nodes[0].event = {kRenderEventParameter, kDivision, 8.0f};
    nodes[1].event = {kRenderEventMIDI, 0, 0.0f, 3, noteOn};
    nodes[2].event = {kRenderEventParameter, kGate, 75.0f};
    nodes[3].event = {kRenderEventParameter, kMorphX, 0.25f};
    for (int k = 0; k < 3; ++k) {
        nodes[k].next = &nodes[k + 1];
    }

    gAllocations = 0;
    gCounting = true;
    int64_t sampleTime = 0;
    for (int call = 0; call < 20000; ++call) {
        nodes[0].event.value = float(call % 12);
        nodes[3].event.value = float(call % 100) / 100.0f;
        moving = call % 997 > 20;
        if (call % 1500 == 0) {
            beat = 0.0;
        }
        e.process(double(sampleTime), 512, call % 3 == 0 ? renderEventListOf(nodes) : RenderEventList{});
        sampleTime += 512;
        beat += 512.0 * tempo / (60.0 * 44100.0);
    }
    gCounting = false;
    EXPECT_EQ(gAllocations.load(), 0);
    EXPECT_GT(sent, 1000);
}

} // namespace
} // namespace engine
