#pragma once

#include "engine/RenderEvent.h"
#include "platform/au/RenderEvent.h"

namespace extension {

// The engine's view of a host render-event list: walks the au list in place, copying nothing and
// allocating nothing. [render]
engine::RenderEventList engineEventList(const au::RenderEvent* head);

} // namespace extension
