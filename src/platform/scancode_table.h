#pragma once
// The one translation from SDL's USB scancodes to PC set-1 make codes, and the player's own
// bindings laid over it.
#include <string>

// The set-1 make code of an SDL scancode, without the extended flag; 0 for keys that have none.
int setOneCode(int sdlScancode);

// An SDL scancode whose set-1 code is setOne (of a shared pair, either key will do, since
// both reach the same entry); 0 when no key has that code.
int sdlScancodeFor(int setOne);

// How many SDL scancodes there are; a binding table has one entry for each.
int scancodeCount();

// Lays a table over the translation: entry s is the set-1 code that SDL scancode s enters, 0
// for nothing. Null goes back to the fixed translation.
void setBindingTable(const unsigned char* table);

// SDL's name of a scancode ("Left Ctrl", "Keypad 8"); empty for one without a name.
std::string scancodeName(int sdlScancode);

// The scancode of one of those names, in any case; 0 for a name SDL does not know.
int scancodeFromName(const char* name);
