#include "platform/tk/view/Event.h"

namespace tk {

namespace {
// The keyboard is one per process; this mirrors its modifier state as the backend reports it.
ModifierFlags& modifierState() {
    static ModifierFlags flags = ModifierFlags::none;
    return flags;
}
} // namespace

ModifierFlags currentModifierFlags() {
    return modifierState();
}

void setCurrentModifierFlags(ModifierFlags flags) {
    modifierState() = flags;
}

} // namespace tk
