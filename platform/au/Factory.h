#pragma once

#include "platform/au/AudioUnit.h"
#include "platform/au/ComponentDescription.h"
#include "platform/au/Status.h"

#include <memory>

namespace au {

// What an extension gives its host: it creates audio units on request. [main]
class Factory {
public:
    virtual ~Factory() = default;
    // The unit for `componentDescription`, or the Error that prevented it (the error of the unit's
    // constructor is passed on unchanged). [main]
    virtual Result<std::shared_ptr<AudioUnit>>
    createAudioUnit(const ComponentDescription& componentDescription) = 0;
};

} // namespace au
