#pragma once

#include "platform/au/ParameterTypes.h"

#include <cstdint>

namespace Korvane {

// Who changes a parameter.
enum class ParameterEditor : std::uint8_t {
    parameterObserver = 0, // the parameter tree: the host, its automation or the audio unit itself
    ui = 1,                // a control of the plug-in's interface
};

// The phase of an edit. The number is handed to the host unchanged as the automation event type.
enum class ParameterEditorState : std::uint8_t {
    change = 0,           // a value (automation event "value")
    beginInteractive = 1, // an interactive edit begins ("touch")
    endInteractive = 2,   // it ends ("release")
};

// [any] The automation event type a state stands for.
constexpr au::ParameterAutomationEventType automationEventType(ParameterEditorState state) {
    return static_cast<au::ParameterAutomationEventType>(static_cast<std::uint32_t>(state));
}

} // namespace Korvane
