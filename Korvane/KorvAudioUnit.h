#pragma once

#include "platform/au/AudioUnit.h"

#include <cstdint>

namespace Korvane {

// An audio unit that a settings object can hand parameter values to without knowing its class.
// Only audio units can be one: it derives from au::AudioUnit.
class KorvAudioUnit : public au::AudioUnit {
public:
    // Stores a parameter value for the unit's engine. [any]
    virtual void setParameter(uint64_t address, float value) = 0;

protected:
    using au::AudioUnit::AudioUnit;
};

} // namespace Korvane
