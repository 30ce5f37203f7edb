#pragma once

#include "platform/au/Format.h"
#include "platform/au/Status.h"

#include <cstdint>
#include <memory>
#include <string>

namespace au {

// One input or output connection of an audio unit with its stream format. Buses are shared between
// the unit and its bus arrays, so they live behind std::shared_ptr. All members are [main].
class Bus {
public:
    // A bus carrying `format`; fails with kErrFormatNotSupported for a format standardFormat() refuses.
    static Result<std::shared_ptr<Bus>> create(const Format& format);

    const Format& format() const { return format_; }
    // Fails with kErrFormatNotSupported when the format is invalid or has more channels than
    // maximumChannelCount(); the bus keeps its format then.
    Status setFormat(const Format& format);

    // The most channels a format of this bus may have (starts at kMaximumFormatChannels).
    uint32_t maximumChannelCount() const { return maximumChannelCount_; }
    void setMaximumChannelCount(uint32_t count) { maximumChannelCount_ = count; }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }

    explicit Bus(const Format& format) : format_(format) {}

private:
    Format format_;
    uint32_t maximumChannelCount_ = kMaximumFormatChannels;
    bool enabled_ = true;
    std::string name_;
};

} // namespace au
