#pragma once

#include "engine/HostBlocks.h"
#include "platform/au/RenderTypes.h"

namespace extension {

// The host's blocks in the shapes the engine calls. Wrapping allocates, so it happens when render
// resources are allocated [main]; the wrappers are called on the render thread and allocate nothing.
// An empty host block gives an empty engine block.
engine::MusicalContextBlock adaptMusicalContextBlock(const au::MusicalContextBlock& block);
engine::TransportStateBlock adaptTransportStateBlock(const au::TransportStateBlock& block);
engine::MidiOutputBlock adaptMIDIOutputEventBlock(const au::MIDIOutputEventBlock& block);

} // namespace extension
