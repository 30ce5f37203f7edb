#pragma once

#include "platform/au/Factory.h"

namespace extension {

// Creates ZindralAudioUnit for a host. It stands in the place the view controller takes later (the
// controller is the factory then); the entry point is the only code that names it. [main]
class ZindralFactory final : public au::Factory {
public:
    au::Result<std::shared_ptr<au::AudioUnit>>
    createAudioUnit(const au::ComponentDescription& description) override;
};

} // namespace extension
