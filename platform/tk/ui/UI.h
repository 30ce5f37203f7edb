#pragma once

// The declarative layer in one include.
//
// A tree of Nodes describes an interface; a HostingView realises it as retained tk::Views and keeps
// it current:
//
//   - Node.h        nodes: stacks, spacers, text, images, shapes, canvases, geometry readers, and the
//                   modifiers (frame, padding, offset, position, background, overlay, opacity,
//                   scale, hidden, shadow, colour effect, environment values, gestures,
//                   observers, id)
//   - Layout.h      how sizes are proposed and children placed (stacks, frames, padding)
//   - Component.h   components: a body() over props and State, rebuilt on the main queue when an
//                   observable it read changes
//   - State.h       State<T> (survives rebuilds) and Binding<T>
//   - Environment.h typed values handed down the tree
//   - Gesture.h     taps (count, modifier keys), drags (minimum distance, change, end, cancel),
//                   drag-out
//   - Button.h      Button(action, label) drawn by the environment's ButtonStyle
//   - TextField.h   a text field bound to a string, with focus binding, submit and key handler
//   - List.h        rows one under the other on the list's (alternating) row backgrounds
//   - HostingView.h a declarative tree inside a classic view
//   - Representable.h a classic view inside a declarative tree (with a coordinator if wanted)
//
// Everything is [main]. Tests drive a hosted tree through tk::HeadlessWindow and drain the main
// loop (tk::TestMainLoop) after each input so that rebuilds run.

#include "platform/tk/ui/Button.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Gesture.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Layout.h"
#include "platform/tk/ui/List.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/Representable.h"
#include "platform/tk/ui/Shader.h"
#include "platform/tk/ui/State.h"
#include "platform/tk/ui/TextField.h"
