#pragma once

// Translation of SDL's keyboard state into the toolkit's key codes and modifier flags.

#include "platform/tk/view/Event.h"

#include <SDL2/SDL.h>

#include <string>

namespace tk::sdl {

KeyCode keyCodeFromScancode(SDL_Scancode scancode);
ModifierFlags modifierFlagsFromSdl(Uint16 mod);
// The key's character as the current layout types it without modifiers ("a", "1", "\r"...).
std::string charactersIgnoringModifiers(const SDL_Keysym& keysym);

} // namespace tk::sdl
