#pragma once
// Gamepads stand in for the keyboard: their buttons and sticks press and release the same
// set-1 codes in the key table, so the game never knows a pad from a keyboard.

// Starts SDL's game-controller layer; pads already plugged in arrive with the next pump, and
// pads plugged in later whenever they come. Without the layer, pads do nothing.
void startGamepads();

// Releases every key a pad holds and closes every pad.
void stopGamepads();
