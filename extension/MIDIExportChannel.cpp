#include "extension/MIDIExportChannel.h"

#include "extension/ZindralAudioUnit.h"

namespace extension {

au::Value MIDIExportChannel::callAudioUnit(const au::Value&) {
    au::Value::Dictionary reply;
    reply[kDataKey] = au::Value(unit_.generateMIDIData());
    return au::Value(std::move(reply));
}

} // namespace extension
