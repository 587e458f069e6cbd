#pragma once
// The window modes' share of the window and the event pump, inside the platform library only.
#include <SDL.h>

// Puts a window just made, still hidden, where the start placement says.
void placeNewWindow(SDL_Window* window);

// The window was resized or moved: tells the listener, unless it is full-screen.
void notePlacementChange();
