#pragma once
// The one translation from SDL's USB scancodes to PC set-1 make codes.

// The set-1 make code of an SDL scancode, without the extended flag; 0 for keys that have none.
int setOneCode(int sdlScancode);

// An SDL scancode whose set-1 code is setOne (of a shared pair, either key will do, since
// both reach the same entry); 0 when no key has that code.
int sdlScancodeFor(int setOne);
