#pragma once
// The gamepads' share of the event pump, inside the platform library only.
#include <SDL.h>

// Takes a game-controller event: plugging, unplugging, a button or an axis. Presses and
// releases the codes it maps to; any other event changes nothing.
void dispatchGamepadEvent(const SDL_Event& event);
