#include "extension/RenderEventAdapter.h"

namespace extension {

namespace {

const void* readEvent(const void* node, engine::RenderEvent& out) {
    const auto* event = static_cast<const au::RenderEvent*>(node);
    out = engine::RenderEvent{};
    out.type = static_cast<uint8_t>(event->eventType);
    if (event->eventType == au::RenderEventType::parameter ||
        event->eventType == au::RenderEventType::parameterRamp) {
        out.address = event->parameter.parameterAddress;
        out.value = event->parameter.value;
    } else if (event->eventType == au::RenderEventType::midi) {
        // The true length goes on: the engine reads the bytes only of three-byte messages, so a
        // longer claimed length is ignored rather than mistaken for a note-on.
        out.midiLength = event->midi.length;
        out.midiBytes = event->midi.data.data();
    }
    return event->next;
}

} // namespace

engine::RenderEventList engineEventList(const au::RenderEvent* head) {
    return {head, &readEvent};
}

} // namespace extension
