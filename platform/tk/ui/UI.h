#pragma once

// The declarative layer in one include: nodes and their modifiers, components with state,
// environment values, gestures, buttons and styles, text fields, the hosting view and
// representables. See each header for its rules.

#include "platform/tk/ui/Button.h"
#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Environment.h"
#include "platform/tk/ui/Gesture.h"
#include "platform/tk/ui/HostingView.h"
#include "platform/tk/ui/Layout.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/Representable.h"
#include "platform/tk/ui/State.h"
#include "platform/tk/ui/TextField.h"
