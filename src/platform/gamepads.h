#pragma once
// Gamepads stand in for the keyboard: their buttons and sticks press and release the same
// set-1 codes in the key table, so the game never knows a pad from a keyboard.
#include <string>

// Starts SDL's game-controller layer; pads already plugged in arrive with the next pump, and
// pads plugged in later whenever they come. Without the layer, pads do nothing.
void startGamepads();

// Releases every key a pad holds and closes every pad.
void stopGamepads();

// A pad input is a button (SDL's numbering) or, after the buttons, a direction of the left
// stick: left, right, up, down.
int padInputCount();

// The input's name: SDL's for a button ("a", "leftshoulder", "dpup"), "leftx-", "leftx+",
// "lefty-", "lefty+" for the stick; empty for a number out of range.
std::string padInputName(int input);

// The input of such a name, in any case; -1 for an unknown one.
int padInputFromName(const std::string& name);

// Lays a table over the pad's fixed codes: entry i is the set-1 code that input i presses, 0
// for nothing. Null goes back to the fixed codes.
void setPadBindings(const unsigned char* table);

// How far a stick must leave the middle before it counts, in percent of its travel.
void setPadDeadZone(int percent);
