#pragma once

#include "platform/au/Value.h"

namespace au {

// A named two-way line between a host (or a unit's own tools) and an audio unit for requests the
// standard properties do not cover: the caller sends a dictionary and gets a dictionary back.
// [main] unless the unit documents otherwise.
class MessageChannel {
public:
    virtual ~MessageChannel() = default;
    // The answer to `message`; an empty dictionary when the unit does not understand it.
    virtual Value callAudioUnit(const Value& message) = 0;
};

} // namespace au
