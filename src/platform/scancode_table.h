#pragma once
// The one translation from SDL's USB scancodes to PC set-1 make codes.

// The set-1 make code of an SDL scancode, without the extended flag; 0 for keys that have none.
int setOneCode(int sdlScancode);
