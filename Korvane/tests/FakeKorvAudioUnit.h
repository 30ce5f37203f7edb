#pragma once

#include "Korvane/KorvAudioUnit.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace Korvane::testing {

// An audio unit that only records what the parameter model hands it.
class FakeKorvAudioUnit final : public KorvAudioUnit {
public:
    struct Call {
        std::uint64_t address;
        float value;
        bool operator==(const Call&) const = default;
    };

    FakeKorvAudioUnit(const au::ComponentDescription& description, au::InstantiationOptions options,
                      std::optional<au::Error>& error)
        : KorvAudioUnit(description, options, error) {}

    static std::shared_ptr<FakeKorvAudioUnit> make() {
        au::ComponentDescription description;
        description.componentType = au::kComponentTypeMIDIProcessor;
        description.componentSubType = au::fourCharCode("fake");
        description.componentManufacturer = au::fourCharCode("Test");
        auto unit = au::makeAudioUnit<FakeKorvAudioUnit>(description, 0);
        return unit.ok() ? unit.value() : nullptr;
    }

    void setParameter(std::uint64_t address, float value) override {
        std::lock_guard lock(mutex_);
        calls_.push_back({address, value});
    }
    au::InternalRenderBlock internalRenderBlock() override {
        return [](auto...) { return au::Status{}; };
    }

    std::vector<Call> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    void clearCalls() {
        std::lock_guard lock(mutex_);
        calls_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<Call> calls_;
};

} // namespace Korvane::testing
