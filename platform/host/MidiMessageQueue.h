#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace host {

// One MIDI message the unit sent.
struct MidiMessage {
    int64_t sampleTime = 0;
    uint8_t cable = 0;
    uint8_t length = 0; // bytes kept in `bytes` (longer messages are cut to kMaxBytes)
    std::array<uint8_t, 8> bytes{};
    static constexpr uint8_t kMaxBytes = 8;
};

// A single-producer, single-consumer ring of MIDI messages: the render thread pushes (no lock, no
// allocation), the main thread pops. Messages that find the ring full are counted as dropped.
class MidiMessageQueue {
public:
    explicit MidiMessageQueue(size_t capacity = 1 << 16) : slots_(capacity + 1) {}

    // [render]
    bool push(const MidiMessage& message) {
        size_t tail = tail_.load(std::memory_order_relaxed);
        size_t next = (tail + 1) % slots_.size();
        if (next == head_.load(std::memory_order_acquire)) {
            dropped_.fetch_add(1, std::memory_order_relaxed);
            return false;
        }
        slots_[tail] = message;
        tail_.store(next, std::memory_order_release);
        return true;
    }

    // [main] Moves every queued message to `out`; returns how many.
    size_t popAll(std::vector<MidiMessage>& out) {
        size_t count = 0;
        size_t head = head_.load(std::memory_order_relaxed);
        while (head != tail_.load(std::memory_order_acquire)) {
            out.push_back(slots_[head]);
            head = (head + 1) % slots_.size();
            head_.store(head, std::memory_order_release);
            ++count;
        }
        return count;
    }

    // [any]
    uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }

private:
    std::vector<MidiMessage> slots_;
    std::atomic<size_t> head_{0};
    std::atomic<size_t> tail_{0};
    std::atomic<uint64_t> dropped_{0};
};

} // namespace host
