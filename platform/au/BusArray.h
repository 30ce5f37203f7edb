#pragma once

#include "platform/au/Bus.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace au {

class AudioUnit;

enum class BusType : uint32_t { input = 1, output = 2 };

// The buses of one side of an audio unit, in bus-number order. All members are [main].
class BusArray {
public:
    BusArray(const AudioUnit* owner, BusType busType, std::vector<std::shared_ptr<Bus>> buses = {})
        : owner_(owner), busType_(busType), buses_(std::move(buses)) {}

    const AudioUnit* ownerAudioUnit() const { return owner_; }
    BusType busType() const { return busType_; }
    size_t count() const { return buses_.size(); }
    // The bus with that number, or nullptr past the end.
    std::shared_ptr<Bus> bus(size_t index) const { return index < buses_.size() ? buses_[index] : nullptr; }
    Bus& operator[](size_t index) const { return *buses_.at(index); }

private:
    const AudioUnit* owner_;
    BusType busType_;
    std::vector<std::shared_ptr<Bus>> buses_;
};

} // namespace au
