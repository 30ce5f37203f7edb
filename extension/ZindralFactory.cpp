#include "extension/ZindralFactory.h"

#include "extension/ZindralAudioUnit.h"

namespace extension {

au::Result<std::shared_ptr<au::AudioUnit>>
ZindralFactory::createAudioUnit(const au::ComponentDescription& description) {
    auto unit = ZindralAudioUnit::create(description, 0);
    if (!unit) {
        return unit.error();
    }
    return std::shared_ptr<au::AudioUnit>(std::move(unit).value());
}

} // namespace extension
