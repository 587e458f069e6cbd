#pragma once
// The settings screen: over a darkened copy of the game's last frame, in the game's own two
// fonts, the volume, the window, the scaling and every action's keys and pad inputs, each
// change put into effect and saved at once. Arrows, Enter and Escape or the pad navigate;
// F1, the guide button, Escape on the first page or "back to the game" close it.

// Runs the screen until the player closes it (or the window is asked to close). No pass of
// the game runs meanwhile, and none of its presses reach the key table.
void runSettingsScreen();
