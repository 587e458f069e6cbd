#pragma once
// The gamepads' share of the event pump, inside the platform library only.
#include <SDL.h>

// Takes a game-controller event: plugging, unplugging, a button or an axis. Presses and
// releases the codes it maps to; any other event changes nothing.
void dispatchGamepadEvent(const SDL_Event& event);

// True once after the guide button was pressed: it opens the settings screen, and presses
// no key.
bool takeGuidePress();

// The pad input a button press or a stick leaving its dead zone is, or -1 for any other
// event; for the settings screen, which reads the pad itself.
int padInputPressed(const SDL_Event& event);
