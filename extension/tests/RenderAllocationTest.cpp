// Proves that render calls allocate nothing: this file replaces the global allocation functions
// and counts the calls made while a render is running.

#include "TestHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>

namespace {
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

void* allocate(std::size_t size) {
    if (gCounting.load(std::memory_order_relaxed)) {
        gAllocations.fetch_add(1, std::memory_order_relaxed);
    }
    if (void* memory = std::malloc(size ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    if (gCounting.load(std::memory_order_relaxed)) {
        gAllocations.fetch_add(1, std::memory_order_relaxed);
    }
    std::size_t align = static_cast<std::size_t>(alignment);
    std::size_t rounded = (size + align - 1) / align * align;
    if (void* memory = std::aligned_alloc(align, rounded ? rounded : align)) {
        return memory;
    }
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocateAligned(size, alignment);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept {
    std::free(memory);
}

namespace {

TEST(RenderAllocation, RenderCallsWithEventsAllocateNothing) {
    auto unit = testhost::makeUnit();
    testhost::Host host;
    host.install(*unit);
    unit->setMaximumFramesToRender(512);
    ASSERT_FALSE(unit->allocateRenderResources().has_value());
    au::RenderBlock block = unit->renderBlock();

    // Event lists made up front: parameter changes (any address, any float), note-ons and other MIDI.
    std::mt19937 random(7);
    std::vector<std::vector<au::RenderEvent>> lists(64);
    for (auto& list : lists) {
        size_t count = random() % 6;
        for (size_t i = 0; i < count; ++i) {
            if (random() % 2) {
                const float values[] = {0.0f, 0.5f, 1.0f, 50.0f, 3.0f, -1.0f, 1e9f, std::nanf("")};
                list.push_back(au::parameterEvent(0, random() % 30, values[random() % 8]));
            } else {
                list.push_back(au::midiEvent(0, 0, static_cast<uint16_t>(random() % 4),
                                             {static_cast<uint8_t>(0x80 + random() % 0x70),
                                              static_cast<uint8_t>(random() % 128),
                                              static_cast<uint8_t>(random() % 128)}));
            }
        }
        for (size_t i = 0; i + 1 < list.size(); ++i) {
            list[i].next = &list[i + 1];
        }
    }

    // The counter sees allocations at all (otherwise the check below would prove nothing).
    gCounting = true;
    auto probe = std::make_unique<int>(1);
    gCounting = false;
    ASSERT_EQ(gAllocations.load(), 1);

    const uint32_t frames = 512;
    gAllocations = 0;
    gCounting = true;
    int failures = 0;
    for (int call = 0; call < 4000; ++call) {
        host.beat = call * double(frames) * host.tempo / (60.0 * 44100.0);
        host.moving = call % 500 < 480; // some stopped stretches
        unit->setShouldBypassEffect(call % 700 > 650);
        const auto& list = lists[static_cast<size_t>(call) % lists.size()];
        if (testhost::renderCall(block, double(call) * frames, frames,
                                 list.empty() ? nullptr : list.data()) != au::kNoErr) {
            ++failures;
        }
    }
    gCounting = false;
    EXPECT_EQ(gAllocations.load(), 0);
    EXPECT_EQ(failures, 0);
    EXPECT_GT(host.messageCount.load(), 100u); // the calls did play notes
}

} // namespace
