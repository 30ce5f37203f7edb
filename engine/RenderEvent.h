#pragma once
// A plain view of one render call's event list. The engine never sees the host's own event type: the
// caller hands over a RenderEventList, a first node and a function that reads a node into a
// RenderEvent and returns the node after it. The list is walked in order, once, without copying or
// allocating.
//
//   first --read--> (event 0, node 1) --read--> (event 1, node 2) ... --read--> (event n-1, nullptr)
//
// An adapter for a host list of `HostEvent { HostEvent* next; ... }` is one static function:
//   const void* readHostEvent(const void* node, engine::RenderEvent& out) {
//       auto* e = static_cast<const HostEvent*>(node);
//       out = {...fields of e...};
//       return e->next;
//   }
//   engine::RenderEventList events{head, &readHostEvent};

#include <cstdint>

namespace engine {

/// Event type codes the engine acts on (the host's numbering); every other code is ignored.
inline constexpr uint8_t kRenderEventParameter = 1;
inline constexpr uint8_t kRenderEventMIDI = 8;

struct RenderEvent {
    uint8_t type = 0;                   ///< kRenderEventParameter, kRenderEventMIDI or anything (ignored)
    uint64_t address = 0;               ///< parameter events: the parameter address (any value)
    float value = 0.0f;                 ///< parameter events: the value (any float, NaN included)
    int32_t midiLength = 0;             ///< MIDI events: number of bytes at midiBytes (any value)
    const uint8_t* midiBytes = nullptr; ///< MIDI events: the message; read only when midiLength is 3
};

struct RenderEventList {
    const void* first = nullptr; ///< first node, or nullptr for an empty list
    /// Reads `node` into `event` and returns the next node (nullptr after the last one).
    const void* (*read)(const void* node, RenderEvent& event) = nullptr;
};

/// A ready-made node type for callers that build their own list (tests, tools, simple hosts).
struct RenderEventNode {
    RenderEvent event;
    const RenderEventNode* next = nullptr;
};

/// [any] A RenderEventList over a chain of RenderEventNode.
inline RenderEventList renderEventListOf(const RenderEventNode* first) {
    return {first, [](const void* node, RenderEvent& event) -> const void* {
                const auto* n = static_cast<const RenderEventNode*>(node);
                event = n->event;
                return n->next;
            }};
}

} // namespace engine
